#include "preview/win/media_player.h"

#include "common/path_split.h"
#include "resource_ids.h"

namespace tarvelo::preview::win {

namespace {

// The Windows Media Player control; its URL property (dispatch id 1) starts
// playback when set.
constexpr CLSID kMediaPlayerClass = {0x6BF52A52, 0x394A, 0x11D3, {0xB1, 0x53, 0x00, 0xC0, 0x4F, 0x79, 0xFA, 0xA6}};
constexpr DISPID kUrlProperty = 1;
// IWMPCore, the control's main dual interface, where URL lives.
constexpr IID kPlayerCore = {0xD84CCA99, 0xCCE2, 0x11D2, {0x9E, 0xCC, 0x00, 0x00, 0xF8, 0x08, 0x59, 0x81}};

}  // namespace

bool MediaPlayer::play(HINSTANCE instance, HWND owner, const std::wstring& path) {
    if (!window_ && !openWindow(instance, owner)) return false;
    const common::PathParts parts = common::splitPath(path);
    const std::wstring caption = parts.stem + parts.extension;
    SetWindowTextW(window_, caption.c_str());
    control_.putString(kUrlProperty, path.c_str(), kPlayerCore);
    return true;
}

bool MediaPlayer::openWindow(HINSTANCE instance, HWND owner) {
    HWND w = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MEDIA_PLAYER), owner, dialogProc,
                                reinterpret_cast<LPARAM>(this));
    if (!w) return false;
    window_ = w;
    owner_ = owner;
    if (!IsRectEmpty(&lastPlace_)) {
        WINDOWPLACEMENT wp{};
        wp.length = sizeof(wp);
        GetWindowPlacement(w, &wp);
        wp.rcNormalPosition = lastPlace_;
        wp.showCmd = SW_HIDE;
        SetWindowPlacement(w, &wp);
    }
    HWND host = GetDlgItem(w, IDC_MEDIA_PLAYER_CONTROL);
    fillClientArea();
    // Without the control (not installed) the window still opens, empty.
    if (host) control_.create(host, kMediaPlayerClass);
    fillClientArea();
    ShowWindow(w, SW_SHOWNORMAL);
    return true;
}

void MediaPlayer::fillClientArea() {
    if (!window_) return;
    RECT client{};
    GetClientRect(window_, &client);
    HWND host = GetDlgItem(window_, IDC_MEDIA_PLAYER_CONTROL);
    if (host) {
        MoveWindow(host, 0, 0, client.right, client.bottom, TRUE);
        control_.resize(RECT{0, 0, client.right, client.bottom});
    }
}

void MediaPlayer::close() {
    HWND w = window_;
    if (!w) return;
    WINDOWPLACEMENT wp{};
    wp.length = sizeof(wp);
    if (GetWindowPlacement(w, &wp)) lastPlace_ = wp.rcNormalPosition;
    SetForegroundWindow(w);
    // The control goes before its window: it must not outlive its site.
    // A hidden window is destroyed too, never forgotten while it exists.
    control_.destroy();
    window_ = nullptr;
    DestroyWindow(w);
}

INT_PTR CALLBACK MediaPlayer::dialogProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    MediaPlayer* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<MediaPlayer*>(lp);
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        return TRUE;
    }
    self = reinterpret_cast<MediaPlayer*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!self) return FALSE;
    switch (msg) {
    case WM_SIZE:
        self->fillClientArea();
        return TRUE;
    case WM_CLOSE:
        // The main window closes its player, so every way out runs one path.
        if (self->owner_) {
            SendMessageW(self->owner_, WM_SYSCOMMAND, IDM_SYS_CLOSE_VIEWER, 0);
        } else {
            self->close();
        }
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wp) == IDCANCEL) {
            SendMessageW(window, WM_CLOSE, 0, 0);
            return TRUE;
        }
        return FALSE;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, DWLP_USER, 0);
        if (self->window_ == window) self->window_ = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace tarvelo::preview::win
