#include "fileops/win/rename_commands.h"

#include <shlobj.h>

#include <functional>

#include "common/path_split.h"
#include "fileops/batch_rename_rules.h"
#include "fileops/name_rules.h"
#include "fileops/operation_texts.h"
#include "fileops/rename_planner.h"
#include "fileops/rename_texts.h"
#include "fileops/snapshot.h"
#include "fileops/text_history.h"
#include "fileops/win/item_changes.h"
#include "fileops/win/name_dialogs.h"
#include "fileops/win/operation_feedback.h"
#include "fileops/win/operation_run.h"
#include "fileops/win/times_commands.h"
#include "filelist/describe_file.h"
#include "platform/file_transfer.h"
#include "platform/win32_byte_file.h"
#include "platform/win32_file_info.h"
#include "resource_ids.h"
#include "shell/run_flags.h"
#include "shell/section_file_store.h"

namespace tarvelo::fileops::win {

namespace {

std::wstring modulePath() {
    std::wstring path(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(n);
    return path;
}

// The data files (SaveData, ReplaceData) beside the program.
class DataFiles {
public:
    DataFiles() : store_(files_, modulePath()) {}
    std::wstring read(const wchar_t* section, const std::wstring& key) const { return store_.read(section, key); }
    void write(const wchar_t* section, const std::vector<shell::SectionFileStore::KeyValue>& pairs) {
        store_.writeMany(section, pairs);
    }

private:
    platform::Win32ByteFileSystem files_;
    shell::SectionFileStore store_;
};

bool controlDown() { return ((GetKeyState(VK_CONTROL) | GetAsyncKeyState(VK_CONTROL)) & 0x8000) != 0; }

std::wstring withSlash(std::wstring folder) {
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    return folder;
}

// Command 32799: a folder, or with Control down an empty file.
void makeFolder(OperationHost& host) {
    filelist::FolderListing& listing = host.listing();
    if (!OperationRun::allowed(host, true) || listing.currentFolder.empty()) return;
    const bool makeFile = controlDown();
    const NameTexts texts = nameTexts(host.language());
    OperationRun run(host, makeFile ? texts.makeFileCaption : texts.makeFolderCaption, nullptr, false);
    const std::wstring base = withSlash(listing.currentFolder);
    NameDialogState state;
    state.caption = makeFile ? texts.makeFileCaption : texts.makeFolderCaption;
    state.name = makeFile ? texts.makeFileName : texts.makeFolderName;
    state.language = host.language();
    if (runNameDialog(host.mainWindow(), state) != IDOK) return;
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const std::wstring name = typedName(state.name);
    if (!name.empty()) {
        const std::wstring path = base + name;
        if (makeFile) {
            // CREATE_NEW: an existing item of that name is never touched.
            HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (h == INVALID_HANDLE_VALUE) {
                h = CreateFileW(platform::longPathForm(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
            }
            if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
        } else {
            SHCreateDirectoryExW(host.mainWindow(), (path + L"\\").c_str(), nullptr);
        }
    }
    run.reload(false);
    Sleep(250);
}

std::wstring describe(const std::wstring& path) {
    platform::Win32FileAttributeReader reader;
    return filelist::describeFile(path, reader);
}

// Command 32800: one name dialog per item; a refused or failed rename
// brings the same item back.
void renameItems(OperationHost& host) {
    filelist::FolderListing& listing = host.listing();
    if (!OperationRun::allowed(host, true)) return;
    if (listing.currentFolder.empty() && listing.focusPath.empty()) return;
    const NameTexts texts = nameTexts(host.language());
    OperationRun run(host, texts.renameCaption, nullptr, false);
    const std::vector<std::wstring> items = snapshotItems(listing, host.cursor());
    if (items.empty()) return;
    run.beginProcessing();
    LoopHooks hooks = run.hooks();
    Win32RenameDisk disk;
    int done = 0;
    std::wstring lastNew;
    for (size_t i = 0; i < items.size(); ++i) {
        const std::wstring& source = items[i];
        const std::wstring folder = folderOf(source);
        const std::wstring current = common::fileName(source);
        listing.focusPath = source;
        operationProgress() = {static_cast<int>(i) + 1, static_cast<int>(items.size())};
        host.paintList();
        if (hooks.beforeItem) hooks.beforeItem(static_cast<int>(i), static_cast<int>(items.size()), source);
        bool cancelled = false;
        for (;;) {
            NameDialogState state;
            state.caption = texts.renameCaption;
            state.name = current;
            state.skipEnabled = true;
            state.language = host.language();
            const int answer = runNameDialog(host.mainWindow(), state);
            if (answer == IDCANCEL) {
                cancelled = true;
                break;
            }
            if (answer == IDC_RN_SKIP) break;
            const std::wstring name = typedName(state.name);
            if (name.empty()) continue;
            const std::wstring target = folder + name;
            if (target == source) {
                ++done;
                break;
            }
            bool ok = false;
            if (disk.key(target) == disk.key(source)) {
                // Letter case only: the same item, so no question; a
                // temporary name makes the platform take the new case.
                RenamePlan plan = planRenames({{source, name}}, disk);
                runRenamePlan(plan, disk);
                ok = plan.items[0].state == RenameState::Renamed;
            } else {
                const DWORD targetAttributes = itemAttributes(target);
                if (targetAttributes != INVALID_FILE_ATTRIBUTES) {
                    const std::wstring question =
                        std::wstring(texts.targetExists) + fillPattern(texts.pair, 0, describe(source), describe(target));
                    if (MessageBoxW(host.mainWindow(), question.c_str(), texts.renameCaption,
                                    MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
                        continue;
                    }
                    setItemAttributes(target, FILE_ATTRIBUTE_ARCHIVE);
                }
                ok = platform::renameWithReplace(source, target);
                // A refused replacement leaves the other item as it was.
                if (!ok && targetAttributes != INVALID_FILE_ATTRIBUTES) setItemAttributes(target, targetAttributes);
            }
            if (ok) {
                ++done;
                lastNew = target;
                listing.focusPath = target;
                break;
            }
            MessageBoxW(host.mainWindow(), texts.renameFailed, texts.renameCaption, MB_OK | MB_ICONEXCLAMATION);
        }
        if (cancelled) break;
    }
    if (done > 0) {
        if (!lastNew.empty()) listing.focusPath = lastNew;
        host.reloadKeepingPosition();
    } else {
        listing.focusPath.clear();
        operationProgress() = {0, 0};
        host.paintList();
    }
    Sleep(250);
}

// The new name of every item; the planner keeps collisions from happening.
using Rule = std::function<std::wstring(const std::wstring& path, size_t index)>;

std::vector<RenameRequest> requestsFor(const std::vector<std::wstring>& items, const Rule& rule, size_t limit) {
    std::vector<RenameRequest> out;
    for (size_t i = 0; i < items.size() && i < limit; ++i) out.push_back({items[i], rule(items[i], i)});
    return out;
}

// "old -> new" for the first three items and the number already taken.
std::wstring previewText(const std::vector<std::wstring>& items, const Rule& rule, const BatchTexts& texts) {
    Win32RenameDisk disk;
    // The count looks at every item of ordinary selections; a huge one is
    // counted in full when the run starts.
    const RenamePlan plan = planRenames(requestsFor(items, rule, 2000), disk);
    std::wstring text;
    for (size_t i = 0; i < plan.items.size() && i < 3; ++i) {
        text += common::fileName(plan.items[i].source) + L"  ->  " + common::fileName(plan.items[i].target) + L"\r\n";
    }
    if (items.size() > 3) text += L"...\r\n";
    text += fillPattern(texts.collisions, plan.collisions());
    return text;
}

// Plans and runs the renames; failures and collisions go into the report.
void runBatch(OperationHost& host, OperationRun& run, const BatchTexts& texts, const std::vector<std::wstring>& items,
              const Rule& rule, bool keepFocusOnLast) {
    Win32RenameDisk disk;
    RenamePlan plan = planRenames(requestsFor(items, rule, items.size()), disk);
    run.beginProcessing();
    LoopHooks hooks = run.hooks();
    const int total = static_cast<int>(items.size());
    runRenamePlan(plan, disk, [&](size_t i) {
        if (hooks.beforeItem) hooks.beforeItem(static_cast<int>(i), total, items[i]);
    });
    OperationReport report;
    for (const RenameItem& item : plan.items) {
        switch (item.state) {
        case RenameState::Collision:
            report.addFailure(item.source + L"  ->  " + common::fileName(item.target));
            break;
        case RenameState::InvalidName:
        case RenameState::Failed:
            report.addFailure(item.source);
            break;
        default:
            break;
        }
    }
    run.complete(!items.empty(), texts.failure, report);
    if (keepFocusOnLast && !plan.items.empty()) {
        host.listing().focusPath = plan.items.back().path;
        host.reloadKeepingPosition();
    } else {
        run.reload(false);
    }
    Sleep(250);
}

bool batchAllowed(OperationHost& host) {
    const filelist::FolderListing& listing = host.listing();
    return OperationRun::allowed(host, true) && !(listing.currentFolder.empty() && listing.focusPath.empty());
}

// Commands 32806 and 32807.
void caseRename(OperationHost& host, bool upper) {
    if (!batchAllowed(host)) return;
    const BatchTexts texts = batchTexts(upper ? BatchKind::Uppercase : BatchKind::Lowercase, host.language());
    OperationRun run(host, texts.caption, nullptr, true);
    host.resetInteraction();
    if (MessageBoxW(host.mainWindow(), texts.question, texts.caption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
    const std::vector<std::wstring> items = snapshotItems(host.listing(), host.cursor());
    if (items.empty()) return;
    const Rule rule = [upper](const std::wstring& path, size_t) {
        std::wstring name = common::fileName(path);
        if (!name.empty()) {
            if (upper) CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
            else CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
        }
        return name;
    };
    runBatch(host, run, texts, items, rule, false);
}

// Command 32808.
void replaceRename(OperationHost& host) {
    if (!batchAllowed(host)) return;
    const BatchTexts texts = batchTexts(BatchKind::Replace, host.language());
    OperationRun run(host, texts.caption, nullptr, true);
    host.resetInteraction();
    const std::vector<std::wstring> items = snapshotItems(host.listing(), host.cursor());
    if (items.empty()) return;
    DataFiles data;
    ReplaceDialogState state;
    state.language = host.language();
    state.search = data.read(kSaveData, L"ReplaceString1");
    state.replacement = data.read(kSaveData, L"ReplaceString2");
    auto reader = [&data](const std::wstring& key) { return data.read(kReplaceData, key); };
    state.searchHistory = TextHistory::load(reader, kReplaceSearchPrefix, kReplaceHistorySize);
    state.replacementHistory = TextHistory::load(reader, kReplaceWithPrefix, kReplaceHistorySize);
    auto ruleFor = [](std::wstring from, std::wstring to) -> Rule {
        return [from, to](const std::wstring& path, size_t) { return replaceAll(common::fileName(path), from, to); };
    };
    state.preview = [&](const std::wstring& from, const std::wstring& to) {
        return previewText(items, ruleFor(from, to), texts);
    };
    if (runReplaceDialog(host.mainWindow(), state) != IDOK) return;
    std::vector<shell::SectionFileStore::KeyValue> history;
    for (auto& kv : state.searchHistory.stored(kReplaceSearchPrefix)) history.push_back({kv.key, kv.value});
    for (auto& kv : state.replacementHistory.stored(kReplaceWithPrefix)) history.push_back({kv.key, kv.value});
    data.write(kReplaceData, history);
    const std::wstring from = withoutEmptyMarker(state.search);
    const std::wstring to = withoutEmptyMarker(state.replacement);
    runBatch(host, run, texts, items, ruleFor(from, to), true);
    data.write(kSaveData, {{L"ReplaceString1", from}, {L"ReplaceString2", to}});
}

}  // namespace

void registerRenameCommands(shell::CommandTable& table, std::shared_ptr<OperationHost> host) {
    auto keep = [host](auto fn) { return [host, fn](int) { fn(*host); }; };
    table.add(IDM_MAKE_FOLDER, keep([](OperationHost& o) { makeFolder(o); }));
    table.add(IDM_RENAME, keep([](OperationHost& o) { renameItems(o); }));
    table.add(IDM_REPLACE_RENAME, keep([](OperationHost& o) { replaceRename(o); }));
    table.add(IDM_LOWERCASE_RENAME, keep([](OperationHost& o) { caseRename(o, false); }));
    table.add(IDM_UPPERCASE_RENAME, keep([](OperationHost& o) { caseRename(o, true); }));
    registerTimesCommands(table, host);
}

}  // namespace tarvelo::fileops::win
