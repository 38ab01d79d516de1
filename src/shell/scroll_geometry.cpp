#include "shell/scroll_geometry.h"

#include <algorithm>
#include <climits>

#include "shell/dpi_scale.h"

namespace tarvelo::shell {
namespace {

int toInt(double v) {
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(v);
}

int toInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

}  // namespace

ScrollSizes scrollSizesForDpi(int dpi) { return {scalePx(16, dpi), scalePx(20, dpi)}; }

int clampScrollPos(const ScrollRange& range, long long p) {
    const long long upper = static_cast<long long>(range.maxPos) - range.pageSize + 1;
    p = std::min(p, upper);
    p = std::max(p, static_cast<long long>(range.minPos));
    return toInt(p);
}

long long scrollCount(const ScrollRange& range) {
    long long length = static_cast<long long>(range.maxPos) - range.minPos + 1;
    if (range.maxPos < range.minPos) length = 1;
    return length + range.pageSize;
}

long long scrollSpan(const ScrollRange& range) {
    long long span = static_cast<long long>(range.maxPos) - range.pageSize - range.minPos + 1;
    return span < 1 ? 1 : span;
}

ScrollGeometry scrollGeometry(const ScrollRange& range, int top, int bottom, ScrollSizes sizes) {
    ScrollGeometry g;
    g.top = top;
    g.bottom = bottom;
    g.button = sizes.button;
    g.trackTop = top + sizes.button;
    g.track = bottom - top - 2 * sizes.button;
    const long long count = scrollCount(range);
    const double share = count > 0 ? static_cast<double>(range.pageSize) / static_cast<double>(count) : 1.0;
    g.thumbLength = std::max(toInt(share * g.track), sizes.minThumb);
    // A bar too short for its thumb keeps the thumb at the track's top instead
    // of pushing it over the buttons; so does a position outside the range.
    double ratio = static_cast<double>(static_cast<long long>(range.pos) - range.minPos) /
                   static_cast<double>(scrollSpan(range));
    ratio = std::clamp(ratio, 0.0, 1.0);
    g.thumbTop = g.trackTop + toInt(ratio * std::max(g.travel(), 0));
    return g;
}

bool thumbVisible(const ScrollRange& range) { return range.minPos != 0 || range.maxPos != 0 || range.pos != 0; }

int positionFromPointer(const ScrollRange& range, const ScrollGeometry& g, int y) {
    if (g.travel() <= 0) return range.minPos;
    const double offset = static_cast<double>(y) - g.thumbLength / 2 - g.trackTop;
    const double steps = static_cast<double>(range.maxPos) - range.pageSize - range.minPos + 1;
    return toInt(static_cast<long long>(range.minPos) + toInt(offset / g.travel() * steps));
}

std::optional<int> dragPosition(const ScrollRange& range, const ScrollGeometry& g, int dragStartY, int dragStartPos,
                                int y) {
    const long long steps = static_cast<long long>(range.maxPos) - range.pageSize - range.minPos;
    if (g.travel() <= 0 || steps < 0) return std::nullopt;
    const double moved = (static_cast<double>(y) - dragStartY) * static_cast<double>(steps + 1) / g.travel();
    return toInt(static_cast<long long>(toInt(moved)) + dragStartPos);
}

int scrollWheelStep(int pageSize) { return std::max(pageSize / 3, 1); }

bool repeatReachedPointer(int pos, int anchor, int pageSize) {
    const long long p = pos;
    return static_cast<long long>(anchor) - pageSize <= p && p <= static_cast<long long>(anchor) + pageSize;
}

ScrollHit scrollHitTest(const ScrollGeometry& g, int y) {
    if (y < g.trackTop) return ScrollHit::UpButton;
    if (y >= g.bottom - g.button) return ScrollHit::DownButton;
    if (y < g.thumbTop) return ScrollHit::TrackAbove;
    if (y >= g.thumbTop + g.thumbLength) return ScrollHit::TrackBelow;
    return ScrollHit::Thumb;
}

}  // namespace tarvelo::shell
