#include "shell/window_placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace tarvelo::shell {
namespace {

TEST(Position, ParsesTenIntegersAsScanfReadsThem) {
    struct Case {
        const wchar_t* text;
        std::optional<WindowPlacementValues> expected;
    };
    const Case cases[] = {
        {L"0:1:-1:-1:-1:-1:10:20:810:620", WindowPlacementValues{0, 1, -1, -1, -1, -1, {10, 20, 810, 620}}},
        {L"0x2:+3:010:0X1f:0:00:-0x10:-010:7:8", WindowPlacementValues{2, 3, 8, 31, 0, 0, {-16, -8, 7, 8}}},
        {L" 1: 2:\t3:4:5:6:7:8:9:10", WindowPlacementValues{1, 2, 3, 4, 5, 6, {7, 8, 9, 10}}},
        {L"1:2:3:4:5:6:7:8:9:10:11", WindowPlacementValues{1, 2, 3, 4, 5, 6, {7, 8, 9, 10}}},
        {L"1:2:3:4:5:6:7:8:9:10abc", WindowPlacementValues{1, 2, 3, 4, 5, 6, {7, 8, 9, 10}}},
        {L"-2147483648:2147483647:0:0:0:0:0:0:0:0",
         WindowPlacementValues{INT_MIN, INT_MAX, 0, 0, 0, 0, {0, 0, 0, 0}}},
        // Not ten integers: not applied.
        {L"", std::nullopt},
        {L"1:2:3:4:5:6:7:8:9", std::nullopt},
        {L"1:2:3:4:5:6:7:8:9:", std::nullopt},
        {L"a:b:c:d:e:f:g:h:i:j", std::nullopt},
        {L"1:2:3:4:x:6:7:8:9:10", std::nullopt},
        {L"1 :2:3:4:5:6:7:8:9:10", std::nullopt},  // ':' must follow the number
        {L"1,2,3,4,5,6,7,8,9,10", std::nullopt},
        // Octal: the number is the 0, the 8 after it is trailing text.
        {L"1:2:3:4:5:6:7:8:9:08", WindowPlacementValues{1, 2, 3, 4, 5, 6, {7, 8, 9, 0}}},
        {L"1:2:3:4:5:6:7:8:09:10", std::nullopt},
        {L"1:2:3:4:5:6:7:8:0x:10", std::nullopt},
        {L"1:2:3:4:5:6:7:8:9:2147483648", std::nullopt},  // beyond int
        {L"1:2:3:4:5:6:7:8:9:99999999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parsePosition(c.text), c.expected) << c.text;
    }
}

TEST(Position, FormatRoundTrips) {
    const WindowPlacementValues v{2, 3, -32000, -32000, -1, -1, {100, 50, 1380, 850}};
    EXPECT_EQ(formatPosition(v), L"2:3:-32000:-32000:-1:-1:100:50:1380:850");
    EXPECT_EQ(parsePosition(formatPosition(v)), v);
}

TEST(Position, PullBackOnASingleScreen) {
    struct Case {
        PlacementRect stored;
        PlacementRect expected;
    };
    const Case cases[] = {
        {{100, 100, 900, 700}, {100, 100, 900, 700}},      // on screen: unchanged
        {{5000, 100, 5800, 700}, {1870, 100, 2670, 700}},  // far right
        {{-900, 100, 134, 700}, {0, 100, 1034, 700}},      // right edge below 135
        {{-900, 100, 135, 700}, {-900, 100, 135, 700}},    // exactly 135 stays
        {{1900, 100, 2700, 700}, {1900, 100, 2700, 700}},  // left + 20 == width stays
        {{1901, 100, 2700, 700}, {1870, 100, 2669, 700}},
        {{100, -21, 900, 579}, {100, 0, 900, 600}},        // top above -20
        {{100, -20, 900, 580}, {100, -20, 900, 580}},
        {{100, 1021, 900, 1621}, {100, 1000, 900, 1600}},  // top beyond height - 60
        {{100, 1020, 900, 1620}, {100, 1020, 900, 1620}},
        {{INT_MAX, INT_MIN, INT_MAX, INT_MAX}, {1870, 0, 2894, 1080}},  // no overflow
    };
    for (const Case& c : cases) {
        const PlacementRect got = pullBackOnScreen(c.stored, 1920, 1080, 1);
        EXPECT_EQ(got, c.expected) << c.stored.left << "," << c.stored.top;
    }
}

TEST(Position, EmptyInvertedAndHugeRectanglesComeBackUsable) {
    // A 1280 x 800 screen; every result is at least 50 x 80 on it and no
    // larger than it.
    struct Case {
        const char* name;
        PlacementRect stored;
        PlacementRect expected;
    };
    const Case cases[] = {
        {"empty far away", {5000, 5000, 5000, 5000}, {1230, 720, 2254, 1440}},
        {"empty at the origin", {0, 0, 0, 0}, {0, 0, 1024, 720}},
        {"all huge", {999999999, 999999999, 999999999, 999999999}, {1230, 720, 2254, 1440}},
        {"inverted", {900, 700, 100, 100}, {900, 700, 1924, 1420}},
        {"inverted width only", {100, 100, 50, 500}, {100, 100, 1124, 500}},
        {"larger than the screen", {-10, -10, 5000, 4000}, {-10, -10, 1270, 790}},
        {"most negative", {INT_MIN, INT_MIN, INT_MIN, INT_MIN}, {0, 0, 1024, 720}},
        {"right edge far left", {-3000, 10, -2000, 500}, {0, 10, 1000, 500}},
    };
    for (const Case& c : cases) {
        const PlacementRect got = pullBackOnScreen(c.stored, 1280, 800, 1);
        EXPECT_EQ(got, c.expected) << c.name;
        EXPECT_GT(got.right - got.left, 0) << c.name;
        EXPECT_LE(got.right - got.left, 1280) << c.name;
        EXPECT_LE(got.left, 1280 - 50) << c.name;
        EXPECT_LE(got.top, 800 - 80) << c.name;
    }
    // Several monitors: only the size is repaired.
    EXPECT_EQ(pullBackOnScreen({5000, 5000, 5000, 4000}, 1280, 800, 2), (PlacementRect{5000, 5000, 6024, 5720}));
}

TEST(Position, SeveralMonitorsKeepTheStoredRectangle) {
    const PlacementRect far{5000, -500, 5800, 100};
    EXPECT_EQ(pullBackOnScreen(far, 1920, 1080, 2), far);
    EXPECT_EQ(pullBackOnScreen(far, 1920, 1080, 1), (PlacementRect{1870, 0, 2670, 600}));
}

TEST(FirstPlacement, FitsIntoTheWorkArea) {
    const PlacementRect work{0, 0, 1280, 760};  // task bar below
    const struct {
        const char* name;
        PlacementRect window;
        PlacementRect expected;
    } cases[] = {
        {"fits already", {100, 50, 1134, 654}, {100, 50, 1134, 654}},
        {"too wide and tall: the whole area", {0, 0, 1551, 906}, {0, 0, 1280, 760}},
        {"too wide only, moved in", {200, 30, 1751, 630}, {0, 30, 1280, 630}},
        {"past the right and bottom edges", {900, 500, 1900, 1000}, {280, 260, 1280, 760}},
        {"above and left of the area", {-300, -40, 700, 560}, {0, 0, 1000, 600}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fitIntoWorkArea(c.window, work), c.expected);
    }
    // A work area that does not start at 0 (a second monitor on the left).
    EXPECT_EQ(fitIntoWorkArea({-1000, 0, 600, 900}, {-1920, 0, 0, 1040}), (PlacementRect{-1600, 0, 0, 900}));
}

}  // namespace
}  // namespace tarvelo::shell
