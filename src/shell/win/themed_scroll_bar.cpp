#include "shell/win/themed_scroll_bar.h"

#include <windowsx.h>

#include "shell/colour.h"
#include "shell/dpi_scale.h"

namespace tarvelo::shell::win {
namespace {

constexpr wchar_t kClassName[] = L"TarveloThemedScrollBar";
constexpr wchar_t kWindowText[] = L"CustomScrollBarV";
constexpr UINT kMsgDpiChangedAfterParent = 0x02E3;

bool registerClass(HINSTANCE instance, WNDPROC proc) {
    static const bool registered = [&] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = proc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        wc.lpszClassName = kClassName;
        return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

int windowDpi(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpi && hwnd) {
        const UINT dpi = getDpi(hwnd);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    HDC dc = GetDC(hwnd);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : kBaseDpi;
    if (dc) ReleaseDC(hwnd, dc);
    return dpi > 0 ? dpi : kBaseDpi;
}

COLORREF average(COLORREF a, COLORREF b) { return averageColour(Colour{a}, Colour{b}).value; }

}  // namespace

ThemedScrollBar::~ThemedScrollBar() { destroy(); }

bool ThemedScrollBar::create(HWND parent, int controlId) {
    if (hwnd_) return true;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registerClass(instance, &ThemedScrollBar::windowProc)) return false;
    HWND hwnd = CreateWindowExW(0, kClassName, kWindowText, WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, this);
    if (!hwnd) return false;
    setDpi(windowDpi(hwnd));
    return true;
}

void ThemedScrollBar::destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

void ThemedScrollBar::setRange(int minPos, int maxPos) { model_.setRange(minPos, maxPos); }

void ThemedScrollBar::setPageSize(int pageSize) { model_.setPageSize(pageSize); }

void ThemedScrollBar::setPos(int pos, bool notify) { model_.setPos(pos, notify); }

void ThemedScrollBar::setColours(COLORREF back, COLORREF thumb, COLORREF drag) {
    if (back == backColour_ && thumb == thumbColour_ && drag == dragColour_) return;
    backColour_ = back;
    thumbColour_ = thumb;
    dragColour_ = drag;
    repaint();
}

void ThemedScrollBar::setColours(const ThemePalette& palette) {
    setColours(palette[kRoleBackground].value, palette[kRoleScrollThumb].value, palette[kRoleScrollDrag].value);
}

void ThemedScrollBar::setDpi(int dpi) {
    dpi_ = dpi > 0 ? dpi : kBaseDpi;
    model_.setSizes(scrollSizesForDpi(dpi_));
    repaint();
}

void ThemedScrollBar::syncClient() {
    RECT client{};
    if (hwnd_) GetClientRect(hwnd_, &client);
    model_.setClient(client.top, client.bottom);
}

LRESULT CALLBACK ThemedScrollBar::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = static_cast<ThemedScrollBar*>(create->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<ThemedScrollBar*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->buffer_.release();
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT ThemedScrollBar::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const int y = GET_Y_LPARAM(lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        if (dc) paint(dc);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case WM_SIZE:
        syncClient();
        repaint();
        return 0;
    case kMsgDpiChangedAfterParent:
        setDpi(windowDpi(hwnd_));
        return 0;
    case WM_LBUTTONDOWN:
        SetCapture(hwnd_);
        model_.leftDown(y, (wParam & MK_SHIFT) != 0);
        return 0;
    case WM_LBUTTONUP:
        model_.leftUp();
        return 0;
    case WM_RBUTTONDOWN:
        model_.rightDown(y);
        return 0;
    case WM_MOUSEMOVE:
        model_.pointerMove(y);
        return 0;
    case WM_MOUSELEAVE:
        model_.pointerLeft();
        return 0;
    case WM_MOUSEWHEEL:
        model_.wheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kRepeatTimerId) {
            model_.repeatTick();
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd_) model_.captureLost();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void ThemedScrollBar::paint(HDC target) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0 || !buffer_.resize(width, height)) return;
    HDC dc = buffer_.dc();
    buffer_.fill(backColour_);

    const ScrollGeometry g = model_.geometry();
    const bool hovered = model_.hovered();
    const COLORREF arrow = hovered ? thumbColour_ : average(thumbColour_, average(thumbColour_, backColour_));
    auto px = [this](int v) { return v < 0 ? -scalePx(-v, dpi_) : scalePx(v, dpi_); };

    const RECT up{client.left, client.top, client.right, client.top + g.button};
    const RECT down{client.left, client.bottom - g.button, client.right, client.bottom};
    platform::fillSolidRect(dc, up, backColour_);
    platform::fillSolidRect(dc, down, backColour_);
    int cx = (up.left + up.right) / 2;
    int cy = (up.top + up.bottom) / 2;
    const POINT upArrow[] = {{cx + px(-5), cy + px(3)}, {cx + px(5), cy + px(3)}, {cx, cy + px(-3)}};
    platform::fillPolygon(dc, upArrow, 3, arrow);
    cx = (down.left + down.right) / 2;
    cy = (down.top + down.bottom) / 2;
    const POINT downArrow[] = {{cx + px(-4), cy + px(-2)}, {cx + px(5), cy + px(-2)}, {cx, cy + px(3)}};
    platform::fillPolygon(dc, downArrow, 3, arrow);

    if (thumbVisible(model_.range())) {
        const COLORREF colour = model_.dragging() ? dragColour_ : arrow;
        const int inset = px(hovered ? 5 : 7);
        const RECT thumb{client.left + inset, g.thumbTop, client.right - inset, g.thumbTop + g.thumbLength};
        platform::drawBox(dc, thumb, 1, colour, colour, colour, 2);
    }
    buffer_.blitTo(target, 0, 0);
}

void ThemedScrollBar::positionChanged(int pos, bool notify) {
    if (!hwnd_) return;
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
    HWND parent = GetParent(hwnd_);
    if (notify && parent) {
        SendMessageW(parent, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(pos)),
                     reinterpret_cast<LPARAM>(hwnd_));
    }
}

void ThemedScrollBar::repaint() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void ThemedScrollBar::startRepeatTimer() {
    if (hwnd_) SetTimer(hwnd_, kRepeatTimerId, kRepeatMs, nullptr);
}

void ThemedScrollBar::stopRepeatTimer() {
    if (hwnd_) KillTimer(hwnd_, kRepeatTimerId);
}

void ThemedScrollBar::releaseCapture() {
    // Only our own capture: another window of the thread may hold it now.
    if (hwnd_ && GetCapture() == hwnd_) ReleaseCapture();
}

void ThemedScrollBar::trackPointerLeave() {
    if (!hwnd_) return;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = hwnd_;
    TrackMouseEvent(&track);
}

}  // namespace tarvelo::shell::win
