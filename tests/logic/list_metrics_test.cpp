#include "shell/list_metrics.h"

#include <gtest/gtest.h>

namespace tarvelo::shell {
namespace {

struct ScaleCase {
    int px;
    int dpi;
    int want;
};

TEST(DpiScale, RoundsLikeMulDivAndKeepsHairlines) {
    const ScaleCase cases[] = {
        {12, 96, 12}, {12, 120, 15}, {38, 120, 48},  {12, 144, 18}, {38, 144, 57}, {38, 192, 76},
        {2, 120, 3},  {5, 120, 6},   {7, 120, 9},    {1, 120, 1},   {1, 144, 2},   {1, 192, 2},
        {1, 24, 1},   {0, 144, 0},   {-3, 120, -4},  {16, 0, 16},   {13, -1, 13},  {13, 144, 20},
    };
    for (const auto& c : cases) EXPECT_EQ(scalePx(c.px, c.dpi), c.want) << c.px << " @ " << c.dpi;
}

struct RowCase {
    ListView view;
    int lineHeight;
    int size;
    int dpi;
    int want;
};

TEST(ListMetrics, RowHeightOfBothViews) {
    const RowCase cases[] = {
        {ListView::MultiColumn, 0, 13, 96, 21}, {ListView::ThreeTimes, 0, 13, 96, 52},
        {ListView::ThreeTimes, 0, 9, 96, 42},   {ListView::ThreeTimes, 6, 9, 96, 48},
        {ListView::MultiColumn, 48, 48, 96, 104}, {ListView::ThreeTimes, 0, 6, 96, 35},
        {ListView::MultiColumn, 0, 13, 120, 26}, {ListView::ThreeTimes, 0, 13, 120, 65},
        {ListView::MultiColumn, 0, 13, 144, 32}, {ListView::ThreeTimes, 0, 13, 144, 78},
        {ListView::MultiColumn, 0, 13, 192, 42}, {ListView::ThreeTimes, 0, 13, 192, 104},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rowHeight(c.view, c.lineHeight, c.size, c.dpi), c.want)
            << static_cast<int>(c.view) << " " << c.lineHeight << " " << c.size << " @ " << c.dpi;
    }
}

struct LastRowCase {
    int area;
    int row;
    int want;
};

TEST(ListMetrics, LastRowIsTheSmallestFittingCount) {
    const LastRowCase cases[] = {
        {400, 21, 18}, {400, 52, 6}, {300, 21, 13}, {294, 21, 12}, {295, 21, 13},
        {42, 21, 0},   {43, 21, 1},  {0, 21, 0},    {-50, 21, 0},  {100, 0, 0},
        // The search stops at 4095: one pixel beyond finds nothing.
        {4097 * 8, 8, 4095}, {4097 * 8 + 1, 8, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(lastRowFor(c.area, c.row), c.want) << c.area << " / " << c.row;
}

TEST(ListMetrics, BandsAtNinetySixDpi) {
    // A row area of 300 pixels: 376 high.
    const ListMetrics m = listMetrics(640, 376, ListView::MultiColumn, 0, 13, 96);
    EXPECT_EQ(m.header, (PixelRect{12, 12, 628, 38}));
    EXPECT_EQ(m.rows, (PixelRect{12, 38, 628, 338}));
    EXPECT_EQ(m.status, (PixelRect{12, 338, 628, 364}));
    EXPECT_EQ(m.rowAreaHeight, 300);
    EXPECT_EQ(m.rowHeight, 21);
    EXPECT_EQ(m.lastRow, 13);
    const ListMetrics tall = listMetrics(640, 476, ListView::ThreeTimes, 0, 13, 96);
    EXPECT_EQ(tall.rowAreaHeight, 400);
    EXPECT_EQ(tall.rowHeight, 52);
    EXPECT_EQ(tall.lastRow, 6);
}

TEST(ListMetrics, BandsScaleWithDpi) {
    const ListMetrics m = listMetrics(800, 600, ListView::MultiColumn, 0, 13, 144);
    EXPECT_EQ(m.header, (PixelRect{18, 18, 782, 57}));
    EXPECT_EQ(m.rows, (PixelRect{18, 57, 782, 543}));
    EXPECT_EQ(m.status, (PixelRect{18, 543, 782, 582}));
    EXPECT_EQ(m.rowAreaHeight, 486);
    EXPECT_EQ(m.rowHeight, 32);
    EXPECT_EQ(m.lastRow, 14);  // (14 + 2) * 32 = 512 >= 486
    const ListMetrics m120 = listMetrics(800, 600, ListView::MultiColumn, 0, 13, 120);
    EXPECT_EQ(m120.header, (PixelRect{15, 15, 785, 48}));
    EXPECT_EQ(m120.rowAreaHeight, 504);
}

struct FontCase {
    int size;
    int dpi;
    FontHeights want;
};

TEST(ListMetrics, FontHeightsClampTheBarFonts) {
    const FontCase cases[] = {
        {30, 96, {30, 20, 32, 19}}, {8, 96, {8, 10, 10, 9}},   {13, 96, {13, 13, 15, 12}},
        {20, 96, {20, 20, 22, 19}}, {10, 96, {10, 10, 12, 9}}, {13, 144, {20, 20, 23, 18}},
        {30, 120, {38, 25, 40, 24}}, {8, 192, {16, 20, 20, 18}},
    };
    for (const auto& c : cases) {
        FontHeights h = fontHeights(c.size, c.dpi);
        EXPECT_EQ(h.list, c.want.list) << c.size << " @ " << c.dpi;
        EXPECT_EQ(h.bar, c.want.bar) << c.size << " @ " << c.dpi;
        EXPECT_EQ(h.large, c.want.large) << c.size << " @ " << c.dpi;
        EXPECT_EQ(h.small, c.want.small) << c.size << " @ " << c.dpi;
    }
}

}  // namespace
}  // namespace tarvelo::shell
