#include "fileops/win/dialog_look.h"

#include "resource_ids.h"

namespace tarvelo::fileops::win {

namespace {

constexpr COLORREF kBackground = RGB(0xFA, 0xFA, 0xFA);

HBRUSH backgroundBrush() {
    static platform::UniqueBrush brush(CreateSolidBrush(kBackground));
    return brush.get();
}

}  // namespace

void DialogLook::apply(HWND dialog, std::initializer_list<int> editIds) {
    font_.reset(CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FIXED_PITCH, L"MS Gothic"));
    if (font_) {
        for (int id : editIds) {
            if (HWND control = GetDlgItem(dialog, id)) {
                SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
            }
        }
    }
    // A shared icon from the module's resources: not destroyed by us.
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TARVELO));
    if (icon) {
        SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    }
}

bool DialogLook::colour(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) const {
    if (msg != WM_CTLCOLORDLG && msg != WM_CTLCOLORSTATIC && msg != WM_CTLCOLORBTN) return false;
    HDC dc = reinterpret_cast<HDC>(wp);
    if (msg == WM_CTLCOLORSTATIC) {
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lp));
        for (const auto& [control, colour] : colours_) {
            if (control == id) SetTextColor(dc, colour);
        }
    }
    SetBkColor(dc, kBackground);
    result = reinterpret_cast<INT_PTR>(backgroundBrush());
    return true;
}

std::wstring controlText(HWND control) {
    const int n = GetWindowTextLengthW(control);
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    const int got = GetWindowTextW(control, s.data(), n + 1);
    s.resize(static_cast<size_t>(got > 0 ? got : 0));
    return s;
}

HWND comboEditOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) && info.hwndItem ? info.hwndItem : combo;
}

}  // namespace tarvelo::fileops::win
