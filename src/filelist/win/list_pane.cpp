#include "filelist/win/list_pane.h"

#include "filelist/sort_rules.h"
#include "filelist/view_restore.h"
#include "shell/dpi_scale.h"

namespace tarvelo::filelist::win {

namespace {

RowArea rowAreaOf(const shell::ListMetrics& m) {
    return RowArea{m.rows.left, m.rows.right, m.rows.top, m.rowHeight};
}

}  // namespace

void ListPane::layout(int width, int height, shell::ListView view, int lineHeight, int fontSize, int newDpi) {
    dpi = newDpi;
    metrics = shell::listMetrics(width, height, view, lineHeight, fontSize, dpi);
    cursor.lastRow = metrics.lastRow;
    if (width > 0 && height > 0) buffer.resize(width, height);
}

int ListPane::rowAt(POINT pt, int count) const {
    if (!metrics.rows.contains(pt.x, pt.y) || metrics.rowHeight <= 0) return -1;
    int row = (pt.y - metrics.rows.top) / metrics.rowHeight;
    if (row > cursor.lastRow || cursor.topIndex + row >= count) return -1;
    return row;
}

bool ListPane::inHeader(POINT pt) const { return metrics.header.contains(pt.x, pt.y); }

void ListPane::beforePaint(FolderListing& listing, shell::ListView view) {
    if (headerClickPending) {
        int column = -1;
        for (size_t i = 0; i < headerCells.size(); ++i) {
            if (headerCells[i].contains(headerClickPoint.x, headerClickPoint.y)) column = static_cast<int>(i);
        }
        headerClickPending = false;
        if (column >= 0) applyHeaderClick(listing, column, view);
    }
    if (!listing.isComplete()) return;
    cursor.lastRow = metrics.lastRow;
    restoreView(cursor, pendingTop, pendingRow, listing.focusPath, listing);
    clampCursor(cursor, listing.count());
    // The parent entry is never selected nor inside a band.
    for (int i = 0; i < listing.count(); ++i) {
        FileEntry& e = listing.entryAt(i);
        if (hasParentStep(e.path())) {
            e.selected = 0;
            e.inBand = 0;
            break;
        }
    }
}

InputResult ListPane::applyKey(const KeyBinding& b, FolderListing& listing, shell::ListView view) {
    InputResult r;
    r.consumed = true;
    const bool toggle = b.toggles;
    switch (b.action) {
    case KeyAction::MoveDown: keyDown(cursor, listing, toggle); r.repaint = true; break;
    case KeyAction::MoveUp: keyUp(cursor, listing, toggle); r.repaint = true; break;
    case KeyAction::PageDown: keyPageDown(cursor, listing, toggle); r.repaint = true; break;
    case KeyAction::PageUp: keyPageUp(cursor, listing, toggle); r.repaint = true; break;
    case KeyAction::HalfPageDown: keyRight(cursor, listing, toggle); r.repaint = true; break;
    case KeyAction::HalfPageUp: keyLeft(cursor, listing, toggle); r.repaint = true; break;
    case KeyAction::Home: keyHome(cursor, listing, toggle); r.repaint = true; break;
    case KeyAction::End: keyEnd(cursor, listing, toggle); r.repaint = true; break;
    case KeyAction::ToggleAndDown: keySpace(cursor, listing); r.repaint = true; break;
    case KeyAction::SortNext:
    case KeyAction::SortPrev: {
        // The click recorded on the new column is applied right away: the
        // key is handled only on a complete listing.
        const int column = sortColumnKey(listing, view, b.action == KeyAction::SortPrev);
        headerClickPending = false;
        applyHeaderClick(listing, column, view);
        r.repaint = true;
        break;
    }
    case KeyAction::SortFlip:
        flipSortDirection(listing, view);
        r.repaint = true;
        break;
    case KeyAction::ArmBand:
        dragState = DragState::ArmedByKey;
        ClipCursor(nullptr);
        break;
    case KeyAction::OpenEntry: r.openEntry = true; break;
    case KeyAction::PostCommand:
    case KeyAction::DigitDrive:
    case KeyAction::ShortcutFolder: r.postCommand = b.command; break;
    case KeyAction::Consume: break;
    default: r.special = b.action; break;
    }
    return r;
}

InputResult ListPane::leftPress(POINT pt, bool shift, bool ctrl, FolderListing& listing, bool idleAndComplete) {
    InputResult r;
    r.consumed = true;
    pointer = pt;
    if (inHeader(pt)) {
        headerClickPending = true;
        headerClickPoint = pt;
        r.repaint = true;
        return r;
    }
    const int row = idleAndComplete ? rowAt(pt, listing.count()) : -1;
    if (row >= 0 && dragState != DragState::ArmedByKey && dragState != DragState::AfterDrag) {
        clickRow(cursor, listing, row, shift, ctrl);
        // A press on the cursor row arms a drag-and-drop.
        dragArmed = true;
        pressPoint = pt;
        dragState = DragState::Idle;
        r.repaint = true;
        return r;
    }
    if (dragState == DragState::ArmedByKey || dragState == DragState::AfterDrag) {
        dragState = DragState::Band;
        band = BandRect{{pt.x, pt.y}, {pt.x, pt.y}};
        bandVisible = true;
    } else {
        dragState = DragState::Pressed;
        band = BandRect{{pt.x, pt.y}, {pt.x, pt.y}};
    }
    return r;
}

void ListPane::updateBandMarks(FolderListing& listing) {
    if (!listing.isComplete()) return;
    markBand(listing, band, rowAreaOf(metrics), cursor, shell::scalePx(kBandMinSide, dpi));
}

InputResult ListPane::pointerMove(POINT pt, FolderListing& listing) {
    InputResult r;
    pointer = pt;
    if (dragArmed && (pt.x != pressPoint.x || pt.y != pressPoint.y)) {
        dragArmed = false;
        r.startDrag = true;
        return r;
    }
    if (dragState == DragState::Pressed) {
        dragState = DragState::Band;
        bandVisible = true;
    }
    if (dragState == DragState::Band) {
        band.current = {pt.x, pt.y};
        updateBandMarks(listing);
        r.repaint = true;
    }
    return r;
}

InputResult ListPane::leftRelease(POINT pt, FolderListing& listing) {
    InputResult r;
    r.consumed = true;
    if (dragState == DragState::Band) {
        band.current = {pt.x, pt.y};
        if (listing.isComplete()) {
            toggleBand(listing, band, rowAreaOf(metrics), cursor, shell::scalePx(kBandMinSide, dpi));
        }
        r.repaint = true;
    }
    bandVisible = false;
    dragState = DragState::Idle;
    dragArmed = false;
    return r;
}

InputResult ListPane::doubleClick(POINT pt, bool shift, bool ctrl, FolderListing& listing, bool idleAndComplete) {
    InputResult r;
    r.consumed = true;
    const int row = idleAndComplete ? rowAt(pt, listing.count()) : -1;
    if (row < 0) return r;
    cursor.cursorRow = row;
    dragArmed = false;
    switch (doubleClickAction(ctrl, shift)) {
    case DoubleClickAction::PostOpen: r.postCommand = 32821; break;
    case DoubleClickAction::PostEdit: r.postCommand = 32822; break;
    case DoubleClickAction::OpenEntry:
        r.openEntry = true;
        r.doubleClick = true;
        break;
    }
    r.repaint = true;
    return r;
}

InputResult ListPane::rightPress(POINT pt, bool ctrl, FolderListing& listing, bool idleAndComplete) {
    InputResult r;
    r.consumed = true;
    cancelBandAndDrag(listing);
    const int row = idleAndComplete ? rowAt(pt, listing.count()) : -1;
    if (row >= 0) {
        rightPressRow(cursor, listing, row, ctrl);
        r.contextMenuRow = true;
    }
    r.repaint = true;
    return r;
}

InputResult ListPane::middleRelease(POINT pt, FolderListing& listing, bool idleAndComplete) {
    InputResult r;
    r.consumed = true;
    const int row = idleAndComplete ? rowAt(pt, listing.count()) : -1;
    if (row >= 0) {
        cursor.cursorRow = row;
        r.previewEntry = true;
        r.repaint = true;
    }
    return r;
}

void ListPane::cancelBandAndDrag(FolderListing& listing) {
    if (listing.isComplete()) clearBandMarks(listing);
    bandVisible = false;
    dragArmed = false;
    dragState = DragState::ArmedByKey;
    ClipCursor(nullptr);
}

void ListPane::resetInteraction(FolderListing& listing) {
    if (listing.isComplete()) clearBandMarks(listing);
    bandVisible = false;
    dragArmed = false;
    dragState = DragState::Idle;
    ClipCursor(nullptr);
}

}  // namespace tarvelo::filelist::win
