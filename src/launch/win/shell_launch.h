#pragma once
// The calls that hand something to another program: shell verbs, process
// creation, the desktop shortcut, the system's network drive dialogs.
// None waits for the started program; every handle is closed at once.
#include <windows.h>

#include <string>

namespace tarvelo::launch::win {

enum class VerbSource {
    ContextMenu,       // the item's context-menu verbs (Properties needs them)
    RegisteredFirst,   // the verb registered for the type, else the context menu
};

// ShellExecuteExW of verb on path, owned by owner; false when it failed.
bool runShellVerb(HWND owner, const wchar_t* verb, const std::wstring& path, VerbSource source);

// CreateProcessW of a whole command line (no application name) in a new
// console, starting in `folder` when it is not empty. False when it failed
// or the line does not fit.
bool startCommandLine(const std::wstring& line, const std::wstring& folder);

// The current user's desktop folder; empty when the shell has none.
std::wstring desktopFolder();

// A shell link at linkPath pointing at target, working folder empty; an
// existing file of that name is replaced. False when any step failed.
bool saveShortcut(const std::wstring& linkPath, const std::wstring& target);

// The shell's open of the program's own executable (a second copy).
bool startSecondCopy(const std::wstring& modulePath);

}  // namespace tarvelo::launch::win
