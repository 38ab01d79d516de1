#include "archive/archiver_status.h"

namespace tarvelo::archive {

const wchar_t* archiverFileName(ArchiverLibrary library) {
    return library == ArchiverLibrary::SevenZip ? L"7-ZIP32.DLL" : L"UNRAR32.DLL";
}

std::wstring archiverStatusText(ArchiverLibrary library, ProbeResult result, uint16_t version) {
    const std::wstring name = archiverFileName(library);
    switch (result) {
    case ProbeResult::NotFound: return L"Not Found: " + name;
    case ProbeResult::ImportError: return L"Import Error: " + name;
    case ProbeResult::Installed: break;
    }
    const unsigned minor = version % 100;
    std::wstring minorText = std::to_wstring(minor);
    if (minorText.size() < 2) minorText.insert(0, 1, L'0');
    return name + L" (Version " + std::to_wstring(version / 100) + L"." + minorText + L") Installed.";
}

}  // namespace tarvelo::archive
