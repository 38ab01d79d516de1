#include "shell/colour.h"

#include <algorithm>
#include <ostream>

namespace tarvelo::shell {
namespace {

int hexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

int clampChannel(int v) { return std::clamp(v, 0, 255); }

int mixChannel(int a, int b, double t) { return static_cast<int>(a + t * (b - a)); }

}  // namespace

std::optional<Colour> Colour::parseHex(std::wstring_view text) {
    if (!text.empty() && text.front() == L'#') text.remove_prefix(1);
    if (text.size() != 6) return std::nullopt;
    uint32_t v = 0;
    for (wchar_t c : text) {
        int d = hexDigit(c);
        if (d < 0) return std::nullopt;
        v = (v << 4) | static_cast<uint32_t>(d);
    }
    return fromHex(v);
}

std::wstring Colour::toHexText() const {
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring out = L"#";
    uint32_t v = toHex();
    for (int shift = 20; shift >= 0; shift -= 4) out += kDigits[(v >> shift) & 0xF];
    return out;
}

std::ostream& operator<<(std::ostream& out, Colour c) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char text[8] = {'#'};
    uint32_t v = c.toHex();
    for (int i = 0; i < 6; ++i) text[1 + i] = kDigits[(v >> (20 - 4 * i)) & 0xF];
    return out << std::string_view(text, 7);
}

Colour shiftColour(Colour c, int d) {
    // Anything beyond a full channel swing saturates anyway; keeps the sums in range.
    d = std::clamp(d, -255, 255);
    return Colour::fromRgb(clampChannel(c.r() + d), clampChannel(c.g() + d), clampChannel(c.b() + d));
}

Colour averageColour(Colour a, Colour b) {
    return Colour::fromRgb((a.r() + b.r()) >> 1, (a.g() + b.g()) >> 1, (a.b() + b.b()) >> 1);
}

Colour greyColour(Colour c) {
    int g = (c.r() + c.g() + c.b()) / 3;
    return Colour::fromRgb(g, g, g);
}

Colour pulseColour(Colour a, Colour b, int periodMs, uint64_t tickMs) {
    if (periodMs <= 0) periodMs = 1000;
    const uint64_t period = static_cast<uint64_t>(periodMs);
    double t = static_cast<double>(tickMs % (2 * period)) / static_cast<double>(period);
    if (t > 1.0) t = 2.0 - t;
    return Colour::fromRgb(mixChannel(a.r(), b.r(), t), mixChannel(a.g(), b.g(), t), mixChannel(a.b(), b.b(), t));
}

}  // namespace tarvelo::shell
