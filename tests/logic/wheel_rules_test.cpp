#include "shell/wheel_rules.h"

#include <gtest/gtest.h>

namespace tarvelo::shell {
namespace {

TEST(Wheel, OneStepPerMessageOnlyFromAFullNotch) {
    const std::pair<int, int> cases[] = {{60, 0}, {119, 0}, {120, 1}, {240, 1}, {-60, 0}, {-120, -1}, {-480, -1}, {0, 0}};
    for (auto [delta, step] : cases) EXPECT_EQ(wheelStep(delta), step) << delta;
}

TEST(Wheel, ModifiersAreCheckedShiftAltCtrl) {
    EXPECT_EQ(wheelAction(WheelTarget::List, {true, true, true}), WheelAction::LineHeight);
    EXPECT_EQ(wheelAction(WheelTarget::List, {false, true, true}), WheelAction::Contrast);
    EXPECT_EQ(wheelAction(WheelTarget::List, {false, false, true}), WheelAction::FontSize);
    EXPECT_EQ(wheelAction(WheelTarget::List, {}), WheelAction::MoveCursor);
    EXPECT_EQ(wheelAction(WheelTarget::SideBar, {false, false, true}), WheelAction::ScrollSideBar);
    EXPECT_EQ(wheelAction(WheelTarget::None, {}), WheelAction::None);
}

TEST(Wheel, ValuesStopAtTheirLimits) {
    EXPECT_EQ(stepFontSize(48, 1), 48);
    EXPECT_EQ(stepFontSize(6, -1), 6);
    EXPECT_EQ(stepFontSize(13, 1), 14);
    EXPECT_EQ(stepLineHeight(46, 1), 48);
    EXPECT_EQ(stepLineHeight(48, 1), 48);
    EXPECT_EQ(stepLineHeight(0, -1), 0);
    EXPECT_EQ(stepContrast(60, 1), 60);
    EXPECT_EQ(stepContrast(-58, -1), -60);
    EXPECT_EQ(stepContrast(-60, -1), -60);
}

TEST(Wheel, SideBarTopStaysInRange) {
    EXPECT_EQ(stepSideBarTop(0, 1, 30, 10), 0);
    EXPECT_EQ(stepSideBarTop(0, -1, 30, 10), 1);
    EXPECT_EQ(stepSideBarTop(20, -1, 30, 10), 20);
    EXPECT_EQ(stepSideBarTop(0, -1, 5, 10), 0);  // all fit
}

}  // namespace
}  // namespace tarvelo::shell
