#pragma once
// A batch rename that never destroys a file. Before anything moves, every
// new name is checked against the items that exist and against the names
// given earlier in the same run; an item whose new name is taken keeps its
// name and is reported. Items that trade names (a->b, b->a, rotations) and
// renames that change only letter case go through a free temporary name, so
// every move is onto a free name and no move ever replaces anything.
#include <functional>
#include <string>
#include <vector>

namespace tarvelo::fileops {

// The disk as the planner sees it. move never replaces an existing item.
class RenameDisk {
public:
    virtual ~RenameDisk() = default;
    virtual bool exists(const std::wstring& path) = 0;
    virtual bool move(const std::wstring& from, const std::wstring& to) = 0;
    // Two paths with equal keys name the same item (the file system ignores
    // letter case).
    virtual std::wstring key(const std::wstring& path) const = 0;
};

struct RenameRequest {
    std::wstring source;   // full path
    std::wstring newName;  // name only, as the rule computed it
};

enum class RenameState {
    Move,         // planned: gets its new name
    Unchanged,    // the new name is the current name exactly
    InvalidName,  // empty, "." / "..", or a character no name may hold
    Collision,    // another item has or gets that name
    Renamed,      // done
    Failed,       // the platform refused; the item kept its name
};

struct RenameItem {
    std::wstring source;
    std::wstring target;   // folder of source + new name
    RenameState state = RenameState::Move;
    bool viaTemporary = false;  // case-only or onto a name another item leaves
    std::wstring path;          // where the item is after the run
};

struct RenamePlan {
    std::vector<RenameItem> items;  // in request order
    int collisions() const;
    int moves() const;
};

// Plans without moving anything (the dialogs' preview uses it too).
RenamePlan planRenames(const std::vector<RenameRequest>& requests, RenameDisk& disk);

// Runs a plan: first the items that need a temporary name move to it, then
// the direct renames, then the temporary names to their targets. An item
// whose final move fails goes back to its old name. beforeItem(index) is
// called before each item's first move (progress, one window message).
void runRenamePlan(RenamePlan& plan, RenameDisk& disk, const std::function<void(size_t)>& beforeItem = {});

// The folder part of a path, up to and including its last separator.
std::wstring folderOf(const std::wstring& path);

}  // namespace tarvelo::fileops
