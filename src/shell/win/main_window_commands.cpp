// Command routing: every command id goes to the room that owns it.
#include "resource_ids.h"
#include "shell/win/main_window.h"
#include "shell/win/main_window_parts.h"

namespace tarvelo::shell::win {

void MainWindow::onCommand(int id) {
    switch (id) {
    case IDM_EXIT:
    case IDCANCEL:
        PostMessageW(hwnd_, WM_CLOSE, 0, 0);
        break;
    default:
        // Commands whose rooms are not built yet do nothing.
        break;
    }
}

}  // namespace tarvelo::shell::win
