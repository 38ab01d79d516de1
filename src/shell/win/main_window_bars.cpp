// The side bar of shortcut folders and the drive bar inside the main window:
// their data, painting, mouse input, menus and the periodic drive poll.
#include <windows.h>
#include <windowsx.h>
#include <mmsystem.h>

#include "filelist/win/bar_menus.h"
#include "platform/win32_byte_file.h"
#include "resource_ids.h"
#include "shell/run_flags.h"
#include "shell/dpi_scale.h"
#include "shell/section_file_store.h"
#include "shell/shell_texts.h"
#include "shell/win/main_window.h"
#include "shell/win/main_window_parts.h"

namespace tarvelo::shell::win {

namespace {

bool busyNow() {
    const RunFlags& f = runFlags();
    return f.uiBusy || f.listingThread || f.operationThread;
}

}  // namespace

void MainWindow::initBars() {
    MainWindowParts& p = *parts_;
    // Start-up may wait a little longer, so the first picture shows every
    // drive that answers promptly.
    p.lastDriveCount = p.driveMonitor.refreshDrives(p.drives, filelist::win::DriveMonitor::kStartupWait);
    std::vector<std::wstring> roots;
    for (int d = 1; d <= filelist::kDriveCount; ++d) {
        if (p.drives.isPresent(d)) roots.push_back(filelist::driveRoot(d));
    }
    p.shortcuts.loadOrSeed(p.dataFiles, roots);
}

uint32_t MainWindow::refreshDrives() {
    MainWindowParts& p = *parts_;
    p.driveMonitor.refreshDrives(p.drives);
    p.drives.noteLoad(p.listing.currentFolder);
    return p.drives.presentMask();
}

void MainWindow::pollDrives() {
    MainWindowParts& p = *parts_;
    const int count = p.driveMonitor.refreshDrives(p.drives);
    if (count != p.lastDriveCount) {
        p.lastDriveCount = count;
        markBarsForRepaint();
    }
}

std::wstring MainWindow::driveRootFor(int drive) {
    MainWindowParts& p = *parts_;
    p.driveMonitor.refreshDrives(p.drives);
    const filelist::DriveInfo* info = p.drives.slot(drive);
    return info && info->present ? info->root : std::wstring();
}

filelist::FreeSpaceLookup MainWindow::freeSpaceLookup() const {
    const filelist::DriveTable& drives = parts_->drives;
    return [&drives](wchar_t letter) -> std::optional<uint64_t> {
        const filelist::DriveInfo* info = drives.slot(letter - L'A' + 1);
        if (!info || !info->present) return std::nullopt;
        return info->freeBytes;
    };
}

void MainWindow::holdBarIcons() {
    MainWindowParts& p = *parts_;
    p.barIconsHeld = true;
    p.sideBarPane.holdIcons(true);
    p.driveBarPane.holdIcons(true);
}

void MainWindow::releaseBarIcons() {
    MainWindowParts& p = *parts_;
    if (!p.barIconsHeld) return;
    p.barIconsHeld = false;
    p.sideBarPane.holdIcons(false);
    p.driveBarPane.holdIcons(false);
    paintBars();
}

void MainWindow::markBarsForRepaint() {
    MainWindowParts& p = *parts_;
    p.sideBarPane.forgetLooks();
    p.driveBarPane.forgetLooks();
    paintBars();
}

void MainWindow::paintBars() {
    MainWindowParts& p = *parts_;
    filelist::win::BarLook look{&p.palette, p.fonts.barFont(), p.fonts.smallFont(), dpi_};
    if (p.driveBarBuffer.valid()) {
        const filelist::StringFeatures& s = p.strings;
        p.driveBarPane.setStringFields({filelist::searchFieldText(s, context_.uiLanguage),
                                        filelist::filteringFieldText(s, context_.uiLanguage), !s.searchText().empty(),
                                        s.searchHighlight(), !s.filteringText().empty(), s.filteringOn()});
        p.driveBarPane.paint(p.driveBarBuffer, look, p.drives, p.listing.currentFolder);
        InvalidateRect(p.driveBar, nullptr, FALSE);
    }
    if (p.sideBarBuffer.valid()) {
        if (p.sideBarRevealedFolder != p.listing.currentFolder) {
            // A new folder: its entry is brought into view, so an entry far down
            // the list, reached by key or menu, is seen highlighted.
            p.sideBarRevealedFolder = p.listing.currentFolder;
            p.sideBarPane.paint(p.sideBarBuffer, look, p.shortcuts, p.listing.currentFolder, p.drives,
                                context_.uiLanguage);
            p.sideBarPane.reveal(p.shortcuts.entryHoldingFolder(p.listing.currentFolder));
        }
        p.sideBarPane.paint(p.sideBarBuffer, look, p.shortcuts, p.listing.currentFolder, p.drives,
                            context_.uiLanguage);
        InvalidateRect(p.sideBar, nullptr, FALSE);
        updateSideBarScroll();
    }
}

void MainWindow::updateSideBarScroll() {
    MainWindowParts& p = *parts_;
    filelist::win::SideBarScroll s = p.sideBarPane.scroll();
    if (s.needed != layout_.sideBarScrollVisible) {
        // The need for the bar changed: lay out again once things settle.
        SetTimer(hwnd_, TIMER_RELAYOUT, 200, nullptr);
    }
    if (settings_.customScrollBar) {
        p.themedSideScroll.setRange(s.minPos, s.maxPos);
        p.themedSideScroll.setPageSize(s.page);
        p.themedSideScroll.setPos(s.pos, false);
    } else if (p.sideScroll) {
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = s.minPos;
        si.nMax = s.maxPos;
        si.nPage = static_cast<UINT>(s.page);
        si.nPos = s.pos;
        SetScrollInfo(p.sideScroll, SB_CTL, &si, TRUE);
    }
}

void MainWindow::scrollSideBar(int step) {
    if (parts_->sideBarPane.wheel(step)) paintBars();
}

void MainWindow::onSideBarScroll(WPARAM wp, HWND bar) {
    MainWindowParts& p = *parts_;
    const int first = p.sideBarPane.firstVisible();
    int target = first;
    switch (LOWORD(wp)) {
    case SB_LINEUP: target = first - 1; break;
    case SB_LINEDOWN: target = first + 1; break;
    case SB_PAGEUP: target = first - p.sideBarPane.visibleRows(); break;
    case SB_PAGEDOWN: target = first + p.sideBarPane.visibleRows(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        if (bar == p.themedSideScroll.hwnd()) {
            target = HIWORD(wp);
        } else {
            SCROLLINFO si{};
            si.cbSize = sizeof(si);
            si.fMask = SIF_TRACKPOS;
            GetScrollInfo(bar, SB_CTL, &si);
            target = si.nTrackPos;
        }
        break;
    default: return;
    }
    if (p.sideBarPane.scrollTo(target)) paintBars();
}

bool MainWindow::onBarMouse(const MSG& msg) {
    MainWindowParts& p = *parts_;
    POINT pt{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    const bool side = msg.hwnd == p.sideBar;
    if (msg.message == WM_MOUSEMOVE) {
        const bool moved = side ? p.sideBarPane.pointerMove(pt) : p.driveBarPane.pointerMove(pt);
        if (moved) paintBars();
        return false;
    }
    if (msg.message != WM_LBUTTONDOWN) return false;
    SetFocus(p.list);
    const filelist::win::BarClick click = side ? p.sideBarPane.click(pt) : p.driveBarPane.click(pt);
    switch (click.action) {
    case filelist::win::BarAction::Command:
        PostMessageW(hwnd_, WM_COMMAND, static_cast<WPARAM>(click.command), 0);
        break;
    case filelist::win::BarAction::Register:
    case filelist::win::BarAction::Release: {
        if (busyNow()) break;
        runFlags().uiBusy = 1;
        HCURSOR old = SetCursor(LoadCursorW(nullptr, IDC_APPSTARTING));
        if (click.action == filelist::win::BarAction::Register) {
            p.shortcuts.registerCurrentFolder(p.listing.currentFolder, p.dataFiles);
        } else {
            p.shortcuts.releaseCurrentFolder(p.listing.currentFolder, p.dataFiles);
        }
        SetCursor(old ? old : LoadCursorW(nullptr, IDC_ARROW));
        runFlags().uiBusy = 0;
        paintBars();
        tellIfDataFileReadOnly();
        break;
    }
    case filelist::win::BarAction::ToggleFiltering:
        filelist::win::toggleFiltering(*p.filterHost);
        break;
    case filelist::win::BarAction::None:
        break;
    }
    return true;
}

void MainWindow::clearBarHover() {
    MainWindowParts& p = *parts_;
    const bool side = p.sideBarPane.clearHover();
    const bool drive = p.driveBarPane.clearHover();
    if (side || drive) paintBars();
}

void MainWindow::registerSideBarFolder(const std::wstring& folder) {
    MainWindowParts& p = *parts_;
    DWORD a = GetFileAttributesW(folder.c_str());
    if (a == INVALID_FILE_ATTRIBUTES || !(a & FILE_ATTRIBUTE_DIRECTORY)) return;
    p.shortcuts.registerCurrentFolder(folder, p.dataFiles);
    paintBars();
    tellIfDataFileReadOnly();
}

void MainWindow::gotoSideBarFolder(int n) {
    MainWindowParts& p = *parts_;
    filelist::FolderListing& listing = p.listing;
    if (!listing.isComplete()) return;
    const filelist::ListCursor& c = p.listPane.cursor;
    std::wstring cursorPath;
    if (c.cursorIndex() < listing.count()) cursorPath = std::wstring(listing.entryAt(c.cursorIndex()).path());
    std::optional<filelist::ShortcutTarget> target =
        p.shortcuts.gotoShortcut(n, listing.currentFolder, c.topIndex, c.cursorRow, cursorPath);
    if (!target) return;
    runModal([&] { p.navigator.goToPlace(target->folder, target->cursorPath, target->topIndex, target->cursorRow); });
}

void MainWindow::showPopupMenu(bool drives) {
    MainWindowParts& p = *parts_;
    p.driveMonitor.refreshDrives(p.drives);
    filelist::win::LoadedPopup popup =
        drives ? filelist::win::buildDrivePopup(context_.instance, p.drives, p.listing.currentFolder,
                                                p.shortcutFolder, runFlags().uiBusy != 0)
               : filelist::win::buildShortcutPopup(context_.instance, p.shortcuts, p.listing.currentFolder,
                                                   [&](const std::wstring& path) {
                                                       return filelist::win::folderCanBeEntered(path, p.drives);
                                                   });
    if (!popup) return;
    POINT pt{scalePx(10, dpi_), scalePx(settings_.windowDriveBar ? 50 : 10, dpi_)};
    ClientToScreen(p.list, &pt);
    TrackPopupMenu(popup.popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, 0, hwnd_, nullptr);
}

void MainWindow::prepareDriveMenu(HMENU menu) {
    MainWindowParts& p = *parts_;
    // The user asked to see the drives: a drive that just arrived is given
    // a moment to answer (one that hangs still cannot hold the menu).
    p.driveMonitor.refreshDrives(p.drives, filelist::win::DriveMonitor::kMenuWait);
    filelist::win::buildDriveMenu(menu, p.drives, p.listing.currentFolder, runFlags().uiBusy != 0);
}

void MainWindow::storeShortcutFolder() {
    MainWindowParts& p = *parts_;
    p.shortcutFolder = p.listing.currentFolder;
    p.dataFiles.write(L"SaveData", L"ShortCutFolder", p.shortcutFolder);
    signalCompletion();
    tellIfDataFileReadOnly();
}

void MainWindow::tellIfDataFileReadOnly() {
    if (parts_->dataFiles.takeReadOnlyNotice()) {
        message(dataFileReadOnlyText(context_.uiLanguage), MB_OK | MB_ICONEXCLAMATION);
    }
}

void MainWindow::signalCompletion() {
    if (settings_.soundOnComplete &&
        !PlaySoundW(L"Notification.Reminder", nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT | SND_NOSTOP)) {
        MessageBeep(MB_OK);
    }
    FLASHWINFO flash{};
    flash.cbSize = sizeof(flash);
    flash.hwnd = hwnd_;
    flash.dwFlags = FLASHW_TRAY;
    flash.uCount = 2;
    flash.dwTimeout = 200;
    FlashWindowEx(&flash);
}

}  // namespace tarvelo::shell::win
