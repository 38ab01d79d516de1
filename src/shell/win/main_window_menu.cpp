// The main menu: attaching and removing the bar, the state of items when a
// menu opens, the system menu commands.
#include "archive/win/archiver_bridge.h"
#include "filelist/view_restore.h"
#include "resource_ids.h"
#include "shell/menu_state.h"
#include "shell/run_flags.h"
#include "shell/win/main_window.h"
#include "shell/win/main_window_parts.h"

namespace tarvelo::shell::win {

namespace {

// File, Drive, Edit, ...: the Drive menu is the second top-level menu.
constexpr int kDriveMenuPosition = 1;
constexpr int kHelpMenuPosition = 7;
}

void MainWindow::attachMenuBar() {
    if (!mainMenu_) return;
    // The Help menu ends with the two archiver libraries' status lines,
    // probed again each time the bar is shown (a library may have come or gone).
    if (HMENU help = GetSubMenu(mainMenu_.get(), kHelpMenuPosition)) {
        wchar_t sevenZip[2048] = L"";
        wchar_t unrar[2048] = L"";
        archive::win::archiverVersionText(archive::ArchiverLibrary::SevenZip, sevenZip, 2048);
        archive::win::archiverVersionText(archive::ArchiverLibrary::Unrar, unrar, 2048);
        if (!archiverItemsAdded_) {
            AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(help, MF_STRING, IDM_ARCHIVER_7ZIP_INFO, sevenZip);
            AppendMenuW(help, MF_STRING, IDM_ARCHIVER_UNRAR_INFO, unrar);
        } else {
            ModifyMenuW(help, IDM_ARCHIVER_7ZIP_INFO, MF_BYCOMMAND | MF_STRING, IDM_ARCHIVER_7ZIP_INFO, sevenZip);
            ModifyMenuW(help, IDM_ARCHIVER_UNRAR_INFO, MF_BYCOMMAND | MF_STRING, IDM_ARCHIVER_UNRAR_INFO, unrar);
        }
    }
    archiverItemsAdded_ = true;
    if (GetMenu(hwnd_) != mainMenu_.get()) SetMenu(hwnd_, mainMenu_.get());
    // A window not shown yet (start-up) draws its frame when it is shown.
    if (IsWindowVisible(hwnd_)) DrawMenuBar(hwnd_);
}

void MainWindow::toggleMenuBar() {
    settings_.windowMenuBar ^= 1;
    if (settings_.windowMenuBar) {
        attachMenuBar();
    } else {
        // The window keeps owning the menu; only the bar goes away.
        SetMenu(hwnd_, nullptr);
        DrawMenuBar(hwnd_);
    }
    relayout();
}

void MainWindow::onSysCommand(WPARAM wp, LPARAM, bool& handled) {
    const UINT id = static_cast<UINT>(wp);
    handled = true;
    if (id == IDM_SYS_MENU_BAR) {
        toggleMenuBar();
    } else if (id == IDM_SYS_SAVE_SETTINGS) {
        saveSettingsForRestart();
    } else if (id == IDM_SYS_CLOSE_VIEWER) {
        parts_->preview.closeMediaPlayer();
    } else if (id >= 16 && id <= 31) {
        onCommand(IDM_VERSION);
    } else if ((id & 0xFFF0) == SC_CLOSE) {
        PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    } else {
        handled = false;
    }
}

void MainWindow::onInitMenuPopup(HMENU menu) {
    const RunFlags& flags = runFlags();
    MainWindowParts& p = *parts_;
    // The Drive menu is filled each time it opens. Known by its place in the
    // main menu, not by what it holds: after the first filling it may hold
    // any drives (or none), and every opening must show the drives of now.
    if (menu != nullptr && menu == GetSubMenu(mainMenu_.get(), kDriveMenuPosition)) {
        prepareDriveMenu(menu);
    }
    filelist::FolderListing& listing = p.listing;
    const int cursor = p.listPane.cursor.cursorIndex();
    MenuStateInput in;
    in.listingIdle = flags.listingThread == 0;
    in.listingComplete = listing.isComplete();
    in.anySelected = in.listingComplete && !listing.selectedPaths().empty();
    in.cursorEntryExists = in.listingComplete && cursor >= 0 && cursor < listing.count();
    in.cursorIndex = cursor;
    in.cursorIsParentEntry = in.cursorEntryExists && filelist::hasParentStep(listing.entryAt(cursor).path());
    in.currentFolderEmpty = listing.currentFolder.empty();
    in.focusPathEmpty = listing.focusPath.empty();
    in.uiBusy = flags.uiBusy != 0;
    in.topMost = settings_.windowTopMost != 0;
    in.alphaBlend = settings_.windowAlphaBlend != 0;
    in.viewModeMultiColumn = settings_.viewMode != 0;
    in.stripeRow = settings_.stripeRow != 0;
    in.drawIcon = settings_.drawIcon != 0;
    in.toolTip = settings_.toolTip != 0;
    in.gridLine = settings_.gridLine != 0;
    in.driveBar = settings_.windowDriveBar != 0;
    in.sideBar = settings_.windowSideBar != 0;
    in.exitConfirm = settings_.exitConfirm != 0;
    in.soundOnComplete = settings_.soundOnComplete != 0;
    in.theme = settings_.themaColor;
    MenuState state = computeMenuState(in);
    for (const MenuItemState& item : state.items) {
        EnableMenuItem(menu, static_cast<UINT>(item.id), MF_BYCOMMAND | (item.enabled ? MF_ENABLED : MF_GRAYED));
    }
    for (const MenuCheck& check : state.checks) {
        if (check.radio) continue;
        CheckMenuItem(menu, static_cast<UINT>(check.id), MF_BYCOMMAND | (check.checked ? MF_CHECKED : MF_UNCHECKED));
    }
    for (int t = 0; t < 8; ++t) {
        CheckMenuItem(menu, static_cast<UINT>(IDM_THEME_FIRST + t), MF_BYCOMMAND | MF_UNCHECKED);
    }
    if (settings_.themaColor >= 0 && settings_.themaColor <= 7) {
        CheckMenuRadioItem(menu, IDM_THEME_FIRST, IDM_THEME_LAST,
                           static_cast<UINT>(IDM_THEME_FIRST + settings_.themaColor), MF_BYCOMMAND);
    }
    applyMenuIcons(menu);
}

}  // namespace tarvelo::shell::win
