#include "fileops/win/rename_commands.h"

#include <shlobj.h>

#include "common/path_split.h"
#include "fileops/name_rules.h"
#include "fileops/operation_texts.h"
#include "fileops/rename_planner.h"
#include "fileops/rename_texts.h"
#include "fileops/snapshot.h"
#include "fileops/win/batch_rename_commands.h"
#include "fileops/win/item_changes.h"
#include "fileops/win/name_dialogs.h"
#include "fileops/win/operation_feedback.h"
#include "fileops/win/operation_run.h"
#include "fileops/win/times_commands.h"
#include "filelist/describe_file.h"
#include "platform/file_transfer.h"
#include "platform/win32_file_info.h"
#include "resource_ids.h"
#include "shell/run_flags.h"

namespace tarvelo::fileops::win {

namespace {

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

}  // namespace

void registerRenameCommands(shell::CommandTable& table, std::shared_ptr<OperationHost> host) {
    auto keep = [host](auto fn) { return [host, fn](int) { fn(*host); }; };
    table.add(IDM_MAKE_FOLDER, keep([](OperationHost& o) { makeFolder(o); }));
    table.add(IDM_RENAME, keep([](OperationHost& o) { renameItems(o); }));
    registerBatchRenameCommands(table, host);
    registerTimesCommands(table, host);
}

}  // namespace tarvelo::fileops::win
