// The start-up yardstick: a bare Win32 dialog program that paints one line
// and, at its first paint, sets the event named in TARVELO_FIRST_PAINT_EVENT.
// Built a second time with TARVELO_SHELL_ICON, it also draws one file icon
// from the shell, as a file list's first picture does: what that alone costs.
#include <windows.h>
#ifdef TARVELO_SHELL_ICON
#include <shellapi.h>
#endif

namespace {

HICON fileIcon = nullptr;

void signalFirstPaint() {
    static bool done = false;
    if (done) return;
    done = true;
    wchar_t name[128];
    const DWORD n = ::GetEnvironmentVariableW(L"TARVELO_FIRST_PAINT_EVENT", name, 128);
    if (n == 0 || n >= 128) return;
    if (HANDLE event = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, name)) {
        ::SetEvent(event);
        ::CloseHandle(event);
    }
}

INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
#ifdef TARVELO_SHELL_ICON
        SHFILEINFOW info{};
        if (::SHGetFileInfoW(L"1.txt", FILE_ATTRIBUTE_NORMAL, &info, sizeof(info),
                             SHGFI_USEFILEATTRIBUTES | SHGFI_ICON | SHGFI_SMALLICON)) {
            fileIcon = info.hIcon;
        }
#endif
        return TRUE;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(window, &ps);
        ::TextOutW(dc, 8, 8, L"1,000 files", 11);
        if (fileIcon) ::DrawIconEx(dc, 8, 30, fileIcon, 16, 16, 0, nullptr, DI_NORMAL);
        ::EndPaint(window, &ps);
        signalFirstPaint();
        return TRUE;
    }
    case WM_CLOSE:
        ::EndDialog(window, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // A dialog template in memory: no resources, no controls.
    struct alignas(4) Template {
        DLGTEMPLATE header;
        WORD menu, windowClass, title;
    } tmpl{};
    tmpl.header.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | DS_CENTER;
    tmpl.header.cx = 300;
    tmpl.header.cy = 200;
    return static_cast<int>(::DialogBoxIndirectParamW(instance, &tmpl.header, nullptr, dialogProc, 0));
}
