#include "shell/win/application.h"

#include "resource_ids.h"

namespace tarvelo::shell::win {

int runApplication(HINSTANCE instance, int) {
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr,
        [](HWND w, UINT m, WPARAM, LPARAM) -> INT_PTR {
            if (m == WM_CLOSE) { EndDialog(w, 0); return TRUE; }
            return FALSE;
        }, 0));
}

}  // namespace tarvelo::shell::win
