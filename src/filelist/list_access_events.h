#pragma once
// Which accessibility events the list raises after a repaint: comparing what
// a screen reader last saw (the visible rows, their selection, the cursor)
// with what the list shows now. Child n (1-based) is visible row n - 1.
#include <cstdint>
#include <string>
#include <vector>

namespace tarvelo::filelist {

struct ListAccessSnapshot {
    std::wstring folder;
    int topIndex = 0;
    int rowCount = 0;                // visible rows with an entry
    int cursorRow = -1;              // -1 when no cursor entry
    std::vector<uint8_t> selected;   // per visible row
    bool hasFocus = false;           // the list window has the keyboard focus
    bool complete = false;           // the listing is complete (rows exist)
    friend bool operator==(const ListAccessSnapshot&, const ListAccessSnapshot&) = default;
};

enum class ListAccessEventKind : uint8_t {
    Reorder,          // the children stand for other entries now
    Focus,            // child got the keyboard focus
    SelectionAdd,     // child was selected
    SelectionRemove,  // child was unselected
    SelectionWithin,  // several selection changes at once
};

struct ListAccessEvent {
    ListAccessEventKind kind;
    int child = 0;  // 1-based; 0 = the list itself
    friend bool operator==(const ListAccessEvent&, const ListAccessEvent&) = default;
};

// Events in the order they must be raised: reorder first, then selection,
// then focus (a screen reader announces the focused row last, with its
// selected state already current).
std::vector<ListAccessEvent> listAccessEvents(const ListAccessSnapshot& before, const ListAccessSnapshot& after);

}  // namespace tarvelo::filelist
