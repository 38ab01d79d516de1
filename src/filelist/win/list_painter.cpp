#include "filelist/win/list_painter.h"

#include <algorithm>

#include "filelist/folder_listing.h"
#include "filelist/row_layout.h"
#include "filelist/win/list_paint_parts.h"
#include "shell/colour.h"
#include "shell/dpi_scale.h"
#include "shell/win/animated_background.h"

namespace tarvelo::filelist::win {

int FolderListingSource::count() const { return listing_.count(); }
const FileEntry& FolderListingSource::entryAt(int displayIndex) const { return listing_.entryAt(displayIndex); }
bool FolderListingSource::isComplete() const { return listing_.isComplete(); }
int FolderListingSource::enumeratedCount() const { return listing_.enumeratedCount(); }
int FolderListingSource::filledCount() const { return listing_.filledCount(); }
int FolderListingSource::sortItem() const { return listing_.sortItem; }
bool FolderListingSource::sortDescending() const { return listing_.sortMode != 0; }

namespace {

using shell::Colour;
using shell::Role;
using shell::scalePx;

PixelRect inflate(const PixelRect& r, int d) { return {r.left - d, r.top - d, r.right + d, r.bottom + d}; }

// Header and status cells: a vertical gradient between the pane's two
// shades of the background, outlined with cut corners in the text/background mix.
void drawCellBox(PaintCanvas& c, const shell::ThemePalette& pal, const PixelRect& cell) {
    platform::drawBox(c.dc(), toRect(cell), 3, pal[Role::D0].value, pal[Role::D1].value, pal[Role::D4].value, 3);
}

TextBox cellLabelBox(const PixelRect& cell, int dpi) {
    const int in = scalePx(2, dpi);
    return {{cell.left + in, cell.top, cell.right - in, cell.bottom}, TextAlign::Centre};
}

void paintBackground(platform::BackBuffer& buffer, const ListPaintInput& in) {
    buffer.fill((*in.palette)[shell::kRoleBackground].value);
    if (in.background != nullptr && shell::isIlluminateTheme(in.palette->theme)) {
        in.background->paint(buffer.dc(), buffer.rect(), in.palette->theme);
    }
}

void paintHeader(PaintPass& pass, ListPaintOutput& out) {
    const ListPaintInput& in = pass.in;
    const shell::ThemePalette& pal = pass.palette;
    PaintCanvas& c = pass.canvas;
    const PixelRect band = in.metrics.header;
    const auto labels = headerLabels(in.view, in.settings.language);
    c.useFont(in.fonts.bar);
    out.headerCells.clear();
    for (int i = 0; i < pass.columns.count(); ++i) {
        const PixelRect cell = pass.columns.cell(i, band.top, band.bottom);
        out.headerCells.push_back(cell);
        drawCellBox(c, pal, cell);
        if (static_cast<size_t>(i) < labels.size()) c.text(labels[i], cellLabelBox(cell, in.dpi), pal[shell::kRoleText]);
    }
    const int sortItem = in.listing->sortItem();
    if (sortItem < 0 || sortItem >= pass.columns.count()) return;
    const SortMark mark = sortMarkFor(out.headerCells[static_cast<size_t>(sortItem)], in.listing->sortDescending(), in.dpi);
    c.frame(mark.frame, shell::averageColour(pal[shell::kRoleText], pal[shell::kRoleBackground]));
    c.fill(mark.mark, pal[shell::kRoleText]);
}

void paintStatusLine(PaintPass& pass, ListPaintOutput& out) {
    const ListPaintInput& in = pass.in;
    PaintCanvas& c = pass.canvas;
    c.useFont(in.fonts.bar);
    out.statusCells = statusCells(in.metrics.status, c.textWidth(L"%"), c.textWidth(L" "));
    StatusValues values = in.status;
    values.listingComplete = values.listingComplete && in.listing->isComplete();
    const auto texts = statusLineTexts(values, in.settings.language);
    for (size_t i = 0; i < out.statusCells.size(); ++i) {
        drawCellBox(c, pass.palette, out.statusCells[i]);
        if (i >= texts.size()) continue;
        const TextBox box = cellLabelBox(out.statusCells[i], in.dpi);
        std::wstring_view shown = texts[i];
        // A narrow cell drops its label ("TotalFile(Size): ") before the
        // value is cut; what is still too long ends in an ellipsis.
        if (c.textWidth(shown) > box.rect.width()) shown = statusValueOnly(shown);
        c.text(shown, box, pass.palette[shell::kRoleText]);
    }
}

void paintProgress(PaintCanvas& c, const shell::ThemePalette& pal, const PixelRect& bar, long long done,
                   long long total) {
    const Colour fill = pal[shell::kRoleLoadProgress];
    const Colour back = pal[shell::kRoleBackground];
    c.fill(bar, shell::averageColour(back, shell::averageColour(back, fill)));
    c.fill(progressFill(bar, done, total), fill);
}

void paintSelectionMap(PaintPass& pass, int paneHeight) {
    const ListPaintInput& in = pass.in;
    const ListingSource& listing = *in.listing;
    const int count = listing.count();
    std::vector<int> selected;
    for (int i = 0; i < count; ++i) {
        if (listing.entryAt(i).selected) selected.push_back(i);
    }
    if (selected.empty()) return;
    const PixelRect strip = selectionMapStrip(in.metrics.rows.right, paneHeight, in.dpi);
    for (const PixelRect& run : selectionMapRuns(strip, selected, count, in.dpi)) {
        pass.canvas.fill(run, pass.palette[shell::kRoleMapSelection]);
    }
    const int cursor = in.cursor.cursorIndex();
    if (cursor >= 0 && cursor < count) {
        pass.canvas.fill(selectionMapMark(strip, cursor, count, in.dpi), pass.palette[shell::kRoleMapCursor]);
    }
}

void paintRubberBand(PaintPass& pass, const PixelRect& band) {
    const int two = scalePx(2, pass.in.dpi);
    if (band.width() < two || band.height() < two) return;
    const Colour colour = pass.palette[shell::kRoleRubberBand];
    pass.canvas.blend(band, colour, 15);
    RECT edge = toRect(band);
    DrawEdge(pass.canvas.dc(), &edge, BDR_RAISEDINNER, BF_RECT);
    for (const PixelRect& arm : bandCornerMarks(band, pass.in.dpi)) pass.canvas.fill(arm, colour);
}

void paintToolTipBox(PaintPass& pass, ListPaintOutput& out) {
    const ListPaintInput& in = pass.in;
    if (!in.settings.toolTip || out.toolTipText.empty()) return;
    const shell::ThemePalette& pal = pass.palette;
    PaintCanvas& c = pass.canvas;
    c.useFont(in.fonts.list);
    const int width = out.toolTipRect.width() - scalePx(12, in.dpi);
    const SIZE block = c.wrappedExtent(out.toolTipText, width);
    const PixelRect box = toolTipBox(out.toolTipRect, block.cx, block.cy, out.toolTipAbove, in.dpi);
    out.toolTipBox = box;
    const Colour back = pal[shell::kRoleBackground];
    c.frame(inflate(box, 2), back);
    c.frame(inflate(box, 1), back);
    c.frame(box, pal[shell::kRoleToolTipFill]);
    platform::drawBox(c.dc(), toRect(inflate(box, -1)), 1, pal[shell::kRoleToolTipFill].value,
                      pal[shell::kRoleToolTipFill].value, pal[shell::kRoleToolTipText].value, 1);
    c.wrappedText(out.toolTipText, inflate(box, -scalePx(12, in.dpi)), pal[shell::kRoleToolTipText]);
}

}  // namespace

bool paintLoadProgress(HDC dc, int paneWidth, int paneHeight, const shell::ThemePalette& palette, int filled,
                       int enumerated, int dpi) {
    if (dc == nullptr || filled < kLoadProgressMinEntries) return false;
    PaintCanvas c(dc);
    paintProgress(c, palette, progressBar(paneWidth, paneHeight, dpi), filled, enumerated);
    return true;
}

void storeNameTruncated(EntrySequence& entries, const ListPaintOutput& out) {
    if (out.nameTruncatedIndex < 0 || out.nameTruncatedIndex >= entries.count()) return;
    entries.entryAt(out.nameTruncatedIndex).nameTruncated = out.nameTruncated ? 1 : 0;
}

void paintListPane(platform::BackBuffer& buffer, const ListPaintInput& in, ListPaintOutput& out) {
    out = ListPaintOutput{};
    if (!buffer.valid() || in.listing == nullptr || in.palette == nullptr) return;
    paintBackground(buffer, in);

    PaintCanvas canvas(buffer.dc());
    canvas.useFont(in.fonts.list);
    PaintPass pass{in, *in.palette, canvas, {}, {}};
    pass.columns = layoutColumns(in.view == shell::ListView::MultiColumn, in.metrics.rows.left,
                                 in.metrics.rows.right, [&](std::wstring_view s) { return canvas.textWidth(s); });
    pass.cells.view = in.view;
    pass.cells.language = in.settings.language;
    pass.cells.timestampFormat = in.settings.timestampFormat;
    pass.cells.subfolderMode = in.subfolderMode;
    pass.cells.currentFolder = in.currentFolder;
    pass.cells.parentTargetAttributes = in.parentTargetAttributes;
    out.columns = pass.columns;

    paintHeader(pass, out);
    paintStatusLine(pass, out);
    const bool complete = in.listing->isComplete();
    if (complete) paintRows(pass, out);

    // Overlays.
    const int width = buffer.width();
    const int height = buffer.height();
    if (!complete && in.listing->filledCount() >= kLoadProgressMinEntries) {
        paintProgress(canvas, pass.palette, progressBar(width, height, in.dpi), in.listing->filledCount(),
                      in.listing->enumeratedCount());
        out.loadProgressShown = true;
    }
    if (in.operation && in.operation->total > 0) {
        paintProgress(canvas, pass.palette, progressBar(width, height, in.dpi), in.operation->done,
                      in.operation->total);
    }
    if (complete) paintSelectionMap(pass, height);
    if (in.band) paintRubberBand(pass, *in.band);
    paintToolTipBox(pass, out);
}

}  // namespace tarvelo::filelist::win
