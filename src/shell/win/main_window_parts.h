#pragma once
// What the main window owns besides its own state: the panes, the visuals
// they paint with, and the owners of the commands it routes.
#include <windows.h>

#include <string>

#include "platform/gdi_draw.h"
#include "platform/unique_handle.h"
#include "shell/theme_palette.h"
#include "shell/win/menu_look.h"
#include "shell/win/theme_fonts.h"

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
    ThemeFonts fonts;
    MenuBitmapSet menuBitmaps;
    // Back buffers of the panes the window paints itself.
    platform::BackBuffer driveBarBuffer;
    platform::BackBuffer sideBarBuffer;
    platform::BackBuffer splitBarBuffer;

    // The folder shown (saved as SaveData/CurrentFolder at exit).
    std::wstring currentFolder;
    // SaveData/ShortCutFolder.
    std::wstring shortcutFolder;
};

}  // namespace tarvelo::shell::win
