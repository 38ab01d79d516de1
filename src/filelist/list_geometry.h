#pragma once
// Where the list pane's pieces go: column cells, the sort mark, the status
// cells, the selection map, the progress bar and the tool tip box. Widths of
// texts come from a measuring function, so this is pure arithmetic.
#include <functional>
#include <string_view>
#include <vector>

#include "shell/pixel_rect.h"

namespace tarvelo::filelist {

using shell::PixelRect;
using MeasureText = std::function<int(std::wstring_view)>;

// Columns of a row, left to right: selection mark, name, then the view's
// other columns. Multi-column view: extension, size, Last Modified,
// attribute. Three-times view: size, Create Time, Last Modified, Access
// Time, attribute. Column index = sort column number.
struct ColumnLayout {
    std::vector<int> left;   // x of each column
    std::vector<int> width;  // width of each column
    int count() const { return static_cast<int>(left.size()); }
    PixelRect cell(int column, int top, int bottom) const {
        return {left[column], top, left[column] + width[column], bottom};
    }
    // The last column containing x (-1 when none); later cells win.
    int columnAt(int x) const;
};

// rowLeft/rowRight: the row area's x range. The name column takes the rest,
// but never less than the width of " %%%%%%%%%%%% ".
ColumnLayout layoutColumns(bool multiColumn, int rowLeft, int rowRight, const MeasureText& measure);

// The sort mark in a header cell: a filled 4 x 5 mark near the right edge,
// at the top when ascending, at the bottom when descending, and its frame.
struct SortMark {
    PixelRect mark;
    PixelRect frame;
};
SortMark sortMarkFor(const PixelRect& headerCell, bool descending, int dpi);

// Seven status cells across the status band. P = width of "%", S = width of
// " " in the status font.
std::vector<PixelRect> statusCells(const PixelRect& band, int percentWidth, int spaceWidth);

// The selection map strip right of the rows area: marks for selected display
// indices (and the cursor) among n entries.
PixelRect selectionMapStrip(int rowsRight, int paneHeight, int dpi);
PixelRect selectionMapMark(const PixelRect& strip, int index, int count, int dpi);

// The progress bar along the pane's bottom; the filled part for done/total.
PixelRect progressBar(int paneWidth, int paneHeight, int dpi);
PixelRect progressFill(const PixelRect& bar, long long done, long long total);

// The tool tip box for a text block of textWidth x textHeight next to the
// name cell: above it when the cursor row is in the lower half of the page.
PixelRect toolTipBox(const PixelRect& nameCell, int textWidth, int textHeight, bool above, int dpi);
// Whether the cursor row lies in the lower half of the page.
inline bool toolTipAbove(int cursorRow, int lastRow) { return cursorRow >= (lastRow + 1) / 2; }

}  // namespace tarvelo::filelist
