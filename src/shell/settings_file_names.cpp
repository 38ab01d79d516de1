#include "shell/settings_file_names.h"

#include "common/path_split.h"

namespace tarvelo::shell {

namespace {

// Drive, directory and base name (no extension) of the executable.
std::wstring executableStem(std::wstring_view executablePath) {
    common::PathParts parts = common::splitPath(executablePath);
    return parts.drive + parts.directory + parts.stem;
}

}  // namespace

std::wstring settingsFileName(std::wstring_view executablePath, std::wstring_view userName,
                              std::wstring_view computerName, bool secondInstance) {
    std::wstring name = executableStem(executablePath);
    name += L'_';
    name += userName;
    name += L'@';
    name += computerName;
    if (secondInstance) name += L"_#2";
    name += L".ini";
    return name;
}

std::wstring dataFileName(std::wstring_view executablePath, std::wstring_view section) {
    std::wstring name = executableStem(executablePath);
    name += L'_';
    name += section;
    name += L".ini";
    return name;
}

}  // namespace tarvelo::shell
