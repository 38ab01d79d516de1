#pragma once
// The owner-drawn scroll bar's arithmetic: position clamping, thumb size and
// place, pointer-to-position mapping, wheel steps and what a click hits.
#include <optional>

namespace tarvelo::shell {

struct ScrollRange {
    int minPos = 0;
    int maxPos = 0;   // inclusive
    int pageSize = 1; // never below 1
    int pos = 0;      // kept in minPos .. maxPos - pageSize + 1
};

// Pixel sizes of the arrow buttons and the shortest thumb, scaled for the DPI.
struct ScrollSizes {
    int button = 16;
    int minThumb = 20;
};
ScrollSizes scrollSizesForDpi(int dpi);

// min(p, maxPos - pageSize + 1), then max(that, minPos).
int clampScrollPos(const ScrollRange& range, long long p);

// Range length (1 when empty) plus the page.
long long scrollCount(const ScrollRange& range);
// maxPos - pageSize - minPos + 1, at least 1.
long long scrollSpan(const ScrollRange& range);

// Vertical layout of the bar for a client area from top to bottom.
struct ScrollGeometry {
    int top = 0;
    int bottom = 0;
    int button = 16;
    int trackTop = 0;     // top + button
    int track = 0;        // bottom - top - 2 * button
    int thumbLength = 0;
    int thumbTop = 0;

    // Pixels the thumb can travel.
    int travel() const { return track - thumbLength; }
};

// Thumb length = pageSize / count * track (truncated, at least minThumb);
// thumb top = trackTop + (pos - minPos) / span * travel, kept inside the track.
ScrollGeometry scrollGeometry(const ScrollRange& range, int top, int bottom, ScrollSizes sizes);

// The thumb is drawn only when one of minPos, maxPos, pos is non-zero.
bool thumbVisible(const ScrollRange& range);

// The position whose thumb would centre on y: minPos when the thumb fills the
// track. Not clamped (setPos clamps).
int positionFromPointer(const ScrollRange& range, const ScrollGeometry& g, int y);

// Thumb dragged from dragStartY (at dragStartPos) to y; nothing when the
// thumb cannot move or the page covers the range.
std::optional<int> dragPosition(const ScrollRange& range, const ScrollGeometry& g, int dragStartY, int dragStartPos,
                                int y);

// Rows one wheel notch moves: a third of the page, at least 1.
int scrollWheelStep(int pageSize);

// Auto-repeat stops once pos is within one page of the pointer's position.
bool repeatReachedPointer(int pos, int anchor, int pageSize);

enum class ScrollHit { UpButton, DownButton, Thumb, TrackAbove, TrackBelow };
// The up button wins where the buttons overlap in a very short bar.
ScrollHit scrollHitTest(const ScrollGeometry& g, int y);

}  // namespace tarvelo::shell
