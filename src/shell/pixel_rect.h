#pragma once
// A rectangle in pixels, right and bottom exclusive (as Win32 RECT).
namespace tarvelo::shell {

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace tarvelo::shell
