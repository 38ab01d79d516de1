// The rows of the list: colours by entry group, stripes, the cursor row's
// gradient, selection marks, cell texts, hit marks, grid lines and icons.
#include <string_view>

#include "filelist/folder_listing.h"
#include "filelist/row_layout.h"
#include "filelist/win/list_paint_parts.h"
#include "filelist/win/shell_icon_cache.h"
#include "shell/dpi_scale.h"
#include "shell/entry_colours.h"

namespace tarvelo::filelist::win {

namespace {

using shell::Colour;
using shell::ListView;

shell::EntryKind entryKindOf(EntryClass cls) {
    switch (cls) {
    case EntryClass::Parent: return shell::EntryKind::Parent;
    case EntryClass::Folder: return shell::EntryKind::Folder;
    default: return shell::EntryKind::File;
    }
}

const std::wstring& cellText(const CellTexts& cells, ColumnRole role) {
    static const std::wstring kNone;
    switch (role) {
    case ColumnRole::Name: return cells.name;
    case ColumnRole::Extension: return cells.extension;
    case ColumnRole::Size: return cells.size;
    case ColumnRole::Created: return cells.created;
    case ColumnRole::Modified: return cells.modified;
    case ColumnRole::Accessed: return cells.accessed;
    case ColumnRole::Attribute: return cells.attribute;
    default: return kNone;
    }
}

struct Row {
    int index = 0;
    int row = 0;
    bool cursor = false;
    const FileEntry* entry = nullptr;
    EntryClass cls = EntryClass::File;
    bool longPath = false;
    shell::ColourPair colours;
    RowFrame frame;
    CellTexts cells;
};

class RowPainter {
public:
    RowPainter(PaintPass& pass, ListPaintOutput& out) : p_(pass), in_(pass.in), pal_(pass.palette), c_(pass.canvas), out_(out) {}

    void paint(Row& row) {
        background(row);
        selectionMark(row);
        const bool truncated = texts(row);
        toolTipState(row, truncated);
        gridLine(row);
        icon(row);
    }

private:
    int dpi() const { return in_.dpi; }
    int rowHeight() const { return in_.metrics.rowHeight; }
    bool multi() const { return in_.view == ListView::MultiColumn; }
    int columnsRight() const {
        const ColumnLayout& cols = p_.columns;
        return cols.count() == 0 ? in_.metrics.rows.right : cols.left.back() + cols.width.back();
    }

    void background(const Row& row) {
        if (in_.settings.stripeRow && row.row % 2 == 1) {
            const shell::BlendedColour stripe = shell::stripeFill(pal_);
            c_.blend(row.frame.band, stripe.colour, stripe.alpha);
        }
        if (row.cursor) {
            const shell::Gradient g = shell::cursorRowGradient(pal_, row.colours.fill, in_.appActive);
            const PixelRect band = row.frame.band;
            const int left = p_.columns.count() > 0 ? p_.columns.left[0] : band.left;
            c_.gradient({left, band.top, columnsRight(), band.bottom}, g.from, g.to, true);
        }
    }

    void selectionMark(const Row& row) {
        // The parent entry never shows a mark, whatever its flags say.
        if (row.cls == EntryClass::Parent || p_.columns.count() == 0) return;
        const FileEntry& e = *row.entry;
        if (!e.selected && !e.inBand) return;
        const MarkRects m = markRects(p_.columns.cell(0, row.frame.cellsTop, row.frame.cellsBottom), dpi());
        const Colour fore = row.colours.text;
        if (e.inBand) {
            if (e.selected) c_.fill(m.frameInside, shell::averageColour(fore, row.colours.fill));
            c_.frame(m.frame, fore);
            return;
        }
        c_.fill(m.square, fore);
        c_.frame(m.frame, fore);
    }

    // The colour of "< Folder >": the folder group's, or the parent group's
    // for the parent entry.
    Colour sizeColour(const Row& row) const {
        if (row.cls == EntryClass::File) return row.colours.text;
        const auto group = row.cls == EntryClass::Parent ? shell::EntryGroup::Parent : shell::EntryGroup::Folder;
        return shell::rowColours(pal_, group, row.cursor, row.longPath).text;
    }

    // Returns whether the name had to be cut.
    bool texts(const Row& row) {
        const TextBox nameBox = nameTextBox(row.frame.nameArea, rowHeight(), in_.settings.drawIcon, dpi());
        bool truncated = false;
        if (multi()) {
            c_.useFont(in_.fonts.list);
        } else {
            c_.useFont(in_.fonts.large != nullptr ? in_.fonts.large : in_.fonts.list);
        }
        if (wrapsNames(in_.view, rowHeight(), in_.fonts.listHeight)) {
            const PixelRect box = wrapBox(nameBox.rect, dpi());
            const SIZE block = c_.wrappedExtent(row.cells.name, box.width());
            c_.wrappedText(row.cells.name, placeWrapped(box, block.cy), row.colours.text);
            truncated = block.cx > box.width() || block.cy > box.height();
        } else {
            truncated = c_.text(row.cells.name, nameBox, row.colours.text);
            hits(row, row.cells.name, nameBox, truncated);
        }
        c_.useFont(in_.fonts.list);
        for (int col = 2; col < p_.columns.count(); ++col) {
            const ColumnRole role = columnRole(in_.view, col);
            const std::wstring& text = cellText(row.cells, role);
            if (text.empty()) continue;
            const PixelRect cell = p_.columns.cell(col, row.frame.cellsTop, row.frame.cellsBottom);
            const bool fileSize = role == ColumnRole::Size && row.cls == EntryClass::File;
            const TextBox box = cellTextBox(role, cell, fileSize, dpi());
            const Colour colour = role == ColumnRole::Size ? sizeColour(row) : row.colours.text;
            const bool cut = c_.text(text, box, colour);
            if (role == ColumnRole::Extension) hits(row, text, box, cut);
        }
        return truncated;
    }

    // Search hits in the hit colour (the row's own on the cursor row), filter
    // hits in the row's colour: the term drawn again over itself and underlined.
    void hits(const Row& row, const std::wstring& text, const TextBox& box, bool cut) {
        if (text.empty() || (in_.searchTerms.empty() && in_.filterTerms.empty())) return;
        const int limit = cut ? box.rect.right - c_.textWidth(L"...") : box.rect.right;
        const int top = c_.lineTop(box.rect);
        const MeasureText measure = [this](std::wstring_view s) { return c_.textWidth(s); };
        auto mark = [&](const std::vector<std::wstring>& terms, Colour colour) {
            for (const std::wstring& raw : terms) {
                const std::wstring term = termText(raw);
                const auto span = hitSpan(text, term, box.rect.left, limit, measure);
                if (!span) continue;
                c_.textAt(term, span->left, top, box.rect, colour);
                const int y = top + c_.lineHeight();
                c_.fill({span->left, y, span->right, y + shell::scalePx(1, dpi())}, colour);
            }
        };
        mark(in_.searchTerms, row.cursor ? row.colours.text : pal_[shell::kRoleSearchHit]);
        mark(in_.filterTerms, row.colours.text);
    }

    void toolTipState(const Row& row, bool truncated) {
        if (!row.cursor) return;
        out_.nameTruncatedIndex = row.index;
        out_.nameTruncated = truncated;
        if (!in_.settings.toolTip) return;
        PixelRect rect = row.frame.nameArea;
        if (in_.settings.drawIcon) rect.left += rowHeight() + shell::scalePx(3, dpi());
        out_.toolTipRect = rect;
        out_.toolTipText.clear();
        if (truncated && in_.pointer && rect.contains(in_.pointer->x, in_.pointer->y)) {
            out_.toolTipText = toolTipText(row.cells, in_.view, in_.settings.language);
            out_.toolTipAbove = toolTipAbove(in_.cursor.cursorRow, in_.metrics.lastRow);
        }
    }

    void gridLine(const Row& row) {
        if (!in_.settings.gridLine || row.cursor) return;
        const shell::BlendedColour line = shell::gridLineColour(pal_);
        const PixelRect band = row.frame.band;
        c_.blend({band.left, band.bottom - shell::scalePx(1, dpi()), band.right, band.bottom}, line.colour,
                 line.alpha);
    }

    void icon(const Row& row) {
        if (!in_.settings.drawIcon || in_.icons == nullptr || row.cls == EntryClass::Parent) return;
        const PixelRect sq = iconSquare(row.frame.nameArea, row.frame.band.top, rowHeight(), dpi());
        in_.icons->draw(c_.dc(), sq.left, sq.top, sq.width(), row.entry->path(), row.cls == EntryClass::Folder);
    }

    PaintPass& p_;
    const ListPaintInput& in_;
    const shell::ThemePalette& pal_;
    PaintCanvas& c_;
    ListPaintOutput& out_;
};

}  // namespace

void paintRows(PaintPass& pass, ListPaintOutput& out) {
    const ListPaintInput& in = pass.in;
    const ListingSource& listing = *in.listing;
    const int count = listing.count();
    RowPainter painter(pass, out);
    for (int r = 0; r <= in.metrics.lastRow; ++r) {
        const int index = in.cursor.topIndex + r;
        if (index < 0 || index >= count || !rowFits(in.metrics, r)) break;
        Row row;
        row.index = index;
        row.row = r;
        row.cursor = r == in.cursor.cursorRow;
        row.entry = &listing.entryAt(index);
        row.cls = classifyEntry(*row.entry, in.subfolderMode);
        row.longPath = isLongPath(row.entry->path());
        const uint32_t attributes =
            row.cls == EntryClass::Parent ? in.parentTargetAttributes : row.entry->attributes;
        const shell::EntryGroup group = shell::entryGroup(attributes, entryKindOf(row.cls));
        row.colours = shell::rowColours(pass.palette, group, row.cursor, row.longPath);
        row.frame = rowFrame(in.metrics, pass.columns, in.view, r);
        row.cells = cellTexts(*row.entry, pass.cells);
        painter.paint(row);
        ++out.rowsDrawn;
    }
}

}  // namespace tarvelo::filelist::win
