#include "launch/win/launch_commands.h"

#include <winnetwk.h>

#include <optional>
#include <string>
#include <vector>

#include "common/path_split.h"
#include "filelist/view_restore.h"
#include "fileops/win/name_dialogs.h"
#include "launch/ext_app_entry.h"
#include "launch/launch_command_lines.h"
#include "launch/launch_texts.h"
#include "launch/win/ext_app_editor.h"
#include "launch/win/shell_launch.h"
#include "platform/unique_handle.h"
#include "resource_ids.h"
#include "shell/run_flags.h"

namespace tarvelo::launch::win {

namespace {

constexpr UINT kCandidatePlaceholder = 32790;
constexpr int kMenuCandidates = 16;

// Which busy flags keep a command from starting.
enum class Guard {
    All,         // a command, the listing thread or a worker
    WorkerOnly,  // only a running worker
};

bool idle(Guard guard) {
    const shell::RunFlags& flags = shell::runFlags();
    if (flags.operationThread) return false;
    return guard == Guard::WorkerOnly || (!flags.uiBusy && !flags.listingThread);
}

// The command's duration: periodic timers stopped and the busy flag set;
// both undone at the end (or earlier, by end()).
class LaunchRun {
public:
    explicit LaunchRun(LaunchHost& host) : host_(host) {
        host_.stopPeriodicTimers();
        shell::runFlags().uiBusy = 1;
    }
    ~LaunchRun() { end(); }
    LaunchRun(const LaunchRun&) = delete;
    LaunchRun& operator=(const LaunchRun&) = delete;
    void end() {
        if (ended_) return;
        ended_ = true;
        shell::runFlags().uiBusy = 0;
        host_.startPeriodicTimers();
    }

private:
    LaunchHost& host_;
    bool ended_ = false;
};

struct CursorEntry {
    std::wstring path;
    uint32_t attributes = 0;
    uint64_t size = 0;
    int index = 0;
};

// The entry under the cursor of a complete listing.
std::optional<CursorEntry> cursorEntry(LaunchHost& host) {
    filelist::FolderListing& listing = host.listing();
    if (!listing.isComplete()) return std::nullopt;
    const filelist::ListCursor& cursor = host.cursor();
    if (!filelist::hasCursorEntry(cursor, listing.count())) return std::nullopt;
    const filelist::FileEntry& e = listing.entryAt(cursor.cursorIndex());
    return CursorEntry{std::wstring(e.path()), e.attributes, e.size, cursor.cursorIndex()};
}

// Open and Property on the parent entry apply to the current folder.
std::wstring withoutParentStep(const std::wstring& path) {
    return filelist::hasParentStep(path) ? filelist::removeParentSteps(path) : path;
}

class LaunchCommands {
public:
    explicit LaunchCommands(std::shared_ptr<LaunchHost> host) : host_(std::move(host)) {}

    void shellVerb(const wchar_t* verb, bool toCurrentFolder, Guard guard, VerbSource source) {
        if (!idle(guard)) return;
        const std::optional<CursorEntry> entry = cursorEntry(*host_);
        if (!entry) return;
        LaunchRun run(*host_);
        runShellVerb(host_->mainWindow(), verb, toCurrentFolder ? withoutParentStep(entry->path) : entry->path,
                     source);
    }

    void desktopShortcut() {
        if (!idle(Guard::WorkerOnly)) return;
        const std::optional<CursorEntry> entry = cursorEntry(*host_);
        if (!entry || filelist::hasParentStep(entry->path)) return;
        LaunchRun run(*host_);
        const std::wstring desktop = desktopFolder();
        if (desktop.empty()) return;
        saveShortcut(shortcutPath(desktop, entry->path), entry->path);
    }

    void commandExecution() {
        if (!idle(Guard::All) || !host_->listing().isComplete()) return;
        LaunchRun run(*host_);
        const std::optional<CursorEntry> entry = cursorEntry(*host_);
        fileops::win::NameDialogState state;
        state.caption = launchTexts(host_->language()).commandCaption;
        state.name = initialCommandText(entry ? entry->path : std::wstring(), entry ? entry->index : 0,
                                        host_->listing().count());
        state.skipEnabled = false;
        state.checkNames = false;
        state.language = host_->language();
        const int answer = fileops::win::runNameDialog(host_->mainWindow(), state);
        host_->resetInteraction();
        if (answer != IDOK) return;
        if (const std::optional<std::wstring> line = typedCommandLine(state.name)) {
            startCommandLine(*line, host_->listing().currentFolder);
        }
        Sleep(250);
    }

    void associatedExecution() {
        if (!idle(Guard::All)) return;
        const std::optional<CursorEntry> entry = cursorEntry(*host_);
        if (!entry) return;
        LaunchRun run(*host_);
        // The flat listing of dropped items has no folder: all are files there.
        const bool flat = host_->listing().currentFolder.empty();
        const bool isFolder =
            !flat && (filelist::hasParentStep(entry->path) ||
                      ((entry->attributes & filelist::kAttrDirectory) != 0 && entry->size == 0));
        candidates_ = findCandidates(host_->extApps().entries(), common::splitPath(entry->path).extension, isFolder);
        run.end();
        if (candidates_.size() == 1) {
            PostMessageW(host_->mainWindow(), WM_COMMAND, IDM_ASSOC_FIRST, 0);
        } else if (candidates_.size() > 1) {
            showCandidateMenu();
        }
    }

    void runCandidate(int id) {
        if (!idle(Guard::All)) return;
        const std::optional<CursorEntry> entry = cursorEntry(*host_);
        if (!entry) return;
        const size_t n = static_cast<size_t>(id - IDM_ASSOC_FIRST);
        if (n >= candidates_.size()) return;
        LaunchRun run(*host_);
        if (const std::optional<std::wstring> line = candidateCommandLine(candidates_[n], entry->path)) {
            startCommandLine(*line, host_->listing().currentFolder);
        }
    }

    void editAssociations() {
        if (!idle(Guard::All)) return;
        LaunchRun run(*host_);
        ExtAppEditorState state;
        state.language = host_->language();
        state.initialFolder = host_->listing().currentFolder;
        const bool saved = runExtAppEditor(host_->mainWindow(), host_->instance(), host_->dataFiles(), state);
        if (saved) host_->extApps().load(host_->dataFiles());
        host_->resetInteraction();
    }

    void newProcess() {
        if (!idle(Guard::All)) return;
        LaunchRun run(*host_);
        if (!startSecondCopy(host_->modulePath())) {
            const LaunchTexts& t = launchTexts(host_->language());
            MessageBoxW(host_->mainWindow(), t.newProcessFailed, t.newProcessCaption, MB_OK | MB_ICONERROR);
        }
        Sleep(250);
    }

    void networkDialog(bool connect) {
        if (!idle(Guard::All)) return;
        LaunchRun run(*host_);
        const HWND main = host_->mainWindow();
        if (connect) {
            WNetConnectionDialog(main, RESOURCETYPE_DISK);
        } else {
            WNetDisconnectDialog(main, RESOURCETYPE_DISK);
        }
        SetForegroundWindow(main);
        InvalidateRect(main, nullptr, TRUE);
        UpdateWindow(main);
        host_->resetInteraction();
    }

private:
    void showCandidateMenu() {
        const platform::UniqueMenu loaded(LoadMenuW(host_->instance(), MAKEINTRESOURCEW(IDR_POPUP_MENU)));
        if (!loaded) return;
        HMENU popup = GetSubMenu(loaded.get(), 0);
        if (!popup) return;
        const int shown = static_cast<int>(candidates_.size() < kMenuCandidates ? candidates_.size() : kMenuCandidates);
        for (int i = 0; i < shown; ++i) {
            // "&" in a program path is a character, not a mnemonic.
            std::wstring label;
            for (wchar_t c : candidates_[static_cast<size_t>(i)]) {
                label += c;
                if (c == L'&') label += L'&';
            }
            AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(IDM_ASSOC_FIRST + i), label.c_str());
        }
        DeleteMenu(popup, kCandidatePlaceholder, MF_BYCOMMAND);
        const HWND main = host_->mainWindow();
        const POINT at = host_->candidateMenuPoint();
        SetForegroundWindow(main);
        // The item bitmaps are added by the main window as the menu opens.
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, main, nullptr);
        PostMessageW(main, WM_NULL, 0, 0);
    }

    std::shared_ptr<LaunchHost> host_;
    // The programs found by the last Associated Execution, in table order.
    std::vector<std::wstring> candidates_;
};

}  // namespace

void registerLaunchCommands(shell::CommandTable& table, std::shared_ptr<LaunchHost> host) {
    auto c = std::make_shared<LaunchCommands>(std::move(host));
    table.add(IDM_OPEN, [c](int) { c->shellVerb(L"open", true, Guard::All, VerbSource::RegisteredFirst); });
    table.add(IDM_EDIT_FILE, [c](int) { c->shellVerb(L"edit", false, Guard::WorkerOnly, VerbSource::RegisteredFirst); });
    table.add(IDM_PROPERTY, [c](int) { c->shellVerb(L"properties", true, Guard::WorkerOnly, VerbSource::ContextMenu); });
    table.add(IDM_DESKTOP_SHORTCUT, [c](int) { c->desktopShortcut(); });
    table.add(IDM_COMMAND_EXECUTION, [c](int) { c->commandExecution(); });
    table.add(IDM_ASSOCIATED_EXECUTION, [c](int) { c->associatedExecution(); });
    table.add(IDM_ASSOC_FIRST, IDM_ASSOC_LAST, [c](int id) { c->runCandidate(id); });
    table.add(IDM_ASSOCIATION_SETTING, [c](int) { c->editAssociations(); });
    table.add(IDM_NEW_PROCESS, [c](int) { c->newProcess(); });
    table.add(IDM_MAP_NETWORK, [c](int) { c->networkDialog(true); });
    table.add(IDM_DISCONNECT_NETWORK, [c](int) { c->networkDialog(false); });
}

}  // namespace tarvelo::launch::win
