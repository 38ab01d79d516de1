#include "preview/image_reduce.h"

#include <algorithm>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tarvelo::preview {

namespace {

// First source index of box i when n source items go into m boxes.
inline int boxStart(int i, int n, int m) {
    return static_cast<int>(static_cast<int64_t>(i) * n / m);
}

// Adds one source row into the column sums: blue, green and red weighted
// by alpha, and the alpha itself. Each weighted channel is at most
// 255 * 255, so it fits 16 bits before it is widened.
void addRow(const uint8_t* p, int width, uint32_t* acc) {
    int x = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    // Lanes 0-2 of each pixel take alpha as factor, lane 3 takes 1.
    const __m128i colourLanes = _mm_set_epi16(0, -1, -1, -1, 0, -1, -1, -1);
    const __m128i alphaOne = _mm_set_epi16(1, 0, 0, 0, 1, 0, 0, 0);
    for (; x + 4 <= width; x += 4, p += 16, acc += 16) {
        const __m128i px = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        for (int half = 0; half < 2; ++half) {
            const __m128i w = half == 0 ? _mm_unpacklo_epi8(px, zero) : _mm_unpackhi_epi8(px, zero);
            __m128i a = _mm_shufflehi_epi16(_mm_shufflelo_epi16(w, 0xFF), 0xFF);
            a = _mm_or_si128(_mm_and_si128(a, colourLanes), alphaOne);
            const __m128i product = _mm_mullo_epi16(w, a);
            __m128i* out = reinterpret_cast<__m128i*>(acc + 8 * half);
            _mm_storeu_si128(out, _mm_add_epi32(_mm_loadu_si128(out), _mm_unpacklo_epi16(product, zero)));
            _mm_storeu_si128(out + 1, _mm_add_epi32(_mm_loadu_si128(out + 1), _mm_unpackhi_epi16(product, zero)));
        }
    }
#endif
    for (; x < width; ++x, p += 4, acc += 4) {
        const uint32_t a = p[3];
        acc[0] += p[0] * a;
        acc[1] += p[1] * a;
        acc[2] += p[2] * a;
        acc[3] += a;
    }
}

// Rounded quotient of two sums below 2^53 (a double divides them exactly
// enough: every quotient is at most 255 and ties stay ties).
inline uint8_t divRound(uint64_t sum, uint64_t count) {
    return static_cast<uint8_t>((sum + count / 2) / count);
}

}  // namespace

bool reduceBgra(const uint8_t* src, int sw, int sh, size_t srcStride, uint8_t* dst, int dw, int dh,
                size_t dstStride) {
    if (!src || !dst || dw <= 0 || dh <= 0 || dw > sw || dh > sh) return false;
    if (srcStride < static_cast<size_t>(sw) * 4 || dstStride < static_cast<size_t>(dw) * 4) return false;
    // Column sums of one band of rows. A band holds at most sh / dh + 1
    // rows, and 255 * 255 times 65,535 rows still fits 32 bits.
    std::vector<uint32_t> columns(static_cast<size_t>(sw) * 4);
    for (int dy = 0; dy < dh; ++dy) {
        const int y0 = boxStart(dy, sh, dh);
        const int y1 = boxStart(dy + 1, sh, dh);
        std::fill(columns.begin(), columns.end(), 0u);
        for (int y = y0; y < y1; ++y) addRow(src + static_cast<size_t>(y) * srcStride, sw, columns.data());
        const uint64_t rows = static_cast<uint64_t>(y1 - y0);
        const uint32_t* acc = columns.data();
        uint8_t* out = dst + static_cast<size_t>(dy) * dstStride;
        for (int dx = 0; dx < dw; ++dx, out += 4) {
            const int x0 = boxStart(dx, sw, dw);
            const int x1 = boxStart(dx + 1, sw, dw);
            uint64_t b = 0, g = 0, r = 0, a = 0;
            for (int x = x0; x < x1; ++x) {
                b += acc[4 * x];
                g += acc[4 * x + 1];
                r += acc[4 * x + 2];
                a += acc[4 * x + 3];
            }
            if (a == 0) {
                out[0] = out[1] = out[2] = out[3] = 0;
                continue;
            }
            out[0] = divRound(b, a);
            out[1] = divRound(g, a);
            out[2] = divRound(r, a);
            out[3] = divRound(a, rows * static_cast<uint64_t>(x1 - x0));
        }
    }
    return true;
}

}  // namespace tarvelo::preview
