// The list's exchanges with the shell: files dragged out and dropped in, the
// context menu, the folder picker of Select Folder.
#include "filelist/drop_files_block.h"
#include "filelist/view_restore.h"
#include "filelist/win/drag_source.h"
#include "filelist/win/dropped_files.h"
#include "launch/win/folder_browser.h"
#include "platform/private_profile_store.h"
#include "resource_ids.h"
#include "shell/menu_state.h"
#include "shell/run_flags.h"
#include "shell/win/main_window.h"
#include "shell/win/main_window_parts.h"

namespace tarvelo::shell::win {

void MainWindow::startFileDrag() {
    MainWindowParts& p = *parts_;
    RunFlags& flags = runFlags();
    if (flags.uiBusy || flags.listingThread || !p.listing.isComplete()) return;
    std::vector<std::wstring> paths = filelist::draggedPaths(p.listing, p.listPane.cursor);
    if (paths.empty()) return;
    const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    p.listPane.dragState = filelist::win::DragState::AfterDrag;
    stopPeriodicTimers();
    flags.uiBusy = 1;
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    if (GetCapture()) ReleaseCapture();
    // While the drag runs the list takes no drops and the side bar does, so
    // a folder can be dropped onto the side bar to register it.
    DragAcceptFiles(p.list, FALSE);
    DragAcceptFiles(p.sideBar, TRUE);
    filelist::win::runFileDrag(paths, ctrl);
    DragAcceptFiles(p.sideBar, FALSE);
    DragAcceptFiles(p.list, TRUE);
    flags.uiBusy = 0;
    startPeriodicTimers();
    paintList();
}

bool MainWindow::acceptsDrops() {
    const RunFlags& flags = runFlags();
    return !flags.uiBusy && !flags.listingThread;
}

void MainWindow::filesDropped(std::vector<std::wstring> paths, POINT screen) {
    MainWindowParts& p = *parts_;
    p.pendingDrop = std::move(paths);
    p.pendingDropPoint = screen;
    PostMessageW(hwnd_, kMsgDroppedFiles, 0, 0);
}

void MainWindow::onDropFiles(HDROP drop) {
    filelist::win::UniqueDrop owned(drop);
    if (!acceptsDrops()) return;
    filelist::win::DroppedFiles dropped = filelist::win::readDroppedFiles(drop);
    POINT screen;
    GetCursorPos(&screen);
    openDropMenu(std::move(dropped.paths), screen);
}

void MainWindow::openDropMenu(std::vector<std::wstring> paths, POINT screen) {
    MainWindowParts& p = *parts_;
    if (paths.empty() || !acceptsDrops()) return;
    if (WindowFromPoint(screen) == p.sideBar) {
        registerSideBarFolder(paths.front());
        return;
    }
    p.dropList = std::move(paths);
    SetForegroundWindow(hwnd_);
    SetFocus(p.list);
    HMENU menu = LoadMenuW(context_.instance, MAKEINTRESOURCEW(IDR_DROP_MENU));
    if (!menu) return;
    if (HMENU popup = GetSubMenu(menu, 0)) {
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd_, nullptr);
    }
    DestroyMenu(menu);
}

void MainWindow::onContextMenu(LPARAM lp) {
    MainWindowParts& p = *parts_;
    POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    if (pt.x == -1 && pt.y == -1) {
        // From the keyboard: at the list's client origin.
        pt = {0, 0};
        ClientToScreen(p.list, &pt);
    }
    SetForegroundWindow(hwnd_);
    SetFocus(p.list);
    HMENU menu = LoadMenuW(context_.instance, MAKEINTRESOURCEW(IDR_LIST_CONTEXT_MENU));
    if (!menu) return;
    if (HMENU popup = GetSubMenu(menu, 0)) {
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, 0, hwnd_, nullptr);
    }
    DestroyMenu(menu);
}

void MainWindow::selectFolder() {
    MainWindowParts& p = *parts_;
    filelist::FolderListing& listing = p.listing;
    runModal([&] {
        SetForegroundWindow(hwnd_);
        platform::PrivateProfileStore ini(context_.settingsFilePath);
        std::wstring start = listing.currentFolder;
        if (start.empty()) start = ini.readString(L"Settings", L"Folder", L"");
        if (start.empty()) start = launch::win::specialFolderPath(GetDesktopWindow(), 5);  // documents
        launch::win::BrowseResult chosen = launch::win::browseForFolder(hwnd_, start, true, ini);
        if (chosen.code != launch::win::kBrowseChosen || chosen.path.empty()) return;
        p.navigator.goTo(chosen.path, chosen.searchSubFolders);
    });
}

}  // namespace tarvelo::shell::win
