#include "filelist/win/list_accessible.h"

#include "filelist/accessible_texts.h"
#include <algorithm>

#include "filelist/list_cursor.h"

namespace tarvelo::filelist::win {

bool ListAccessible::attach(HWND list, UiLanguage language) {
    language_ = language;
    return paneObject_.attach(list, *this);
}

std::wstring ListAccessible::paneName() const { return accessibleListName(listing_.currentFolder, language_); }

int ListAccessible::itemCount() const {
    if (!listing_.isComplete()) return 0;
    const int count = listing_.count();
    const ListCursor& c = pane_.cursor;
    if (c.topIndex < 0 || c.topIndex >= count) return 0;
    return std::min(c.lastRow + 1, count - c.topIndex);
}

AccessibleItem ListAccessible::item(int index) const {
    AccessibleItem it;
    if (index < 0 || index >= itemCount()) return it;
    const ListCursor& c = pane_.cursor;
    const FileEntry& entry = listing_.entryAt(c.topIndex + index);
    CellContext context;
    context.language = language_;
    context.subfolderMode = listing_.subfolderMode;
    context.currentFolder = listing_.currentFolder;
    it.name = accessibleRowName(entry, context);
    it.role = ROLE_SYSTEM_LISTITEM;
    it.state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_MULTISELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (entry.selected) it.state |= STATE_SYSTEM_SELECTED;
    if (index == c.cursorRow && GetFocus() == paneObject_.hwnd()) it.state |= STATE_SYSTEM_FOCUSED;
    const shell::ListMetrics& m = pane_.metrics;
    it.bounds = RECT{m.rows.left, m.rows.top + index * m.rowHeight, m.rows.right,
                     m.rows.top + (index + 1) * m.rowHeight};
    return it;
}

int ListAccessible::focusedItem() const {
    const int row = pane_.cursor.cursorRow;
    return row >= 0 && row < itemCount() ? row : -1;
}

ListAccessSnapshot ListAccessible::snapshot() const {
    ListAccessSnapshot s;
    s.complete = listing_.isComplete();
    s.folder = listing_.currentFolder;
    s.topIndex = pane_.cursor.topIndex;
    s.rowCount = itemCount();
    s.cursorRow = focusedItem();
    s.hasFocus = paneObject_.hwnd() != nullptr && GetFocus() == paneObject_.hwnd();
    s.selected.resize(static_cast<size_t>(s.rowCount));
    for (int r = 0; r < s.rowCount; ++r) s.selected[r] = listing_.entryAt(s.topIndex + r).selected;
    return s;
}

void ListAccessible::afterPaint() {
    if (!paneObject_.hwnd()) return;
    ListAccessSnapshot now = snapshot();
    if (now == last_) return;
    for (const ListAccessEvent& e : listAccessEvents(last_, now)) {
        switch (e.kind) {
        case ListAccessEventKind::Reorder: paneObject_.notify(EVENT_OBJECT_REORDER, CHILDID_SELF); break;
        case ListAccessEventKind::Focus: paneObject_.notify(EVENT_OBJECT_FOCUS, e.child); break;
        case ListAccessEventKind::SelectionAdd: paneObject_.notify(EVENT_OBJECT_SELECTIONADD, e.child); break;
        case ListAccessEventKind::SelectionRemove: paneObject_.notify(EVENT_OBJECT_SELECTIONREMOVE, e.child); break;
        case ListAccessEventKind::SelectionWithin: paneObject_.notify(EVENT_OBJECT_SELECTIONWITHIN, CHILDID_SELF); break;
        }
    }
    last_ = std::move(now);
}

}  // namespace tarvelo::filelist::win
