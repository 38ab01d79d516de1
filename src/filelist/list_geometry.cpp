#include "filelist/list_geometry.h"

#include <algorithm>

#include "shell/dpi_scale.h"

namespace tarvelo::filelist {

using shell::scalePx;

int ColumnLayout::columnAt(int x) const {
    int found = -1;
    for (int i = 0; i < count(); ++i) {
        if (x >= left[i] && x < left[i] + width[i]) found = i;
    }
    return found;
}

ColumnLayout layoutColumns(bool multiColumn, int rowLeft, int rowRight, const MeasureText& measure) {
    static constexpr std::wstring_view kMark = L"%%%";
    static constexpr std::wstring_view kNameMin = L" %%%%%%%%%%%% ";
    static constexpr std::wstring_view kExtension = L" .%%%%%%%%% ";
    static constexpr std::wstring_view kSize = L" 88,888,888,888,888 ";
    static constexpr std::wstring_view kDate = L" 8888/88/88 (%%%) 88:88:88 ";
    static constexpr std::wstring_view kAttribute = L" R H S A D  ";

    std::vector<std::wstring_view> rest;
    if (multiColumn) {
        rest = {kExtension, kSize, kDate, kAttribute};
    } else {
        rest = {kSize, kDate, kDate, kDate, kAttribute};
    }
    ColumnLayout out;
    const int markWidth = measure(kMark);
    int restWidth = 0;
    std::vector<int> restWidths;
    for (std::wstring_view sample : rest) {
        restWidths.push_back(measure(sample));
        restWidth += restWidths.back();
    }
    const int nameWidth = std::max(measure(kNameMin), rowRight - rowLeft - markWidth - restWidth);
    int x = rowLeft;
    out.left.push_back(x);
    out.width.push_back(markWidth);
    x += markWidth;
    out.left.push_back(x);
    out.width.push_back(nameWidth);
    x += nameWidth;
    for (int w : restWidths) {
        out.left.push_back(x);
        out.width.push_back(w);
        x += w;
    }
    return out;
}

SortMark sortMarkFor(const PixelRect& cell, bool descending, int dpi) {
    SortMark s;
    const int markLeft = cell.right - scalePx(10, dpi);
    const int markRight = cell.right - scalePx(6, dpi);
    if (!descending) {
        s.mark = {markLeft, cell.top + scalePx(6, dpi), markRight, cell.top + scalePx(11, dpi)};
    } else {
        s.mark = {markLeft, cell.bottom - scalePx(11, dpi), markRight, cell.bottom - scalePx(6, dpi)};
    }
    s.frame = {cell.right - scalePx(12, dpi), cell.top + scalePx(4, dpi), cell.right - scalePx(4, dpi),
               cell.bottom - scalePx(4, dpi)};
    return s;
}

std::vector<PixelRect> statusCells(const PixelRect& band, int P, int S) {
    int widths[6] = {4 * P, 25 * P, 24 * P, 44 * P, 24 * P, 44 * P};
    if (S < P) {
        // Fonts whose blank is narrow for their "%" get tighter middle cells.
        double f = 1.0;
        for (int i = 0; i < 9; ++i) {
            const double k = 1.0 + 0.2 * i;
            if (P >= k * S) f -= 0.05;
        }
        for (int i = 1; i <= 5; ++i) widths[i] = static_cast<int>(widths[i] * f);
    }
    // A band too narrow for all seven (the first-start window): the cells
    // on the right give way first, each down to half its width, so that the
    // last one still ends at the band's edge; then all shrink alike.
    const int lastMin = 4 * P;
    int overflow = lastMin - band.width();
    for (int w : widths) overflow += w;
    for (int i = 5; i >= 1 && overflow > 0; --i) {
        const int cut = std::min(overflow, widths[i] - widths[i] / 2);
        widths[i] -= cut;
        overflow -= cut;
    }
    int last = lastMin;
    if (overflow > 0) {
        const int total = band.width() + overflow;
        int used = 0;
        for (int& w : widths) {
            w = total > 0 ? static_cast<int>(static_cast<long long>(w) * band.width() / total) : 0;
            used += w;
        }
        last = std::max(0, band.width() - used);
    }
    std::vector<PixelRect> cells;
    int x = band.left;
    for (int w : widths) {
        cells.push_back({x, band.top, x + w, band.bottom});
        x += w;
    }
    cells.push_back({x, band.top, std::max(band.right, x + last), band.bottom});
    return cells;
}

PixelRect selectionMapStrip(int rowsRight, int paneHeight, int dpi) {
    const int edge = scalePx(16, dpi);
    return {rowsRight + scalePx(3, dpi), edge, rowsRight + scalePx(7, dpi), paneHeight - edge};
}

PixelRect selectionMapMark(const PixelRect& strip, int index, int count, int dpi) {
    if (count <= 0) return {};
    const long long h = strip.height();
    int top = strip.top + static_cast<int>(h * index / count);
    int bottom = strip.top + static_cast<int>(h * (index + 1) / count);
    bottom = std::max(bottom, top + scalePx(4, dpi));
    return {strip.left, top, strip.right, bottom};
}

PixelRect progressBar(int paneWidth, int paneHeight, int dpi) {
    const int margin = scalePx(12, dpi);
    return {margin, paneHeight - scalePx(9, dpi), paneWidth - margin, paneHeight - scalePx(3, dpi)};
}

PixelRect progressFill(const PixelRect& bar, long long done, long long total) {
    if (total <= 0 || done <= 0) return {bar.left, bar.top, bar.left, bar.bottom};
    if (done >= total) return bar;
    return {bar.left, bar.top, bar.left + static_cast<int>(bar.width() * done / total), bar.bottom};
}

PixelRect toolTipBox(const PixelRect& nameCell, int textWidth, int textHeight, bool above, int dpi) {
    const int pad = scalePx(12, dpi);
    const int gap = scalePx(18, dpi);
    const int shift = scalePx(6, dpi);
    const int boxWidth = textWidth + 2 * pad;
    const int boxHeight = textHeight + 2 * pad;
    const int left = nameCell.left - shift;
    if (above) {
        return {left, nameCell.top - gap - boxHeight, left + boxWidth, nameCell.top - gap};
    }
    return {left, nameCell.bottom + gap, left + boxWidth, nameCell.bottom + gap + boxHeight};
}

}  // namespace tarvelo::filelist
