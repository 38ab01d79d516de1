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

    // The last cell keeps at least 4P even in a band too narrow for all.
    std::vector<PixelRect> tight = statusCells({0, 0, 100, 20}, 8, 8);
    EXPECT_EQ(tight[6].width(), 32);
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
