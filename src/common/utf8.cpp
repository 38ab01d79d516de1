#include "common/utf8.h"

namespace tarvelo::common {

std::optional<std::u16string> decodeUtf8(std::span<const std::uint8_t> bytes) {
    std::u16string units;
    units.reserve(bytes.size());
    const size_t n = bytes.size();
    for (size_t i = 0; i < n;) {
        const std::uint32_t b0 = bytes[i];
        if (b0 < 0x80) {
            units.push_back(static_cast<char16_t>(b0));
            ++i;
            continue;
        }
        size_t extra = 0;
        std::uint32_t cp = 0;
        std::uint32_t least = 0;
        if ((b0 & 0xE0) == 0xC0) {
            extra = 1, cp = b0 & 0x1F, least = 0x80;
        } else if ((b0 & 0xF0) == 0xE0) {
            extra = 2, cp = b0 & 0x0F, least = 0x800;
        } else if ((b0 & 0xF8) == 0xF0) {
            extra = 3, cp = b0 & 0x07, least = 0x10000;
        } else {
            return std::nullopt;  // a continuation byte or 0xF8..0xFF as a lead
        }
        if (n - i <= extra) return std::nullopt;
        for (size_t k = 1; k <= extra; ++k) {
            const std::uint32_t b = bytes[i + k];
            if ((b & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (b & 0x3F);
        }
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
        if (cp >= 0x10000) {
            const std::uint32_t v = cp - 0x10000;
            units.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        } else {
            units.push_back(static_cast<char16_t>(cp));
        }
        i += extra + 1;
    }
    return units;
}

}  // namespace tarvelo::common
