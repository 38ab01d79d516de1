#include "filelist/row_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvelo::filelist {
namespace {

using shell::ListView;

int measure7(std::wstring_view s) { return static_cast<int>(s.size()) * 7; }

TEST(RowLayout, ColumnRolesFollowTheSortColumnsOfEachView) {
    EXPECT_EQ(columnRole(ListView::MultiColumn, 2), ColumnRole::Extension);
    EXPECT_EQ(columnRole(ListView::MultiColumn, 4), ColumnRole::Modified);
    EXPECT_EQ(columnRole(ListView::ThreeTimes, 2), ColumnRole::Size);
    EXPECT_EQ(columnRole(ListView::ThreeTimes, 3), ColumnRole::Created);
    EXPECT_EQ(columnRole(ListView::ThreeTimes, 5), ColumnRole::Accessed);
    EXPECT_EQ(columnRole(ListView::ThreeTimes, 6), ColumnRole::Attribute);
}

TEST(RowLayout, TextBoxesPadAndAlignByColumn) {
    const PixelRect cell{100, 40, 200, 61};
    struct Case {
        ColumnRole role;
        bool fileSize;
        int dpi;
        PixelRect rect;
        TextAlign align;
    };
    const Case cases[] = {
        {ColumnRole::Name, false, 96, {110, 40, 198, 61}, TextAlign::Left},
        {ColumnRole::Extension, false, 96, {110, 40, 198, 61}, TextAlign::Left},
        {ColumnRole::Size, true, 96, {102, 40, 190, 61}, TextAlign::Right},
        {ColumnRole::Size, false, 96, {102, 40, 198, 61}, TextAlign::Centre},  // "< Folder >"
        {ColumnRole::Modified, false, 96, {102, 40, 198, 61}, TextAlign::Centre},
        {ColumnRole::Attribute, false, 96, {102, 40, 198, 61}, TextAlign::Centre},
        {ColumnRole::Name, false, 192, {120, 40, 196, 61}, TextAlign::Left},
    };
    for (const Case& c : cases) {
        const TextBox box = cellTextBox(c.role, cell, c.fileSize, c.dpi);
        EXPECT_EQ(box.rect, c.rect) << static_cast<int>(c.role) << " dpi " << c.dpi;
        EXPECT_EQ(box.align, c.align) << static_cast<int>(c.role);
    }
    // With icons the name starts rowHeight + 3 further right.
    EXPECT_EQ(nameTextBox(cell, 21, true, 96).rect.left, 100 + 10 + 21 + 3);
    EXPECT_EQ(nameTextBox(cell, 21, false, 96).rect.left, 110);
}

TEST(RowLayout, RowsOfBothViews) {
    const shell::ListMetrics m = shell::listMetrics(800, 600, ListView::MultiColumn, 0, 13, 96);
    const ColumnLayout cols = layoutColumns(true, m.rows.left, m.rows.right, measure7);
    const RowFrame r2 = rowFrame(m, cols, ListView::MultiColumn, 2);
    EXPECT_EQ(r2.band, (PixelRect{12, 38 + 42, 788, 38 + 63}));
    EXPECT_EQ(r2.cellsTop, 80);
    EXPECT_EQ(r2.cellsBottom, 101);
    EXPECT_EQ(r2.nameArea, cols.cell(1, 80, 101));

    const shell::ListMetrics t = shell::listMetrics(800, 600, ListView::ThreeTimes, 0, 13, 96);
    const ColumnLayout cols3 = layoutColumns(false, t.rows.left, t.rows.right, measure7);
    const RowFrame r1 = rowFrame(t, cols3, ListView::ThreeTimes, 1);
    EXPECT_EQ(t.rowHeight, 52);
    EXPECT_EQ(r1.band.top, 90);
    EXPECT_EQ(r1.cellsTop, 116);  // the cells sit on the lower line
    EXPECT_EQ(r1.cellsBottom, 142);
    // The name runs from the name column to the row's right end on the top line.
    EXPECT_EQ(r1.nameArea, (PixelRect{cols3.left[1], 90, 788, 116}));

    // Every page row fits; the one after the page does not.
    EXPECT_TRUE(rowFits(m, m.lastRow));
    const shell::ListMetrics small = shell::listMetrics(400, 376, ListView::MultiColumn, 0, 13, 96);  // rows 300 high
    EXPECT_EQ(small.lastRow, 13);
    EXPECT_TRUE(rowFits(small, 13));
    EXPECT_FALSE(rowFits(small, 14));
}

TEST(RowLayout, NamesWrapOnlyInTallMultiColumnRows) {
    EXPECT_FALSE(wrapsNames(ListView::MultiColumn, 21, 13));
    EXPECT_TRUE(wrapsNames(ListView::MultiColumn, 39, 13));
    EXPECT_FALSE(wrapsNames(ListView::ThreeTimes, 52, 13));
    const PixelRect box = wrapBox({10, 100, 200, 140}, 96);
    EXPECT_EQ(box, (PixelRect{10, 103, 200, 137}));
    EXPECT_EQ(placeWrapped(box, 14), (PixelRect{10, 113, 200, 127}));  // centred when it fits
    EXPECT_EQ(placeWrapped(box, 50), box);                              // else from the top
}

TEST(RowLayout, IconAndSelectionMarkPlaces) {
    EXPECT_EQ(iconSquare({40, 100, 300, 121}, 100, 21, 96), (PixelRect{42, 102, 59, 119}));
    const MarkRects m = markRects({12, 100, 36, 121}, 96);
    EXPECT_EQ(m.square, (PixelRect{17, 105, 31, 116}));
    EXPECT_EQ(m.frame, (PixelRect{15, 103, 33, 118}));
    EXPECT_EQ(m.frameInside, (PixelRect{16, 104, 32, 117}));
}

TEST(RowLayout, HitSpansMarkTheFirstOccurrenceEndingInsideTheCell) {
    EXPECT_EQ(termText(L"a\\sb"), L"a b");
    EXPECT_EQ(termText(L"x\\"), L"x\\");
    const auto hit = hitSpan(L"report report", L"port", 100, 300, measure7);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->left, 100 + 2 * 7);
    EXPECT_EQ(hit->right, 100 + 6 * 7);
    EXPECT_EQ(hit->offset, 2u);
    EXPECT_FALSE(hitSpan(L"report", L"Port", 100, 300, measure7));  // case-sensitive
    EXPECT_FALSE(hitSpan(L"report", L"", 100, 300, measure7));
    EXPECT_FALSE(hitSpan(L"report", L"ort", 100, 100 + 5 * 7, measure7));  // runs past the cell
    EXPECT_TRUE(hitSpan(L"report", L"ort", 100, 100 + 6 * 7, measure7));
}

TEST(RowLayout, SelectionMapMergesNeighbouringMarks) {
    const PixelRect strip{800, 16, 804, 416};  // 400 high
    const std::vector<int> ten = {0, 1, 2, 7};
    const auto runs = selectionMapRuns(strip, ten, 10, 96);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], (PixelRect{800, 16, 804, 136}));
    EXPECT_EQ(runs[1], (PixelRect{800, 296, 804, 336}));
    // Many entries: marks of at least 4 pixels, all selected become one run.
    std::vector<int> all(100000);
    for (int i = 0; i < 100000; ++i) all[static_cast<size_t>(i)] = i;
    const auto one = selectionMapRuns(strip, all, 100000, 96);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].top, 16);
    EXPECT_GE(one[0].bottom, 416);
    const std::vector<int> bad = {-1, 10};
    EXPECT_TRUE(selectionMapRuns(strip, bad, 10, 96).empty());
}

TEST(RowLayout, BandCornerMarksOnlyForBandsOver15Pixels) {
    EXPECT_TRUE(bandCornerMarks({0, 0, 15, 40}, 96).empty());
    const auto marks = bandCornerMarks({10, 20, 60, 80}, 96);
    ASSERT_EQ(marks.size(), 8u);
    EXPECT_EQ(marks[0], (PixelRect{13, 23, 19, 24}));  // top-left, across
    EXPECT_EQ(marks[1], (PixelRect{13, 23, 14, 29}));  // top-left, down
    EXPECT_EQ(marks[7], (PixelRect{56, 71, 57, 77}));  // bottom-right, up
}

}  // namespace
}  // namespace tarvelo::filelist
