#include "platform/gdi_draw.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tarvelo::platform {
namespace {

constexpr COLORREF kBack = RGB(0x10, 0x20, 0x30);
constexpr COLORREF kFill = RGB(0xE0, 0x40, 0x20);
constexpr COLORREF kLine = RGB(0x00, 0xC0, 0xFF);

// Channel-wise equality within a tolerance: gradients and blends round.
::testing::AssertionResult closeTo(COLORREF got, COLORREF want, int tolerance = 2) {
    if (std::abs(GetRValue(got) - GetRValue(want)) <= tolerance &&
        std::abs(GetGValue(got) - GetGValue(want)) <= tolerance &&
        std::abs(GetBValue(got) - GetBValue(want)) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << std::hex << "got 0x" << got << " want 0x" << want;
}

class GdiDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(buffer.resize(40, 30));
        buffer.fill(kBack);
    }
    COLORREF at(int x, int y) const { return GetPixel(buffer.dc(), x, y); }
    BackBuffer buffer;
};

TEST_F(GdiDrawTest, BackBufferFillsResizesAndBlits) {
    EXPECT_EQ(buffer.width(), 40);
    EXPECT_EQ(buffer.height(), 30);
    EXPECT_EQ(at(0, 0), kBack);
    EXPECT_EQ(at(39, 29), kBack);
    HDC before = buffer.dc();
    EXPECT_TRUE(buffer.resize(40, 30));
    EXPECT_EQ(buffer.dc(), before);  // same size: kept
    EXPECT_EQ(at(5, 5), kBack);

    BackBuffer target;
    ASSERT_TRUE(target.resize(60, 50));
    target.fill(kFill);
    EXPECT_TRUE(buffer.blitTo(target.dc(), 10, 10));
    EXPECT_EQ(GetPixel(target.dc(), 10, 10), kBack);
    EXPECT_EQ(GetPixel(target.dc(), 49, 39), kBack);
    EXPECT_EQ(GetPixel(target.dc(), 50, 40), kFill);
    EXPECT_EQ(GetPixel(target.dc(), 9, 9), kFill);

    EXPECT_TRUE(buffer.resize(80, 10));
    EXPECT_EQ(buffer.width(), 80);
    EXPECT_FALSE(buffer.resize(0, 10));
    EXPECT_FALSE(buffer.valid());
    EXPECT_FALSE(buffer.blitTo(target.dc(), 0, 0));
}

TEST_F(GdiDrawTest, SolidBoxFillsInsideTheOutline) {
    drawBox(buffer.dc(), RECT{2, 2, 12, 12}, 1, kFill, kFill, kLine, 1);
    EXPECT_EQ(at(2, 2), kLine);
    EXPECT_EQ(at(11, 11), kLine);
    EXPECT_EQ(at(6, 2), kLine);
    EXPECT_EQ(at(3, 3), kFill);
    EXPECT_EQ(at(10, 10), kFill);
    EXPECT_EQ(at(12, 12), kBack);
    EXPECT_EQ(at(1, 1), kBack);
}

TEST_F(GdiDrawTest, FillWithoutOutlineLeavesTheEdge) {
    drawBox(buffer.dc(), RECT{2, 2, 12, 12}, 1, kFill, kFill, kLine, 0);
    EXPECT_EQ(at(2, 2), kBack);
    EXPECT_EQ(at(3, 3), kFill);
}

TEST_F(GdiDrawTest, SegmentOutlinesSquareAndCut) {
    drawBox(buffer.dc(), RECT{2, 2, 12, 12}, 0, 0, 0, kLine, 2);
    for (POINT p : {POINT{2, 2}, POINT{11, 2}, POINT{11, 11}, POINT{2, 11}, POINT{6, 2}, POINT{2, 6}}) {
        EXPECT_EQ(at(p.x, p.y), kLine) << p.x << "," << p.y;
    }
    EXPECT_EQ(at(6, 6), kBack);

    buffer.fill(kBack);
    drawBox(buffer.dc(), RECT{2, 2, 12, 12}, 0, 0, 0, kLine, 3);
    EXPECT_EQ(at(2, 2), kBack);   // corner cut
    EXPECT_EQ(at(11, 11), kBack);
    EXPECT_EQ(at(4, 2), kLine);
    EXPECT_EQ(at(2, 4), kLine);
    EXPECT_EQ(at(11, 9), kLine);
    EXPECT_EQ(at(3, 3), kLine);  // the diagonal
}

TEST_F(GdiDrawTest, GradientBoxesRunTheirWay) {
    const COLORREF black = RGB(0, 0, 0);
    const COLORREF white = RGB(255, 255, 255);
    drawBox(buffer.dc(), RECT{0, 0, 40, 30}, 2, black, white, kLine, 0);
    EXPECT_TRUE(closeTo(at(1, 15), black, 12));
    EXPECT_TRUE(closeTo(at(38, 15), white, 12));
    EXPECT_EQ(at(20, 1), at(20, 28));  // horizontal: same colour down a column
    EXPECT_LT(GetRValue(at(10, 15)), GetRValue(at(30, 15)));

    drawBox(buffer.dc(), RECT{0, 0, 40, 30}, 3, black, white, kLine, 0);
    EXPECT_TRUE(closeTo(at(20, 1), black, 12));
    EXPECT_TRUE(closeTo(at(20, 28), white, 12));
    EXPECT_EQ(at(1, 10), at(38, 10));  // vertical: same colour along a row
}

TEST_F(GdiDrawTest, GradientRectEnds) {
    gradientRect(buffer.dc(), RECT{0, 0, 40, 30}, RGB(200, 0, 0), RGB(0, 0, 200), false);
    EXPECT_TRUE(closeTo(at(0, 0), RGB(200, 0, 0), 6));
    EXPECT_TRUE(closeTo(at(39, 29), RGB(0, 0, 200), 6));
    gradientRect(buffer.dc(), RECT{0, 0, 40, 30}, RGB(0, 200, 0), RGB(0, 0, 0), true);
    EXPECT_TRUE(closeTo(at(39, 0), RGB(0, 200, 0), 8));
    EXPECT_TRUE(closeTo(at(0, 29), RGB(0, 0, 0), 8));
}

TEST_F(GdiDrawTest, TriangleTakesItsCornerColours) {
    gradientTriangle(buffer.dc(), {0, 0, RGB(255, 0, 0)}, {39, 0, RGB(0, 255, 0)}, {0, 29, RGB(0, 0, 255)});
    EXPECT_TRUE(closeTo(at(1, 1), RGB(255, 0, 0), 16));
    EXPECT_TRUE(closeTo(at(38, 0), RGB(0, 255, 0), 24));
    EXPECT_TRUE(closeTo(at(0, 28), RGB(0, 0, 255), 24));
    EXPECT_EQ(at(39, 29), kBack);  // outside the triangle
}

TEST_F(GdiDrawTest, AlphaBlendMixesAtThePercentage) {
    BackBuffer source;
    ASSERT_TRUE(source.resize(40, 30));
    source.fill(RGB(0, 0, 255));
    buffer.fill(RGB(255, 0, 0));
    EXPECT_TRUE(alphaBlendRect(buffer.dc(), source.dc(), RECT{10, 10, 20, 20}, 50));
    EXPECT_TRUE(closeTo(at(15, 15), RGB(128, 0, 127), 2));
    EXPECT_EQ(at(5, 5), RGB(255, 0, 0));
    EXPECT_TRUE(alphaBlendRect(buffer.dc(), source.dc(), RECT{0, 0, 5, 5}, 100));
    EXPECT_EQ(at(2, 2), RGB(0, 0, 255));
    EXPECT_FALSE(alphaBlendRect(buffer.dc(), source.dc(), RECT{5, 5, 5, 9}, 50));
}

TEST_F(GdiDrawTest, AlphaFillBlendsOneColourOver) {
    buffer.fill(RGB(0, 0, 0));
    EXPECT_TRUE(alphaFillRect(buffer.dc(), RECT{0, 0, 20, 30}, RGB(255, 255, 255), 50));
    EXPECT_TRUE(closeTo(at(10, 15), RGB(50, 50, 50), 2));
    EXPECT_TRUE(closeTo(at(19, 29), RGB(50, 50, 50), 2));
    EXPECT_EQ(at(20, 15), RGB(0, 0, 0));
    EXPECT_TRUE(alphaFillRect(buffer.dc(), RECT{20, 0, 40, 30}, kFill, 255));
    EXPECT_EQ(at(30, 15), kFill);
    EXPECT_FALSE(alphaFillRect(buffer.dc(), RECT{5, 5, 4, 9}, kFill, 50));
}

TEST_F(GdiDrawTest, PolygonAndFrames) {
    const POINT tri[] = {{5, 5}, {25, 5}, {15, 20}};
    fillPolygon(buffer.dc(), tri, 3, kFill);
    EXPECT_EQ(at(15, 10), kFill);
    EXPECT_EQ(at(5, 20), kBack);
    frameSolidRect(buffer.dc(), RECT{30, 2, 36, 8}, kLine);
    EXPECT_EQ(at(30, 2), kLine);
    EXPECT_EQ(at(35, 7), kLine);
    EXPECT_EQ(at(33, 5), kBack);
}

}  // namespace
}  // namespace tarvelo::platform
