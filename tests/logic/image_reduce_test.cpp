#include "preview/image_reduce.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace tarvelo::preview {
namespace {

using Pixels = std::vector<uint8_t>;

Pixels bgra(std::initializer_list<std::array<int, 4>> px) {
    Pixels out;
    for (const auto& p : px) out.insert(out.end(), {uint8_t(p[0]), uint8_t(p[1]), uint8_t(p[2]), uint8_t(p[3])});
    return out;
}

TEST(ImageReduce, AveragesEachBoxWeightedByAlpha) {
    struct Case {
        const char* what;
        int sw, sh, dw, dh;
        Pixels src;
        Pixels expected;
    };
    const Case cases[] = {
        {"four opaque pixels into one", 2, 2, 1, 1,
         bgra({{10, 20, 30, 255}, {20, 30, 40, 255}, {30, 40, 50, 255}, {40, 50, 60, 255}}), bgra({{25, 35, 45, 255}})},
        {"transparent pixels lend no colour, only their alpha", 2, 2, 1, 1,
         bgra({{0, 0, 255, 255}, {0, 255, 0, 0}, {0, 255, 0, 0}, {0, 255, 0, 0}}), bgra({{0, 0, 255, 64}})},
        {"half-transparent colours weigh by alpha", 2, 1, 1, 1, bgra({{200, 0, 0, 200}, {0, 0, 0, 50}}),
         bgra({{160, 0, 0, 125}})},
        {"a fully transparent box stays fully transparent", 2, 1, 1, 1, bgra({{9, 9, 9, 0}, {7, 7, 7, 0}}),
         bgra({{0, 0, 0, 0}})},
        {"five columns into two: boxes of two and three, every pixel counted once", 5, 1, 2, 1,
         bgra({{10, 0, 0, 255}, {20, 0, 0, 255}, {30, 0, 0, 255}, {40, 0, 0, 255}, {80, 0, 0, 255}}),
         bgra({{15, 0, 0, 255}, {50, 0, 0, 255}})},
        {"same size copies", 2, 1, 2, 1, bgra({{1, 2, 3, 4}, {250, 251, 252, 253}}),
         bgra({{1, 2, 3, 4}, {250, 251, 252, 253}})},
        {"a column of rows into one", 1, 3, 1, 1, bgra({{0, 30, 90, 255}, {0, 60, 90, 255}, {0, 90, 90, 255}}),
         bgra({{0, 60, 90, 255}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Pixels dst(size_t(c.dw) * c.dh * 4, 0xCD);
        ASSERT_TRUE(reduceBgra(c.src.data(), c.sw, c.sh, size_t(c.sw) * 4, dst.data(), c.dw, c.dh, size_t(c.dw) * 4));
        EXPECT_EQ(dst, c.expected);
    }
}

TEST(ImageReduce, RefusesWhatItCannotDoAndLeavesTheTargetAlone) {
    const Pixels src(4 * 4 * 4, 0x80);
    struct Case {
        const char* what;
        int sw, sh;
        size_t srcStride;
        int dw, dh;
        size_t dstStride;
    };
    const Case cases[] = {
        {"wider target than source", 4, 4, 16, 5, 2, 20},
        {"taller target than source", 4, 4, 16, 2, 5, 8},
        {"empty target", 4, 4, 16, 0, 2, 8},
        {"source rows shorter than the width", 4, 4, 12, 2, 2, 8},
        {"target rows shorter than the width", 4, 4, 16, 2, 2, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Pixels dst(64, 0xCD);
        EXPECT_FALSE(reduceBgra(src.data(), c.sw, c.sh, c.srcStride, dst.data(), c.dw, c.dh, c.dstStride));
        EXPECT_EQ(dst, Pixels(64, 0xCD));
    }
    Pixels dst(64, 0xCD);
    EXPECT_FALSE(reduceBgra(nullptr, 4, 4, 16, dst.data(), 2, 2, 8));
}

// A brute-force box average per target pixel, in doubles: what the fast
// column-sum path (four pixels at a time, then a tail) must agree with.
Pixels reference(const Pixels& src, int sw, int sh, size_t stride, int dw, int dh) {
    Pixels out(size_t(dw) * dh * 4);
    for (int dy = 0; dy < dh; ++dy) {
        for (int dx = 0; dx < dw; ++dx) {
            const int x0 = int(int64_t(dx) * sw / dw), x1 = int(int64_t(dx + 1) * sw / dw);
            const int y0 = int(int64_t(dy) * sh / dh), y1 = int(int64_t(dy + 1) * sh / dh);
            double c[3] = {0, 0, 0}, a = 0;
            for (int y = y0; y < y1; ++y) {
                for (int x = x0; x < x1; ++x) {
                    const uint8_t* p = &src[size_t(y) * stride + size_t(x) * 4];
                    for (int k = 0; k < 3; ++k) c[k] += double(p[k]) * p[3];
                    a += p[3];
                }
            }
            uint8_t* o = &out[(size_t(dy) * dw + dx) * 4];
            for (int k = 0; k < 3; ++k) o[k] = a > 0 ? uint8_t(std::floor(c[k] / a + 0.5)) : 0;
            o[3] = uint8_t(std::floor(a / ((x1 - x0) * (y1 - y0)) + 0.5));
        }
    }
    return out;
}

TEST(ImageReduce, AgreesWithABruteForceAverageOnOddSizesAndPaddedRows) {
    std::mt19937 random(20261208);
    struct Size {
        int sw, sh, dw, dh;
    };
    for (const Size s : {Size{37, 23, 5, 4}, Size{4000, 3, 737, 1}, Size{9, 9, 9, 9}, Size{6, 11, 1, 1},
                         Size{301, 199, 128, 77}}) {
        SCOPED_TRACE(testing::Message() << s.sw << "x" << s.sh << " -> " << s.dw << "x" << s.dh);
        const size_t stride = size_t(s.sw) * 4 + 12;  // rows padded past the width
        Pixels src(stride * s.sh);
        for (uint8_t& b : src) b = uint8_t(random());
        // Some rows fully opaque, some fully transparent, the rest mixed.
        for (int y = 0; y < s.sh; ++y) {
            for (int x = 0; x < s.sw; ++x) {
                uint8_t& alpha = src[size_t(y) * stride + size_t(x) * 4 + 3];
                if (y % 3 == 0) alpha = 255;
                if (y % 5 == 1) alpha = 0;
            }
        }
        Pixels dst(size_t(s.dw) * s.dh * 4);
        ASSERT_TRUE(reduceBgra(src.data(), s.sw, s.sh, stride, dst.data(), s.dw, s.dh, size_t(s.dw) * 4));
        EXPECT_EQ(dst, reference(src, s.sw, s.sh, stride, s.dw, s.dh));
    }
}

}  // namespace
}  // namespace tarvelo::preview
