#include "archive/win/archiver_probe.h"

#include <windows.h>

#include "platform/unique_handle.h"

namespace tarvelo::archive::win {

std::wstring probeArchiverStatus(ArchiverLibrary library) {
    platform::UniqueModule module(LoadLibraryW(archiverFileName(library)));
    if (!module) return archiverStatusText(library, ProbeResult::NotFound);
    const char* function = library == ArchiverLibrary::SevenZip ? "SevenZipGetVersion" : "UnrarGetVersion";
    using GetVersion = WORD(WINAPI*)();
    auto getVersion = reinterpret_cast<GetVersion>(reinterpret_cast<void*>(GetProcAddress(module.get(), function)));
    if (!getVersion) return archiverStatusText(library, ProbeResult::ImportError);
    return archiverStatusText(library, ProbeResult::Installed, getVersion());
}

}  // namespace tarvelo::archive::win
