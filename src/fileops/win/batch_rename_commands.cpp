#include "fileops/win/batch_rename_commands.h"

#include <functional>

#include "common/path_split.h"
#include "fileops/batch_rename_rules.h"
#include "fileops/name_rules.h"
#include "fileops/operation_texts.h"
#include "fileops/rename_planner.h"
#include "fileops/rename_preview.h"
#include "fileops/rename_texts.h"
#include "fileops/snapshot.h"
#include "fileops/text_history.h"
#include "fileops/win/batch_dialogs.h"
#include "fileops/win/item_changes.h"
#include "fileops/win/name_dialogs.h"
#include "fileops/win/operation_run.h"
#include "platform/win32_byte_file.h"
#include "resource_ids.h"
#include "shell/section_file_store.h"

namespace tarvelo::fileops::win {

namespace {

std::wstring modulePath() {
    std::wstring path(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(n);
    return path;
}

// The data files (SaveData, ReplaceData, AppendData) beside the program.
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


// Whether each item is a folder, asked of the disk once per item and only
// for the items a preview or the run looks at.
class FolderFlags {
public:
    explicit FolderFlags(const std::vector<std::wstring>& items) : items_(items), flags_(items.size(), -1) {}
    bool operator()(size_t i) {
        if (flags_[i] < 0) flags_[i] = isFolder(items_[i]) ? 1 : 0;
        return flags_[i] == 1;
    }

private:
    const std::vector<std::wstring>& items_;
    std::vector<signed char> flags_;
};

std::vector<shell::SectionFileStore::KeyValue> historyPairs(const TextHistory& history, const wchar_t* prefix) {
    std::vector<shell::SectionFileStore::KeyValue> out;
    for (auto& kv : history.stored(prefix)) out.push_back({kv.key, kv.value});
    return out;
}

// The new name of every item; the planner keeps collisions from happening.
using Rule = std::function<std::wstring(const std::wstring& path, size_t index)>;

std::vector<RenameRequest> requestsFor(const std::vector<std::wstring>& items, const Rule& rule, size_t limit) {
    std::vector<RenameRequest> out;
    for (size_t i = 0; i < items.size() && i < limit; ++i) out.push_back({items[i], rule(items[i], i)});
    return out;
}

// "old -> new" for the first names and the number already taken.
std::wstring previewText(const std::vector<std::wstring>& items, const Rule& rule, const BatchTexts& texts) {
    Win32RenameDisk disk;
    // The count looks at every item of ordinary selections; a huge one is
    // counted in full when the run starts.
    const RenamePlan plan = planRenames(requestsFor(items, rule, 2000), disk);
    return renamePreview(plan, items.size(), texts.collisions);
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
    std::vector<shell::SectionFileStore::KeyValue> history = historyPairs(state.searchHistory, kReplaceSearchPrefix);
    for (auto& kv : historyPairs(state.replacementHistory, kReplaceWithPrefix)) history.push_back(kv);
    data.write(kReplaceData, history);
    const std::wstring from = withoutEmptyMarker(state.search);
    const std::wstring to = withoutEmptyMarker(state.replacement);
    runBatch(host, run, texts, items, ruleFor(from, to), true);
    data.write(kSaveData, {{L"ReplaceString1", from}, {L"ReplaceString2", to}});
}

// Command 32809.
void appendRename(OperationHost& host) {
    if (!batchAllowed(host)) return;
    const BatchTexts texts = batchTexts(BatchKind::Append, host.language());
    OperationRun run(host, texts.caption, nullptr, true);
    host.resetInteraction();
    const std::vector<std::wstring> items = snapshotItems(host.listing(), host.cursor());
    if (items.empty()) return;
    DataFiles data;
    AppendDialogState state;
    state.language = host.language();
    state.text = data.read(kSaveData, L"AppendString1");
    state.history = TextHistory::load([&data](const std::wstring& key) { return data.read(kAppendData, key); },
                                      kAppendPrefix, kAppendHistorySize);
    FolderFlags folders(items);
    auto ruleFor = [&folders](int part, int position, std::wstring text) -> Rule {
        return [&folders, part, position, text](const std::wstring& path, size_t i) {
            const common::PathParts parts = common::splitPath(path);
            return appendName(folders(i), static_cast<AppendPart>(part), static_cast<AppendPosition>(position),
                              parts.stem, parts.extension, text);
        };
    };
    state.preview = [&](int part, int position, const std::wstring& text) {
        return previewText(items, ruleFor(part, position, text), texts);
    };
    if (runAppendDialog(host.mainWindow(), state) != IDOK) return;
    data.write(kAppendData, historyPairs(state.history, kAppendPrefix));
    const std::wstring text = withoutEmptyMarker(state.text);
    runBatch(host, run, texts, items, ruleFor(state.part, state.position, text), true);
    data.write(kSaveData, {{L"AppendString1", text}});
}

Rule serialRule(FolderFlags& folders, const std::wstring& prefix, const SerialSpec& spec, const std::wstring& suffix) {
    return [&folders, prefix, spec, suffix](const std::wstring& path, size_t i) {
        return serialName(folders(i), prefix, spec.start + static_cast<int64_t>(i), spec.width, suffix,
                          common::splitPath(path).extension);
    };
}

// Command 32810.
void serialRename(OperationHost& host) {
    if (!batchAllowed(host)) return;
    const BatchTexts texts = batchTexts(BatchKind::Serial, host.language());
    OperationRun run(host, texts.caption, nullptr, true);
    host.resetInteraction();
    const std::vector<std::wstring> items = snapshotItems(host.listing(), host.cursor());
    if (items.empty()) return;
    DataFiles data;
    SerialDialogState state;
    state.language = host.language();
    state.prefix = data.read(kSaveData, L"NumberString1");
    state.number = data.read(kSaveData, L"NumberString2");
    if (state.number.empty()) state.number = kDefaultSerial;
    state.suffix = data.read(kSaveData, L"NumberString3");
    FolderFlags folders(items);
    state.preview = [&](const std::wstring& prefix, const std::wstring& number, const std::wstring& suffix) {
        const std::optional<SerialSpec> spec = parseSerial(number);
        if (!spec) return std::wstring(serialErrorText(host.language()));
        return previewText(items, serialRule(folders, prefix, *spec, suffix), texts);
    };
    if (runSerialDialog(host.mainWindow(), state) != IDOK) return;
    const std::wstring prefix = withoutEmptyMarker(state.prefix);
    const std::wstring number = withoutEmptyMarker(state.number);
    const std::wstring suffix = withoutEmptyMarker(state.suffix);
    const std::optional<SerialSpec> spec = parseSerial(number);
    if (!spec) {
        // Refused before any item is touched: no report, no reload.
        MessageBoxW(host.mainWindow(), serialErrorText(host.language()), texts.caption, MB_OK | MB_ICONERROR);
        return;
    }
    runBatch(host, run, texts, items, serialRule(folders, prefix, *spec, suffix), true);
    data.write(kSaveData, {{L"NumberString1", prefix}, {L"NumberString2", number}, {L"NumberString3", suffix}});
}

Rule betweenRule(std::wstring start, std::wstring end, std::wstring with, int index) {
    return [start, end, with, index](const std::wstring& path, size_t) {
        return betweenReplace(common::fileName(path), start, end, with, index);
    };
}

// Command 32851.
void betweenRename(OperationHost& host) {
    if (!batchAllowed(host)) return;
    const BatchTexts texts = batchTexts(BatchKind::Between, host.language());
    OperationRun run(host, texts.caption, nullptr, true);
    host.resetInteraction();
    const std::vector<std::wstring> items = snapshotItems(host.listing(), host.cursor());
    if (items.empty()) return;
    DataFiles data;
    BetweenDialogState state;
    state.language = host.language();
    state.start = data.read(kSaveData, L"BetweenString1");
    state.end = data.read(kSaveData, L"BetweenString2");
    state.replacement = data.read(kSaveData, L"BetweenString3");
    state.firstName = common::fileName(items.front());
    state.preview = [&](const std::wstring& start, const std::wstring& end, const std::wstring& with, int index) {
        return previewText(items, betweenRule(start, end, with, index), texts);
    };
    if (runBetweenDialog(host.mainWindow(), state) != IDOK) return;
    const std::wstring start = withoutEmptyMarker(state.start);
    const std::wstring end = withoutEmptyMarker(state.end);
    const std::wstring with = withoutEmptyMarker(state.replacement);
    runBatch(host, run, texts, items, betweenRule(start, end, with, state.index), true);
    data.write(kSaveData, {{L"BetweenString1", start}, {L"BetweenString2", end}, {L"BetweenString3", with}});
}

}  // namespace

void registerBatchRenameCommands(shell::CommandTable& table, std::shared_ptr<OperationHost> host) {
    auto keep = [host](auto fn) { return [host, fn](int) { fn(*host); }; };
    table.add(IDM_REPLACE_RENAME, keep([](OperationHost& o) { replaceRename(o); }));
    table.add(IDM_APPEND_RENAME, keep([](OperationHost& o) { appendRename(o); }));
    table.add(IDM_NUMBER_RENAME, keep([](OperationHost& o) { serialRename(o); }));
    table.add(IDM_BETWEEN_RENAME, keep([](OperationHost& o) { betweenRename(o); }));
    table.add(IDM_LOWERCASE_RENAME, keep([](OperationHost& o) { caseRename(o, false); }));
    table.add(IDM_UPPERCASE_RENAME, keep([](OperationHost& o) { caseRename(o, true); }));
}

}  // namespace tarvelo::fileops::win
