#pragma once
// Cancel, Esc and the close box end a plain modal dialog alike, with IDCANCEL
// and nothing kept. Dialogs that keep something on cancel handle it themselves.
#include <windows.h>

namespace tarvelo::platform {

// True when the message was a cancel and the dialog is ending.
inline bool endDialogOnCancel(HWND dialog, UINT msg, WPARAM wp) {
    if (msg != WM_CLOSE && !(msg == WM_COMMAND && LOWORD(wp) == IDCANCEL)) return false;
    EndDialog(dialog, IDCANCEL);
    return true;
}

}  // namespace tarvelo::platform
