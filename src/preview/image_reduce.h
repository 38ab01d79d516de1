#pragma once
// Shrinks a decoded picture to the size it is shown at, once, before it is
// drawn: a box average over 32-bit BGRA rows (straight alpha, top-down).
// Every source pixel counts towards exactly one shown pixel, so a photo
// reduced five times keeps its detail evenly instead of skipping rows, and
// the draw that follows moves a tenth of a megabyte instead of forty-eight.
#include <cstddef>
#include <cstdint>

namespace tarvelo::preview {

// Reduces src (srcWidth x srcHeight, srcStride bytes a row) into dst
// (dstWidth x dstHeight, dstStride bytes a row). Colours are averaged
// weighted by their alpha, so transparent pixels lend no colour to an edge.
// False, with dst untouched, unless 0 < dstWidth <= srcWidth and
// 0 < dstHeight <= srcHeight and both strides hold their rows.
bool reduceBgra(const uint8_t* src, int srcWidth, int srcHeight, size_t srcStride, uint8_t* dst, int dstWidth,
                int dstHeight, size_t dstStride);

}  // namespace tarvelo::preview
