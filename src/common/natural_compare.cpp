#include "common/natural_compare.h"

#include <array>

namespace tarvelo::common {
namespace {

// Characters fall into three groups: ASCII punctuation, spaces and control
// codes first, then digit runs, then letters and everything else. Within a
// group they compare by their case-folded code.
constexpr uint32_t kGroupPunctuation = 0u << 24;
constexpr uint32_t kGroupDigits = 1u << 24;
constexpr uint32_t kGroupOther = 2u << 24;

constexpr bool isDigit(uint32_t c) { return c - u'0' < 10u; }

constexpr std::array<uint32_t, 128> makeAsciiWeights() {
    std::array<uint32_t, 128> w{};
    for (uint32_t c = 0; c < 128; ++c) {
        if (c >= u'A' && c <= u'Z') {
            w[c] = kGroupOther | (c + 0x20);
        } else if (c >= u'a' && c <= u'z') {
            w[c] = kGroupOther | c;
        } else {
            w[c] = kGroupPunctuation | c;  // digits never reach the table
        }
    }
    return w;
}
constexpr std::array<uint32_t, 128> kAsciiWeights = makeAsciiWeights();

inline uint32_t weightOf(uint32_t c) {
    return c < 128 ? kAsciiWeights[c] : (kGroupOther | foldCase(c));
}

inline uint32_t unit(wchar_t c) {
    // wchar_t is signed on some targets; code units compare unsigned.
    return static_cast<uint32_t>(c) & (sizeof(wchar_t) == 2 ? 0xFFFFu : 0xFFFFFFFFu);
}

}  // namespace

uint32_t foldCase(uint32_t c) {
    if (c < 0x80) return (c >= u'A' && c <= u'Z') ? c + 0x20 : c;
    if (c < 0x100) {
        if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
        return c;
    }
    if (c < 0x180) {
        if (c == 0x178) return 0xFF;  // Y with diaeresis
        if (c >= 0x100 && c <= 0x137) return c | 1u;
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1u) ? c + 1 : c;
        if (c >= 0x14A && c <= 0x177) return c | 1u;
        return c;
    }
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 0x20;  // Greek capitals
    if (c == 0x3C2) return 0x3C3;                                  // final sigma
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;                 // Cyrillic capitals
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    if ((c >= 0x1E00 && c <= 0x1E95) || (c >= 0x1EA0 && c <= 0x1EFF)) return c | 1u;
    if (c >= 0xFF21 && c <= 0xFF3A) return c + 0x20;  // full-width Latin
    return c;
}

NaturalPrefixResult naturalComparePrefix(std::wstring_view a, std::wstring_view b) {
    const size_t na = a.size();
    const size_t nb = b.size();
    size_t i = 0;
    size_t j = 0;
    while (i < na && j < nb) {
        const uint32_t ca = unit(a[i]);
        const uint32_t cb = unit(b[j]);
        const bool da = isDigit(ca);
        if (ca == cb && !da) {
            ++i;
            ++j;
            continue;
        }
        const bool db = isDigit(cb);
        if (da && db) {
            // Numeric value: skip leading zeros, then more digits is larger,
            // then the first differing digit decides.
            size_t si = i;
            while (si < na && unit(a[si]) == u'0') ++si;
            size_t sj = j;
            while (sj < nb && unit(b[sj]) == u'0') ++sj;
            size_t ei = si;
            while (ei < na && isDigit(unit(a[ei]))) ++ei;
            size_t ej = sj;
            while (ej < nb && isDigit(unit(b[ej]))) ++ej;
            const size_t la = ei - si;
            const size_t lb = ej - sj;
            if (la != lb) return {la < lb ? -1 : 1, i, j};
            for (size_t k = 0; k < la; ++k) {
                const uint32_t x = unit(a[si + k]);
                const uint32_t y = unit(b[sj + k]);
                if (x != y) return {x < y ? -1 : 1, i, j};
            }
            i = ei;
            j = ej;
            continue;
        }
        const uint32_t wa = da ? kGroupDigits : weightOf(ca);
        const uint32_t wb = db ? kGroupDigits : weightOf(cb);
        if (wa != wb) return {wa < wb ? -1 : 1, i, j};
        ++i;
        ++j;
    }
    return {0, i, j};
}

NaturalSummary naturalSummary(std::wstring_view text) {
    // Eight 16-bit symbols in token order: 0 the end, 0x0001-0x0080 ASCII
    // punctuation, 0x0100-0x30FF a digit run of that value, a longer run as
    // 0x3100 + its count of significant digits followed by those digits in
    // groups of four (the count fixes how many groups follow), 0x4000+
    // letters and others by their folded code. A code from 0xBFFF on stands
    // for many and ends the summary.
    uint16_t symbols[8] = {};
    const size_t n = text.size();
    size_t i = 0;
    int k = 0;
    while (k < 8 && i < n) {
        const uint32_t c = unit(text[i]);
        if (isDigit(c)) {
            size_t s = i;
            while (s < n && unit(text[s]) == u'0') ++s;
            size_t e = s;
            while (e < n && isDigit(unit(text[e]))) ++e;
            const size_t digits = e - s;
            uint32_t value = 0;
            for (size_t d = s; d < e && d < s + 5; ++d) value = value * 10 + (unit(text[d]) - u'0');
            if (digits <= 5 && value < 0x3000) {
                symbols[k++] = static_cast<uint16_t>(0x0100 + value);
            } else {
                symbols[k++] = static_cast<uint16_t>(0x3100 + (digits < 0xEFF ? digits : 0xEFF));
                for (size_t d = s; d < e && k < 8; d += 4) {
                    uint32_t group = 0;
                    for (size_t g = d; g < d + 4 && g < e; ++g) group = group * 10 + (unit(text[g]) - u'0');
                    symbols[k++] = static_cast<uint16_t>(1 + group);
                }
            }
            i = e;
            continue;
        }
        const uint32_t w = weightOf(c);
        ++i;
        if (w < kGroupDigits) {
            symbols[k++] = static_cast<uint16_t>(0x0001 + c);
            continue;
        }
        const uint32_t folded = w & 0xFFFFFFu;
        if (folded >= 0xBFFF) {
            symbols[k++] = 0xFFFF;
            break;
        }
        symbols[k++] = static_cast<uint16_t>(0x4000 + folded);
    }
    NaturalSummary summary;
    for (int j = 0; j < 4; ++j) summary.high = (summary.high << 16) | symbols[j];
    for (int j = 4; j < 8; ++j) summary.low = (summary.low << 16) | symbols[j];
    return summary;
}

int codeUnitCompare(std::wstring_view a, std::wstring_view b) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t k = 0; k < n; ++k) {
        const uint32_t x = unit(a[k]);
        const uint32_t y = unit(b[k]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int naturalCompare(std::wstring_view a, std::wstring_view b) {
    const NaturalPrefixResult r = naturalComparePrefix(a, b);
    if (r.order != 0) return r.order;
    if (r.endA < a.size()) return 1;  // b is a natural prefix of a
    if (r.endB < b.size()) return -1;
    return codeUnitCompare(a, b);
}

}  // namespace tarvelo::common
