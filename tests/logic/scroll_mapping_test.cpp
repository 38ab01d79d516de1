#include "filelist/scroll_mapping.h"

#include <gtest/gtest.h>

namespace tarvelo::filelist {
namespace {

TEST(ScrollMapping, ScaleByEntryCount) {
    const std::pair<int, int> cases[] = {
        {0, 0},      {32767, 0},  {32768, 1},  {65535, 1},     {65536, 2},
        {131071, 2}, {131072, 3}, {262143, 3}, {262144, 4},    {1000000, 4},
    };
    for (auto [count, shift] : cases) EXPECT_EQ(ownerDrawnScaleShift(count), shift) << count;
}

TEST(ScrollMapping, OwnerDrawnBarValues) {
    struct Case {
        int count, lastRow, top;
        ScrollBarValues want;
    };
    const Case cases[] = {
        {1000, 20, 37, {0, 998, 20, 37, true}},
        {40000, 20, 37, {0, 19999, 10, 18, true}},     // halved
        {100000, 20, 400, {0, 24999, 5, 100, true}},   // quartered
        {200000, 20, 400, {0, 24999, 2, 50, true}},    // / 8
        {300000, 20, 400, {0, 18749, 1, 25, true}},    // / 16
        {1, 20, 0, {0, 0, 20, 0, true}},
        {0, 20, 0, {0, 0, 20, 0, true}},
    };
    for (const Case& k : cases)
        EXPECT_EQ(ownerDrawnBarValues(k.count, ListCursor{k.top, 0, k.lastRow}), k.want) << k.count;
}

TEST(ScrollMapping, HundredThousandEntriesScrollInStepsOfFour) {
    const int count = 100000, lastRow = 20;
    for (int p : {0, 1, 2, 1000, 24000}) {
        EXPECT_EQ(topIndexFromOwnerDrawnPosition(p, count, lastRow), 4 * p) << p;
        EXPECT_EQ(topIndexFromOwnerDrawnPosition(p + 1, count, lastRow) -
                      topIndexFromOwnerDrawnPosition(p, count, lastRow),
                  4);
    }
    // The bar's highest position maps past the last page: the last page it is.
    const ScrollBarValues v = ownerDrawnBarValues(count, ListCursor{0, 0, lastRow});
    const int highest = v.maximum - v.page + 1;
    EXPECT_EQ(topIndexFromOwnerDrawnPosition(highest, count, lastRow), count - lastRow - 1);
    // Forward and back lands within one step of where the list was.
    const int top = 54321;
    const int back = topIndexFromOwnerDrawnPosition(
        ownerDrawnBarValues(count, ListCursor{top, 0, lastRow}).position, count, lastRow);
    EXPECT_LE(top - back, 3);
    EXPECT_GE(top - back, 0);
}

TEST(ScrollMapping, MappingBackIsClampedToTheList) {
    EXPECT_EQ(topIndexFromOwnerDrawnPosition(500, 100, 20), 79);
    EXPECT_EQ(topIndexFromOwnerDrawnPosition(-3, 100, 20), 0);
    EXPECT_EQ(topIndexFromOwnerDrawnPosition(5, 10, 20), 0);  // all fit
    EXPECT_EQ(topIndexFromOwnerDrawnPosition(0x7FFFFFFF, 300000, 20), 300000 - 21);
}

TEST(ScrollMapping, StandardBar) {
    EXPECT_EQ(standardBarValues(100, ListCursor{30, 4, 20}), (ScrollBarValues{0, 98, 20, 30, true}));
    EXPECT_FALSE(standardBarValues(21, ListCursor{0, 0, 20}).enabled);  // all fit
    EXPECT_TRUE(standardBarValues(22, ListCursor{0, 0, 20}).enabled);
    EXPECT_FALSE(standardBarValues(0, ListCursor{0, 0, 20}).enabled);
}

TEST(ScrollMapping, ScrollActions) {
    struct Case {
        ScrollRequest request;
        int top, thumb;
        int want;
    };
    // 100 entries, 21 rows a page: first rows 0..79.
    const Case cases[] = {
        {ScrollRequest::LineUp, 0, 0, 0},     {ScrollRequest::LineDown, 79, 0, 79},
        {ScrollRequest::PageDown, 10, 0, 30}, {ScrollRequest::PageDown, 70, 0, 79},
        {ScrollRequest::PageUp, 10, 0, 0},    {ScrollRequest::Thumb, 10, 95, 79},
        {ScrollRequest::Bottom, 5, 0, 79},
    };
    for (const Case& k : cases)
        EXPECT_EQ(scrolledTopIndex(k.request, k.thumb, 100, ListCursor{k.top, 3, 20}), k.want)
            << static_cast<int>(k.request) << " from " << k.top;
    EXPECT_EQ(scrolledTopIndex(ScrollRequest::Bottom, 0, 5, ListCursor{0, 3, 20}), 0);
    EXPECT_EQ(maxTopIndex(100, 20), 79);
}

}  // namespace
}  // namespace tarvelo::filelist
