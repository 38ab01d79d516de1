#pragma once
// The list's cursor and the keyboard/mouse rules that move it and toggle
// selection marks. No window here: the list pane calls these after its own
// guards (idle, complete listing) have passed.
#include "filelist/entry_sequence.h"

namespace tarvelo::filelist {

struct ListCursor {
    int topIndex = 0;   // display index of the first visible row
    int cursorRow = 0;  // row of the page holding the cursor
    int lastRow = 0;    // index of the last row of a page

    int cursorIndex() const { return topIndex + cursorRow; }
};

// The cursor entry exists (0 <= cursorIndex < count).
bool hasCursorEntry(const ListCursor& c, int count);

// Pulls an out-of-range cursor (after a resize or a shorter reload) back
// onto the list: topIndex in 0..count-1, cursorRow in 0..lastRow, and the
// cursor entry at most the last entry. Leaves a valid cursor alone.
void clampCursor(ListCursor& c, int count);

// Toggles `selected` unless the entry is the parent entry (kind < 0), which
// keys and clicks never select. Returns whether it toggled.
bool toggleUnlessParent(FileEntry& e);

// One row down / up (the list's single-row rules). Returns whether the
// cursor entry changed. Nothing happens on an empty list.
bool moveDown(ListCursor& c, int count);
bool moveUp(ListCursor& c, int count);

// Up to `steps` single-row moves. With `toggle`, Down toggles each entry it
// leaves and Up each entry it reaches (parent entry skipped); a step that
// cannot move ends the run and toggles nothing. Returns the steps taken.
int stepDown(ListCursor& c, EntrySequence& seq, int steps, bool toggle);
int stepUp(ListCursor& c, EntrySequence& seq, int steps, bool toggle);

// Keys. `toggle` is Shift held.
void keyDown(ListCursor& c, EntrySequence& seq, bool toggle);
void keyUp(ListCursor& c, EntrySequence& seq, bool toggle);
void keyPageDown(ListCursor& c, EntrySequence& seq, bool toggle);   // lastRow steps
void keyPageUp(ListCursor& c, EntrySequence& seq, bool toggle);
void keyRight(ListCursor& c, EntrySequence& seq, bool toggle);      // lastRow / 2 steps
void keyLeft(ListCursor& c, EntrySequence& seq, bool toggle);
void keyHome(ListCursor& c, EntrySequence& seq, bool toggle);
void keyEnd(ListCursor& c, EntrySequence& seq, bool toggle);
// Space: toggle the cursor entry (not the parent entry), then one row down.
void keySpace(ListCursor& c, EntrySequence& seq);

// Wheel without modifiers: half a page ((lastRow + 1) / 2 rows), one row at
// a time; nothing when fewer than two rows fit.
void wheelDown(ListCursor& c, int count);
void wheelUp(ListCursor& c, int count);

// Row under a pane y coordinate: the page row whose band of `rowHeight`
// pixels starting at rowAreaTop + r * rowHeight holds y, when an entry is
// listed there; -1 otherwise.
int rowAtY(int y, int rowAreaTop, int rowHeight, const ListCursor& c, int count);

// Left press on page row `row`: the row becomes the cursor row. Shift
// toggles every entry from the old cursor entry to the new one, both
// included; Ctrl (without Shift) toggles the clicked entry. Returns false
// (nothing changed) when no entry is listed on that row.
bool clickRow(ListCursor& c, EntrySequence& seq, int row, bool shift, bool ctrl);

// Right press on page row `row`: the row becomes the cursor row; Ctrl
// toggles it. Returns false when no entry is listed on that row.
bool rightPressRow(ListCursor& c, EntrySequence& seq, int row, bool ctrl);

// Double click on a row (after it became the cursor row).
enum class DoubleClickAction {
    PostOpen,   // Ctrl: command Open
    PostEdit,   // Shift: command Edit
    OpenEntry,  // as Enter, but a file toggles its selection instead of a preview
};
DoubleClickAction doubleClickAction(bool ctrl, bool shift);

// What opening the cursor entry (Enter, double click) leads to, once the
// window has tried to make the entry's path the current directory.
enum class OpenOutcome {
    PostParentFolder,  // the parent entry was entered: command Parent Folder
    EnterFolder,       // navigate into the entry's path
    AccessDenied,      // a folder that cannot be entered: the "Access denied." message
    Preview,           // Enter on a file: preview it
    ToggleSelection,   // double click on a file: toggle its selection
};
OpenOutcome decideOpen(const FileEntry& e, bool becameCurrentDirectory, bool subfolderMode,
                       bool doubleClick);

}  // namespace tarvelo::filelist
