#pragma once
// Where the pieces of one list row go: the row's band, the column cells, the
// name area (the name cell, or the name line of the three-times view), the
// text boxes with their paddings and alignment, the icon square, the
// selection mark, the hit marks and the selection map runs. Pure arithmetic,
// so the painter only turns these rectangles into pixels.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "filelist/list_geometry.h"
#include "shell/list_metrics.h"

namespace tarvelo::filelist {

enum class TextAlign { Left, Centre, Right };

struct TextBox {
    PixelRect rect;
    TextAlign align = TextAlign::Left;
};

// What a column shows; column numbers are the sort column numbers.
enum class ColumnRole { Mark, Name, Extension, Size, Created, Modified, Accessed, Attribute };
ColumnRole columnRole(shell::ListView view, int column);

struct RowFrame {
    PixelRect band;      // across the row area, the whole row pitch
    int cellsTop = 0;    // y range of the column cells: the whole row in the
    int cellsBottom = 0; // multi-column view, the lower line in the three-times view
    PixelRect nameArea;  // the name cell, or the three-times view's name line
};

// Row r of the page (0 = first visible row).
RowFrame rowFrame(const shell::ListMetrics& metrics, const ColumnLayout& columns, shell::ListView view, int row);

// True when row r lies completely inside the rows area.
bool rowFits(const shell::ListMetrics& metrics, int row);

// The box a cell's text is laid out in: name and extension left-aligned
// (10 left, 2 right), sizes of files right-aligned (2 left, 10 right), sizes
// of folders and everything else centred (2 on each side).
TextBox cellTextBox(ColumnRole role, const PixelRect& cell, bool fileSize, int dpi);

// The name's box inside its area; with icons it starts rowHeight + 3 pixels
// further right.
TextBox nameTextBox(const PixelRect& nameArea, int rowHeight, bool icons, int dpi);

// Tall rows of the multi-column view wrap the name instead of cutting it.
bool wrapsNames(shell::ListView view, int rowHeight, int fontHeight);
// The wrapped name's box: 3 pixels in from the top and bottom.
PixelRect wrapBox(const PixelRect& nameBox, int dpi);
// Where a wrapped block of blockHeight lands: centred when it fits, else at the top.
PixelRect placeWrapped(const PixelRect& box, int blockHeight);

// The icon square: name area left + 2, row top + 2, side rowHeight - 4.
PixelRect iconSquare(const PixelRect& nameArea, int rowTop, int rowHeight, int dpi);

// Selection mark cell: the filled square (inset 5) and its frame (inset 3).
struct MarkRects {
    PixelRect square;
    PixelRect frame;
    PixelRect frameInside;  // inside the frame, filled when a band-marked entry is also selected
};
MarkRects markRects(const PixelRect& cell, int dpi);

// "\s" in a search or filtering term stands for a space.
std::wstring termText(std::wstring_view term);

// A term's first occurrence in a cell's text (case-sensitive), as an x span
// starting at the text's left: from textLeft + width(text before it), for
// width(term). Nothing when the term is absent, empty, or the span does not
// end inside the cell (cellRight exclusive).
struct HitSpan {
    int left = 0;
    int right = 0;
    size_t offset = 0;  // where the term starts in the text
    size_t length = 0;
};
std::optional<HitSpan> hitSpan(std::wstring_view text, std::wstring_view term, int textLeft, int cellRight,
                               const MeasureText& measure);

// Selection map marks for the given display indices (ascending) among count
// entries, adjacent and overlapping marks merged into one run each.
std::vector<PixelRect> selectionMapRuns(const PixelRect& strip, std::span<const int> indices, int count, int dpi);

// The box of the rubber band's corner marks: four L shapes of arm length 6,
// 3 pixels in from each corner; none for bands of 15 x 15 or less.
std::vector<PixelRect> bandCornerMarks(const PixelRect& band, int dpi);

}  // namespace tarvelo::filelist
