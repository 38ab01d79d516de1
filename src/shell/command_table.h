#pragma once
// Command ids to their owners. Each subsystem fills the rows of the ids it
// owns when the main window starts; the main window only dispatches. A row
// covers one id or a contiguous range (drives, side-bar folders, candidates).
#include <functional>
#include <vector>

namespace tarvelo::shell {

class CommandTable {
public:
    using Handler = std::function<void(int id)>;

    // Adds the owner of ids first..last. Refused (false) when the range is
    // empty or any of its ids already has an owner: two owners of one id
    // would make the routing depend on registration order.
    bool add(int first, int last, Handler handler);
    bool add(int id, Handler handler) { return add(id, id, std::move(handler)); }

    // Runs the owner of id; false when the id has none.
    bool dispatch(int id) const;
    bool owns(int id) const;

private:
    struct Row {
        int first;
        int last;
        Handler handler;
    };
    const Row* find(int id) const;
    std::vector<Row> rows_;
};

}  // namespace tarvelo::shell
