#include "fault_check.h"

#include <windows.h>

#include <map>
#include <set>

namespace tarvelo::fault {

namespace {

bool startsWithFolder(const std::wstring& path, const std::wstring& folder) {
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 && path[folder.size()] == L'\\';
}

}  // namespace

testing::TreeSnapshot snapshotRoots(const std::vector<std::wstring>& roots) {
    testing::TreeSnapshot all;
    for (const std::wstring& root : roots) {
        for (auto& [relative, state] : testing::snapshotTree(root)) all[root + L"\\" + relative] = state;
    }
    return all;
}

Verdict judge(const testing::TreeSnapshot& before, const testing::TreeSnapshot& after,
              const testing::TreeSnapshot& trash, const std::vector<PlannedItem>& items, ItemKind kind,
              bool replaceAllowed) {
    Verdict v;
    // Every file of every item, with where its content is meant to go.
    struct Pair {
        std::wstring from, to;
        ItemStatus status;
    };
    std::vector<Pair> pairs;
    for (const PlannedItem& item : items) {
        if (item.status == ItemStatus::failed) ++v.reported;
        for (const auto& [path, state] : before) {
            if (path == item.source) {
                pairs.push_back({path, item.target, item.status});
            } else if (startsWithFolder(path, item.source)) {
                pairs.push_back({path, item.target.empty() ? L"" : item.target + path.substr(item.source.size()),
                                 item.status});
            }
        }
    }
    std::map<std::wstring, const Pair*> bySource, byTarget;
    for (const Pair& p : pairs) {
        bySource[p.from] = &p;
        if (!p.to.empty()) byTarget[p.to] = &p;
    }
    std::multiset<std::uint64_t> trashed;
    for (const auto& entry : trash) trashed.insert(entry.second.hash);

    auto content = [](const testing::TreeSnapshot& s, const std::wstring& path, testing::FileState& out) {
        auto it = s.find(path);
        if (it == s.end()) return false;
        out = it->second;
        return true;
    };

    // Lost: before-content that is neither where it was nor where it was sent.
    for (const auto& [path, state] : before) {
        testing::FileState now;
        if (content(after, path, now) && now == state) continue;
        auto source = bySource.find(path);
        if (source != bySource.end()) {
            const Pair& p = *source->second;
            testing::FileState there;
            if ((kind == ItemKind::move) && content(after, p.to, there) && there == state) continue;
            if (kind == ItemKind::remove && p.status == ItemStatus::done) continue;
            if (kind == ItemKind::recycle && p.status == ItemStatus::done && trashed.count(state.hash)) continue;
        }
        auto target = byTarget.find(path);
        if (target != byTarget.end() && replaceAllowed && target->second->status == ItemStatus::done) continue;
        ++v.lost;
        v.notes.push_back(L"lost: " + path);
    }
    // Corrupted: after-content that was never anybody's.
    for (const auto& [path, state] : after) {
        testing::FileState then;
        if (content(before, path, then) && then == state) continue;
        auto target = byTarget.find(path);
        if (target != byTarget.end()) {
            testing::FileState original;
            if (content(before, target->second->from, original) && original == state) continue;
        }
        ++v.corrupted;
        v.notes.push_back(L"corrupted or stray: " + path);
    }
    // Unreported: done means really done.
    for (const Pair& p : pairs) {
        if (p.status != ItemStatus::done) continue;
        testing::FileState original = before.at(p.from), now;
        const bool sourceThere = content(after, p.from, now);
        bool ok = true;
        if (kind == ItemKind::copy || kind == ItemKind::move) {
            testing::FileState there;
            ok = content(after, p.to, there) && there == original;
        }
        if (kind != ItemKind::copy && sourceThere) ok = false;
        if (!ok) {
            ++v.unreported;
            v.notes.push_back(L"reported done but not: " + p.from);
        }
    }
    return v;
}

}  // namespace tarvelo::fault
