// The orderly exit: confirmation, stopping the background threads, removing
// the temporary expansion folder, and saving everything at destruction.
#include "fileops/win/operation_run.h"
#include "preview/win/expansion_cleanup.h"
#include "platform/private_profile_store.h"
#include "platform/win32_byte_file.h"
#include "shell/run_flags.h"
#include "shell/section_file_store.h"
#include "shell/shell_texts.h"
#include "shell/win/appearance.h"
#include "shell/win/main_window.h"
#include "shell/win/ini_int_settings.h"
#include "shell/win/crash_handler.h"
#include "shell/win/instance_gate.h"
#include "shell/win/main_window_parts.h"
#include "resource_ids.h"

namespace tarvelo::shell::win {

void MainWindow::onClose() {
    RunFlags& flags = runFlags();
    // A close that arrives while a file command pumps messages would tear the
    // window down under it and cut an item off half-way: refuse it, and leave
    // the command's busy state and timers alone.
    if (fileops::win::OperationRun::anyRunning() || flags.operationThread != 0) {
        message(waitingForThreadText(context_.uiLanguage), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    stopPeriodicTimers();
    flags.uiBusy = 1;
    auto stay = [&] {
        resetInteraction();
        rebuildVisuals();
        flags.uiBusy = 0;
        startPeriodicTimers();
    };
    if (settings_.exitConfirm &&
        message(exitConfirmText(context_.uiLanguage), MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
        stay();
        return;
    }
    if (flags.listingThread != 0) {
        message(waitingForThreadText(context_.uiLanguage), MB_OK | MB_ICONEXCLAMATION);
        stay();
        return;
    }
    // A copy started from now on waits for this one instead of becoming "(#2)".
    announceShutdown();
    HCURSOR old = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    setTitle(title_ + exitProcessSuffix(context_.uiLanguage));
    colourTitleBarForExit(hwnd_);
    for (UINT_PTR timer = TIMER_LOAD_PROGRESS; timer <= TIMER_RELAYOUT; ++timer) KillTimer(hwnd_, timer);
    parts_->navigator.loader().stop();
    parts_->navigator.watch().stop();
    // Nothing of the expansion folder is kept between runs.
    preview::win::removeExpansionFolder(context_.moduleFolder);
    SetCursor(old);
    // Under Wine without a window manager, hiding a captioned window waits
    // up to 2 s for a confirmation nobody sends, and DestroyWindow hides
    // first. A window that no longer draws is destroyed without hiding.
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    DestroyWindow(hwnd_);
}

void MainWindow::saveSettings() {
    MainWindowParts& p = *parts_;
    platform::PrivateProfileStore ini(context_.settingsFilePath);
    AppSettingsSaveState state;
    state.currentFolder = p.listing.currentFolder;
    state.shortCutFolder = p.shortcutFolder;
    state.isZoomed = IsZoomed(hwnd_) != FALSE;
    state.createdFaceName = p.fonts.actualFaceName();
    WINDOWPLACEMENT wp{};
    wp.length = sizeof(wp);
    if (GetWindowPlacement(hwnd_, &wp)) {
        WindowPlacementValues v;
        v.flags = static_cast<int>(wp.flags);
        v.showCommand = static_cast<int>(wp.showCmd);
        v.minPositionX = wp.ptMinPosition.x;
        v.minPositionY = wp.ptMinPosition.y;
        v.maxPositionX = wp.ptMaxPosition.x;
        v.maxPositionY = wp.ptMaxPosition.y;
        v.restored = {wp.rcNormalPosition.left, wp.rcNormalPosition.top, wp.rcNormalPosition.right,
                      wp.rcNormalPosition.bottom};
        state.placement = v;
    }
    // The settings file first and on its own: a large or slow data file must
    // never cost the session's settings.
    IniIntSettings sortSettings(ini);
    p.listing.saveSortSettings(sortSettings);
    settings_.save(ini, state);
    saveSessionData(p.dataFiles, state);
}

void MainWindow::onDestroy() {
    if (destroyed_) return;
    crashHandlerWindowGone();
    HCURSOR old = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    if (!settingsSaved_) {
        saveSettings();
        settingsSaved_ = true;
    }
    // The menu object is ours; detach it so the window does not free it too.
    if (GetMenu(hwnd_) == mainMenu_.get()) SetMenu(hwnd_, nullptr);
    parts_->preview.stop();
    parts_->listDropTarget.revoke();
    SetCursor(old);
    destroyed_ = true;
    PostQuitMessage(0);
}

}  // namespace tarvelo::shell::win
