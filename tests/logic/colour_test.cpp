#include "shell/colour.h"

#include <gtest/gtest.h>

#include "shell/background_drift.h"
#include "shell/title_bar_colour.h"

namespace tarvelo::shell {
namespace {

Colour hex(uint32_t v) { return Colour::fromHex(v); }

TEST(Colour, StoresThePlatformByteOrder) {
    EXPECT_EQ(hex(0x0078D7).value, 0xD77800u);
    EXPECT_EQ(Colour::fromRgb(0x12, 0x34, 0x56).value, 0x563412u);
    EXPECT_EQ(Colour{0xD77800}.toHex(), 0x0078D7u);
    EXPECT_EQ(hex(0x0F1C26).toHexText(), L"#0F1C26");
}

TEST(Colour, ParsesHexText) {
    EXPECT_EQ(Colour::parseHex(L"#0078D7"), hex(0x0078D7));
    EXPECT_EQ(Colour::parseHex(L"abcdef"), hex(0xABCDEF));
    EXPECT_FALSE(Colour::parseHex(L"#0078D"));
    EXPECT_FALSE(Colour::parseHex(L"#0078D7F"));
    EXPECT_FALSE(Colour::parseHex(L"#00G8D7"));
    EXPECT_FALSE(Colour::parseHex(L""));
}

TEST(Colour, ShiftClampsEachChannel) {
    EXPECT_EQ(shiftColour(hex(0x0F1C26), 60), hex(0x4B5862));
    EXPECT_EQ(shiftColour(hex(0xFFFFFF), -60), hex(0xC3C3C3));
    EXPECT_EQ(shiftColour(hex(0x000000), -60), hex(0x000000));
    EXPECT_EQ(shiftColour(hex(0xF0107F), 20), hex(0xFF2493));
    EXPECT_EQ(shiftColour(hex(0x123456), 0), hex(0x123456));
    // Extreme shifts saturate without overflow.
    EXPECT_EQ(shiftColour(hex(0x123456), 2147483647), hex(0xFFFFFF));
    EXPECT_EQ(shiftColour(hex(0x123456), -2147483647 - 1), hex(0x000000));
}

TEST(Colour, AverageAndGrey) {
    EXPECT_EQ(averageColour(hex(0x0078D7), hex(0x2B2B2B)), hex(0x155181));
    EXPECT_EQ(greyColour(hex(0x155181)), hex(0x4D4D4D));
    EXPECT_EQ(averageColour(hex(0xFFFFFF), hex(0x000001)), hex(0x7F7F80));
    EXPECT_EQ(greyColour(hex(0x010101)), hex(0x010101));
    EXPECT_EQ(greyColour(hex(0x000002)), hex(0x000000));
}

struct PulseCase {
    uint64_t tick;
    uint32_t want;
};

TEST(Colour, PulseSwingsThereAndBack) {
    const Colour a = hex(0x000A64);
    const Colour b = hex(0x646400);
    const PulseCase cases[] = {
        {0, 0x000A64},    {500, 0x323732},  {1000, 0x646400}, {1500, 0x323732},
        {2000, 0x000A64}, {2250, 0x19204B}, {1750, 0x19204B}, {4000 + 999, 0x636300},
    };
    for (const auto& c : cases) EXPECT_EQ(pulseColour(a, b, 1000, c.tick), hex(c.want)) << c.tick;
}

TEST(Colour, PulseTruncatesAndTreatsZeroPeriodAsOneSecond) {
    // 10 -> 0 at t = 0.55 is 4.5, truncated to 4.
    EXPECT_EQ(pulseColour(hex(0x0A0A0A), hex(0x000000), 1000, 550), hex(0x040404));
    EXPECT_EQ(pulseColour(hex(0x000000), hex(0xC8C8C8), 0, 500), pulseColour(hex(0), hex(0xC8C8C8), 1000, 500));
    EXPECT_EQ(pulseColour(hex(0x000000), hex(0xC8C8C8), -5, 500), hex(0x646464));
    EXPECT_EQ(pulseColour(hex(0x000000), hex(0xC8C8C8), 200, 100), hex(0x646464));
}

TEST(TitleBarColour, FollowsThemeAndActivation) {
    const Colour accent = hex(0x0078D7);
    // avg(avg(accent, 2B), 2B) = avg(#155181, #2B2B2B) = #203E56
    EXPECT_EQ(titleBarColour(accent, true, true), hex(0x203E56));
    EXPECT_EQ(titleBarColour(accent, true, false), greyColour(hex(0x203E56)));
    EXPECT_EQ(titleBarColour(accent, false, true), accent);
    EXPECT_EQ(titleBarColour(accent, false, false), hex(0xF3F3F3));
    EXPECT_EQ(exitTitleBarColour(accent), greyColour(averageColour(accent, hex(0x808080))));
    EXPECT_EQ(kDefaultAccent.value, 0xD77800u);
}

// Hands out a fixed sequence, then repeats its last value.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<uint32_t> values) : values_(std::move(values)) {}
    uint32_t next() override {
        ++calls;
        if (index_ < values_.size()) return values_[index_++];
        return values_.empty() ? 0 : values_.back();
    }
    int calls = 0;

private:
    std::vector<uint32_t> values_;
    size_t index_ = 0;
};

TEST(BackgroundDrift, StartsRandomThenWalksOneStepPerPaint) {
    // A = (10, 20, 30), B = (200, 200, 200); targets A (12, 20, 29), B (200, 201, 0x1FF & 0xFF = 255).
    ScriptedRandom random({10, 20, 30, 200, 200, 200, 12, 20, 29, 200, 201, 0x1FF});
    BackgroundDrift drift;
    drift.step(random);
    EXPECT_EQ(random.calls, 12);
    // Targets drawn, no movement yet.
    EXPECT_EQ(drift.colourA(), Colour::fromRgb(10, 20, 30));
    EXPECT_EQ(drift.colourB(), Colour::fromRgb(200, 200, 200));
    EXPECT_TRUE(drift.walkerA().approaching);
    EXPECT_EQ(drift.walkerB().target[2], 255);

    drift.step(random);
    EXPECT_EQ(drift.colourA(), Colour::fromRgb(11, 20, 29));
    EXPECT_EQ(drift.colourB(), Colour::fromRgb(200, 201, 201));
    EXPECT_TRUE(drift.walkerA().approaching);

    drift.step(random);  // A arrives: stops approaching
    EXPECT_EQ(drift.colourA(), Colour::fromRgb(12, 20, 29));
    EXPECT_FALSE(drift.walkerA().approaching);
    EXPECT_EQ(random.calls, 12);

    drift.step(random);  // A draws new targets and stays; B walks on
    EXPECT_EQ(random.calls, 15);
    EXPECT_EQ(drift.colourA(), Colour::fromRgb(12, 20, 29));
    EXPECT_TRUE(drift.walkerA().approaching);
    EXPECT_EQ(drift.colourB(), Colour::fromRgb(200, 201, 203));
}

TEST(BackgroundDrift, ThemeShiftAndGradientEnds) {
    EXPECT_EQ(animatedBackgroundShift(6), 185);
    EXPECT_EQ(animatedBackgroundShift(7), -150);
    EXPECT_FALSE(animatedBackgroundShift(4).has_value());
    ScriptedRandom random({100, 0, 255, 50, 60, 70});
    BackgroundDrift drift;
    DriftColours c = nextBackgroundColours(drift, random, -150);
    EXPECT_EQ(c.from, Colour::fromRgb(0, 0, 105));
    EXPECT_EQ(c.to, Colour::fromRgb(0, 0, 0));
    BackgroundDrift light;
    ScriptedRandom random2({100, 0, 255, 50, 60, 70});
    c = nextBackgroundColours(light, random2, 185);
    EXPECT_EQ(c.from, Colour::fromRgb(255, 185, 255));
    EXPECT_EQ(c.to, Colour::fromRgb(235, 245, 255));
}

}  // namespace
}  // namespace tarvelo::shell
