#include "fileops/batch_rename_rules.h"

#include <gtest/gtest.h>

#include "fileops/name_rules.h"

namespace tarvelo::fileops {
namespace {

TEST(NameRules, TypedTextLosesTheNineCharactersTabsAndMarkers) {
    struct Case {
        const wchar_t* typed;
        bool invalid;
        const wchar_t* cleaned;
    };
    const Case cases[] = {
        {L"report.txt", false, L"report.txt"},
        {L"a:b?c", true, L"abc"},
        {L"\\/:*?\"><|", true, L""},
        {L"tab\there", false, L"tabhere"},
        {L"写真:01", true, L"写真01"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hasInvalidNameChar(c.typed), c.invalid) << c.typed;
        EXPECT_EQ(withoutInvalidNameChars(c.typed), c.cleaned) << c.typed;
    }
    EXPECT_EQ(markEmpty(L""), L"***");
    EXPECT_EQ(markEmpty(L"x"), L"x");
    EXPECT_EQ(typedName(L"***"), L"");
    EXPECT_EQ(typedName(L"a***b\\c"), L"abc");
    EXPECT_EQ(withoutEmptyMarker(L"****"), L"*");
}

TEST(BatchRules, ReplaceAndAppend) {
    EXPECT_EQ(replaceAll(L"IMG_0001.JPG", L"IMG", L"Photo"), L"Photo_0001.JPG");
    EXPECT_EQ(replaceAll(L"IMG_0001.JPG", L"", L"Photo"), L"IMG_0001.JPG");
    EXPECT_EQ(replaceAll(L"aaaa", L"aa", L"a"), L"aa");  // no overlap, no rescan
    EXPECT_EQ(replaceAll(L"img_IMG", L"IMG", L"x"), L"img_x");
    EXPECT_EQ(replaceAll(L"旅行_旅行.jpg", L"旅行", L"trip"), L"trip_trip.jpg");

    using P = AppendPart;
    using W = AppendPosition;
    struct Case {
        bool folder;
        P part;
        W pos;
        const wchar_t* base;
        const wchar_t* ext;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {false, P::FileName, W::Head, L"report", L".txt", L"old_report.txt"},
        {false, P::FileName, W::Last, L"report", L".txt", L"reportold_.txt"},
        {false, P::Extension, W::Head, L"report", L".txt", L"report.old_txt"},
        {false, P::Extension, W::Last, L"report", L".txt", L"report.txtold_"},
        {false, P::Extension, W::Head, L"README", L"", L"README"},
        {false, P::Extension, W::Last, L"README", L"", L"READMEold_"},
        {true, P::FileName, W::Head, L"my.dir", L".v2", L"old_my.dir.v2"},
        {true, P::FileName, W::Last, L"my", L".dir", L"my.dirold_"},
        {true, P::Extension, W::Head, L"my", L".dir", L"my.dir"},
        {true, P::Extension, W::Last, L"my", L".dir", L"my.dir"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(appendName(c.folder, c.part, c.pos, c.base, c.ext, L"old_"), c.expected) << c.base << c.ext;
    }
}

TEST(BatchRules, SerialWidthsAndStartValues) {
    struct Case {
        const wchar_t* text;
        bool accepted;
        int width;
        int64_t start;
    };
    const Case cases[] = {
        {L"001", true, 3, 1},   {L"9", true, 1, 9},          {L"12345678", true, 8, 12345678},
        {L"123456789", false, 0, 0}, {L"", false, 0, 0},      {L" -7", true, 3, 7},
        {L"abc", true, 3, 0},   {L"0x10", true, 4, 0},       {L"+42", true, 3, 42},
    };
    for (const Case& c : cases) {
        auto spec = parseSerial(c.text);
        ASSERT_EQ(spec.has_value(), c.accepted) << c.text;
        if (!spec) continue;
        EXPECT_EQ(spec->width, c.width) << c.text;
        EXPECT_EQ(spec->start, c.start) << c.text;
    }
    EXPECT_EQ(serialName(false, L"Pic", 1, 3, L"", L".jpg"), L"Pic001.jpg");
    EXPECT_EQ(serialName(false, L"Pic", 10, 1, L"", L".jpg"), L"Pic10.jpg");  // never cut
    EXPECT_EQ(serialName(false, L"", 7, 8, L"_x", L".jpg"), L"00000007_x.jpg");
    EXPECT_EQ(serialName(true, L"Dir", 3, 2, L"-", L".jpg"), L"Dir03-");
    EXPECT_EQ(serialName(false, L"写真", 123456789, 8, L"", L".png"), L"写真123456789.png");
}

TEST(BatchRules, BetweenReplace) {
    struct Case {
        const wchar_t* name;
        const wchar_t* start;
        const wchar_t* end;
        const wchar_t* with;
        int index;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"a(1)b(2).txt", L"(", L")", L"", 0, L"ab.txt"},
        {L"a(1)b(2).txt", L"(", L")", L"", 1, L"ab(2).txt"},
        {L"a(1)b(2).txt", L"(", L")", L"", 2, L"a(1)b.txt"},
        {L"a(1)b(2).txt", L"(", L")", L"", 3, L"a(1)b(2).txt"},
        {L"a(1)b(2).txt", L"(", L")", L"[x]", 0, L"a[x]b[x].txt"},
        {L"a(1)b(2).txt", L"(", L")", L"((", 0, L"a((b((.txt"},  // no rescan of the replacement
        {L"a(1b.txt", L"(", L")", L"", 0, L"a(1b.txt"},
        {L"a_b_c", L"_", L"", L"-", 0, L"a-b-c"},
        {L"a_b_c", L"_", L"", L"-", 1, L"a_b-c"},
        {L"a_b_c", L"_", L"", L"-", 5, L"a_b-c"},
        {L"a_b_c", L"_", L"", L"__", 0, L"a__b__c"},  // bounded: no endless loop
        {L"aaa", L"aa", L"", L"x", 0, L"ax"},
        {L"name", L"", L")", L"x", 0, L"name"},
        {L"【下書き】報告.txt", L"【", L"】", L"", 0, L"報告.txt"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(betweenReplace(c.name, c.start, c.end, c.with, c.index), c.expected)
            << c.name << " " << c.start << " " << c.end << " " << c.index;
    }
}

TEST(BatchRules, CaseMapsTheWholeName) {
    auto lower = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; };
    EXPECT_EQ(mapCase(L"README.TXT", lower), L"readme.txt");
    EXPECT_EQ(mapCase(L"日本.TXT", lower), L"日本.txt");
}

}  // namespace
}  // namespace tarvelo::fileops
