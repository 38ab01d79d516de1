#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/scroll_bar_model.h"
#include "shell/scroll_geometry.h"

namespace tarvelo::shell {
namespace {

ScrollRange rangeOf(int minPos, int maxPos, int page, int pos = 0) { return {minPos, maxPos, page, pos}; }

struct ClampCase {
    ScrollRange range;
    long long request;
    int want;
};

TEST(ScrollGeometry, ClampKeepsAWholePageInRange) {
    const ClampCase cases[] = {
        {rangeOf(0, 99, 20), 95, 80},  {rangeOf(0, 99, 20), 90, 80}, {rangeOf(0, 99, 20), -5, 0},
        {rangeOf(0, 99, 20), 79, 79},  {rangeOf(0, 9, 100), 5, 0},   {rangeOf(0, 9, 100), -5, 0},
        {rangeOf(0, 9, 100), 500, 0},  {rangeOf(10, 20, 5), 0, 10},  {rangeOf(10, 20, 5), 17, 16},
        {rangeOf(0, 0, 1), 3, 0},      {rangeOf(0, 99, 20), 1LL << 40, 80},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(clampScrollPos(c.range, c.request), c.want)
            << c.range.minPos << ".." << c.range.maxPos << " page " << c.range.pageSize << " <- " << c.request;
    }
}

TEST(ScrollGeometry, ThumbLengthAndPlace) {
    // Client 0..332: track 300.
    ScrollGeometry g = scrollGeometry(rangeOf(0, 99, 20, 40), 0, 332, {});
    EXPECT_EQ(g.trackTop, 16);
    EXPECT_EQ(g.track, 300);
    EXPECT_EQ(g.thumbLength, 50);  // 20 / 120 * 300
    EXPECT_EQ(g.thumbTop, 141);    // 16 + 40 / 80 * 250
    EXPECT_EQ(scrollGeometry(rangeOf(0, 99, 20, 80), 0, 332, {}).thumbTop, 266);
    // A long list: 4 pixels computed, 20 the least.
    EXPECT_EQ(scrollGeometry(rangeOf(0, 1999, 30), 0, 332, {}).thumbLength, 20);
    // Page larger than the range.
    ScrollGeometry big = scrollGeometry(rangeOf(0, 9, 100), 0, 332, {});
    EXPECT_EQ(big.thumbLength, 272);  // 100 / 110 * 300
    EXPECT_EQ(big.thumbTop, 16);
    EXPECT_EQ(scrollSpan(rangeOf(0, 9, 100)), 1);
    EXPECT_EQ(scrollCount(rangeOf(5, 2, 3)), 4);
}

TEST(ScrollGeometry, ThumbStaysInsideATrackTooShortForIt) {
    ScrollGeometry g = scrollGeometry(rangeOf(0, 99, 20, 80), 0, 40, {});
    EXPECT_EQ(g.track, 8);
    EXPECT_EQ(g.thumbLength, 20);
    EXPECT_EQ(g.thumbTop, 16);
    // A position left beyond a shrunk range draws at the track's end, not past it.
    ScrollGeometry beyond = scrollGeometry(rangeOf(0, 99, 20, 500), 0, 332, {});
    EXPECT_EQ(beyond.thumbTop + beyond.thumbLength, 316);
}

TEST(ScrollGeometry, ThumbOnlyWhenSomethingIsNonZero) {
    EXPECT_FALSE(thumbVisible(rangeOf(0, 0, 1, 0)));
    EXPECT_TRUE(thumbVisible(rangeOf(0, 1, 1, 0)));
    EXPECT_TRUE(thumbVisible(rangeOf(3, 3, 1, 3)));
}

TEST(ScrollGeometry, PositionFromPointer) {
    const ScrollRange r = rangeOf(0, 99, 20, 40);
    const ScrollGeometry g = scrollGeometry(r, 0, 332, {});
    EXPECT_EQ(positionFromPointer(r, g, 166), 40);  // the thumb's centre
    EXPECT_EQ(positionFromPointer(r, g, 41), 0);
    EXPECT_EQ(positionFromPointer(r, g, 291), 80);
    EXPECT_EQ(positionFromPointer(r, g, 10), -9);  // truncated toward zero, clamped later
    // The thumb fills a short track: always the first position.
    const ScrollRange shortBar = rangeOf(5, 99, 20, 30);
    EXPECT_EQ(positionFromPointer(shortBar, scrollGeometry(shortBar, 0, 40, {}), 30), 5);
}

TEST(ScrollGeometry, DragMovesByThePixelShare) {
    const ScrollRange r = rangeOf(0, 99, 20, 40);
    const ScrollGeometry g = scrollGeometry(r, 0, 332, {});
    EXPECT_EQ(dragPosition(r, g, 150, 40, 275), 80);  // 125 px of 250 = 40 rows
    EXPECT_EQ(dragPosition(r, g, 150, 40, 153), 40);  // 0.96 truncated
    EXPECT_EQ(dragPosition(r, g, 150, 40, 140), 37);  // -3.2
    EXPECT_FALSE(dragPosition(rangeOf(0, 9, 100), scrollGeometry(rangeOf(0, 9, 100), 0, 332, {}), 0, 0, 50));
}

TEST(ScrollGeometry, WheelStepAndSnapping) {
    EXPECT_EQ(scrollWheelStep(2), 1);
    EXPECT_EQ(scrollWheelStep(1), 1);
    EXPECT_EQ(scrollWheelStep(20), 6);
    EXPECT_EQ(scrollWheelStep(3), 1);
    EXPECT_TRUE(repeatReachedPointer(62, 82, 20));
    EXPECT_TRUE(repeatReachedPointer(102, 82, 20));
    EXPECT_FALSE(repeatReachedPointer(103, 82, 20));
    EXPECT_FALSE(repeatReachedPointer(61, 82, 20));
}

TEST(ScrollGeometry, HitTest) {
    const ScrollGeometry g = scrollGeometry(rangeOf(0, 99, 20, 40), 0, 332, {});
    EXPECT_EQ(scrollHitTest(g, 0), ScrollHit::UpButton);
    EXPECT_EQ(scrollHitTest(g, 15), ScrollHit::UpButton);
    EXPECT_EQ(scrollHitTest(g, 16), ScrollHit::TrackAbove);
    EXPECT_EQ(scrollHitTest(g, 141), ScrollHit::Thumb);
    EXPECT_EQ(scrollHitTest(g, 190), ScrollHit::Thumb);
    EXPECT_EQ(scrollHitTest(g, 191), ScrollHit::TrackBelow);
    EXPECT_EQ(scrollHitTest(g, 316), ScrollHit::DownButton);
}

TEST(ScrollGeometry, SizesScaleWithDpi) {
    EXPECT_EQ(scrollSizesForDpi(96).button, 16);
    EXPECT_EQ(scrollSizesForDpi(96).minThumb, 20);
    EXPECT_EQ(scrollSizesForDpi(120).button, 20);
    EXPECT_EQ(scrollSizesForDpi(144).button, 24);
    EXPECT_EQ(scrollSizesForDpi(192).minThumb, 40);
}

// Records what the bar asks of its window.
class FakeHost : public ScrollBarHost {
public:
    void positionChanged(int pos, bool notify) override {
        events.push_back((notify ? "notify " : "pos ") + std::to_string(pos));
    }
    void repaint() override { ++repaints; }
    void startRepeatTimer() override { events.push_back("start"); }
    void stopRepeatTimer() override { events.push_back("stop"); }
    void releaseCapture() override { events.push_back("release"); }
    void trackPointerLeave() override { events.push_back("track"); }
    std::vector<std::string> events;
    int repaints = 0;
};

using Events = std::vector<std::string>;

class ScrollBarModelTest : public ::testing::Test {
protected:
    void setUp(int minPos, int maxPos, int page, int pos, int bottom) {
        model.setRange(minPos, maxPos);
        model.setPageSize(page);
        model.setClient(0, bottom);
        model.setPos(pos, false);
        host.events.clear();
    }
    FakeHost host;
    ScrollBarModel model{host};
};

TEST_F(ScrollBarModelTest, SetPosClampsAndNotifiesOnlyChanges) {
    setUp(0, 99, 20, 0, 332);
    EXPECT_TRUE(model.setPos(95, true));
    EXPECT_EQ(model.pos(), 80);
    EXPECT_FALSE(model.setPos(85, true));
    EXPECT_TRUE(model.setPos(10, false));
    EXPECT_EQ(host.events, (Events{"notify 80", "pos 10"}));
    model.setPageSize(0);
    EXPECT_EQ(model.range().pageSize, 1);
    model.setPageSize(-4);
    EXPECT_EQ(model.range().pageSize, 1);
}

TEST_F(ScrollBarModelTest, PageWithMoreRowsThanTheRangeStaysAtTheTop) {
    setUp(0, 9, 100, 0, 332);
    for (long long p : {1LL, 5LL, 9LL, -3LL, 1000LL}) {
        model.setPos(p, true);
        EXPECT_EQ(model.pos(), 0) << p;
    }
    EXPECT_TRUE(host.events.empty());
}

TEST_F(ScrollBarModelTest, PageDownClickFromSeventyEndsAtEighty) {
    setUp(0, 99, 20, 70, 332);
    model.leftDown(300, false);
    EXPECT_EQ(model.pos(), 80);
    EXPECT_EQ(model.repeatDir(), 2);
    EXPECT_TRUE(model.repeatActive());
    model.repeatTick();  // the pointer's position (82) is within a page: stop
    EXPECT_EQ(model.pos(), 80);
    EXPECT_FALSE(model.repeatActive());
    EXPECT_EQ(model.repeatDir(), 0);
    EXPECT_EQ(host.events, (Events{"notify 80", "start", "stop", "release"}));
}

TEST_F(ScrollBarModelTest, HeldTrackClickPagesUntilThePointerThenSnaps) {
    // Range 0..999, page 10, track 400: thumb 20, travel 380.
    setUp(0, 999, 10, 500, 432);
    model.leftDown(140, false);  // pointer position 297
    EXPECT_EQ(model.pos(), 490);
    for (int i = 0; i < 18; ++i) model.repeatTick();
    EXPECT_EQ(model.pos(), 310);
    EXPECT_TRUE(model.repeatActive());
    model.repeatTick();
    EXPECT_EQ(model.pos(), 297);
    EXPECT_FALSE(model.repeatActive());
    EXPECT_EQ(host.events.back(), "release");
    EXPECT_EQ(host.events[host.events.size() - 3], "notify 297");
}

TEST_F(ScrollBarModelTest, ArrowButtonsStepOneRow) {
    setUp(0, 99, 20, 40, 332);
    model.leftDown(5, false);
    EXPECT_EQ(model.pos(), 39);
    EXPECT_EQ(model.repeatDir(), -1);
    model.leftUp();
    EXPECT_FALSE(model.repeatActive());
    model.leftDown(320, false);
    EXPECT_EQ(model.pos(), 40);
    EXPECT_EQ(model.repeatDir(), 1);
    model.repeatTick();
    EXPECT_EQ(model.pos(), 41);
    model.captureLost();
    EXPECT_EQ(model.repeatDir(), 0);
    EXPECT_FALSE(model.repeatActive());
    EXPECT_EQ(host.events, (Events{"notify 39", "start", "stop", "release", "notify 40", "start", "notify 41",
                                   "stop", "release"}));
}

TEST_F(ScrollBarModelTest, ShiftClickJumpsWithoutRepeat) {
    setUp(0, 99, 20, 0, 332);
    model.leftDown(166, true);
    EXPECT_EQ(model.pos(), 40);
    EXPECT_FALSE(model.repeatActive());
    EXPECT_EQ(host.events, (Events{"notify 40"}));
}

TEST_F(ScrollBarModelTest, ThumbDragFollowsThePointer) {
    setUp(0, 99, 20, 40, 332);
    model.leftDown(150, false);
    EXPECT_TRUE(model.dragging());
    model.pointerMove(275);
    EXPECT_EQ(model.pos(), 80);
    model.pointerMove(-400);
    EXPECT_EQ(model.pos(), 0);
    model.leftUp();
    EXPECT_FALSE(model.dragging());
    EXPECT_EQ(host.events, (Events{"notify 80", "track", "notify 0", "release"}));
}

TEST_F(ScrollBarModelTest, HoverIsTrackedOnce) {
    setUp(0, 99, 20, 40, 332);
    model.pointerMove(100);
    model.pointerMove(110);
    EXPECT_TRUE(model.hovered());
    model.pointerLeft();
    EXPECT_FALSE(model.hovered());
    EXPECT_EQ(host.events, (Events{"track"}));
    EXPECT_GE(host.repaints, 2);
}

TEST_F(ScrollBarModelTest, RightClickJumpsAndStopsEverything) {
    setUp(0, 99, 20, 0, 332);
    model.leftDown(320, false);
    model.rightDown(166);
    EXPECT_EQ(model.pos(), 40);
    EXPECT_FALSE(model.repeatActive());
    EXPECT_FALSE(model.dragging());
    EXPECT_EQ(host.events, (Events{"notify 1", "start", "notify 40", "stop", "release"}));
}

TEST_F(ScrollBarModelTest, WheelMovesAThirdOfAPage) {
    setUp(0, 99, 20, 40, 332);
    model.wheel(-120);
    EXPECT_EQ(model.pos(), 46);
    model.wheel(120);
    model.wheel(1);
    EXPECT_EQ(model.pos(), 34);
    model.setPageSize(2);
    model.wheel(-120);
    EXPECT_EQ(model.pos(), 35);
    model.wheel(0);  // zero counts as downwards
    EXPECT_EQ(model.pos(), 36);
}

}  // namespace
}  // namespace tarvelo::shell
