#include "common/natural_compare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace tarvelo::common {
namespace {

int sign(int v) { return (v > 0) - (v < 0); }

TEST(NaturalCompare, OrdersPairs) {
    // Each row: a comes strictly before b.
    struct Case {
        const wchar_t* a;
        const wchar_t* b;
    };
    const Case cases[] = {
        {L"img2.png", L"img10.png"},
        {L"apple", L"Banana"},
        {L"Apple", L"banana"},
        {L"a", L"ab"},
        {L"", L"a"},
        {L"file9", L"file10"},
        {L"x2y", L"x10a"},
        {L"1", L"a"},            // a digit before any letter
        {L"9", L"A"},
        {L"10000 x", L"FFFF x"},  // the parent entry's prefix before a file's
        {L"000A x", L"000B x"},
        {L"000B x", L"0064 x"},
        {L"000F x", L"0010 x"},
        {L"FFFE C:\\z", L"FFFF C:\\a"},
        // Digit runs longer than 64 bits still compare by value.
        {L"000002147483648", L"000004294967297"},
        {L"000000000000002", L"000004294967297"},
        {L"99999999999999999999", L"100000000000000000000"},
        {L"123456789012345678901234567890", L"123456789012345678901234567891"},
        // Leading zeros do not matter; ties fall back to code units.
        {L"a01b", L"a1b"},
        {L"a001", L"a01"},
        {L"a1b", L"a01c"},
        {L"A", L"a"},
        {L"FILE.TXT", L"file.txt"},
        {L"_x", L"1x"},  // ASCII punctuation before digits
        {L" x", L"-x"},
        {L"z", L"\u00e9"},  // letters beyond ASCII after ASCII letters
        {L"\u00c9a", L"\u00e9b"},
        {L"\u0391\u03b2", L"\u03b1\u0393"},
        {L"\u0410", L"\u0430\u0431"},
        {L"\uff21", L"\uff42"},
        {L"\u65e5\u672c2", L"\u65e5\u672c10"},
    };
    for (const auto& c : cases) {
        EXPECT_LT(naturalCompare(c.a, c.b), 0) << "a=" << testing::PrintToString(std::wstring(c.a))
                                               << " b=" << testing::PrintToString(std::wstring(c.b));
        EXPECT_GT(naturalCompare(c.b, c.a), 0) << testing::PrintToString(std::wstring(c.a));
    }
}

TEST(NaturalCompare, ZeroOnlyForIdenticalTexts) {
    const wchar_t* texts[] = {L"", L"a", L"A", L"a1", L"a01", L"a001", L"\u00e9", L"\u00c9", L"1 2", L"12"};
    for (const wchar_t* x : texts) {
        for (const wchar_t* y : texts) {
            EXPECT_EQ(naturalCompare(x, y) == 0, std::wstring(x) == y)
                << testing::PrintToString(std::wstring(x)) << " " << testing::PrintToString(std::wstring(y));
        }
    }
}

TEST(NaturalCompare, FoldsCase) {
    struct Case {
        uint32_t upper;
        uint32_t lower;
    };
    const Case cases[] = {{u'A', u'a'}, {u'Z', u'z'}, {0xC0, 0xE0}, {0xDE, 0xFE}, {0x100, 0x101},
                          {0x141, 0x142}, {0x178, 0xFF},  {0x17D, 0x17E}, {0x391, 0x3B1}, {0x3A3, 0x3C3},
                          {0x3C2, 0x3C3}, {0x401, 0x451}, {0x42F, 0x44F}, {0x1EA0, 0x1EA1}, {0xFF3A, 0xFF5A}};
    for (const auto& c : cases) {
        EXPECT_EQ(foldCase(c.upper), foldCase(c.lower)) << std::hex << c.upper;
        EXPECT_EQ(foldCase(c.lower), c.lower) << std::hex << c.lower;
    }
    EXPECT_EQ(foldCase(0xD7), 0xD7u);  // multiplication sign is not a letter
    EXPECT_EQ(foldCase(u'['), static_cast<uint32_t>(u'['));
}

TEST(NaturalCompare, PrefixStopsAtTokenBoundaries) {
    NaturalPrefixResult r = naturalComparePrefix(L"FFFF ", L"FFFF x");
    EXPECT_EQ(r.order, 0);
    EXPECT_EQ(r.endA, 5u);
    EXPECT_EQ(r.endB, 5u);
    r = naturalComparePrefix(L"a007 ", L"A7 ");
    EXPECT_EQ(r.order, 0);
    EXPECT_EQ(r.endA, 5u);
    EXPECT_EQ(r.endB, 3u);
    r = naturalComparePrefix(L"a10", L"a9zz");
    EXPECT_GT(r.order, 0);
}

// An independent, slow model of the same order: tokens with big-number
// digit runs, then the code units.
struct Token {
    int group;              // 0 punctuation, 1 digits, 2 other
    std::wstring digits;    // significant digits of a run
    uint32_t folded = 0;    // other characters
};

std::vector<Token> tokenize(const std::wstring& s) {
    std::vector<Token> out;
    for (size_t i = 0; i < s.size();) {
        uint32_t c = static_cast<uint32_t>(s[i]);
        if (c >= u'0' && c <= u'9') {
            size_t e = i;
            while (e < s.size() && s[e] >= L'0' && s[e] <= L'9') ++e;
            std::wstring run = s.substr(i, e - i);
            size_t nz = run.find_first_not_of(L'0');
            out.push_back({1, nz == std::wstring::npos ? L"" : run.substr(nz), 0});
            i = e;
        } else {
            bool ascii = c < 0x80;
            bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
            out.push_back({ascii && !letter ? 0 : 2, L"", foldCase(c)});
            ++i;
        }
    }
    return out;
}

int modelCompare(const std::wstring& a, const std::wstring& b) {
    std::vector<Token> ta = tokenize(a);
    std::vector<Token> tb = tokenize(b);
    for (size_t k = 0; k < ta.size() && k < tb.size(); ++k) {
        const Token& x = ta[k];
        const Token& y = tb[k];
        if (x.group != y.group) return x.group < y.group ? -1 : 1;
        if (x.group == 1) {
            if (x.digits.size() != y.digits.size()) return x.digits.size() < y.digits.size() ? -1 : 1;
            if (x.digits != y.digits) return x.digits < y.digits ? -1 : 1;
        } else if (x.folded != y.folded) {
            return x.folded < y.folded ? -1 : 1;
        }
    }
    if (ta.size() != tb.size()) return ta.size() < tb.size() ? -1 : 1;
    return a == b ? 0 : (a < b ? -1 : 1);
}

std::vector<std::wstring> randomNames(unsigned seed, size_t count) {
    std::mt19937 rng(seed);
    const std::wstring pieces[] = {L"a",  L"B",  L"b",     L"Z",      L"0",  L"00", L"1",      L"01",
                                   L"9",  L"10", L"007",   L"4294967296", L"18446744073709551616",
                                   L".",  L"_",  L" ",     L"-",      L"~",  L"(",  L"\u00e9", L"\u00c9",
                                   L"\u65e5", L"\u03a9", L"\u03c9", L"img", L"IMG", L"Track ", L".mp3"};
    std::uniform_int_distribution<size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> len(0, 6);
    std::vector<std::wstring> out;
    out.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        std::wstring s;
        int n = len(rng);
        for (int k = 0; k < n; ++k) s += pieces[pick(rng)];
        out.push_back(std::move(s));
    }
    return out;
}

TEST(NaturalCompare, AgreesWithTheModelAndIsAntisymmetric) {
    std::vector<std::wstring> names = randomNames(7, 1500);
    for (size_t i = 0; i < names.size(); ++i) {
        for (size_t j = i; j < names.size(); j += 19) {
            const int ab = naturalCompare(names[i], names[j]);
            const int ba = naturalCompare(names[j], names[i]);
            ASSERT_EQ(sign(ab), -sign(ba)) << testing::PrintToString(names[i]) << " / "
                                           << testing::PrintToString(names[j]);
            ASSERT_EQ(sign(ab), modelCompare(names[i], names[j]))
                << testing::PrintToString(names[i]) << " / " << testing::PrintToString(names[j]);
        }
    }
}

TEST(NaturalCompare, IsTransitive) {
    // Sorted by the comparison, every earlier name must compare below every
    // later one: a cycle anywhere would break this.
    std::vector<std::wstring> names = randomNames(11, 2500);
    std::sort(names.begin(), names.end(), NaturalLess{});
    for (size_t i = 0; i < names.size(); ++i) {
        for (size_t j = i + 1; j < names.size(); ++j) {
            const int c = naturalCompare(names[i], names[j]);
            if (names[i] == names[j]) {
                ASSERT_EQ(c, 0);
            } else {
                ASSERT_LT(c, 0) << i << " " << j << " " << testing::PrintToString(names[i]) << " / "
                                << testing::PrintToString(names[j]);
            }
        }
    }
    // And directly on random triples.
    std::mt19937 rng(3);
    std::uniform_int_distribution<size_t> pick(0, names.size() - 1);
    for (int n = 0; n < 20000; ++n) {
        const std::wstring& a = names[pick(rng)];
        const std::wstring& b = names[pick(rng)];
        const std::wstring& c = names[pick(rng)];
        if (naturalCompare(a, b) <= 0 && naturalCompare(b, c) <= 0) {
            ASSERT_LE(naturalCompare(a, c), 0);
        }
    }
}

TEST(NaturalSummary, DifferentSummariesAgreeWithTheComparison) {
    std::vector<std::wstring> names = randomNames(23, 1200);
    const std::wstring extra[] = {L"\ubfff", L"\ubffe", L"\uc000", L"\uffff", L"12287", L"12288", L"99999",
                                  L"100000", L"012287", L"abcdefghij", L"abcdefghik", L"IMG_12345.JPG"};
    names.insert(names.end(), std::begin(extra), std::end(extra));
    int decided = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        for (size_t j = 0; j < names.size(); j += 5) {
            const int s = NaturalSummary::compare(naturalSummary(names[i]), naturalSummary(names[j]));
            if (s == 0) continue;
            ++decided;
            ASSERT_EQ(s, sign(naturalCompare(names[i], names[j])))
                << testing::PrintToString(names[i]) << " / " << testing::PrintToString(names[j]);
        }
    }
    EXPECT_GT(decided, 100000);  // the summary must actually decide most pairs
    EXPECT_EQ(naturalSummary(L"a01"), naturalSummary(L"A1"));
}

}  // namespace
}  // namespace tarvelo::common
