#pragma once
// The rubber band: which visible rows a dragged rectangle touches, the
// `inBand` marks while it is drawn and the selection toggle on release.
#include "filelist/entry_sequence.h"
#include "filelist/list_cursor.h"

namespace tarvelo::filelist {

// A band acts only when it is more than this many pixels wide and high (at
// 96 DPI; the window passes the value scaled to the monitor's DPI).
inline constexpr int kBandMinSide = 15;

struct BandPoint {
    int x = 0;
    int y = 0;
};

// The band from its start point to the pointer, in either direction; in pane
// coordinates, right and bottom exclusive.
struct BandRect {
    BandPoint start;
    BandPoint current;

    int left() const;
    int right() const;
    int top() const;
    int bottom() const;
    int width() const { return right() - left(); }
    int height() const { return bottom() - top(); }
    // More than minSide pixels in both directions.
    bool acts(int minSide = kBandMinSide) const;
};

// The row area: x from left to right (exclusive); row r covers y from
// top + r * rowHeight to top + (r + 1) * rowHeight - 1.
struct RowArea {
    int left = 0;
    int right = 0;
    int top = 0;
    int rowHeight = 1;
};

// Page rows first..last (empty when last < first).
struct RowSpan {
    int first = 0;
    int last = -1;
    bool empty() const { return last < first; }
    friend bool operator==(const RowSpan&, const RowSpan&) = default;
};

// The visible rows (0..lastRow with an entry) whose row rectangle
// intersects the band, whatever its size.
RowSpan rowsInBand(const BandRect& band, const RowArea& area, const ListCursor& c, int count);

// Clears every entry's `inBand` mark.
void clearBandMarks(EntrySequence& seq);

// Pointer move while banding: clears every mark, then, when the band acts,
// marks the rows it touches. Returns the marked span.
RowSpan markBand(EntrySequence& seq, const BandRect& band, const RowArea& area,
                 const ListCursor& c, int minSide = kBandMinSide);

// Release: when the band acts, toggles `selected` on every row it touches,
// the parent entry included (the painter clears that one again). Returns
// the number of entries toggled.
int toggleBand(EntrySequence& seq, const BandRect& band, const RowArea& area, const ListCursor& c,
               int minSide = kBandMinSide);

}  // namespace tarvelo::filelist
