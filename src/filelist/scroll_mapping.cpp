#include "filelist/scroll_mapping.h"

#include <algorithm>

namespace tarvelo::filelist {

int ownerDrawnScaleShift(int count) {
    if (count < 32768) return 0;
    if (count < 65536) return 1;
    if (count < 131072) return 2;
    if (count < 262144) return 3;
    return 4;
}

int maxTopIndex(int count, int lastRow) { return std::max(count - std::max(lastRow, 0) - 1, 0); }

ScrollBarValues ownerDrawnBarValues(int count, const ListCursor& c) {
    const int shift = ownerDrawnScaleShift(count);
    ScrollBarValues v;
    v.maximum = std::max(count - 2, 0) >> shift;
    v.page = std::max(c.lastRow, 0) >> shift;
    v.position = std::max(c.topIndex, 0) >> shift;
    return v;
}

int topIndexFromOwnerDrawnPosition(int position, int count, int lastRow) {
    const int shift = ownerDrawnScaleShift(count);
    // Scaling up in 64 bits: a bogus position must not overflow.
    const long long top = static_cast<long long>(std::max(position, 0)) << shift;
    return static_cast<int>(std::min<long long>(top, maxTopIndex(count, lastRow)));
}

ScrollBarValues standardBarValues(int count, const ListCursor& c) {
    ScrollBarValues v;
    v.maximum = std::max(count - 2, 0);
    v.page = std::max(c.lastRow, 0);
    v.position = std::max(c.topIndex, 0);
    v.enabled = count > std::max(c.lastRow, 0) + 1;
    return v;
}

int scrolledTopIndex(ScrollRequest request, int thumbTopIndex, int count, const ListCursor& c) {
    const int lastRow = std::max(c.lastRow, 0);
    long long top = c.topIndex;
    switch (request) {
        case ScrollRequest::LineUp: top -= 1; break;
        case ScrollRequest::LineDown: top += 1; break;
        case ScrollRequest::PageUp: top -= lastRow; break;
        case ScrollRequest::PageDown: top += lastRow; break;
        case ScrollRequest::Thumb: top = thumbTopIndex; break;
        case ScrollRequest::Top: top = 0; break;
        case ScrollRequest::Bottom: top = maxTopIndex(count, lastRow); break;
    }
    return static_cast<int>(std::clamp<long long>(top, 0, maxTopIndex(count, lastRow)));
}

}  // namespace tarvelo::filelist
