#include "shell/list_metrics.h"

#include <algorithm>
#include <cstdint>

namespace tarvelo::shell {

int rowHeight(ListView view, int lineHeight, int fontSize, int dpi) {
    const int base = fontSize + 8;
    int h = lineHeight;
    if (view == ListView::MultiColumn) {
        h += base;
    } else {
        h -= static_cast<int>(-2.5 * base);
    }
    return scalePx(h, dpi);
}

int lastRowFor(int rowAreaHeight, int rowHeight) {
    if (rowHeight <= 0) return 0;
    if (rowAreaHeight <= 2 * rowHeight) return 0;
    // ceil(A / h) rows of pitch h cover the area; two of them are the margin
    // the search leaves.
    const int64_t covering = (static_cast<int64_t>(rowAreaHeight) + rowHeight - 1) / rowHeight;
    const int64_t n = covering - 2;
    return n > kLastRowSearchLimit ? 0 : static_cast<int>(n);
}

FontHeights fontHeights(int fontSize, int dpi) {
    const int clamped = std::clamp(fontSize, 10, 20);
    return {scalePx(fontSize, dpi), scalePx(clamped, dpi), scalePx(fontSize + 2, dpi), scalePx(clamped - 1, dpi)};
}

ListMetrics listMetrics(int width, int height, ListView view, int lineHeight, int fontSize, int dpi) {
    const int margin = scalePx(kListMargin, dpi);
    const int edge = scalePx(kListBandEdge, dpi);
    ListMetrics m;
    m.header = {margin, margin, width - margin, edge};
    m.rows = {margin, edge, width - margin, height - edge};
    m.status = {margin, height - edge, width - margin, height - margin};
    m.rowAreaHeight = height - 2 * edge;
    m.rowHeight = rowHeight(view, lineHeight, fontSize, dpi);
    m.lastRow = lastRowFor(m.rowAreaHeight, m.rowHeight);
    return m;
}

}  // namespace tarvelo::shell
