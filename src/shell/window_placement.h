#pragma once
// The stored window placement (settings key Position) and the rule that pulls
// a restored window back onto a single screen.
#include <optional>
#include <string>
#include <string_view>

namespace tarvelo::shell {

struct PlacementRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PlacementRect&) const = default;
};

// The fields of the platform's window placement record, in stored order.
struct WindowPlacementValues {
    int flags = 0;
    int showCommand = 0;
    int minPositionX = 0;
    int minPositionY = 0;
    int maxPositionX = 0;
    int maxPositionY = 0;
    PlacementRect restored;  // normal (restored) position
    bool operator==(const WindowPlacementValues&) const = default;
};

// Placement flag: restore to the maximised state.
constexpr int kPlacementRestoreToMaximized = 2;

// Ten integers joined by colons, each read as scanf's %i reads it (blanks
// before it, optional sign, decimal, 0x hexadecimal or leading-0 octal).
// Text after the tenth number is ignored. Fewer than ten numbers, anything
// else in between or a number outside the int range: nothing.
std::optional<WindowPlacementValues> parsePosition(std::wstring_view text);

// "%i:%i:%i:%i:%i:%i:%i:%i:%i:%i".
std::wstring formatPosition(const WindowPlacementValues& values);

// The size an empty or inverted stored rectangle is given (at most the screen).
inline constexpr int kRepairedWidth = 1024;
inline constexpr int kRepairedHeight = 720;

// The restored rectangle as the window is shown. An empty or inverted one
// (right <= left, bottom <= top) gets kRepairedWidth x kRepairedHeight at its
// left/top. With exactly one monitor it is then cut to the screen's size and
// moved back onto it: right edge below 135 -> left 0; left beyond width - 20
// -> left = width - 50; top above -20 -> top 0; top beyond height - 60 ->
// top = height - 80. With several monitors only the size repair applies.
PlacementRect pullBackOnScreen(const PlacementRect& restored, int screenWidth, int screenHeight,
                               int monitorCount);

// A first window (no stored placement) made to fit the work area of its
// monitor: shrunk where it is larger, then moved inside. A large dialog at a
// high DPI setting on a small screen would otherwise open past its edges.
PlacementRect fitIntoWorkArea(const PlacementRect& window, const PlacementRect& work);

}  // namespace tarvelo::shell
