#include "filelist/file_time.h"

#include <gtest/gtest.h>

namespace tarvelo::filelist {
namespace {

constexpr uint64_t kDay = 864'000'000'000ull;

bool leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

TEST(FileTime, EveryDayFrom1601To2500) {
    int y = 1601, m = 1, d = 1;
    const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (uint64_t day = 0; y < 2500; ++day) {
        const uint64_t t = day * kDay + 13 * 36'000'000'000ull + 7 * 600'000'000ull + 9 * 10'000'000ull + 1234;
        const LocalStamp s = stampFromFileTime(t);
        ASSERT_EQ(s, (LocalStamp{static_cast<int16_t>(y), static_cast<int16_t>(m), static_cast<int16_t>(d), 13, 7, 9})) << day;
        const int len = lengths[m - 1] + (m == 2 && leap(y) ? 1 : 0);
        if (++d > len) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    }
}

TEST(FileTime, LimitsAndBias) {
    EXPECT_EQ(stampFromFileTime(0), (LocalStamp{1601, 1, 1, 0, 0, 0}));
    EXPECT_EQ(stampFromFileTime(uint64_t{1} << 63), LocalStamp{});
    EXPECT_EQ(stampFromFileTime((uint64_t{1} << 63) - 1).year, 30828);
    const uint64_t noon2024 = 133'485'408'000'000'000ull;  // 2024-01-01 00:00 UTC
    EXPECT_EQ(localStamp(noon2024, 9 * 36'000'000'000ll), (LocalStamp{2024, 1, 1, 9, 0, 0}));
    EXPECT_EQ(localStamp(noon2024, -36'000'000'000ll), (LocalStamp{2023, 12, 31, 23, 0, 0}));
    EXPECT_EQ(localStamp(0, -1), LocalStamp{});
}

}  // namespace
}  // namespace tarvelo::filelist
