#include "filelist/rubber_band.h"

#include <algorithm>

namespace tarvelo::filelist {

int BandRect::left() const { return std::min(start.x, current.x); }
int BandRect::right() const { return std::max(start.x, current.x); }
int BandRect::top() const { return std::min(start.y, current.y); }
int BandRect::bottom() const { return std::max(start.y, current.y); }

bool BandRect::acts(int minSide) const { return width() > minSide && height() > minSide; }

RowSpan rowsInBand(const BandRect& band, const RowArea& area, const ListCursor& c, int count) {
    RowSpan span;
    if (area.rowHeight <= 0 || c.topIndex < 0) return span;
    // Every row spans the full row-area width, so the x test is the same
    // for all of them.
    if (!(band.left() < area.right && area.left < band.right())) return span;
    const int visible = std::min(c.lastRow, count - 1 - c.topIndex);
    for (int r = 0; r <= visible; ++r) {
        const int rowTop = area.top + r * area.rowHeight;
        const int rowBottom = rowTop + area.rowHeight;
        if (band.top() < rowBottom && rowTop < band.bottom()) {
            if (span.empty()) span.first = r;
            span.last = r;
        }
    }
    return span;
}

void clearBandMarks(EntrySequence& seq) {
    const int count = seq.count();
    for (int i = 0; i < count; ++i) seq.entryAt(i).inBand = 0;
}

RowSpan markBand(EntrySequence& seq, const BandRect& band, const RowArea& area,
                 const ListCursor& c, int minSide) {
    clearBandMarks(seq);
    if (!band.acts(minSide)) return RowSpan{};
    const RowSpan span = rowsInBand(band, area, c, seq.count());
    for (int r = span.first; r <= span.last; ++r) seq.entryAt(c.topIndex + r).inBand = 1;
    return span;
}

int toggleBand(EntrySequence& seq, const BandRect& band, const RowArea& area, const ListCursor& c,
               int minSide) {
    if (!band.acts(minSide)) return 0;
    const RowSpan span = rowsInBand(band, area, c, seq.count());
    int toggled = 0;
    for (int r = span.first; r <= span.last; ++r) {
        seq.entryAt(c.topIndex + r).selected ^= 1;
        ++toggled;
    }
    return toggled;
}

}  // namespace tarvelo::filelist
