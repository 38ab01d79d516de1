#include "filelist/list_cursor.h"

#include <algorithm>

#include "filelist/view_restore.h"

namespace tarvelo::filelist {

bool hasCursorEntry(const ListCursor& c, int count) {
    const int i = c.cursorIndex();
    return i >= 0 && i < count;
}

void clampCursor(ListCursor& c, int count) {
    c.lastRow = std::max(c.lastRow, 0);
    if (count <= 0) {
        c.topIndex = 0;
        c.cursorRow = 0;
        return;
    }
    const int last = count - 1;
    c.topIndex = std::clamp(c.topIndex, 0, last);
    c.cursorRow = std::clamp(c.cursorRow, 0, c.lastRow);
    if (c.topIndex + c.cursorRow > last) c.cursorRow = last - c.topIndex;
}

bool toggleUnlessParent(FileEntry& e) {
    if (e.kind < 0) return false;
    e.selected ^= 1;
    return true;
}

bool moveDown(ListCursor& c, int count) {
    if (count <= 0) return false;
    clampCursor(c, count);
    const int before = c.cursorIndex();
    const int last = count - 1;
    if (c.topIndex > 0) {
        int row = c.cursorRow + 1;
        if (row > c.lastRow) {
            row = c.lastRow;
            c.topIndex = std::min({c.topIndex + 1, last, count - c.lastRow - 1});
        }
        c.cursorRow = row;
    } else {
        int row = std::min(c.cursorRow + 1, last);
        if (row > c.lastRow) {
            row = c.lastRow;
            c.topIndex = last <= 1 ? last : 1;
        }
        c.cursorRow = row;
    }
    // A page that is not full (window grown since the last move) must not
    // carry the cursor past the last entry.
    clampCursor(c, count);
    return c.cursorIndex() != before;
}

bool moveUp(ListCursor& c, int count) {
    if (count <= 0) return false;
    clampCursor(c, count);
    const int before = c.cursorIndex();
    if (c.topIndex > 0) {
        if (c.cursorRow > 0)
            --c.cursorRow;
        else
            --c.topIndex;
    } else {
        c.cursorRow = std::max(c.cursorRow - 1, 0);
    }
    return c.cursorIndex() != before;
}

int stepDown(ListCursor& c, EntrySequence& seq, int steps, bool toggle) {
    const int count = seq.count();
    int taken = 0;
    for (; taken < steps; ++taken) {
        clampCursor(c, count);
        const int leaving = c.cursorIndex();
        if (!moveDown(c, count)) break;
        if (toggle) toggleUnlessParent(seq.entryAt(leaving));
    }
    return taken;
}

int stepUp(ListCursor& c, EntrySequence& seq, int steps, bool toggle) {
    const int count = seq.count();
    int taken = 0;
    for (; taken < steps; ++taken) {
        if (!moveUp(c, count)) break;
        if (toggle) toggleUnlessParent(seq.entryAt(c.cursorIndex()));
    }
    return taken;
}

namespace {

// A page of one or two rows still pages by one row rather than not at all.
int pageSteps(const ListCursor& c) { return std::max(c.lastRow, 1); }
int halfPageSteps(const ListCursor& c) { return std::max(c.lastRow / 2, 1); }

}  // namespace

void keyDown(ListCursor& c, EntrySequence& seq, bool toggle) { stepDown(c, seq, 1, toggle); }
void keyUp(ListCursor& c, EntrySequence& seq, bool toggle) { stepUp(c, seq, 1, toggle); }

void keyPageDown(ListCursor& c, EntrySequence& seq, bool toggle) {
    stepDown(c, seq, pageSteps(c), toggle);
}
void keyPageUp(ListCursor& c, EntrySequence& seq, bool toggle) {
    stepUp(c, seq, pageSteps(c), toggle);
}
void keyRight(ListCursor& c, EntrySequence& seq, bool toggle) {
    stepDown(c, seq, halfPageSteps(c), toggle);
}
void keyLeft(ListCursor& c, EntrySequence& seq, bool toggle) {
    stepUp(c, seq, halfPageSteps(c), toggle);
}

void keyHome(ListCursor& c, EntrySequence& seq, bool toggle) {
    const int count = seq.count();
    if (count <= 0) return;
    clampCursor(c, count);
    if (toggle) {
        for (int i = c.cursorIndex(); i >= 0; --i) toggleUnlessParent(seq.entryAt(i));
    }
    c.topIndex = 0;
    c.cursorRow = 0;
}

void keyEnd(ListCursor& c, EntrySequence& seq, bool toggle) {
    const int count = seq.count();
    if (count <= 0) return;
    clampCursor(c, count);
    if (toggle) {
        for (int i = c.cursorIndex(); i < count; ++i) toggleUnlessParent(seq.entryAt(i));
    }
    while (moveDown(c, count)) {
    }
}

void keySpace(ListCursor& c, EntrySequence& seq) {
    const int count = seq.count();
    if (count <= 0) return;
    clampCursor(c, count);
    toggleUnlessParent(seq.entryAt(c.cursorIndex()));
    moveDown(c, count);
}

void wheelDown(ListCursor& c, int count) {
    const int rows = std::max(c.lastRow, 0) + 1;
    if (rows < 2) return;
    for (int i = 0; i < rows / 2; ++i)
        if (!moveDown(c, count)) break;
}

void wheelUp(ListCursor& c, int count) {
    const int rows = std::max(c.lastRow, 0) + 1;
    if (rows < 2) return;
    for (int i = 0; i < rows / 2; ++i)
        if (!moveUp(c, count)) break;
}

int rowAtY(int y, int rowAreaTop, int rowHeight, const ListCursor& c, int count) {
    if (rowHeight <= 0 || y < rowAreaTop) return -1;
    const int row = (y - rowAreaTop) / rowHeight;
    if (row > c.lastRow) return -1;
    if (c.topIndex < 0 || c.topIndex + row >= count) return -1;
    return row;
}

namespace {

bool rowHoldsEntry(const ListCursor& c, int row, int count) {
    return row >= 0 && row <= c.lastRow && c.topIndex + row < count;
}

}  // namespace

bool clickRow(ListCursor& c, EntrySequence& seq, int row, bool shift, bool ctrl) {
    const int count = seq.count();
    if (count <= 0) return false;
    clampCursor(c, count);
    if (!rowHoldsEntry(c, row, count)) return false;
    const int from = c.cursorIndex();
    c.cursorRow = row;
    const int to = c.cursorIndex();
    if (shift) {
        for (int i = std::min(from, to); i <= std::max(from, to); ++i)
            toggleUnlessParent(seq.entryAt(i));
    } else if (ctrl) {
        toggleUnlessParent(seq.entryAt(to));
    }
    return true;
}

bool rightPressRow(ListCursor& c, EntrySequence& seq, int row, bool ctrl) {
    const int count = seq.count();
    if (count <= 0) return false;
    clampCursor(c, count);
    if (!rowHoldsEntry(c, row, count)) return false;
    c.cursorRow = row;
    if (ctrl) toggleUnlessParent(seq.entryAt(c.cursorIndex()));
    return true;
}

DoubleClickAction doubleClickAction(bool ctrl, bool shift) {
    if (ctrl) return DoubleClickAction::PostOpen;
    if (shift) return DoubleClickAction::PostEdit;
    return DoubleClickAction::OpenEntry;
}

OpenOutcome decideOpen(const FileEntry& e, bool becameCurrentDirectory, bool subfolderMode,
                       bool doubleClick) {
    if (becameCurrentDirectory)
        return hasParentStep(e.path()) ? OpenOutcome::PostParentFolder : OpenOutcome::EnterFolder;
    // Shown as a folder: folders carry size 0 and a non-zero kind.
    if (!subfolderMode && e.size == 0 && e.kind != kKindFile) return OpenOutcome::AccessDenied;
    return doubleClick ? OpenOutcome::ToggleSelection : OpenOutcome::Preview;
}

}  // namespace tarvelo::filelist
