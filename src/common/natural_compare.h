#pragma once
// The program's own "natural" order of names and sort keys: letter case is
// ignored, runs of decimal digits compare by numeric value whatever their
// length, and a digit comes before any letter. Equal-looking texts ("a01" and
// "a1", "A" and "a") are finally ordered by their code units, so the order is
// total and a sort never depends on the input order. Allocation-free.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarvelo::common {

// Negative, zero or positive like wcscmp; zero only for identical texts.
int naturalCompare(std::wstring_view a, std::wstring_view b);

struct NaturalLess {
    bool operator()(std::wstring_view a, std::wstring_view b) const {
        return naturalCompare(a, b) < 0;
    }
};

// The first stage of naturalCompare (no code-unit tie-break), for callers
// that compare texts piece by piece. `order` is non-zero when the texts
// differ before either ends; otherwise `endA`/`endB` tell how far each text
// was consumed (always at a token boundary) and at least one of them is at
// its end.
struct NaturalPrefixResult {
    int order = 0;
    size_t endA = 0;
    size_t endB = 0;
};
NaturalPrefixResult naturalComparePrefix(std::wstring_view a, std::wstring_view b);

// An order-preserving summary of a text's first tokens, for sorts that
// compare many texts: when the summaries of a and b differ, their order is
// the order of naturalCompare(a, b); equal summaries decide nothing.
struct NaturalSummary {
    uint64_t high = 0;
    uint64_t low = 0;
    friend bool operator==(const NaturalSummary&, const NaturalSummary&) = default;
    // Negative, zero or positive by the two words.
    static int compare(const NaturalSummary& a, const NaturalSummary& b) {
        if (a.high != b.high) return a.high < b.high ? -1 : 1;
        if (a.low != b.low) return a.low < b.low ? -1 : 1;
        return 0;
    }
};
NaturalSummary naturalSummary(std::wstring_view text);

// Code-unit comparison (unsigned), like wcscmp over the views.
int codeUnitCompare(std::wstring_view a, std::wstring_view b);

// The case-folded code of one code unit (ASCII, Latin-1, Latin Extended-A
// and Additional, Greek, Cyrillic, full-width Latin); others unchanged.
uint32_t foldCase(uint32_t c);

}  // namespace tarvelo::common
