#pragma once
// Process-wide start-up state, alive for the whole process.
#include <windows.h>

#include <cstdint>
#include <string>

#include "shell/ui_language.h"

namespace tarvelo::shell::win {

struct AppContext {
    HINSTANCE instance = nullptr;
    int showCommand = SW_SHOWNORMAL;
    bool isSecondInstance = false;
    std::wstring settingsFilePath;
    uint32_t startTickMs = 0;
    UiLanguage uiLanguage = UiLanguage::English;
    std::wstring modulePath;      // full path of the executable
    std::wstring moduleFolder;    // drive + directory, trailing backslash
    std::wstring moduleBaseName;  // file name without extension
    std::wstring commandLine;     // the part after the program name
};

AppContext& appContext();

}  // namespace tarvelo::shell::win
