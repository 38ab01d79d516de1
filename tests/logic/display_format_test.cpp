#include "filelist/display_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace tarvelo::filelist {
namespace {

constexpr UiLanguage EN = UiLanguage::English;
constexpr UiLanguage JP = UiLanguage::Japanese;

TEST(GroupDigits, CommaEveryThreeDigitsFromTheRight) {
    struct Case {
        int64_t value;
        const wchar_t* text;
    };
    const Case cases[] = {
        {0, L"0"},
        {7, L"7"},
        {999, L"999"},
        {1000, L"1,000"},
        {12345, L"12,345"},
        {123456, L"123,456"},
        {1234567, L"1,234,567"},
        {-123, L"-123"},
        {-1234, L"-1,234"},
        {-123456, L"-123,456"},
        {std::numeric_limits<int64_t>::max(), L"9,223,372,036,854,775,807"},
        {std::numeric_limits<int64_t>::min(), L"-9,223,372,036,854,775,808"},
    };
    for (const auto& c : cases) EXPECT_EQ(groupDigits(c.value), c.text) << c.value;
}

TEST(ByteSizeText, UnitsAndRounding) {
    struct Case {
        uint64_t bytes;
        const wchar_t* text;
    };
    const uint64_t GiB = uint64_t{1} << 30;
    const uint64_t TiB = uint64_t{1} << 40;
    const Case cases[] = {
        {0, L"0 Byte"},
        {1, L"1 Byte"},
        {9999, L"9999 Byte"},
        {10000, L"0.01 MB"},
        {5 * (uint64_t{1} << 20), L"5.00 MB"},
        {GiB, L"1024.00 MB"},
        {GiB + 1, L"1.00 GB"},
        {GiB + GiB / 2, L"1.50 GB"},
        {TiB, L"1024.00 GB"},  // exactly 1024 GB is not more than 1024
        {TiB + GiB, L"1.00 TB"},
        {3 * TiB + TiB / 4, L"3.25 TB"},
        {std::numeric_limits<uint64_t>::max(), L"16777216.00 TB"},
    };
    for (const auto& c : cases) EXPECT_EQ(byteSizeText(c.bytes), c.text) << c.bytes;
}

TEST(Weekday, KnownDatesAndUnknown) {
    struct Case {
        int y, m, d, expected;
    };
    const Case cases[] = {
        {2024, 3, 1, 5},    // Friday
        {2024, 2, 29, 4},   // leap day, Thursday
        {2000, 1, 1, 6},    // Saturday
        {2023, 12, 31, 0},  // Sunday
        {1601, 1, 1, 1},    // first day of the file-time era, Monday
        {2100, 3, 1, 1},    // century, not a leap year: Monday
        {2024, 3, 0, -1},   // day 0: unknown
        {0, 0, 0, -1},
        {2024, 13, 1, -1},  // damaged stamp: no table read past the end
        {2024, 0, 1, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(weekday(c.y, c.m, c.d), c.expected) << c.y << "-" << c.m << "-" << c.d;
    }
}

TEST(Weekday, NamesInBothLanguages) {
    const wchar_t* en[] = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
    const wchar_t* jp[] = {L"日", L"月", L"火", L"水", L"木", L"金", L"土"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_STREQ(weekdayName(i, EN), en[i]);
        EXPECT_STREQ(weekdayName(i, JP), jp[i]);
    }
    EXPECT_STREQ(weekdayName(-1, EN), L"???");
    EXPECT_STREQ(weekdayName(7, JP), L"？");
    EXPECT_STREQ(weekdayName(weekday(2024, 3, 1), EN), L"Fri");
    EXPECT_STREQ(weekdayName(weekday(2024, 3, 1), JP), L"金");
}

TEST(DateText, PatternsByLanguageFormatAndView) {
    const LocalStamp fri{2024, 3, 1, 9, 5, 7};
    const LocalStamp zero{};
    struct Case {
        LocalStamp stamp;
        UiLanguage lang;
        int format;
        ListView view;
        const wchar_t* text;
    };
    const Case cases[] = {
        {fri, EN, 0, ListView::MultiColumn, L"03/01/2024 (Fri) 09:05:07"},
        {fri, EN, 0, ListView::ThreeTimes, L"03/01/2024 (Fri) 09:05:07"},
        {fri, EN, 1, ListView::MultiColumn, L"01/03/2024 (Fri) 09:05:07"},
        {fri, EN, 1, ListView::ThreeTimes, L"01/03/2024 (Fri) 09:05:07"},
        {fri, EN, 2, ListView::MultiColumn, L"2024/03/01 (Fri) 09:05:07"},
        {fri, EN, 2, ListView::ThreeTimes, L"2024/03/01(Fri) 09:05:07"},
        {fri, EN, 5, ListView::ThreeTimes, L"2024/03/01(Fri) 09:05:07"},
        {fri, JP, 0, ListView::MultiColumn, L"2024/03/01 (金)  09:05:07"},
        {fri, JP, 1, ListView::ThreeTimes, L"2024/03/01 (金)  09:05:07"},
        {fri, JP, 2, ListView::ThreeTimes, L"2024/03/01 (金)  09:05:07"},
        {zero, EN, 0, ListView::MultiColumn, L"00/00/0000 (?\?\?) 00:00:00"},
        {zero, EN, 2, ListView::MultiColumn, L"0000/00/00 (?\?\?) 00:00:00"},
        {zero, JP, 0, ListView::MultiColumn, L"0000/00/00 (？)  00:00:00"},
        {{2023, 12, 31, 23, 59, 58}, EN, 0, ListView::MultiColumn, L"12/31/2023 (Sun) 23:59:58"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dateText(c.stamp, c.view, c.lang, c.format), c.text) << c.format;
    }
}

TEST(AttributeText, LettersAndDashes) {
    struct Case {
        uint32_t attributes;
        bool folderLetter;
        const wchar_t* text;
    };
    const Case cases[] = {
        {0, false, L"- - - - -"},
        {0x1, false, L"R - - - -"},
        {0x2, false, L"- H - - -"},
        {0x4, false, L"- - S - -"},
        {0x20, false, L"- - - A -"},
        {0x10, true, L"- - - - D"},
        {0x10, false, L"- - - - -"},  // the letter follows the entry, not the bit
        {0x1 | 0x2 | 0x4 | 0x20, true, L"R H S A D"},
        {0xFFFFFFFF, false, L"R H S A -"},
    };
    for (const auto& c : cases) EXPECT_EQ(attributeText(c.attributes, c.folderLetter), c.text);
}

}  // namespace
}  // namespace tarvelo::filelist
