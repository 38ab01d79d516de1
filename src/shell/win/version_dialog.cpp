#include "shell/win/version_dialog.h"

#include <shellapi.h>

#include "platform/unique_handle.h"
#include "resource_ids.h"
#include "shell/dpi_scale.h"
#include "shell/shell_texts.h"
#include "shell/win/appearance.h"

namespace tarvelo::shell::win {

namespace {

struct VersionState {
    bool isDark = false;
    int dpi = 96;
    platform::UniqueFont title;
    platform::UniqueFont link;
    platform::UniqueFont note;
};

HFONT arial(int px, int dpi, int weight, bool underline) {
    return CreateFontW(-scalePx(px, dpi), 0, 0, 0, weight, FALSE, underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial");
}

void openLink(HWND dialog) {
    wchar_t url[512] = L"";
    GetDlgItemTextW(dialog, IDC_VERSION_LINK, url, 512);
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(dialog, nullptr, url, nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32) MessageBoxW(dialog, L"Failed to Open URL.", kAppCaption, MB_OK | MB_ICONEXCLAMATION);
}

bool pointerOverLink(HWND dialog) {
    POINT pt;
    GetCursorPos(&pt);
    RECT r;
    HWND link = GetDlgItem(dialog, IDC_VERSION_LINK);
    return link && GetWindowRect(link, &r) && PtInRect(&r, pt);
}

INT_PTR CALLBACK versionProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    auto* state = reinterpret_cast<VersionState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG: {
        state = reinterpret_cast<VersionState*>(lp);
        SetWindowLongPtrW(dialog, DWLP_USER, lp);
        state->title.reset(arial(20, state->dpi, FW_BOLD, false));
        state->link.reset(arial(17, state->dpi, FW_NORMAL, true));
        state->note.reset(arial(14, state->dpi, FW_NORMAL, false));
        SendDlgItemMessageW(dialog, IDC_VERSION_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(state->title.get()), TRUE);
        SendDlgItemMessageW(dialog, IDC_VERSION_LINK, WM_SETFONT, reinterpret_cast<WPARAM>(state->link.get()), TRUE);
        SendDlgItemMessageW(dialog, IDC_VERSION_NOTE, WM_SETFONT, reinterpret_cast<WPARAM>(state->note.get()), TRUE);
        ShowWindow(GetDlgItem(dialog, IDC_VERSION_FRAME), SW_HIDE);
        colourTitleBar(dialog, state->isDark, true);
        return TRUE;
    }
    case WM_SETCURSOR:
        if (pointerOverLink(dialog)) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lp) == GetDlgItem(dialog, IDC_VERSION_LINK)) {
            // The link looks like one.
            SetTextColor(reinterpret_cast<HDC>(wp), RGB(0, 0x66, 0xCC));
            SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wp) == IDC_VERSION_LINK && HIWORD(wp) == STN_CLICKED) {
            openLink(dialog);
            return TRUE;
        }
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wp));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

void showVersionDialog(HINSTANCE instance, HWND owner, bool isDark, int dpi) {
    VersionState state;
    state.isDark = isDark;
    state.dpi = dpi;
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_VERSION), owner, versionProc, reinterpret_cast<LPARAM>(&state));
}

}  // namespace tarvelo::shell::win
