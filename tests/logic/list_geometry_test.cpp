#include "filelist/cell_texts.h"
#include "filelist/list_geometry.h"

#include <gtest/gtest.h>

namespace tarvelo::filelist {
namespace {

// Every character 7 pixels wide.
int measure7(std::wstring_view s) { return static_cast<int>(s.size()) * 7; }

TEST(ListGeometry, NameColumnTakesTheRestButKeepsItsMinimum) {
    ColumnLayout wide = layoutColumns(true, 12, 1012, measure7);
    ASSERT_EQ(wide.count(), 6);
    EXPECT_EQ(wide.left[0], 12);
    EXPECT_EQ(wide.width[0], 21);
    const int others = 12 * 7 + 20 * 7 + 27 * 7 + 12 * 7;
    EXPECT_EQ(wide.width[1], 1000 - 21 - others);
    EXPECT_EQ(wide.left[5] + wide.width[5], 1012);  // the row is filled exactly

    ColumnLayout narrow = layoutColumns(true, 12, 200, measure7);
    EXPECT_EQ(narrow.width[1], 14 * 7);               // " %%%%%%%%%%%% "
    EXPECT_GT(narrow.left[5] + narrow.width[5], 200);  // right columns run past the edge

    ColumnLayout three = layoutColumns(false, 12, 1500, measure7);
    ASSERT_EQ(three.count(), 7);
    EXPECT_EQ(three.width[3], three.width[4]);
    EXPECT_EQ(three.width[4], three.width[5]);
    EXPECT_EQ(three.columnAt(three.left[6] + 1), 6);
    EXPECT_EQ(three.columnAt(5), -1);
}

TEST(ListGeometry, SortMarkSitsAtTheTopWhenAscending) {
    PixelRect cell{100, 12, 200, 38};
    SortMark up = sortMarkFor(cell, false, 96);
    EXPECT_EQ(up.mark, (PixelRect{190, 18, 194, 23}));
    SortMark down = sortMarkFor(cell, true, 96);
    EXPECT_EQ(down.mark, (PixelRect{190, 27, 194, 32}));
    EXPECT_EQ(down.frame, (PixelRect{188, 16, 196, 34}));
}

TEST(ListGeometry, StatusCellsShrinkForNarrowBlanks) {
    PixelRect band{12, 500, 2000, 526};
    std::vector<PixelRect> even = statusCells(band, 8, 8);  // S == P: no factor
    ASSERT_EQ(even.size(), 7u);
    EXPECT_EQ(even[0].width(), 32);
    EXPECT_EQ(even[1].width(), 200);
    EXPECT_EQ(even[3].width(), 352);
    EXPECT_EQ(even[6].right, 2000);

    // P = 10, S = 4: P >= k*S for k = 1.0 ... 2.4 (eight values): f = 1 - 8 * 0.05,
    // which in binary floating point lands just below 0.6, so 250 * f truncates to 149.
    std::vector<PixelRect> narrow = statusCells(band, 10, 4);
    EXPECT_EQ(narrow[0].width(), 40);
    EXPECT_EQ(narrow[1].width(), 149);
    EXPECT_EQ(narrow[3].width(), 263);
    // P = 10, S = 9: only k = 1.0 holds: f = 0.95.
    EXPECT_EQ(statusCells(band, 10, 9)[1].width(), 237);

}

// Bands narrower than the seven base widths (the first-start window): the
// cells stay side by side inside the band, the right-most give way first.
TEST(ListGeometry, StatusCellsFitANarrowBand) {
    struct Case {
        int width;
        int untouchedUpTo;  // cells 0..n keep their base width
    };
    // P = S = 8: base 32, 200, 192, 352, 192, 352 and the last at least 32 (1352 in all).
    const Case cases[] = {{1352, 6}, {1200, 4}, {910, 2}, {760, 0}, {300, -1}, {60, -1}};
    const int base[] = {32, 200, 192, 352, 192, 352};
    for (const Case& c : cases) {
        const PixelRect band{12, 0, 12 + c.width, 20};
        std::vector<PixelRect> cells = statusCells(band, 8, 8);
        ASSERT_EQ(cells.size(), 7u);
        EXPECT_EQ(cells.front().left, band.left) << c.width;
        EXPECT_EQ(cells.back().right, band.right) << c.width;
        for (size_t i = 1; i < cells.size(); ++i) {
            EXPECT_EQ(cells[i].left, cells[i - 1].right) << c.width << " cell " << i;
            EXPECT_GE(cells[i].width(), 0) << c.width << " cell " << i;
        }
        for (int i = 0; i <= c.untouchedUpTo && i < 6; ++i) {
            EXPECT_EQ(cells[static_cast<size_t>(i)].width(), base[i]) << c.width << " cell " << i;
        }
        if (c.untouchedUpTo >= 0) {
            EXPECT_GE(cells[6].width(), 32) << c.width;
        }
    }
}

TEST(ListGeometry, StatusValueWithoutItsLabel) {
    EXPECT_EQ(statusValueOnly(L"TotalFile(Size): 12 ( 3 KB )"), L"12 ( 3 KB )");
    EXPECT_EQ(statusValueOnly(L"総ファイル(Size): 12"), L"12");
    EXPECT_EQ(statusValueOnly(L"16"), L"16");
}

TEST(ListGeometry, SelectionMapMarksAreAtLeastFourPixels) {
    PixelRect strip = selectionMapStrip(900, 632, 96);
    EXPECT_EQ(strip, (PixelRect{903, 16, 907, 616}));
    EXPECT_EQ(selectionMapMark(strip, 0, 6, 96), (PixelRect{903, 16, 907, 116}));
    PixelRect tiny = selectionMapMark(strip, 500, 100000, 96);
    EXPECT_EQ(tiny.top, 16 + 3);
    EXPECT_EQ(tiny.height(), 4);
}

TEST(ListGeometry, ProgressFillFollowsTheCounts) {
    PixelRect bar = progressBar(1000, 600, 96);
    EXPECT_EQ(bar, (PixelRect{12, 591, 988, 597}));
    EXPECT_EQ(progressFill(bar, 0, 10).width(), 0);
    EXPECT_EQ(progressFill(bar, 5, 10).width(), 488);
    EXPECT_EQ(progressFill(bar, 10, 10), bar);
    EXPECT_EQ(progressFill(bar, 12, 10), bar);
}

TEST(ListGeometry, ToolTipBoxGoesAboveInTheLowerHalf) {
    EXPECT_FALSE(toolTipAbove(4, 13));
    EXPECT_TRUE(toolTipAbove(7, 13));
    PixelRect name{40, 200, 400, 221};
    EXPECT_EQ(toolTipBox(name, 300, 60, false, 96), (PixelRect{34, 239, 358, 323}));
    EXPECT_EQ(toolTipBox(name, 300, 60, true, 96), (PixelRect{34, 98, 358, 182}));
}

}  // namespace
}  // namespace tarvelo::filelist
