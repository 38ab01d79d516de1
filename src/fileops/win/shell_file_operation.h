#pragma once
// The shell's copy, move and delete of one item, with the flag table the
// commands use: no error dialogs, no confirmations; silent unless the item
// is big or a folder, when the shell shows its progress window.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace tarvelo::fileops::win {

enum class ShellOperation { Copy, Move, RecycleDelete, PermanentDelete };

// The flags of one operation.
FILEOP_FLAGS shellOperationFlags(ShellOperation op, bool showProgress);

// Runs one SHFileOperationW. Success only when the call returns 0 and
// nothing was aborted (Cancel in the progress window is a failure). Paths
// too long for the shell's buffer fail without a call.
bool runShellOperation(HWND owner, ShellOperation op, const std::wstring& source, const std::wstring& target,
                       bool showProgress);

}  // namespace tarvelo::fileops::win
