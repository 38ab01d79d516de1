#pragma once
#include <windows.h>

namespace tarvelo::shell::win {

// Start-up, the main window's modal loop and shut-down; returns the exit code.
int runApplication(HINSTANCE instance, int showCommand);

}  // namespace tarvelo::shell::win
