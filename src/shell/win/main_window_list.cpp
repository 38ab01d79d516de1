// The list pane inside the main window: its paint, its keyboard and mouse
// input (turned into cursor moves, selection toggles and posted commands),
// the scroll bars and opening the cursor entry.
#include <windowsx.h>

#include "filelist/list_cursor.h"
#include "filelist/scroll_mapping.h"
#include "filelist/view_restore.h"
#include "filelist/win/list_painter.h"
#include "platform/first_paint_signal.h"
#include "platform/system_info.h"
#include "resource_ids.h"
#include "shell/dpi_scale.h"
#include "shell/run_flags.h"
#include "shell/shell_texts.h"
#include "shell/win/main_window.h"
#include "shell/win/main_window_parts.h"

namespace tarvelo::shell::win {

using filelist::KeyAction;
using filelist::win::InputResult;

namespace {

bool keyHeld(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

std::wstring accessDeniedText(const std::wstring& path, UiLanguage l) {
    return path + pick(l, L"\r\n\r\nAccess denied.", L"\r\n\r\nアクセスが拒否されました");
}

}  // namespace

ListView MainWindow::view() const { return settings_.viewMode ? ListView::MultiColumn : ListView::ThreeTimes; }

bool MainWindow::listingComplete() const { return parts_->listing.isComplete(); }

void MainWindow::layoutList() {
    MainWindowParts& p = *parts_;
    RECT r{};
    if (p.list) GetClientRect(p.list, &r);
    p.listPane.layout(r.right, r.bottom, view(), settings_.lineHeight, settings_.font.size, dpi_);
}

void MainWindow::paintList() {
    MainWindowParts& p = *parts_;
    filelist::FolderListing& listing = p.listing;
    filelist::win::ListPane& pane = p.listPane;
    // A shown preview covers the list until the user acts.
    if (!pane.buffer.valid() || p.preview.state().showing()) return;
    pane.beforePaint(listing, view());

    const bool complete = listing.isComplete();
    if (complete && p.parentAttributesFolder != listing.currentFolder) {
        // Read once per listed folder, not on every paint.
        p.parentAttributesFolder = listing.currentFolder;
        DWORD a = GetFileAttributesW((listing.currentFolder + L"\\..").c_str());
        p.parentAttributes = a == INVALID_FILE_ATTRIBUTES ? 0 : a;
    }

    filelist::win::FolderListingSource source(listing);
    filelist::win::ListPaintInput in;
    in.listing = &source;
    in.view = view();
    in.cursor = pane.cursor;
    in.metrics = pane.metrics;
    in.palette = &p.palette;
    in.fonts = {p.fonts.listFont(), p.fonts.barFont(), p.fonts.largeFont(), scalePx(settings_.font.size, dpi_)};
    in.dpi = dpi_;
    in.settings.stripeRow = settings_.stripeRow != 0;
    in.settings.drawIcon = settings_.drawIcon != 0;
    in.settings.toolTip = settings_.toolTip != 0;
    in.settings.gridLine = settings_.gridLine != 0;
    in.settings.timestampFormat = settings_.timestampFormat;
    in.settings.language = context_.uiLanguage;
    in.appActive = activeApp_;
    if (pane.pointer.x >= 0) in.pointer = pane.pointer;
    if (pane.bandVisible) {
        in.band = filelist::PixelRect{pane.band.left(), pane.band.top(), pane.band.right(), pane.band.bottom()};
    }
    filelist::ListingTotals totals = listing.totals(freeSpaceLookup());
    in.status.listingComplete = complete;
    in.status.selectedFolders = totals.selectedFolders;
    in.status.selectedFiles = totals.selectedFiles;
    in.status.selectedFileBytes = totals.selectedFileBytes;
    in.status.totalFolders = totals.folders;
    in.status.totalFiles = totals.files;
    in.status.totalFileBytes = totals.fileBytes;
    in.status.freeBytes = totals.freeBytes;
    in.status.fontSize = settings_.font.size;
    in.status.confirmedFontSize = p.confirmedFontSize;
    in.status.contrast = p.contrast;
    in.status.confirmedContrast = p.confirmedContrast;
    in.subfolderMode = listing.subfolderMode;
    in.currentFolder = listing.currentFolder;
    in.parentTargetAttributes = p.parentAttributes;
    const auto searchMarks = p.strings.searchMarks();
    const auto filterMarks = p.strings.filterMarks();
    in.searchTerms.assign(searchMarks.begin(), searchMarks.end());
    in.filterTerms.assign(filterMarks.begin(), filterMarks.end());
    in.background = &p.background;
    in.icons = &p.icons;

    filelist::win::ListPaintOutput out;
    filelist::win::paintListPane(pane.buffer, in, out);
    platform::noteListBufferPainted(complete);
    pane.headerCells = out.headerCells;
    if (complete) filelist::win::storeNameTruncated(listing, out);
    updateListScrollBar();
    runPendingPreview();
    if (p.list) InvalidateRect(p.list, nullptr, FALSE);
    p.listAccess.afterPaint();
}

void MainWindow::updateListScrollBar() {
    MainWindowParts& p = *parts_;
    const int n = p.listing.isComplete() ? p.listing.count() : 0;
    const filelist::ListCursor& c = p.listPane.cursor;
    if (settings_.customScrollBar) {
        filelist::ScrollBarValues v = filelist::ownerDrawnBarValues(n, c);
        p.themedListScroll.setRange(v.minimum, v.maximum);
        p.themedListScroll.setPageSize(v.page);
        p.themedListScroll.setPos(v.position, false);
    } else if (p.listScroll) {
        filelist::ScrollBarValues v = filelist::standardBarValues(n, c);
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        si.nMin = v.minimum;
        si.nMax = v.maximum;
        si.nPage = static_cast<UINT>(v.page);
        si.nPos = v.position;
        SetScrollInfo(p.listScroll, SB_CTL, &si, TRUE);
        EnableWindow(p.listScroll, v.enabled);
    }
}

void MainWindow::onListScroll(WPARAM wp, HWND bar) {
    MainWindowParts& p = *parts_;
    filelist::FolderListing& listing = p.listing;
    if (!listing.isComplete()) return;
    const int n = listing.count();
    filelist::ListCursor& c = p.listPane.cursor;
    const int code = LOWORD(wp);
    filelist::ScrollRequest request;
    int thumb = 0;
    switch (code) {
    case SB_LINEUP: request = filelist::ScrollRequest::LineUp; break;
    case SB_LINEDOWN: request = filelist::ScrollRequest::LineDown; break;
    case SB_PAGEUP: request = filelist::ScrollRequest::PageUp; break;
    case SB_PAGEDOWN: request = filelist::ScrollRequest::PageDown; break;
    case SB_TOP: request = filelist::ScrollRequest::Top; break;
    case SB_BOTTOM: request = filelist::ScrollRequest::Bottom; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        request = filelist::ScrollRequest::Thumb;
        if (bar == p.themedListScroll.hwnd()) {
            thumb = filelist::topIndexFromOwnerDrawnPosition(HIWORD(wp), n, c.lastRow);
        } else {
            SCROLLINFO si{};
            si.cbSize = sizeof(si);
            si.fMask = SIF_TRACKPOS;
            GetScrollInfo(bar, SB_CTL, &si);
            thumb = si.nTrackPos;
        }
        break;
    }
    default: return;
    }
    c.topIndex = filelist::scrolledTopIndex(request, thumb, n, c);
    p.listPane.cancelBandAndDrag(listing);
    paintList();
}

filelist::KeyContext MainWindow::keyContext() const {
    const RunFlags& flags = runFlags();
    const filelist::FolderListing& listing = parts_->listing;
    filelist::KeyContext ctx;
    ctx.uiBusy = flags.uiBusy != 0;
    ctx.listingThreadRunning = flags.listingThread != 0;
    ctx.complete = listing.isComplete();
    ctx.midLoad = listing.filledCount() != listing.enumeratedCount();
    const int focusId = GetDlgCtrlID(GetFocus());
    ctx.focusOnButton = focusId == IDOK || focusId == IDCANCEL;
    return ctx;
}

bool MainWindow::onListKey(const MSG& msg) {
    MainWindowParts& p = *parts_;
    const bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    const int vk = static_cast<int>(msg.wParam);
    if (down) {
        // Held keys repeat; repeats still queued are dropped so they do not pile up.
        MSG next;
        while (PeekMessageW(&next, msg.hwnd, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) && next.wParam == msg.wParam &&
               (next.lParam & (1 << 30))) {
            PeekMessageW(&next, msg.hwnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
        }
    }
    if (down && previewKey(msg)) return true;
    filelist::KeyModifiers mods{keyHeld(VK_CONTROL), keyHeld(VK_SHIFT), keyHeld(VK_MENU)};
    filelist::KeyBinding binding =
        filelist::lookupKey(vk, down ? filelist::KeyPhase::Down : filelist::KeyPhase::Up, mods);
    if (binding.action == KeyAction::NotHandled) return false;
    switch (filelist::checkGuards(binding.guards, keyContext())) {
    case filelist::GuardVerdict::PassOn: return false;
    case filelist::GuardVerdict::Drop: return true;
    case filelist::GuardVerdict::Run: break;
    }
    const int cursorBefore = p.listPane.cursor.cursorIndex();
    InputResult r = p.listPane.applyKey(binding, p.listing, view());
    if (p.listPane.cursor.cursorIndex() != cursorBefore) previewFollowCursor();
    handleListResult(r);
    switch (r.special) {
    case KeyAction::Escape:
        if (runFlags().uiBusy) {
            if (message(forceTerminationText(context_.uiLanguage), MB_OKCANCEL | MB_ICONQUESTION) == IDOK) {
                SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            }
        } else {
            PostMessageW(hwnd_, WM_COMMAND, IDM_EXIT, 0);
        }
        break;
    case KeyAction::StoreShortcut:
        storeShortcutFolder();
        break;
    case KeyAction::NextTheme:
    case KeyAction::PrevTheme:
        PostMessageW(hwnd_, WM_COMMAND,
                     filelist::themeCommand(settings_.themaColor, r.special == KeyAction::PrevTheme), 0);
        break;
    case KeyAction::ToggleFiltering:
        filelist::win::toggleFiltering(*p.filterHost);
        break;
    case KeyAction::SidebarPopup:
    case KeyAction::DrivePopup:
        showPopupMenu(r.special == KeyAction::DrivePopup);
        break;
    default:
        break;
    }
    return true;
}

void MainWindow::handleListResult(const InputResult& r) {
    if (r.postCommand) PostMessageW(hwnd_, WM_COMMAND, static_cast<WPARAM>(r.postCommand), 0);
    if (r.openEntry) openCursorEntry(r.doubleClick);
    if (r.startDrag) startFileDrag();
    if (r.previewEntry) requestPreviewOfCursor(0);
    if (r.repaint) paintList();
}

bool MainWindow::onListMouse(const MSG& msg) {
    MainWindowParts& p = *parts_;
    filelist::win::ListPane& pane = p.listPane;
    filelist::FolderListing& listing = p.listing;
    const RunFlags& flags = runFlags();
    const bool idleAndComplete = !flags.uiBusy && !flags.listingThread && listing.isComplete();
    POINT pt{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    const bool shift = (msg.wParam & MK_SHIFT) != 0;
    const bool ctrl = (msg.wParam & MK_CONTROL) != 0;
    InputResult r;
    switch (msg.message) {
    case WM_LBUTTONDOWN: {
        SetFocus(p.list);
        // The static control reports no double clicks: tell them by time and place.
        const DWORD now = static_cast<DWORD>(msg.time);
        const bool isDouble = now - p.lastClickTime <= GetDoubleClickTime() &&
                              std::abs(pt.x - p.lastClickPoint.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                              std::abs(pt.y - p.lastClickPoint.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
        p.lastClickTime = isDouble ? 0 : now;
        p.lastClickPoint = pt;
        if (isDouble) {
            r = pane.doubleClick(pt, shift, ctrl, listing, idleAndComplete);
        } else {
            r = pane.leftPress(pt, shift, ctrl, listing, idleAndComplete);
            if (pane.dragArmed || pane.dragState == filelist::win::DragState::Band ||
                pane.dragState == filelist::win::DragState::Pressed) {
                SetCapture(p.list);
            }
            if (pane.dragState == filelist::win::DragState::Band) confinePointerToList();
            if (pane.headerClickPending) SetCursor(LoadCursorW(nullptr, IDC_APPSTARTING));
        }
        break;
    }
    case WM_MOUSEMOVE: {
        const bool wasPressed = pane.dragState == filelist::win::DragState::Pressed;
        r = pane.pointerMove(pt, listing);
        if (wasPressed && pane.dragState == filelist::win::DragState::Band) confinePointerToList();
        if (pane.inHeader(pt)) SetCursor(LoadCursorW(nullptr, IDC_HAND));
        if (!r.repaint && settings_.toolTip) r.repaint = true;  // the tool tip follows the pointer
        break;
    }
    case WM_LBUTTONUP:
        r = pane.leftRelease(pt, listing);
        if (GetCapture() == p.list) ReleaseCapture();
        ClipCursor(nullptr);
        break;
    case WM_RBUTTONDOWN:
        r = pane.rightPress(pt, ctrl, listing, idleAndComplete);
        break;
    case WM_RBUTTONUP:
        if (GetCapture()) ReleaseCapture();
        return false;  // the context menu comes from WM_CONTEXTMENU
    case WM_MBUTTONUP:
        r = pane.middleRelease(pt, listing, idleAndComplete);
        break;
    default:
        return false;
    }
    handleListResult(r);
    return r.consumed;
}

void MainWindow::confinePointerToList() {
    RECT r;
    GetWindowRect(parts_->list, &r);
    ClipCursor(&r);
}

void MainWindow::openCursorEntry(bool doubleClick) {
    MainWindowParts& p = *parts_;
    filelist::FolderListing& listing = p.listing;
    const int index = p.listPane.cursor.cursorIndex();
    if (!listing.isComplete() || index < 0 || index >= listing.count()) return;
    filelist::FileEntry& entry = listing.entryAt(index);
    const std::wstring path(entry.path());
    const bool entered = platform::setCurrentDirectory(path);
    switch (filelist::decideOpen(entry, entered, listing.subfolderMode, doubleClick)) {
    case filelist::OpenOutcome::PostParentFolder:
        PostMessageW(hwnd_, WM_COMMAND, IDM_PARENT_FOLDER, 0);
        break;
    case filelist::OpenOutcome::EnterFolder:
        runModal([&] { p.navigator.enterFolder(path); });
        break;
    case filelist::OpenOutcome::AccessDenied:
        message(accessDeniedText(path, context_.uiLanguage), MB_OK | MB_ICONEXCLAMATION);
        break;
    case filelist::OpenOutcome::ToggleSelection:
        filelist::toggleUnlessParent(entry);
        paintList();
        break;
    case filelist::OpenOutcome::Preview:
        requestPreviewOfCursor(0);
        break;
    }
}

}  // namespace tarvelo::shell::win
