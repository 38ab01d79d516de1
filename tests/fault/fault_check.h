#pragma once
// The judge of the fault suite: compares the content of every file before
// and after one scenario with what its items were asked to do and what they
// reported.
#include <string>
#include <vector>

#include "support/file_tree.h"

namespace tarvelo::fault {

enum class ItemKind { copy, move, remove, recycle };
enum class ItemStatus { done, failed, unknown };  // unknown: never reached (Cancel, interrupt)

struct PlannedItem {
    std::wstring source;  // full path
    std::wstring target;  // full path; empty for deletions
    ItemStatus status = ItemStatus::unknown;
};

struct Verdict {
    int lost = 0;        // content that was there before and is nowhere now
    int corrupted = 0;   // a file whose bytes were never any file's bytes (partial copy, stray temporary)
    int unreported = 0;  // an item reported as done that is not
    int reported = 0;    // failures the item reported
    std::vector<std::wstring> notes;
};

// Snapshot keyed by full path over several roots.
testing::TreeSnapshot snapshotRoots(const std::vector<std::wstring>& roots);

// replaceAllowed: an item reported done may have replaced an existing target.
Verdict judge(const testing::TreeSnapshot& before, const testing::TreeSnapshot& after,
              const testing::TreeSnapshot& trash, const std::vector<PlannedItem>& items, ItemKind kind,
              bool replaceAllowed);

}  // namespace tarvelo::fault
