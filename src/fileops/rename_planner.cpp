#include "fileops/rename_planner.h"

#include <set>

#include "fileops/name_rules.h"

namespace tarvelo::fileops {

std::wstring folderOf(const std::wstring& path) {
    const size_t at = path.find_last_of(L"\\/");
    return at == std::wstring::npos ? std::wstring() : path.substr(0, at + 1);
}

int RenamePlan::collisions() const {
    int n = 0;
    for (const RenameItem& item : items) n += item.state == RenameState::Collision ? 1 : 0;
    return n;
}

int RenamePlan::moves() const {
    int n = 0;
    for (const RenameItem& item : items) n += item.state == RenameState::Move ? 1 : 0;
    return n;
}

namespace {

bool validName(const std::wstring& name) {
    return !name.empty() && name != L"." && name != L".." && !hasInvalidNameChar(name) &&
           name.find(L'\t') == std::wstring::npos;
}

}  // namespace

RenamePlan planRenames(const std::vector<RenameRequest>& requests, RenameDisk& disk) {
    RenamePlan plan;
    plan.items.reserve(requests.size());
    for (const RenameRequest& r : requests) {
        RenameItem item;
        item.source = r.source;
        item.target = folderOf(r.source) + r.newName;
        item.path = r.source;
        if (!validName(r.newName)) item.state = RenameState::InvalidName;
        else if (item.target == item.source) item.state = RenameState::Unchanged;
        plan.items.push_back(std::move(item));
    }
    std::vector<std::wstring> sourceKeys, targetKeys;
    std::vector<int> existsCache(plan.items.size(), -1);
    for (const RenameItem& item : plan.items) {
        sourceKeys.push_back(disk.key(item.source));
        targetKeys.push_back(disk.key(item.target));
    }
    // A collision keeps its item in place, which can take away the name a
    // later item counted on: repeat until nothing changes.
    for (bool changed = true; changed;) {
        changed = false;
        std::set<std::wstring> leaving;
        for (size_t i = 0; i < plan.items.size(); ++i) {
            if (plan.items[i].state == RenameState::Move) leaving.insert(sourceKeys[i]);
        }
        std::set<std::wstring> claimed;
        for (size_t i = 0; i < plan.items.size(); ++i) {
            RenameItem& item = plan.items[i];
            if (item.state != RenameState::Move) continue;
            const std::wstring& k = targetKeys[i];
            bool free = false;
            if (claimed.count(k) != 0) {
                free = false;
            } else if (k == sourceKeys[i] || leaving.count(k) != 0) {
                free = true;
            } else {
                if (existsCache[i] < 0) existsCache[i] = disk.exists(item.target) ? 1 : 0;
                free = existsCache[i] == 0;
            }
            if (free) {
                claimed.insert(k);
                item.viaTemporary = k == sourceKeys[i] || leaving.count(k) != 0;
            } else {
                item.state = RenameState::Collision;
                changed = true;
            }
        }
    }
    return plan;
}

namespace {

std::wstring freeTemporary(const std::wstring& folder, RenameDisk& disk, const std::set<std::wstring>& taken,
                           unsigned& counter) {
    for (;;) {
        std::wstring candidate = folder + L"~tarvelo-rename-" + std::to_wstring(++counter) + L".tmp";
        if (taken.count(disk.key(candidate)) == 0 && !disk.exists(candidate)) return candidate;
    }
}

}  // namespace

void runRenamePlan(RenamePlan& plan, RenameDisk& disk, const std::function<void(size_t)>& beforeItem) {
    std::set<std::wstring> taken;
    for (const RenameItem& item : plan.items) {
        taken.insert(disk.key(item.source));
        taken.insert(disk.key(item.target));
    }
    auto announce = [&](size_t i) {
        if (beforeItem) beforeItem(i);
    };
    unsigned counter = 0;
    std::vector<std::wstring> temporary(plan.items.size());
    for (size_t i = 0; i < plan.items.size(); ++i) {
        RenameItem& item = plan.items[i];
        if (item.state != RenameState::Move || !item.viaTemporary) continue;
        announce(i);
        temporary[i] = freeTemporary(folderOf(item.source), disk, taken, counter);
        taken.insert(disk.key(temporary[i]));
        if (disk.move(item.source, temporary[i])) {
            item.path = temporary[i];
        } else {
            item.state = RenameState::Failed;
        }
    }
    for (size_t i = 0; i < plan.items.size(); ++i) {
        RenameItem& item = plan.items[i];
        if (item.state != RenameState::Move || item.viaTemporary) continue;
        announce(i);
        if (disk.move(item.source, item.target)) {
            item.state = RenameState::Renamed;
            item.path = item.target;
        } else {
            item.state = RenameState::Failed;
        }
    }
    for (size_t i = 0; i < plan.items.size(); ++i) {
        RenameItem& item = plan.items[i];
        if (item.state != RenameState::Move) continue;
        if (disk.move(temporary[i], item.target)) {
            item.state = RenameState::Renamed;
            item.path = item.target;
        } else {
            item.state = RenameState::Failed;
            if (disk.move(temporary[i], item.source)) item.path = item.source;
        }
    }
}

}  // namespace tarvelo::fileops
