#include "fileops/rename_planner.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "fileops/rename_preview.h"

namespace tarvelo::fileops {
namespace {

// A folder of named items whose content is their original name; letter case
// is ignored as on Windows, and moves never replace.
class FakeDisk final : public RenameDisk {
public:
    explicit FakeDisk(std::initializer_list<const wchar_t*> names) {
        for (const wchar_t* n : names) items_[key(path(n))] = {path(n), n};
    }
    static std::wstring path(const std::wstring& name) { return L"C:\\d\\" + name; }

    bool exists(const std::wstring& p) override { return items_.count(key(p)) != 0; }
    bool move(const std::wstring& from, const std::wstring& to) override {
        ++moves;
        if (refuse.count(from) != 0 || refuse.count(to) != 0) return false;
        auto it = items_.find(key(from));
        if (it == items_.end()) return false;
        if (key(from) != key(to) && items_.count(key(to)) != 0) return false;
        Item item = it->second;
        items_.erase(it);
        item.path = to;
        items_[key(to)] = item;
        return true;
    }
    std::wstring key(const std::wstring& p) const override {
        std::wstring k = p;
        for (wchar_t& c : k) {
            if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
        }
        return k;
    }

    // name on disk (exact case) -> content, for the whole folder.
    std::map<std::wstring, std::wstring> contents() const {
        std::map<std::wstring, std::wstring> out;
        for (const auto& [k, item] : items_) out[item.path.substr(5)] = item.content;
        return out;
    }

    std::set<std::wstring> refuse;
    int moves = 0;

private:
    struct Item {
        std::wstring path;
        std::wstring content;
    };
    std::map<std::wstring, Item> items_;
};

using Contents = std::map<std::wstring, std::wstring>;

struct Outcome {
    RenamePlan plan;
    Contents after;
};

Outcome rename(FakeDisk& disk, std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> pairs) {
    std::vector<RenameRequest> requests;
    for (const auto& [from, to] : pairs) requests.push_back({FakeDisk::path(from), to});
    Outcome run{planRenames(requests, disk), {}};
    runRenamePlan(run.plan, disk);
    run.after = disk.contents();
    return run;
}

std::vector<RenameState> states(const RenamePlan& plan) {
    std::vector<RenameState> out;
    for (const RenameItem& item : plan.items) out.push_back(item.state);
    return out;
}

using S = RenameState;

TEST(RenamePlanner, CollisionsKeepBothFilesAndAreListed) {
    struct Case {
        const char* what;
        std::initializer_list<const wchar_t*> folder;
        std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> renames;
        std::vector<RenameState> expected;
        Contents after;  // name -> original name
    };
    const Case cases[] = {
        {"onto an item outside the selection",
         {L"a.txt", L"b.txt"},
         {{L"a.txt", L"b.txt"}},
         {S::Collision},
         {{L"a.txt", L"a.txt"}, {L"b.txt", L"b.txt"}}},
        {"onto an existing item in other case",
         {L"a.txt", L"B.TXT"},
         {{L"a.txt", L"b.txt"}},
         {S::Collision},
         {{L"B.TXT", L"B.TXT"}, {L"a.txt", L"a.txt"}}},
        {"two items computing the same name: the first wins",
         {L"x1.txt", L"x2.txt"},
         {{L"x1.txt", L"y.txt"}, {L"x2.txt", L"Y.txt"}},
         {S::Renamed, S::Collision},
         {{L"y.txt", L"x1.txt"}, {L"x2.txt", L"x2.txt"}}},
        {"swap",
         {L"a", L"b"},
         {{L"a", L"b"}, {L"b", L"a"}},
         {S::Renamed, S::Renamed},
         {{L"a", L"b"}, {L"b", L"a"}}},
        {"rotation of three",
         {L"1", L"2", L"3"},
         {{L"1", L"2"}, {L"2", L"3"}, {L"3", L"1"}},
         {S::Renamed, S::Renamed, S::Renamed},
         {{L"1", L"3"}, {L"2", L"1"}, {L"3", L"2"}}},
        {"chain onto a name another item leaves",
         {L"a", L"b"},
         {{L"a", L"b"}, {L"b", L"c"}},
         {S::Renamed, S::Renamed},
         {{L"b", L"a"}, {L"c", L"b"}}},
        {"a collision blocks the chain behind it",
         {L"a", L"b", L"c"},
         {{L"a", L"b"}, {L"b", L"c"}},
         {S::Collision, S::Collision},
         {{L"a", L"a"}, {L"b", L"b"}, {L"c", L"c"}}},
        {"case only",
         {L"a.txt"},
         {{L"a.txt", L"A.TXT"}},
         {S::Renamed},
         {{L"A.TXT", L"a.txt"}}},
        {"unchanged and invalid names",
         {L"a", L"b", L"c"},
         {{L"a", L"a"}, {L"b", L""}, {L"c", L"c:d"}},
         {S::Unchanged, S::InvalidName, S::InvalidName},
         {{L"a", L"a"}, {L"b", L"b"}, {L"c", L"c"}}},
        {"onto an unchanged item of the selection",
         {L"a", L"b"},
         {{L"a", L"b"}, {L"b", L"b"}},
         {S::Collision, S::Unchanged},
         {{L"a", L"a"}, {L"b", L"b"}}},
        {"Japanese names",
         {L"写真1.jpg", L"写真2.jpg"},
         {{L"写真1.jpg", L"旅行1.jpg"}, {L"写真2.jpg", L"写真1.jpg"}},
         {S::Renamed, S::Renamed},
         {{L"写真1.jpg", L"写真2.jpg"}, {L"旅行1.jpg", L"写真1.jpg"}}},
    };
    for (const Case& c : cases) {
        FakeDisk disk(c.folder);
        Outcome run = rename(disk, c.renames);
        EXPECT_EQ(states(run.plan), c.expected) << c.what;
        EXPECT_EQ(run.after, c.after) << c.what;
    }
}

TEST(RenamePlanner, PlanCountsAndPreviewsWithoutMoving) {
    FakeDisk disk{L"a", L"b", L"c"};
    RenamePlan plan = planRenames({{FakeDisk::path(L"a"), L"c"}, {FakeDisk::path(L"b"), L"d"}}, disk);
    EXPECT_EQ(plan.collisions(), 1);
    EXPECT_EQ(plan.moves(), 1);
    EXPECT_EQ(renamePreview(plan, 2, L"taken: %d"), L"a  ->  c\r\nb  ->  d\r\ntaken: 1");
    EXPECT_EQ(disk.moves, 0);

    // Five items: the first three lines, then a mark for the rest.
    FakeDisk five{L"p1", L"p2", L"p3", L"p4", L"写真5"};
    std::vector<RenameRequest> requests;
    for (const wchar_t* n : {L"p1", L"p2", L"p3", L"p4", L"写真5"}) requests.push_back({FakeDisk::path(n), std::wstring(L"x_") + n});
    EXPECT_EQ(renamePreview(planRenames(requests, five), requests.size(), L"%d"),
              L"p1  ->  x_p1\r\np2  ->  x_p2\r\np3  ->  x_p3\r\n...\r\n0");
    EXPECT_EQ(five.moves, 0);
}

TEST(RenamePlanner, AFailingMoveLosesNothing) {
    // b is locked: the swap's other half cannot take b's name and goes back.
    FakeDisk disk{L"a", L"b", L"c"};
    disk.refuse.insert(FakeDisk::path(L"b"));
    Outcome run = rename(disk, {{L"a", L"b"}, {L"b", L"a"}, {L"c", L"d"}});
    EXPECT_EQ(states(run.plan), (std::vector<RenameState>{S::Failed, S::Failed, S::Renamed}));
    EXPECT_EQ(run.after, (Contents{{L"a", L"a"}, {L"b", L"b"}, {L"d", L"c"}}));
    EXPECT_EQ(run.plan.items[0].path, FakeDisk::path(L"a"));

    // The final move refused: the item is back under its own name.
    FakeDisk disk2{L"x"};
    disk2.refuse.insert(FakeDisk::path(L"X"));
    Outcome run2 = rename(disk2, {{L"x", L"X"}});
    EXPECT_EQ(states(run2.plan), (std::vector<RenameState>{S::Failed}));
    EXPECT_EQ(run2.after, (Contents{{L"x", L"x"}}));
}

}  // namespace
}  // namespace tarvelo::fileops
