#include "shell/command_table.h"

#include <utility>

namespace tarvelo::shell {

bool CommandTable::add(int first, int last, Handler handler) {
    if (first > last || !handler) return false;
    for (const Row& row : rows_) {
        if (first <= row.last && row.first <= last) return false;
    }
    rows_.push_back(Row{first, last, std::move(handler)});
    return true;
}

const CommandTable::Row* CommandTable::find(int id) const {
    for (const Row& row : rows_) {
        if (id >= row.first && id <= row.last) return &row;
    }
    return nullptr;
}

bool CommandTable::owns(int id) const { return find(id) != nullptr; }

bool CommandTable::dispatch(int id) const {
    const Row* row = find(id);
    if (!row) return false;
    // A copy: the handler may add rows (a subsystem started late) while it runs.
    Handler handler = row->handler;
    handler(id);
    return true;
}

}  // namespace tarvelo::shell
