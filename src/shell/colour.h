#pragma once
// A colour as the platform stores it (0x00BBGGRR), with the few channel
// operations every drawing part shares.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelo::shell {

struct Colour {
    // 0x00BBGGRR, the same bits as a Win32 COLORREF.
    uint32_t value = 0;

    static constexpr Colour fromRgb(int r, int g, int b) {
        return Colour{static_cast<uint32_t>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16))};
    }
    // 0xRRGGBB, the order colours are written in (#RRGGBB).
    static constexpr Colour fromHex(uint32_t rrggbb) {
        return fromRgb(static_cast<int>((rrggbb >> 16) & 0xFF), static_cast<int>((rrggbb >> 8) & 0xFF),
                       static_cast<int>(rrggbb & 0xFF));
    }
    // "#RRGGBB" (the '#' is optional; letters in either case). Nothing for
    // anything else.
    static std::optional<Colour> parseHex(std::wstring_view text);

    constexpr int r() const { return static_cast<int>(value & 0xFF); }
    constexpr int g() const { return static_cast<int>((value >> 8) & 0xFF); }
    constexpr int b() const { return static_cast<int>((value >> 16) & 0xFF); }
    constexpr uint32_t toHex() const {
        return (static_cast<uint32_t>(r()) << 16) | (static_cast<uint32_t>(g()) << 8) | static_cast<uint32_t>(b());
    }
    // "#RRGGBB", upper-case digits.
    std::wstring toHexText() const;

    friend constexpr bool operator==(Colour, Colour) = default;
};

// Readable test output: #RRGGBB.
std::ostream& operator<<(std::ostream& out, Colour c);

// Each channel plus d, clamped to 0..255.
Colour shiftColour(Colour c, int d);
// Each channel (a + b) >> 1.
Colour averageColour(Colour a, Colour b);
// (R + G + B) / 3 in all three channels.
Colour greyColour(Colour c);
// Swings from a to b and back every 2 * periodMs: t = (tick mod 2p) / p,
// folded to 0..1, each channel a + t * (b - a) truncated. A period of 0 (or
// below) means 1000 ms.
Colour pulseColour(Colour a, Colour b, int periodMs, uint64_t tickMs);

}  // namespace tarvelo::shell
