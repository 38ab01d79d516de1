#include "shell/layout.h"

#include <gtest/gtest.h>

namespace tarvelo::shell {
namespace {

LayoutInput base() {
    LayoutInput in;
    in.clientWidth = 1000;
    in.clientHeight = 600;
    in.scrollBarWidth = 17;
    return in;
}

TEST(Layout, SideBarOnSplitsAtTheStoredPosition) {
    MainLayout l = computeLayout(base());
    EXPECT_EQ(l.driveBarHeight, 44);
    EXPECT_EQ(l.driveBar, (Rect{0, 0, 1000, 44}));
    EXPECT_EQ(l.sideBar, (Rect{0, 44, 197, 556}));
    EXPECT_EQ(l.splitBar, (Rect{197, 44, 6, 556}));
    EXPECT_EQ(l.list, (Rect{203, 44, 1000 - 203 - 17, 556}));
    EXPECT_EQ(l.listScroll, (Rect{983, 44, 17, 556}));
    EXPECT_FALSE(l.sideBarScrollVisible);
    EXPECT_TRUE(l.sideBarScroll.empty());
}

TEST(Layout, SplitPositionIsHeldInsideTheWindow) {
    struct Case {
        int clientWidth;
        int splitBarPos;
        int dpi;
        int expectedSplitX;  // left edge of the split bar
    };
    const Case cases[] = {
        {1000, 200, 96, 197},
        {1000, 880, 96, 1000 - 17 - 3 - 100 - 3},  // exactly the list's minimum left
        {1000, 5000, 96, 1000 - 17 - 3 - 100 - 3},
        {1000, 2147483647, 96, 1000 - 17 - 3 - 100 - 3},
        {1000, 2147483647, 192, 1000 - 17 - 6 - 200 - 6},
        {300, 250, 96, 300 - 17 - 3 - 100 - 3},
        {120, 200, 96, 17 + 3},  // narrower than a list: the side bar gives way
    };
    for (const Case& c : cases) {
        LayoutInput in = base();
        in.clientWidth = c.clientWidth;
        in.splitBarPos = c.splitBarPos;
        in.dpi = c.dpi;
        MainLayout l = computeLayout(in);
        EXPECT_EQ(l.splitBar.x, c.expectedSplitX) << c.clientWidth << " " << c.splitBarPos << " " << c.dpi;
        EXPECT_GE(l.sideBar.width, 0);
        if (c.clientWidth >= 300) {
            EXPECT_GE(l.list.width, 100 * c.dpi / 96) << c.splitBarPos;
        }
        EXPECT_TRUE(isOnSplitBar(l.splitBar.x + l.splitBar.width / 2, 100, l, c.dpi));
    }
}

TEST(Layout, SideBarScrollTakesRoomFromTheSideBar) {
    LayoutInput in = base();
    in.sideBarNeedsScroll = true;
    MainLayout l = computeLayout(in);
    EXPECT_TRUE(l.sideBarScrollVisible);
    EXPECT_EQ(l.sideBarScroll, (Rect{200 - 17 - 3, 44, 17, 556}));
    EXPECT_EQ(l.sideBar, (Rect{0, 44, 180, 556}));
    EXPECT_EQ(l.list.x, 203);
}

TEST(Layout, SideBarOffGivesTheListTheWholeWidth) {
    LayoutInput in = base();
    in.sideBarOn = false;
    in.driveBarOn = false;
    MainLayout l = computeLayout(in);
    EXPECT_EQ(l.driveBarHeight, 0);
    EXPECT_TRUE(l.driveBar.empty());
    EXPECT_TRUE(l.sideBar.empty());
    EXPECT_TRUE(l.splitBar.empty());
    EXPECT_EQ(l.list, (Rect{0, 0, 983, 600}));
    EXPECT_EQ(l.listScroll, (Rect{983, 0, 17, 600}));
}

TEST(Layout, MinimumClientSizeStillLaysOut) {
    LayoutInput in = base();
    in.clientWidth = kMinClientWidth;
    in.clientHeight = kMinClientHeight;
    MainLayout l = computeLayout(in);
    EXPECT_EQ(l.list.right() + l.listScroll.width, 300);
    EXPECT_EQ(l.list.height, 150 - 44);
}

TEST(Layout, ScalesFixedSizesWithDpi) {
    LayoutInput in = base();
    in.dpi = 144;
    MainLayout l = computeLayout(in);
    EXPECT_EQ(l.driveBarHeight, 66);
    EXPECT_EQ(l.splitBar.x, 300 - 5);  // 200 and 3 scaled by 1.5 (4.5 rounds to 5)
}

TEST(Layout, SplitBarHitZoneIsThreePixelsEitherSide) {
    MainLayout l = computeLayout(base());
    EXPECT_TRUE(isOnSplitBar(197, 100, l, 96));
    EXPECT_TRUE(isOnSplitBar(203, 100, l, 96));
    EXPECT_FALSE(isOnSplitBar(204, 100, l, 96));
    EXPECT_FALSE(isOnSplitBar(196, 100, l, 96));
    EXPECT_FALSE(isOnSplitBar(200, 10, l, 96));  // over the drive bar
}

}  // namespace
}  // namespace tarvelo::shell
