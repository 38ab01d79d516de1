// Command routing: every command id goes to the room that owns it. The
// navigation and selection commands of the list are carried out here with
// the list's own pieces; the timers that drive loads and reloads too.
#include "filelist/clipboard_text.h"
#include "filelist/load_rules.h"
#include "filelist/win/list_painter.h"
#include "platform/clipboard.h"
#include "platform/private_profile_store.h"
#include "platform/system_info.h"
#include "resource_ids.h"
#include "shell/run_flags.h"
#include "shell/win/main_window.h"
#include "shell/win/main_window_parts.h"

namespace tarvelo::shell::win {


void MainWindow::onCommand(int id) {
    // Ids whose rooms are not built yet have no owner and do nothing.
    commands_.dispatch(id);
}

void MainWindow::registerListCommands() {
    MainWindowParts& p = *parts_;
    filelist::FolderListing& listing = p.listing;
    filelist::win::Navigator& nav = p.navigator;
    CommandTable& t = commands_;
    const auto listingIdle = [] { return runFlags().listingThread == 0; };

    const auto close = [this](int) { PostMessageW(hwnd_, WM_CLOSE, 0, 0); };
    t.add(IDM_EXIT, close);
    t.add(IDCANCEL, close);
    t.add(IDM_RELOAD, [this, &nav](int) {
        if (guardAllows()) runModal([&] { nav.reload(); });
    });
    t.add(IDM_PARENT_FOLDER, [this, &nav](int) {
        if (guardAllows()) runModal([&] { nav.parentFolder(); });
    });
    t.add(IDM_SELECT_FOLDER, [this, &listing](int) {
        if (guardAllows() && listing.filledCount() == listing.enumeratedCount()) selectFolder();
    });
    t.add(IDM_SHORTCUT_FOLDER, [this, &p, &nav](int) {
        if (guardAllows()) runModal([&] { nav.shortcutFolder(p.shortcutFolder); });
    });
    t.add(IDM_SELECT_ALL, [this, &listing, listingIdle](int) {
        if (listingIdle() && !runFlags().uiBusy && listing.isComplete()) {
            listing.selectAll();
            paintList();
        }
    });
    t.add(IDM_CLEAR_ALL, [this, &listing, listingIdle](int) {
        if (listingIdle() && listing.isComplete()) {
            listing.clearSelection();
            paintList();
        }
    });
    t.add(IDM_SELECT_REVERSE, [this, &listing, listingIdle](int) {
        if (listingIdle() && listing.isComplete()) {
            listing.reverseSelection();
            paintList();
        }
    });
    const auto copyText = [this, &listing, listingIdle](int id) {
        if (listingIdle() && listing.isComplete()) copyListText(id == IDM_COPY_FULLPATH);
    };
    t.add(IDM_COPY_FILENAME, copyText);
    t.add(IDM_COPY_FULLPATH, copyText);
    t.add(IDM_DRIVE_FIRST, IDM_DRIVE_LAST, [this, &nav](int id) {
        if (!guardAllows()) return;
        const int drive = id - IDM_SHORTCUT_FOLDER;
        runModal([&] { nav.drive(drive, driveRootFor(drive)); });
    });
    t.add(IDM_SIDEBAR_FIRST, IDM_SIDEBAR_LAST, [this](int id) {
        if (guardAllows()) gotoSideBarFolder(id - IDM_SIDEBAR_FIRST);
    });
}

void MainWindow::copyListText(bool fullPaths) {
    MainWindowParts& p = *parts_;
    std::wstring text = fullPaths ? filelist::copyFullpathText(p.listing, p.listPane.cursor)
                                  : filelist::copyFilenameText(p.listing, p.listPane.cursor);
    if (!text.empty()) platform::setClipboardText(hwnd_, text);
    paintList();
}

void MainWindow::onStartFolderTimer() {
    MainWindowParts& p = *parts_;
    filelist::StartupAction action = filelist::StartupAction::Nothing;
    runModal([&] { action = p.navigator.startupListing(); });
    // A saved folder that is gone: let the user choose one.
    if (action == filelist::StartupAction::SelectFolder) PostMessageW(hwnd_, WM_COMMAND, IDM_SELECT_FOLDER, 0);
}

void MainWindow::startLoadProgressTimer() { SetTimer(hwnd_, TIMER_LOAD_PROGRESS, filelist::kLoadProgressIntervalMs, nullptr); }

void MainWindow::stopLoadProgressTimer() { KillTimer(hwnd_, TIMER_LOAD_PROGRESS); }

void MainWindow::onLoadProgressTimer() {
    MainWindowParts& p = *parts_;
    const RunFlags& flags = runFlags();
    const filelist::LoadProgressStep step =
        filelist::loadProgressStep(p.listing.isComplete(), flags.uiBusy != 0, flags.listingThread.load(),
                                   p.listing.enumeratedCount(), p.listing.filledCount());
    if (step.drawProgress && p.listPane.buffer.valid()) {
        filelist::win::paintLoadProgress(p.listPane.buffer.dc(), p.listPane.buffer.width(), p.listPane.buffer.height(),
                                         p.palette, p.listing.filledCount(), p.listing.enumeratedCount(), dpi_);
        InvalidateRect(p.list, nullptr, FALSE);
    }
    if (step.killTimer) {
        stopLoadProgressTimer();
        // The finished listing shows at once rather than at the next repaint tick.
        if (!flags.uiBusy && p.listing.isComplete()) paintList();
    }
    if (step.pauseMs > 0) Sleep(static_cast<DWORD>(step.pauseMs));
}

void MainWindow::onWatchAndDrivesTimer() {
    MainWindowParts& p = *parts_;
    filelist::win::FolderWatch& watch = p.navigator.watch();
    if (watch.changed()) {
        // A refused reload (busy, incomplete) leaves the mark for the next tick.
        SendMessageW(hwnd_, WM_COMMAND, IDM_RELOAD, 0);
    }
    pollDrives();
}

void MainWindow::filterTerms(std::wstring& text, std::vector<std::wstring>& terms) const {
    parts_->strings.loadTerms(text, terms);
}

}  // namespace tarvelo::shell::win
