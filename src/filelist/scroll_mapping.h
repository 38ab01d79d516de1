#pragma once
// The list's vertical scroll bar values. The owner-drawn bar reports its
// position in 16 bits, so for long lists its range, page and position are
// scaled down by a power of two and positions map back to entries.
#include "filelist/list_cursor.h"

namespace tarvelo::filelist {

struct ScrollBarValues {
    int minimum = 0;
    int maximum = 0;   // range end, inclusive
    int page = 0;
    int position = 0;
    bool enabled = true;
    friend bool operator==(const ScrollBarValues&, const ScrollBarValues&) = default;
};

// log2 of the owner-drawn bar's scale for n entries: 0 below 32,768, 1 up
// to 65,535, 2 up to 131,071, 3 up to 262,143, 4 above.
int ownerDrawnScaleShift(int count);

// Range 0..(n - 2), page lastRow, position topIndex, each scaled down.
ScrollBarValues ownerDrawnBarValues(int count, const ListCursor& c);

// A position reported by the owner-drawn bar as a first visible row: scaled
// up again and clamped to the rows a page can start at.
int topIndexFromOwnerDrawnPosition(int position, int count, int lastRow);

// The standard bar: range 0..n-2, page lastRow, position topIndex; disabled
// when all entries fit on one page.
ScrollBarValues standardBarValues(int count, const ListCursor& c);

// The highest first visible row: the last page ends on the last entry.
int maxTopIndex(int count, int lastRow);

enum class ScrollRequest { LineUp, LineDown, PageUp, PageDown, Thumb, Top, Bottom };

// The first visible row after a scroll-bar action; `thumbTopIndex` is the
// already mapped-back thumb position (only for Thumb). Clamped to
// 0..maxTopIndex; the cursor row stays where it is on the page.
int scrolledTopIndex(ScrollRequest request, int thumbTopIndex, int count, const ListCursor& c);

}  // namespace tarvelo::filelist
