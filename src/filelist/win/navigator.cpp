#include "filelist/win/navigator.h"

#include "platform/system_info.h"
#include "shell/run_flags.h"

namespace tarvelo::filelist::win {

namespace {

constexpr unsigned kLoadHeadStartMs = 55;

bool isFolder(const std::wstring& path) {
    DWORD a = GetFileAttributesW(withLongPathPrefix(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// The system menu's Close items are greyed while a load runs.
void enableClose(HWND window, bool enable) {
    if (!window) return;
    if (HMENU system = GetSystemMenu(window, FALSE)) {
        const UINT state = enable ? MF_ENABLED : MF_GRAYED;
        EnableMenuItem(system, SC_CLOSE, MF_BYCOMMAND | state);
    }
}

}  // namespace

Navigator::Navigator(FolderListing& listing, ListPane& pane, NavigatorHost& host)
    : listing_(listing), pane_(pane), host_(host), loader_(reader_, shell::runFlags().listingThread) {}

void Navigator::startLoad(HeadStart headStart) {
    if (loader_.running()) return;
    host_.stopLoadProgressTimer();
    host_.markBarsForRepaint();

    const std::wstring& folder = listing_.currentFolder;
    if (!folderCanBeEnumerated(folder)) {
        // Nothing to enumerate: the listed entries are read and sorted again.
        if (listing_.count() > 0) refreshWithoutEnumeration(listing_, reader_, host_.view());
        return;
    }
    presentMask_ = host_.refreshDrives();
    driveMemory_.noteLoad(folder, presentMask_);
    watch_.setFolder(folder);

    pane_.cursor.topIndex = 0;
    pane_.cursor.cursorRow = 0;
    LoadRequest request;
    request.view = host_.view();
    host_.filterTerms(request.filterText, request.filterTerms);
    request.filtering = !request.filterText.empty();
    HWND window = host_.window();
    FolderWatch* watch = &watch_;
    request.onJobStart = [window, watch] {
        watch->clearChanged();
        enableClose(window, false);
    };
    request.onJobEnd = [window] { enableClose(window, true); };
    loader_.start(listing_, std::move(request));
    headStartEnd_ = GetTickCount64() + kLoadHeadStartMs;
    host_.startLoadProgressTimer();
    if (headStart == HeadStart::Now) awaitHeadStart();
}

void Navigator::awaitHeadStart() {
    // Counted from the load's start: work done meanwhile shortens the wait.
    const ULONGLONG now = GetTickCount64();
    if (now < headStartEnd_) loader_.waitUpTo(static_cast<unsigned>(headStartEnd_ - now));
}

void Navigator::navigate(const std::wstring& folder, std::wstring focus, bool subfolderMode, int top, int row,
                         HeadStart headStart) {
    listing_.focusPath = std::move(focus);
    listing_.currentFolder = folder;
    listing_.subfolderMode = subfolderMode;
    pane_.pendingTop = top;
    pane_.pendingRow = row;
    startLoad(headStart);
}

void Navigator::reload() {
    // An empty folder (a drive root without entries) can still be reloaded,
    // so that what appears in it is shown.
    const bool emptyAndIdle = listing_.enumeratedCount() == 0 && !loader_.running();
    if (!listing_.isComplete() && !emptyAndIdle) return;
    pane_.pendingTop = pane_.cursor.topIndex;
    pane_.pendingRow = pane_.cursor.cursorRow;
    startLoad();
}

void Navigator::parentFolder() {
    if (!listing_.isComplete() || listing_.currentFolder.size() < 3) return;
    const std::wstring old = listing_.currentFolder;
    if (!platform::setCurrentDirectory(old + L"\\..")) return;
    navigate(platform::currentDirectory(), old, false, -1, -1);
}

void Navigator::enterFolder(const std::wstring& folder) { navigate(folder, L"", false, -1, -1); }

void Navigator::goTo(const std::wstring& folder, bool subfolderMode) { navigate(folder, L"", subfolderMode, -1, -1); }

void Navigator::goToPlace(const std::wstring& folder, const std::wstring& focus, int top, int row) {
    navigate(folder, focus, false, top, row);
}

void Navigator::shortcutFolder(const std::wstring& shortcut) {
    if (!listing_.isComplete()) return;
    if (shortcut.empty() || shortcut.find(L':') == std::wstring::npos) return;
    navigate(shortcut, listing_.currentFolder, false, -1, -1);
}

void Navigator::drive(int driveNumber, const std::wstring& root) {
    if (!listing_.isComplete()) return;
    presentMask_ = host_.refreshDrives();
    const int index = pane_.cursor.cursorIndex();
    std::wstring cursorPath;
    if (index >= 0 && index < listing_.count()) cursorPath = std::wstring(listing_.entryAt(index).path());
    std::optional<DriveTarget> target =
        driveMemory_.switchTo(driveNumber, root, listing_.currentFolder, presentMask_, pane_.cursor, cursorPath);
    if (!target) return;
    navigate(target->currentFolder, target->focusPath, false, target->pendingTop, target->pendingRow);
}

StartupAction Navigator::startupPlan() const {
    const std::wstring& folder = listing_.currentFolder;
    return startupAction(folder, isFolder(folder));
}

StartupAction Navigator::startupListing(HeadStart headStart) {
    const StartupAction action = startupPlan();
    if (action == StartupAction::ListFolder) navigate(listing_.currentFolder, L"", false, -1, -1, headStart);
    return action;
}

}  // namespace tarvelo::filelist::win
