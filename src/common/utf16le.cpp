#include "common/utf16le.h"

namespace tarvelo::common {

namespace {

constexpr bool kWideIs16Bit = sizeof(wchar_t) == 2;

bool isHighSurrogate(std::uint32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLowSurrogate(std::uint32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

std::u16string decodeUtf16le(std::span<const std::uint8_t> bytes) {
    std::u16string units;
    const size_t count = bytes.size() / 2;
    units.resize(count);
    for (size_t i = 0; i < count; ++i) {
        units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    }
    return units;
}

void appendUtf16le(std::vector<std::uint8_t>& out, std::u16string_view units) {
    // resize, not an exact reserve: called once per line, an exact reserve
    // would copy the whole buffer every time and make a rewrite quadratic.
    size_t at = out.size();
    out.resize(at + units.size() * 2);
    for (char16_t u : units) {
        out[at++] = static_cast<std::uint8_t>(u & 0xFF);
        out[at++] = static_cast<std::uint8_t>((u >> 8) & 0xFF);
    }
}

std::u16string toUtf16(std::wstring_view text) {
    std::u16string units;
    units.reserve(text.size());
    for (wchar_t c : text) {
        const auto cp = static_cast<std::uint32_t>(c);
        if (!kWideIs16Bit && cp > 0xFFFF && cp <= 0x10FFFF) {
            const std::uint32_t v = cp - 0x10000;
            units.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        } else if (cp > 0xFFFF) {
            units.push_back(u'\uFFFD');  // not a Unicode character at all
        } else {
            units.push_back(static_cast<char16_t>(cp));
        }
    }
    return units;
}

std::wstring fromUtf16(std::u16string_view units) {
    std::wstring text;
    text.reserve(units.size());
    for (size_t i = 0; i < units.size(); ++i) {
        const std::uint32_t u = units[i];
        if (!kWideIs16Bit && isHighSurrogate(u) && i + 1 < units.size() &&
            isLowSurrogate(units[i + 1])) {
            const std::uint32_t low = units[i + 1];
            text.push_back(static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00)));
            ++i;
        } else {
            text.push_back(static_cast<wchar_t>(u));
        }
    }
    return text;
}

}  // namespace tarvelo::common
