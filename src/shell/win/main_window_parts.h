#pragma once
// What the main window owns besides its own state: the panes, the visuals
// they paint with, and the owners of the commands it routes.
#include <windows.h>

#include <string>

#include "platform/unique_handle.h"
#include "shell/theme_palette.h"

namespace tarvelo::shell::win {

class MainWindowParts {
public:
    // Child controls of template 102.
    HWND driveBar = nullptr;
    HWND sideBar = nullptr;
    HWND sideScroll = nullptr;
    HWND list = nullptr;
    HWND listScroll = nullptr;
    HWND splitBar = nullptr;

    ThemePalette palette;
    int contrast = 0;  // Alt+wheel; never stored

    // The folder shown (saved as SaveData/CurrentFolder at exit).
    std::wstring currentFolder;
    // SaveData/ShortCutFolder.
    std::wstring shortcutFolder;
};

}  // namespace tarvelo::shell::win
