#pragma once
// Fixed pixel sizes are given at 96 DPI; on other monitors they scale.
#include <cstdint>

namespace tarvelo::shell {

inline constexpr int kBaseDpi = 96;

// px * dpi / 96 rounded to nearest, halves away from zero (as MulDiv). A
// positive size never scales below 1, so hairlines stay visible. A dpi of 0
// or below counts as 96.
constexpr int scalePx(int px, int dpi) {
    if (dpi <= 0 || dpi == kBaseDpi) return px;
    const int64_t n = static_cast<int64_t>(px) * dpi;
    const int64_t half = kBaseDpi / 2;
    const int64_t scaled = (n >= 0 ? n + half : n - half) / kBaseDpi;
    if (px > 0 && scaled < 1) return 1;
    return static_cast<int>(scaled);
}

}  // namespace tarvelo::shell
