#include "filelist/list_access_events.h"

namespace tarvelo::filelist {

std::vector<ListAccessEvent> listAccessEvents(const ListAccessSnapshot& before, const ListAccessSnapshot& after) {
    std::vector<ListAccessEvent> events;
    if (!after.complete) return events;  // nothing to read while a load runs
    const bool sameRows = before.complete && before.folder == after.folder && before.topIndex == after.topIndex &&
                          before.rowCount == after.rowCount;
    if (!sameRows) {
        events.push_back({ListAccessEventKind::Reorder, 0});
    } else {
        std::vector<int> changed;
        for (int r = 0; r < after.rowCount; ++r) {
            const bool was = static_cast<size_t>(r) < before.selected.size() && before.selected[r];
            const bool is = static_cast<size_t>(r) < after.selected.size() && after.selected[r];
            if (was != is) changed.push_back(r);
        }
        if (changed.size() == 1) {
            const int r = changed.front();
            const bool is = static_cast<size_t>(r) < after.selected.size() && after.selected[r];
            events.push_back({is ? ListAccessEventKind::SelectionAdd : ListAccessEventKind::SelectionRemove, r + 1});
        } else if (changed.size() > 1) {
            events.push_back({ListAccessEventKind::SelectionWithin, 0});
        }
    }
    const bool cursorMoved = !sameRows || before.cursorRow != after.cursorRow || before.hasFocus != after.hasFocus;
    if (after.hasFocus && after.cursorRow >= 0 && after.cursorRow < after.rowCount && cursorMoved) {
        events.push_back({ListAccessEventKind::Focus, after.cursorRow + 1});
    }
    return events;
}

}  // namespace tarvelo::filelist
