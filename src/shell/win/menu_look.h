#pragma once
// The program-painted menu bar (light or dark) and the menu item bitmaps
// composed onto the two menu backgrounds.
#include <windows.h>

#include <vector>

#include "platform/unique_handle.h"

namespace tarvelo::shell::win {

// Undocumented messages the system sends to let a window paint its own menu
// bar: the bar background, then each top-level item.
inline constexpr UINT kMsgMenuBarPaint = 0x0091;
inline constexpr UINT kMsgMenuBarItemPaint = 0x0092;

// What comes with them (layouts as the system passes them).
struct MenuBarPaintInfo {
    HMENU menu;
    HDC dc;
    DWORD flags;
};

union MenuBarItemMetrics {
    struct {
        DWORD cx;
        DWORD cy;
    } bar[2];
    struct {
        DWORD cx;
        DWORD cy;
    } popup[4];
};

struct MenuBarPopupMetrics {
    DWORD widths[4];
    DWORD updateMaxWidths : 2;
};

struct MenuBarItem {
    int position;
    MenuBarItemMetrics metrics;
    MenuBarPopupMetrics popupMetrics;
};

struct MenuBarItemPaintInfo {
    DRAWITEMSTRUCT draw;
    MenuBarPaintInfo menu;
    MenuBarItem item;
};

// Menu colours (COLORREF): bar and item background, hot item, text.
struct MenuColours {
    COLORREF background;
    COLORREF selected;
    COLORREF text;
};
MenuColours menuColours(bool dark);

// Message 0x0091: fills the menu bar strip. True when painted (answer the
// message as handled).
bool paintMenuBar(HWND window, LPARAM lParam, bool dark);
// Message 0x0092: fills the item and draws its text (up to 255 characters),
// single line, vertically centred, 10 pixels (scaled for dpi) in from the left.
bool paintMenuBarItem(HWND window, LPARAM lParam, bool dark, int dpi);

// A copy of a menu image drawn onto a square of the menu background, magenta
// (#FF00FF) pixels left out. size is the side in pixels (16 at 96 DPI).
platform::UniqueBitmap composeMenuBitmap(HBITMAP source, COLORREF background, int size);

// Two composed bitmaps per source image: one for light menus (#F9F9F9), one
// for dark menus (#2B2B2B). Owned for the whole run, rebuilt as a whole.
class MenuBitmapSet {
public:
    // Composes every source (not taken over). An empty or unusable source
    // leaves its slots empty. False when any composition failed.
    bool build(const std::vector<HBITMAP>& sources, int size);
    // Loads the sources from bitmap resources and composes them.
    bool buildFromResources(HINSTANCE instance, const std::vector<int>& resourceIds, int size);
    void clear();

    size_t size() const { return light_.size(); }
    HBITMAP light(size_t index) const { return index < light_.size() ? light_[index].get() : nullptr; }
    HBITMAP dark(size_t index) const { return index < dark_.size() ? dark_[index].get() : nullptr; }
    HBITMAP forTheme(size_t index, bool darkMenus) const { return darkMenus ? dark(index) : light(index); }

private:
    std::vector<platform::UniqueBitmap> light_;
    std::vector<platform::UniqueBitmap> dark_;
};

}  // namespace tarvelo::shell::win
