#include "filelist/row_layout.h"

#include <algorithm>

#include "shell/dpi_scale.h"

namespace tarvelo::filelist {

using shell::ListView;
using shell::scalePx;

ColumnRole columnRole(ListView view, int column) {
    static constexpr ColumnRole kMulti[] = {ColumnRole::Mark, ColumnRole::Name, ColumnRole::Extension,
                                            ColumnRole::Size, ColumnRole::Modified, ColumnRole::Attribute};
    static constexpr ColumnRole kThree[] = {ColumnRole::Mark,     ColumnRole::Name,     ColumnRole::Size,
                                            ColumnRole::Created,  ColumnRole::Modified, ColumnRole::Accessed,
                                            ColumnRole::Attribute};
    if (view == ListView::MultiColumn) {
        return column >= 0 && column < 6 ? kMulti[column] : ColumnRole::Attribute;
    }
    return column >= 0 && column < 7 ? kThree[column] : ColumnRole::Attribute;
}

RowFrame rowFrame(const shell::ListMetrics& m, const ColumnLayout& columns, ListView view, int row) {
    RowFrame f;
    const int top = m.rows.top + row * m.rowHeight;
    const int bottom = top + m.rowHeight;
    f.band = {m.rows.left, top, m.rows.right, bottom};
    const PixelRect nameCell = columns.count() > 1 ? columns.cell(1, top, bottom) : PixelRect{m.rows.left, top, m.rows.right, bottom};
    if (view == ListView::MultiColumn) {
        f.cellsTop = top;
        f.cellsBottom = bottom;
        f.nameArea = nameCell;
    } else {
        // Two lines: the name across the row at the top, the other cells
        // in their columns below it.
        const int middle = top + m.rowHeight / 2;
        f.cellsTop = middle;
        f.cellsBottom = bottom;
        f.nameArea = {nameCell.left, top, std::max(m.rows.right, nameCell.right), middle};
    }
    return f;
}

bool rowFits(const shell::ListMetrics& m, int row) {
    if (m.rowHeight <= 0 || row < 0) return false;
    return m.rows.top + (row + 1) * m.rowHeight <= m.rows.bottom;
}

TextBox cellTextBox(ColumnRole role, const PixelRect& cell, bool fileSize, int dpi) {
    const int two = scalePx(2, dpi);
    const int ten = scalePx(10, dpi);
    switch (role) {
    case ColumnRole::Name:
    case ColumnRole::Extension:
        return {{cell.left + ten, cell.top, cell.right - two, cell.bottom}, TextAlign::Left};
    case ColumnRole::Size:
        if (fileSize) return {{cell.left + two, cell.top, cell.right - ten, cell.bottom}, TextAlign::Right};
        return {{cell.left + two, cell.top, cell.right - two, cell.bottom}, TextAlign::Centre};
    default:
        return {{cell.left + two, cell.top, cell.right - two, cell.bottom}, TextAlign::Centre};
    }
}

TextBox nameTextBox(const PixelRect& nameArea, int rowHeight, bool icons, int dpi) {
    TextBox box = cellTextBox(ColumnRole::Name, nameArea, false, dpi);
    if (icons) box.rect.left += rowHeight + scalePx(3, dpi);
    return box;
}

bool wrapsNames(ListView view, int rowHeight, int fontHeight) {
    return view == ListView::MultiColumn && fontHeight > 0 && rowHeight >= 3 * fontHeight;
}

PixelRect wrapBox(const PixelRect& nameBox, int dpi) {
    const int three = scalePx(3, dpi);
    return {nameBox.left, nameBox.top + three, nameBox.right, nameBox.bottom - three};
}

PixelRect placeWrapped(const PixelRect& box, int blockHeight) {
    if (blockHeight >= box.height()) return box;
    const int top = box.top + (box.height() - blockHeight) / 2;
    return {box.left, top, box.right, top + blockHeight};
}

PixelRect iconSquare(const PixelRect& nameArea, int rowTop, int rowHeight, int dpi) {
    const int two = scalePx(2, dpi);
    const int side = std::max(0, rowHeight - scalePx(4, dpi));
    return {nameArea.left + two, rowTop + two, nameArea.left + two + side, rowTop + two + side};
}

MarkRects markRects(const PixelRect& cell, int dpi) {
    auto inset = [&](int n) {
        const int d = scalePx(n, dpi);
        return PixelRect{cell.left + d, cell.top + d, cell.right - d, cell.bottom - d};
    };
    return {inset(5), inset(3), inset(4)};
}

std::wstring termText(std::wstring_view term) {
    std::wstring out;
    out.reserve(term.size());
    for (size_t i = 0; i < term.size(); ++i) {
        if (term[i] == L'\\' && i + 1 < term.size() && term[i + 1] == L's') {
            out.push_back(L' ');
            ++i;
        } else {
            out.push_back(term[i]);
        }
    }
    return out;
}

std::optional<HitSpan> hitSpan(std::wstring_view text, std::wstring_view term, int textLeft, int cellRight,
                               const MeasureText& measure) {
    if (term.empty()) return std::nullopt;
    const size_t at = text.find(term);
    if (at == std::wstring_view::npos) return std::nullopt;
    HitSpan span;
    span.offset = at;
    span.length = term.size();
    span.left = textLeft + measure(text.substr(0, at));
    span.right = span.left + measure(term);
    if (span.right > cellRight) return std::nullopt;
    return span;
}

std::vector<PixelRect> selectionMapRuns(const PixelRect& strip, std::span<const int> indices, int count, int dpi) {
    std::vector<PixelRect> runs;
    for (int index : indices) {
        if (index < 0 || index >= count) continue;
        const PixelRect mark = selectionMapMark(strip, index, count, dpi);
        if (!runs.empty() && mark.top <= runs.back().bottom) {
            runs.back().bottom = std::max(runs.back().bottom, mark.bottom);
        } else {
            runs.push_back(mark);
        }
    }
    return runs;
}

std::vector<PixelRect> bandCornerMarks(const PixelRect& band, int dpi) {
    const int minSide = scalePx(15, dpi);
    if (band.width() <= minSide || band.height() <= minSide) return {};
    const int in = scalePx(3, dpi);
    const int arm = scalePx(6, dpi);
    const int line = scalePx(1, dpi);
    const int l = band.left + in;
    const int t = band.top + in;
    const int r = band.right - in;   // exclusive
    const int b = band.bottom - in;  // exclusive
    return {
        {l, t, l + arm, t + line}, {l, t, l + line, t + arm},          // top left
        {r - arm, t, r, t + line}, {r - line, t, r, t + arm},          // top right
        {l, b - line, l + arm, b}, {l, b - arm, l + line, b},          // bottom left
        {r - arm, b - line, r, b}, {r - line, b - arm, r, b},          // bottom right
    };
}

}  // namespace tarvelo::filelist
