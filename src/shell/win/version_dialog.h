#pragma once
// The version dialog (template 100): program icon, "Tarvelo Version 2.11",
// a web link and a note line; its title bar coloured like the main window's.
#include <windows.h>

namespace tarvelo::shell::win {

void showVersionDialog(HINSTANCE instance, HWND owner, bool isDark, int dpi);

}  // namespace tarvelo::shell::win
