#pragma once
// Where the main window's panes go for a given client size and view settings.
#include <cstdint>

namespace tarvelo::shell {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct LayoutInput {
    int clientWidth = 0;
    int clientHeight = 0;
    int scrollBarWidth = 0;     // the system's vertical scroll bar width
    bool driveBarOn = true;     // WindowDriveBar
    bool sideBarOn = true;      // WindowSideBar
    int splitBarPos = 200;      // WindowSplitBarPos
    bool customScrollBar = true;
    bool sideBarNeedsScroll = false;  // more shortcut folders than rows fit
    int dpi = 96;
};

struct MainLayout {
    int driveBarHeight = 0;
    int sideBarWidth = 0;
    bool sideBarScrollVisible = false;
    Rect driveBar;
    Rect sideBar;
    Rect sideBarScroll;  // empty when hidden
    Rect splitBar;       // empty when the side bar is off
    Rect listScroll;
    Rect list;
};

// Drive bar height in physical pixels (44 at 96 DPI).
int driveBarHeightFor(bool driveBarOn, int dpi);

MainLayout computeLayout(const LayoutInput& in);

// The smallest client area the window may shrink to, in physical pixels.
inline constexpr int kMinClientWidth = 300;
inline constexpr int kMinClientHeight = 150;

// Split-bar hit zone: within 3 pixels either side of the split position.
bool isOnSplitBar(int x, int y, const MainLayout& layout, int dpi);

// The list never gets narrower than this (96-DPI pixels) for the side bar.
inline constexpr int kMinListWidth = 100;

}  // namespace tarvelo::shell
