#pragma once
// Help > Keyboard Shortcuts: a dialog listing every key of the list's key
// table and of the accelerator table with what it does, built from those
// tables at the moment it opens.
#include <windows.h>

#include "shell/ui_language.h"

namespace tarvelo::shell::win {

class MainWindow;

// Adds the command's row to the main window's command table.
void registerKeyboardHelpCommands(MainWindow& window);

// Shows the dialog (template IDD_KEYBOARD_HELP) modally over owner.
void showKeyboardHelp(HWND owner, HINSTANCE instance, UiLanguage language);

}  // namespace tarvelo::shell::win
