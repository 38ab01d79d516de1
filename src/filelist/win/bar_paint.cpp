#include "filelist/win/bar_paint.h"

#include <climits>

#include "platform/gdi_draw.h"

namespace tarvelo::filelist::win {

namespace {

int lengthOf(std::wstring_view text) {
    return text.size() > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(text.size());
}

}  // namespace

void drawBarText(HDC dc, HFONT font, COLORREF colour, std::wstring_view text, const shell::PixelRect& rect,
                 UINT format) {
    if (text.empty() || rect.width() <= 0 || rect.height() <= 0) return;
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, colour);
    RECT r = toRect(rect);
    DrawTextW(dc, text.data(), lengthOf(text), &r, format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    if (previous) SelectObject(dc, previous);
}

void drawBarIcon(HDC dc, HICON icon, const shell::PixelRect& rect) {
    if (!icon || rect.width() <= 0 || rect.height() <= 0) return;
    DrawIconEx(dc, rect.left, rect.top, icon, rect.width(), rect.height(), 0, nullptr, DI_NORMAL);
}

void drawBarOutline(HDC dc, const shell::PixelRect& rect, COLORREF colour) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    platform::drawBox(dc, toRect(rect), 0, 0, 0, colour, 3);
}

int measureBarText(HDC dc, HFONT font, std::wstring_view text) {
    if (text.empty()) return 0;
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), lengthOf(text), &size);
    if (previous) SelectObject(dc, previous);
    return size.cx;
}

}  // namespace tarvelo::filelist::win
