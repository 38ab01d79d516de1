#pragma once
// The status line of an outside archiver library, shown in the Help menu.
// English only, in both interface languages.
#include <cstdint>
#include <optional>
#include <string>

namespace tarvelo::archive {

enum class ArchiverLibrary { SevenZip, Unrar };

const wchar_t* archiverFileName(ArchiverLibrary library);  // "7-ZIP32.DLL" / "UNRAR32.DLL"

enum class ProbeResult { Installed, NotFound, ImportError };

// version: the library's 16-bit version number v (major v / 100, minor v % 100).
std::wstring archiverStatusText(ArchiverLibrary library, ProbeResult result, uint16_t version = 0);

}  // namespace tarvelo::archive
