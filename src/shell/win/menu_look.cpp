#include "shell/win/menu_look.h"

#include "platform/gdi_draw.h"
#include "shell/dpi_scale.h"

namespace tarvelo::shell::win {
namespace {

constexpr COLORREF kMagenta = RGB(0xFF, 0x00, 0xFF);
constexpr COLORREF kLightMenu = RGB(0xF9, 0xF9, 0xF9);
constexpr COLORREF kDarkMenu = RGB(0x2B, 0x2B, 0x2B);

// The menu bar's rectangle in window coordinates.
bool menuBarRect(HWND window, RECT& out) {
    MENUBARINFO info{};
    info.cbSize = sizeof(info);
    RECT windowRect{};
    if (!GetMenuBarInfo(window, OBJID_MENU, 0, &info) || !GetWindowRect(window, &windowRect)) return false;
    out = info.rcBar;
    OffsetRect(&out, -windowRect.left, -windowRect.top);
    return true;
}

}  // namespace

MenuColours menuColours(bool dark) {
    if (dark) return {kDarkMenu, RGB(0x35, 0x35, 0x35), RGB(0xFF, 0xFF, 0xFF)};
    return {kLightMenu, RGB(0xF0, 0xF0, 0xF0), RGB(0x00, 0x00, 0x00)};
}

bool paintMenuBar(HWND window, LPARAM lParam, bool dark) {
    const auto* info = reinterpret_cast<const MenuBarPaintInfo*>(lParam);
    if (!info || !info->dc) return false;
    RECT bar{};
    if (!menuBarRect(window, bar)) return false;
    platform::fillSolidRect(info->dc, bar, menuColours(dark).background);
    return true;
}

bool paintMenuBarItem(HWND window, LPARAM lParam, bool dark, int dpi) {
    const auto* info = reinterpret_cast<const MenuBarItemPaintInfo*>(lParam);
    if (!info || !info->draw.hDC) return false;
    const MenuColours colours = menuColours(dark);
    const UINT state = info->draw.itemState;
    const bool hot = (state & (ODS_HOTLIGHT | ODS_SELECTED)) != 0;
    HDC dc = info->draw.hDC;
    RECT rect = info->draw.rcItem;
    platform::fillSolidRect(dc, rect, hot ? colours.selected : colours.background);

    wchar_t text[256] = {};
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_STRING;
    item.dwTypeData = text;
    item.cch = 255;
    if (!GetMenuItemInfoW(info->menu.menu, static_cast<UINT>(info->item.position), TRUE, &item)) return true;

    rect.left += scalePx(10, dpi);
    UINT format = DT_SINGLELINE | DT_VCENTER;
    if (state & ODS_NOACCEL) format |= DT_HIDEPREFIX;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, colours.text);
    DrawTextW(dc, text, -1, &rect, format);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    return true;
}

platform::UniqueBitmap composeMenuBitmap(HBITMAP source, COLORREF background, int size) {
    BITMAP info{};
    if (!source || size <= 0 || GetObjectW(source, sizeof(info), &info) == 0 || info.bmWidth <= 0 ||
        info.bmHeight == 0) {
        return {};
    }
    platform::BackBuffer canvas;
    platform::UniqueMemoryDc sourceDc(CreateCompatibleDC(nullptr));
    if (!sourceDc || !canvas.resize(size, size)) return {};
    canvas.fill(background);
    const int sourceHeight = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    HGDIOBJ previous = SelectObject(sourceDc.get(), source);
    const BOOL drawn = TransparentBlt(canvas.dc(), 0, 0, size, size, sourceDc.get(), 0, 0, info.bmWidth, sourceHeight,
                                      kMagenta);
    SelectObject(sourceDc.get(), previous);
    if (!drawn) return {};
    // Menus want a bitmap that is not selected anywhere: copy it out.
    HDC screen = GetDC(nullptr);
    platform::UniqueBitmap result(CreateCompatibleBitmap(screen, size, size));
    ReleaseDC(nullptr, screen);
    platform::UniqueMemoryDc resultDc(CreateCompatibleDC(nullptr));
    if (!result || !resultDc) return {};
    HGDIOBJ old = SelectObject(resultDc.get(), result.get());
    BitBlt(resultDc.get(), 0, 0, size, size, canvas.dc(), 0, 0, SRCCOPY);
    SelectObject(resultDc.get(), old);
    return result;
}

bool MenuBitmapSet::build(const std::vector<HBITMAP>& sources, int size) {
    clear();
    bool all = true;
    for (HBITMAP source : sources) {
        light_.push_back(composeMenuBitmap(source, kLightMenu, size));
        dark_.push_back(composeMenuBitmap(source, kDarkMenu, size));
        if (!light_.back() || !dark_.back()) all = false;
    }
    return all;
}

bool MenuBitmapSet::buildFromResources(HINSTANCE instance, const std::vector<int>& resourceIds, int size) {
    std::vector<platform::UniqueBitmap> loaded;
    std::vector<HBITMAP> sources;
    for (int id : resourceIds) {
        loaded.emplace_back(static_cast<HBITMAP>(
            LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        sources.push_back(loaded.back().get());
    }
    return build(sources, size);
}

void MenuBitmapSet::clear() {
    light_.clear();
    dark_.clear();
}

}  // namespace tarvelo::shell::win
