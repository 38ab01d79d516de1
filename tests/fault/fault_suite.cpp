// Fault-injection suite over real folders: each scenario builds files, runs
// the transfer primitives or the commands' item loop on them while something
// goes wrong (a locked file, a vanished source, a full volume, Cancel, the
// interrupt), and compares the content of every file before and after.
// Prints one summary line and fails on any loss, corruption or failure that
// was not reported.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fault_check.h"
#include "fileops/win/item_loop.h"
#include "fileops/win/operation_worker.h"
#include "platform/file_transfer.h"
#include "support/file_tree.h"

namespace tarvelo::fault {
namespace {

using fileops::win::FixedAnswer;
using fileops::win::LoopOutcome;
using fileops::win::OverwriteAnswer;
using fileops::win::TransferMode;
using testing::patternBytes;
using testing::writeFile;

constexpr DWORD kMarks = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

std::wstring env(const wchar_t* name) {
    wchar_t value[1024];
    const DWORD n = GetEnvironmentVariableW(name, value, 1024);
    return n > 0 && n < 1024 ? std::wstring(value, n) : std::wstring();
}

// The scenario's folders: src and dst under a local scratch folder, or dst on
// another volume when the scenario asks for one.
struct Place {
    std::wstring src, dst;
    std::vector<std::wstring> roots;
};

enum class Runner { primitive, loop };

struct Scenario {
    const char* name;
    ItemKind kind;
    Runner runner;
    const wchar_t* dstDrive;  // nullptr: local; else an env var naming a drive
    std::function<void(const Place&)> setup;
    // Items: source and target relative to src and dst.
    std::vector<std::pair<std::wstring, std::wstring>> items;
    OverwriteAnswer answer = OverwriteAnswer::Overwrite;
    int interruptAt = -1;  // loop: the interrupt is answered OK before this item
    std::function<std::unique_ptr<void, void (*)(void*)>(const Place&)> duringRun;  // held for the run
    int minimumFailures = 0;  // the scenario is built to make at least this many items fail
};

std::unique_ptr<void, void (*)(void*)> nothingHeld() {
    return {nullptr, [](void*) {}};
}

std::unique_ptr<void, void (*)(void*)> hold(const std::wstring& path) {
    auto* held = new testing::HeldFile(path);
    if (!held->holding()) std::fwprintf(stderr, L"fault suite: could not hold %ls\n", path.c_str());
    return {held, [](void* p) { delete static_cast<testing::HeldFile*>(p); }};
}

void fillVolume(const std::wstring& folder, std::uint64_t leaveFree) {
    ULARGE_INTEGER freeBytes{};
    if (!GetDiskFreeSpaceExW(folder.c_str(), &freeBytes, nullptr, nullptr)) return;
    if (freeBytes.QuadPart <= leaveFree) return;
    writeFile(folder + L"\\filler.bin", std::string(static_cast<size_t>(freeBytes.QuadPart - leaveFree), 'f'));
}

const std::wstring kLong(110, L'n');

std::vector<Scenario> scenarios() {
    std::vector<Scenario> all;
    auto three = [](const Place& p) {
        writeFile(p.src + L"\\one.txt", patternBytes(1, 4000));
        writeFile(p.src + L"\\two.txt", patternBytes(2, 70000));
        writeFile(p.src + L"\\three.txt", patternBytes(3, 10));
    };
    auto withOldTargets = [three](const Place& p) {
        three(p);
        writeFile(p.dst + L"\\one.txt", patternBytes(11, 900));
        writeFile(p.dst + L"\\two.txt", patternBytes(12, 901), FILE_ATTRIBUTE_READONLY);
    };
    const std::vector<std::pair<std::wstring, std::wstring>> threeItems = {
        {L"one.txt", L"one.txt"}, {L"two.txt", L"two.txt"}, {L"three.txt", L"three.txt"}};
    auto tree = [](const Place& p) {
        writeFile(p.src + L"\\tree\\a.txt", patternBytes(21, 5000));
        writeFile(p.src + L"\\tree\\marked.txt", patternBytes(22, 300), kMarks);
        writeFile(p.src + L"\\tree\\sub\\b.bin", patternBytes(23, 150000));
        writeFile(p.src + L"\\tree\\sub\\\u5199\u771f.jpg", patternBytes(24, 999));
    };

    for (Runner runner : {Runner::primitive, Runner::loop}) {
        const bool loop = runner == Runner::loop;
        all.push_back({loop ? "loop_copy_locked_source" : "copy_locked_source", ItemKind::copy, runner, nullptr,
                       three, threeItems, OverwriteAnswer::Overwrite, -1,
                       [](const Place& p) { return hold(p.src + L"\\two.txt"); }, 1});
        all.push_back({loop ? "loop_copy_over_locked_target" : "copy_over_locked_target", ItemKind::copy, runner,
                       nullptr, withOldTargets, threeItems, OverwriteAnswer::OverwriteAll, -1,
                       [](const Place& p) { return hold(p.dst + L"\\one.txt"); }, 1});
        all.push_back({loop ? "loop_copy_marked_files" : "copy_marked_files", ItemKind::copy, runner, nullptr,
                       [withOldTargets](const Place& p) {
                           withOldTargets(p);
                           SetFileAttributesW(p.src.c_str(), FILE_ATTRIBUTE_NORMAL);
                           SetFileAttributesW((p.src + L"\\one.txt").c_str(), kMarks);
                           SetFileAttributesW((p.dst + L"\\one.txt").c_str(), kMarks);
                       },
                       threeItems, OverwriteAnswer::OverwriteAll});
        all.push_back({loop ? "loop_copy_vanished_source" : "copy_vanished_source", ItemKind::copy, runner, nullptr,
                       three, threeItems, OverwriteAnswer::Overwrite, -1,
                       [](const Place& p) {
                           // Gone after the snapshot of the items, before processing.
                           testing::removeTree(p.src + L"\\two.txt");
                           return nothingHeld();
                       },
                       1});
        all.push_back({loop ? "loop_move_locked_source" : "move_locked_source", ItemKind::move, runner, nullptr,
                       three, threeItems, OverwriteAnswer::Overwrite, -1,
                       [](const Place& p) { return hold(p.src + L"\\one.txt"); }, 1});
        all.push_back({loop ? "loop_delete_locked_marked" : "delete_locked_marked", ItemKind::remove, runner, nullptr,
                       [three](const Place& p) {
                           three(p);
                           SetFileAttributesW((p.src + L"\\two.txt").c_str(), kMarks);
                       },
                       {{L"one.txt", L""}, {L"two.txt", L""}, {L"three.txt", L""}}, OverwriteAnswer::Overwrite, -1,
                       [](const Place& p) { return hold(p.src + L"\\two.txt"); }, 1});
        all.push_back({loop ? "loop_recycle" : "recycle", ItemKind::recycle, runner, nullptr, three,
                       {{L"one.txt", L""}, {L"three.txt", L""}}});
        all.push_back({loop ? "loop_long_targets" : "long_targets", ItemKind::copy, runner, nullptr, tree,
                       {{L"tree", kLong + L"\\" + kLong + L"\\tree"}}});
        all.push_back({loop ? "loop_non_ascii_names" : "non_ascii_names", ItemKind::move, runner, nullptr,
                       [](const Place& p) {
                           writeFile(p.src + L"\\\u65e5\u672c\u8a9e\u306e\u30d5\u30a1\u30a4\u30eb.txt",
                                     patternBytes(31, 1234));
                           writeFile(p.src + L"\\\u041f\u0440\u0438\u0432\u0435\u0442 \u00e9\u00e8 \U0001F600.dat",
                                     patternBytes(32, 4321));
                       },
                       {{L"\u65e5\u672c\u8a9e\u306e\u30d5\u30a1\u30a4\u30eb.txt",
                         L"\u65e5\u672c\u8a9e\u306e\u30d5\u30a1\u30a4\u30eb.txt"},
                        {L"\u041f\u0440\u0438\u0432\u0435\u0442 \u00e9\u00e8 \U0001F600.dat",
                         L"\u041f\u0440\u0438\u0432\u0435\u0442 \u00e9\u00e8 \U0001F600.dat"}}});
        all.push_back({loop ? "loop_move_other_volume_locked" : "move_other_volume_locked", ItemKind::move, runner,
                       L"TARVELO_FAULT_OTHER_DRIVE", tree, {{L"tree", L"tree"}}, OverwriteAnswer::Overwrite, -1,
                       [](const Place& p) { return hold(p.src + L"\\tree\\sub\\b.bin"); }, 1});
        all.push_back({loop ? "loop_move_other_volume" : "move_other_volume", ItemKind::move, runner,
                       L"TARVELO_FAULT_OTHER_DRIVE", tree, {{L"tree", L"tree"}}});
        all.push_back({loop ? "loop_full_volume_overwrite" : "full_volume_overwrite", ItemKind::copy, runner,
                       L"TARVELO_FAULT_FULL_DRIVE",
                       [](const Place& p) {
                           writeFile(p.src + L"\\big.bin", patternBytes(41, 600000));
                           writeFile(p.dst + L"\\big.bin", patternBytes(42, 50000));
                           fillVolume(p.dst, 200000);
                       },
                       {{L"big.bin", L"big.bin"}}, OverwriteAnswer::Overwrite, -1, nullptr, 1});
        all.push_back({loop ? "loop_full_volume_move" : "full_volume_move", ItemKind::move, runner,
                       L"TARVELO_FAULT_FULL_DRIVE",
                       [tree](const Place& p) {
                           tree(p);
                           fillVolume(p.dst, 60000);
                       },
                       {{L"tree", L"tree"}}, OverwriteAnswer::Overwrite, -1, nullptr, 1});
    }
    // Primitives only.
    all.push_back({"destination_is_a_file", ItemKind::copy, Runner::primitive, nullptr,
                   [tree](const Place& p) {
                       tree(p);
                       writeFile(p.dst + L"\\tree", patternBytes(51, 77));
                   },
                   {{L"tree", L"tree"}, {L"tree\\a.txt", L"tree\\a.txt"}}, OverwriteAnswer::Overwrite, -1, nullptr,
                   2});
    all.push_back({"folder_into_itself", ItemKind::move, Runner::primitive, nullptr, tree,
                   {{L"tree", L"..\\src\\tree\\sub\\tree"}}, OverwriteAnswer::Overwrite, -1, nullptr, 1});
    all.push_back({"thousand_files", ItemKind::copy, Runner::primitive, nullptr,
                   [](const Place& p) {
                       for (int i = 0; i < 1000; ++i) {
                           writeFile(p.src + L"\\many\\f" + std::to_wstring(i) + L".txt",
                                     patternBytes(1000 + i, 64 + i % 512));
                       }
                   },
                   {{L"many", L"many"}}});
    // The commands' item loop only: its questions and the interrupt.
    all.push_back({"loop_overwrite_cancel", ItemKind::copy, Runner::loop, nullptr, withOldTargets, threeItems,
                   OverwriteAnswer::Cancel});
    all.push_back({"loop_overwrite_skip", ItemKind::copy, Runner::loop, nullptr, withOldTargets, threeItems,
                   OverwriteAnswer::Skip});
    all.push_back({"loop_interrupt_mid_run", ItemKind::copy, Runner::loop, nullptr, three, threeItems,
                   OverwriteAnswer::Overwrite, 1});
    all.push_back({"loop_thousand_files_move", ItemKind::move, Runner::loop, nullptr,
                   [](const Place& p) {
                       for (int i = 0; i < 1000; ++i) {
                           writeFile(p.src + L"\\many\\f" + std::to_wstring(i) + L".txt",
                                     patternBytes(3000 + i, 64 + i % 512));
                       }
                   },
                   {{L"many", L"many"}}});
    return all;
}

std::wstring unixToWine(const std::wstring& unixPath) {
    std::wstring out = L"Z:" + unixPath;
    for (wchar_t& c : out) {
        if (c == L'/') c = L'\\';
    }
    return out;
}

struct Totals {
    int scenarios = 0, skipped = 0, lost = 0, corrupted = 0, unreported = 0, reported = 0, weak = 0;
};

void runScenario(const Scenario& s, Totals& totals) {
    std::wstring dstBase;
    if (s.dstDrive) {
        const std::wstring drive = env(s.dstDrive);
        if (drive.empty() || GetFileAttributesW((drive + L"\\").c_str()) == INVALID_FILE_ATTRIBUTES) {
            std::printf("fault suite: SKIPPED %s: no %ls volume (scripts/test mounts small tmpfs volumes as Wine "
                        "drives; this machine does not allow mounting)\n",
                        s.name, s.dstDrive);
            ++totals.skipped;
            return;
        }
        dstBase = drive + L"\\fault_" + std::to_wstring(GetCurrentProcessId());
    }
    const std::wstring wide(s.name, s.name + std::strlen(s.name));
    testing::ScratchFolder scratch(L"fault_" + wide);
    Place place;
    place.src = scratch / L"src";
    place.dst = dstBase.empty() ? scratch / L"dst" : dstBase + L"\\" + wide;
    testing::removeTree(place.dst);
    testing::makeFolders(place.src);
    testing::makeFolders(place.dst);
    place.roots = {place.src, place.dst};
    s.setup(place);

    const std::wstring trashFolder = unixToWine(env(L"XDG_DATA_HOME")) + L"\\Trash\\files";
    std::vector<PlannedItem> items;
    for (const auto& [from, to] : s.items) {
        items.push_back({place.src + L"\\" + from, to.empty() ? L"" : place.dst + L"\\" + to, ItemStatus::unknown});
    }
    // The into-itself target climbs out of dst on purpose.
    for (PlannedItem& item : items) {
        if (item.target.find(L"\\..\\") != std::wstring::npos) item.target = platform::longPathForm(item.target).substr(4);
    }
    testing::TreeSnapshot before = snapshotRoots(place.roots);
    auto held = s.duringRun ? s.duringRun(place) : nothingHeld();
    // What the scenario itself took away (the vanished source) is not the program's loss.
    for (auto it = before.begin(); it != before.end();) {
        const bool gone = GetFileAttributesW(platform::longPathForm(it->first).c_str()) == INVALID_FILE_ATTRIBUTES;
        it = gone ? before.erase(it) : std::next(it);
    }

    bool replaceAllowed = s.answer == OverwriteAnswer::Overwrite || s.answer == OverwriteAnswer::OverwriteAll;
    if (s.runner == Runner::primitive) {
        for (PlannedItem& item : items) {
            platform::TransferResult r;
            if (s.kind == ItemKind::copy) r = platform::copyItem(item.source, item.target);
            if (s.kind == ItemKind::move) r = platform::moveItem(item.source, item.target);
            if (s.kind == ItemKind::remove) r = platform::deleteFile(item.source, platform::DeleteMode::permanent);
            if (s.kind == ItemKind::recycle) r = platform::deleteFile(item.source, platform::DeleteMode::recycleBin);
            item.status = r.ok() ? ItemStatus::done : ItemStatus::failed;
        }
    } else {
        fileops::win::OperationWorker worker;
        FixedAnswer answer(s.answer);
        fileops::win::LoopHooks hooks;
        int reached = 0;
        hooks.beforeItem = [&](int index, int, const std::wstring&) { reached = index + 1; };
        if (s.interruptAt >= 0) hooks.interrupted = [&] { return reached - 1 >= s.interruptAt; };
        std::vector<std::wstring> sources;
        for (const PlannedItem& item : items) sources.push_back(item.source);
        LoopOutcome out;
        if (s.kind == ItemKind::copy || s.kind == ItemKind::move) {
            // The loop takes a destination folder: the one the planned targets share.
            const std::wstring& first = s.items.front().second;
            const size_t cut = first.find_last_of(L'\\');
            const std::wstring destination =
                cut == std::wstring::npos ? place.dst : place.dst + L"\\" + first.substr(0, cut);
            out = fileops::win::runTransferLoop(s.kind == ItemKind::copy ? TransferMode::Copy : TransferMode::Move,
                                                sources, destination, answer, worker, hooks);
        } else {
            out = fileops::win::runDeleteLoop(sources, s.kind == ItemKind::recycle, worker, hooks);
        }
        // What each item ended as, from the report: listed = failed; not
        // listed and reached = done, unless the run stopped or skipped.
        const bool exact = !out.cancelled && !out.interrupted && out.skipped == 0;
        for (PlannedItem& item : items) {
            if (out.report.failureList.find(item.source + L"\r\n\r\n") != std::wstring::npos) {
                item.status = ItemStatus::failed;
            } else if (exact) {
                item.status = ItemStatus::done;
            }
        }
        if (out.report.failureCount != static_cast<int>(std::count_if(items.begin(), items.end(), [](auto& i) {
                return i.status == ItemStatus::failed;
            }))) {
            std::printf("fault suite: %s: report count %d does not match its list\n", s.name, out.report.failureCount);
            ++totals.unreported;
        }
        if (s.answer == OverwriteAnswer::Skip || s.answer == OverwriteAnswer::Cancel) replaceAllowed = false;
    }
    held.reset();
    const testing::TreeSnapshot after = snapshotRoots(place.roots);
    const testing::TreeSnapshot trash = testing::snapshotTree(trashFolder);
    const Verdict v = judge(before, after, trash, items, s.kind, replaceAllowed);
    ++totals.scenarios;
    totals.lost += v.lost;
    totals.corrupted += v.corrupted;
    totals.unreported += v.unreported;
    totals.reported += v.reported;
    const bool weak = v.reported < s.minimumFailures;  // the fault did not happen: the scenario proved nothing
    if (weak) ++totals.weak;
    std::printf("fault suite: %-32s lost %d corrupted %d unreported %d reported %d%s\n", s.name, v.lost, v.corrupted,
                v.unreported, v.reported, weak ? "  (EXPECTED A FAILURE)" : "");
    for (const std::wstring& note : v.notes) std::printf("    %ls\n", note.c_str());
    testing::removeTree(place.dst);
}

}  // namespace
}  // namespace tarvelo::fault

int wmain(int argc, wchar_t** argv) {
    if (tarvelo::testing::runHoldHelper(argc, argv)) return 0;
    using namespace tarvelo::fault;
    const std::wstring only = argc > 1 ? argv[1] : L"";
    Totals totals;
    // A trash left from an earlier run could hide a file that never got there.
    tarvelo::testing::removeTree(unixToWine(env(L"XDG_DATA_HOME")) + L"\\Trash");
    for (const Scenario& s : scenarios()) {
        const std::wstring wide(s.name, s.name + std::strlen(s.name));
        if (!only.empty() && wide.find(only) == std::wstring::npos) continue;
        runScenario(s, totals);
        std::fflush(stdout);
    }
    std::printf("fault suite: %d scenarios, %d files lost, %d files corrupted, %d failures reported\n",
                totals.scenarios, totals.lost, totals.corrupted, totals.reported);
    if (totals.skipped) std::printf("fault suite: %d scenarios SKIPPED (see above)\n", totals.skipped);
    if (totals.unreported || totals.weak) {
        std::printf("fault suite: %d items reported done that were not, %d scenarios whose fault did not happen\n",
                    totals.unreported, totals.weak);
    }
    return totals.lost || totals.corrupted || totals.unreported || totals.weak ? 1 : 0;
}
