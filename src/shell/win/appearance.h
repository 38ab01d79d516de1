#pragma once
// The window's look outside its client area: title bar colour from the
// desktop accent colour, dark or light menus, layered-window transparency.
// Every platform entry is looked up at run time; a missing one skips its
// step silently (the normal case on older systems and under Wine).
#include <windows.h>

#include "shell/colour.h"

namespace tarvelo::shell::win {

// "AccentColor" under HKCU\Software\Microsoft\Windows\DWM, low 24 bits;
// #0078D7 when it cannot be read.
Colour accentColour();

// Dark theme: immersive dark mode on, menus forced dark, caption in the
// darkened accent (grey while inactive). Light: the opposite, caption in the
// accent (#F3F3F3 while inactive).
void colourTitleBar(HWND window, bool isDark, bool isActive);

// While exiting: dark mode off, caption grey(average(accent, #808080)).
void colourTitleBarForExit(HWND window);

// on: layered style with a constant alpha (0..255); off: style removed.
// False when the platform call is missing or fails.
bool setWindowAlpha(HWND window, int alpha, bool on);

}  // namespace tarvelo::shell::win
