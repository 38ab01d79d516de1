#include "shell/win/main_window.h"

#include <windowsx.h>

#include <algorithm>

#include "common/path_split.h"
#include "filelist/side_bar_layout.h"
#include "platform/private_profile_store.h"
#include "platform/win32_byte_file.h"
#include "shell/section_file_store.h"
#include "shell/win/ini_int_settings.h"
#include "platform/system_info.h"
#include "resource_ids.h"
#include "shell/command_line.h"
#include "shell/run_flags.h"
#include "shell/shell_texts.h"
#include "shell/wheel_rules.h"
#include "shell/win/crash_handler.h"
#include "shell/win/main_window_parts.h"

namespace tarvelo::shell::win {

namespace {

constexpr UINT kPeriodicWatchMs = 2550;
constexpr UINT kRepaintFirstMs = 200;
// The start folder is listed once the window has been shown and painted.
constexpr UINT kStartFolderMs = 350;

BOOL CALLBACK countMonitor(HMONITOR, HDC, LPRECT, LPARAM data) {
    ++*reinterpret_cast<int*>(data);
    return TRUE;
}

}  // namespace

MainWindow::MainWindow(AppContext& context)
    : context_(context), parts_(std::make_unique<MainWindowParts>(static_cast<filelist::win::NavigatorHost&>(*this), context.modulePath)) {}

MainWindow::~MainWindow() = default;

int MainWindow::run() {
    // The listing's storage is reserved once for the whole run.
    if (!parts_->listing.storageReady()) {
        MessageBoxW(nullptr, L"Out of memory.", kAppCaption, MB_OK | MB_ICONERROR);
        return -1;
    }
    // Start-up refuses to run without GDI+, which draws the previews.
    {
        platform::UniqueModule gdiplus(LoadLibraryW(L"gdiplus.dll"));
        if (!gdiplus) {
            MessageBoxW(nullptr, kGdiplusMissingText, kAppCaption, MB_OK | MB_ICONEXCLAMATION);
            return -1;
        }
    }
    HWND window = CreateDialogParamW(context_.instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, dialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (!window) return 0;
    MSG msg;
    while (!destroyed_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (preTranslate(msg)) continue;
        if (accelerators_ && TranslateAcceleratorW(hwnd_, accelerators_, &msg)) continue;
        if (hwnd_ && IsDialogMessageW(hwnd_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

INT_PTR CALLBACK MainWindow::dialogProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    MainWindow* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<MainWindow*>(lp);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    }
    if (!self) return FALSE;
    return self->handle(msg, wp, lp);
}

bool MainWindow::preTranslate(MSG& msg) {
    if (!hwnd_ || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
    MainWindowParts& p = *parts_;
    if (previewFilter(msg)) return true;
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        // The list's key handling sees every key aimed at any control of the
        // window before dialog processing would (it posts commands, not runs them).
        return onListKey(msg);
    case WM_SYSKEYDOWN:
        // F10 would open the menu bar; it does nothing here.
        return msg.wParam == VK_F10 && !(GetKeyState(VK_MENU) & 0x8000);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (msg.hwnd != p.list && msg.hwnd != hwnd_) SetFocus(p.list);
        [[fallthrough]];
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
        if (msg.hwnd == p.list) return onListMouse(msg);
        if (msg.hwnd == p.sideBar || msg.hwnd == p.driveBar) return onBarMouse(msg);
        return onSplitBarMouse(msg);
    default:
        return false;
    }
}

bool MainWindow::onSplitBarMouse(const MSG& msg) {
    MainWindowParts& p = *parts_;
    if (msg.hwnd != hwnd_ && msg.hwnd != p.splitBar) return false;
    POINT pt{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    MapWindowPoints(msg.hwnd, hwnd_, &pt, 1);
    overSplitBar_ = isOnSplitBar(pt.x, pt.y, layout_, dpi_);
    switch (msg.message) {
    case WM_MOUSEMOVE:
        if (splitDragActive_) {
            // Stored in 96-DPI units, like every size the settings keep.
            if (pt.x >= 0) {
                // Kept where the layout can draw it (at most the window's width).
                settings_.windowSplitBarPos =
                    std::clamp(MulDiv(pt.x, 96, dpi_), kMinSplitBarPos, kMaxSplitBarPos);
                relayout();
            }
            SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
            return true;
        }
        if (overSplitBar_) SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
        return overSplitBar_;
    case WM_LBUTTONDOWN:
        if (!overSplitBar_ || runFlags().uiBusy) return false;
        splitDragActive_ = true;
        SetCapture(hwnd_);
        {
            RECT client;
            GetClientRect(hwnd_, &client);
            MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&client), 2);
            ClipCursor(&client);
        }
        return true;
    case WM_LBUTTONUP:
        if (!splitDragActive_) return false;
        splitDragActive_ = false;
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        ReleaseCapture();
        ClipCursor(nullptr);
        relayout();
        return true;
    default:
        return false;
    }
}

bool MainWindow::guardAllows() const {
    const RunFlags& flags = runFlags();
    return flags.uiBusy.load() == 0 && flags.listingThread.load() == 0;
}

void MainWindow::stopPeriodicTimers() {
    KillTimer(hwnd_, TIMER_WATCH_AND_DRIVES);
    KillTimer(hwnd_, TIMER_REPAINT);
}

void MainWindow::startPeriodicTimers() {
    SetTimer(hwnd_, TIMER_WATCH_AND_DRIVES, kPeriodicWatchMs, nullptr);
    SetTimer(hwnd_, TIMER_REPAINT, kRepaintFirstMs, nullptr);
}

void MainWindow::runModal(const std::function<void()>& work) {
    stopPeriodicTimers();
    runFlags().uiBusy = 1;
    resetInteraction();
    work();
    resetInteraction();
    rebuildVisuals();
    runFlags().uiBusy = 0;
    startPeriodicTimers();
}

void MainWindow::resetInteraction() {
    splitDragActive_ = false;
    parts_->listPane.resetInteraction(parts_->listing);
    ClipCursor(nullptr);
    if (GetCapture()) ReleaseCapture();
}

int MainWindow::message(const std::wstring& text, UINT flags) {
    return MessageBoxW(hwnd_, text.c_str(), kAppCaption, flags);
}

void MainWindow::setTitle(const std::wstring& title) {
    SetWindowTextW(hwnd_, title.c_str());
}

void MainWindow::onInitDialog() {
    AppContext& ctx = context_;
    MainWindowParts& p = *parts_;
    dpi_ = platform::windowDpi(hwnd_);

    // System menu: Menu Bar toggle and the version item.
    wchar_t* versionText = nullptr;
    int versionLength = LoadStringW(ctx.instance, IDS_VERSION_MENU, reinterpret_cast<LPWSTR>(&versionText), 0);
    if (HMENU system = GetSystemMenu(hwnd_, FALSE); system && versionLength > 0) {
        std::wstring version(versionText, static_cast<size_t>(versionLength));
        AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(system, MF_STRING, IDM_SYS_MENU_BAR, menuBarItemText(ctx.uiLanguage));
        AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(system, MF_STRING, IDM_SYS_VERSION, version.c_str());
    }

    HICON big = static_cast<HICON>(LoadImageW(ctx.instance, MAKEINTRESOURCEW(IDI_TARVELO), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED));
    HICON small = static_cast<HICON>(LoadImageW(ctx.instance, MAKEINTRESOURCEW(IDI_TARVELO), IMAGE_ICON,
                                                GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));

    installCrashHandler({hwnd_, ctx.modulePath, ctx.startTickMs, restartWaitProcessId(ctx.commandLine).has_value()});

    RunFlags& flags = runFlags();
    flags.uiBusy = 0;
    flags.listingThread = 0;
    flags.watchThread = 0;
    flags.operationThread = 0;
    flags.reserved1 = 0;
    flags.reserved2 = 0;

    wchar_t templateTitle[256] = L"";
    GetWindowTextW(hwnd_, templateTitle, 256);
    title_ = windowTitle(templateTitle, ctx.isSecondInstance, platform::isAdministrator(), ctx.uiLanguage);
    setTitle(title_);

    currentFolderAtStart_ = platform::currentDirectory();

    platform::PrivateProfileStore ini(ctx.settingsFilePath);
    settings_.load(ini, ctx.uiLanguage);

    EnumDisplayMonitors(nullptr, nullptr, countMonitor, reinterpret_cast<LPARAM>(&monitorCount_));
    if (monitorCount_ < 1) monitorCount_ = 1;

    applyStoredPlacement();

    if (auto alpha = startupWindowAlpha(settings_)) {
        SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) | WS_EX_LAYERED);
        SetLayeredWindowAttributes(hwnd_, 0, *alpha, LWA_ALPHA);
    }

    {
        // The folder shown at the last exit, else the program's drive root;
        // a folder on the command line wins over both.
        const std::wstring keys[] = {L"CurrentFolder", L"ShortCutFolder"};
        SectionValues savedData = p.dataFiles.readMany(L"SaveData", keys);
        std::wstring saved = std::move(savedData.values[0]);
        p.shortcutFolder = std::move(savedData.values[1]);
        // The associations; a first start writes the defaults.
        p.extApps.loadOrSeed(p.dataFiles);
        const std::wstring driveRoot = common::splitPath(ctx.modulePath).drive + L"\\";
        if (p.shortcutFolder.empty()) p.shortcutFolder = driveRoot;
        p.listing.currentFolder = saved.empty() ? driveRoot : saved;
        std::wstring startFolder = startFolderFromCommandLine(ctx.commandLine);
        if (!startFolder.empty()) p.listing.currentFolder = startFolder;
        IniIntSettings sortSettings(ini);
        p.listing.loadSortSettings(sortSettings);
        p.confirmedFontSize = settings_.font.size;
    }
    holdBarIcons();
    initBars();

    // Watching starts first: a change made while the folder is read is not missed.
    p.navigator.watch().start();
    // A start folder that is there is read now, on the listing thread, while
    // the rest of the window is set up, so the window's first paint can show
    // it; anything else (no folder, a folder that is gone and asks for Select
    // Folder) waits for the timer, once the window is up.
    runFlags().uiBusy = 1;
    const bool listNow =
        p.navigator.startupListing(filelist::win::HeadStart::Later) == filelist::StartupAction::ListFolder;

    mainMenu_.reset(LoadMenuW(ctx.instance, MAKEINTRESOURCEW(IDR_MAIN_MENU)));
    accelerators_ = LoadAcceleratorsW(ctx.instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    if (settings_.windowMenuBar) {
        attachMenuBar();
    } else {
        SetMenu(hwnd_, nullptr);
    }

    p.driveBar = GetDlgItem(hwnd_, IDC_DRIVE_BAR);
    p.sideBar = GetDlgItem(hwnd_, IDC_SIDE_BAR);
    p.sideScroll = GetDlgItem(hwnd_, IDC_SIDE_SCROLL);
    p.list = GetDlgItem(hwnd_, IDC_LIST);
    p.listScroll = GetDlgItem(hwnd_, IDC_LIST_SCROLL);
    p.splitBar = GetDlgItem(hwnd_, IDC_SPLIT_BAR);
    p.themedListScroll.create(hwnd_, IDC_THEMED_LIST_SCROLL);
    p.themedSideScroll.create(hwnd_, IDC_THEMED_SIDE_SCROLL);
    // Screen readers: the owner-drawn panes answer WM_GETOBJECT.
    p.listAccess.attach(p.list, ctx.uiLanguage);
    p.sideBarAccess.attach(p.sideBar, ctx.uiLanguage);
    p.driveBarAccess.attach(p.driveBar, ctx.uiLanguage);
    // After the shortcuts are loaded: their count decides the side bar's scroll bar.
    placePanes();

    p.preview.start(context_.instance, hwnd_);
    registerCommands();
    DragAcceptFiles(p.list, TRUE);
    p.listDropTarget.attach(p.list, *this);

    // The one build of colours, fonts and buffers before the window shows;
    // a small start folder is complete by now and is painted with it.
    if (listNow) p.navigator.awaitHeadStart();
    rebuildVisuals();
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);

    runFlags().uiBusy = 0;
    startPeriodicTimers();
    if (!listNow) SetTimer(hwnd_, TIMER_START_FOLDER, kStartFolderMs, nullptr);
}

void MainWindow::applyStoredPlacement() {
    if (settings_.position) {
        WindowPlacementValues v = *settings_.position;
        ShowWindow(hwnd_, SW_HIDE);
        WINDOWPLACEMENT wp{};
        wp.length = sizeof(wp);
        wp.flags = static_cast<UINT>(v.flags);
        wp.showCmd = static_cast<UINT>(context_.showCommand);
        wp.ptMinPosition = {v.minPositionX, v.minPositionY};
        wp.ptMaxPosition = {v.maxPositionX, v.maxPositionY};
        // Pulled back before it is applied, so an empty or far-away stored
        // rectangle never shows (or is saved again) as it was.
        const PlacementRect pulled = pullBackOnScreen(v.restored, GetSystemMetrics(SM_CXSCREEN),
                                                      GetSystemMetrics(SM_CYSCREEN), monitorCount_);
        wp.rcNormalPosition = {pulled.left, pulled.top, pulled.right, pulled.bottom};
        SetWindowPlacement(hwnd_, &wp);
        if (settings_.isZoomed) ShowWindow(hwnd_, SW_MAXIMIZE);
        SetWindowPos(hwnd_, settings_.windowTopMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        return;
    }
    RECT r{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetWindowRect(hwnd_, &r) ||
        !GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return;
    }
    const PlacementRect current{r.left, r.top, r.right, r.bottom};
    const RECT& w = monitor.rcWork;
    const PlacementRect fitted = fitIntoWorkArea(current, {w.left, w.top, w.right, w.bottom});
    if (!(fitted == current)) {
        SetWindowPos(hwnd_, nullptr, fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MainWindow::relayout() {
    if (!parts_->list) return;
    placePanes();
    rebuildVisuals();
}

void MainWindow::placePanes() {
    MainWindowParts& p = *parts_;
    if (!p.list) return;
    RECT client;
    GetClientRect(hwnd_, &client);
    InvalidateRect(hwnd_, nullptr, FALSE);
    LayoutInput in;
    in.clientWidth = client.right;
    in.clientHeight = client.bottom;
    in.scrollBarWidth = platform::verticalScrollBarWidth(dpi_);
    in.driveBarOn = settings_.windowDriveBar != 0;
    in.sideBarOn = settings_.windowSideBar != 0;
    in.splitBarPos = settings_.windowSplitBarPos;
    in.customScrollBar = settings_.customScrollBar != 0;
    in.dpi = dpi_;
    // Whether the folders fit the bar's height decides the side bar's scroll
    // bar; without it the rows below the last visible one were out of reach.
    in.sideBarNeedsScroll = filelist::sideBarNeedsScroll(
        p.shortcuts.count(), client.bottom - driveBarHeightFor(in.driveBarOn, dpi_), dpi_);
    layout_ = computeLayout(in);

    // One call per pane where it can be: every call is a round trip to the
    // window system.
    auto place = [](HWND w, const Rect& r, bool visible) {
        if (!w) return;
        const bool wasVisible = (GetWindowLongPtrW(w, GWL_STYLE) & WS_VISIBLE) != 0;
        const UINT show = visible && !wasVisible ? SWP_SHOWWINDOW : 0;
        SetWindowPos(w, nullptr, r.x, r.y, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE | show);
        // Hidden through ShowWindow, which moves the focus off a pane it hides.
        if (!visible && wasVisible) ShowWindow(w, SW_HIDE);
    };
    place(p.driveBar, layout_.driveBar, !layout_.driveBar.empty());
    place(p.sideBar, layout_.sideBar, !layout_.sideBar.empty());
    place(p.splitBar, layout_.splitBar, !layout_.splitBar.empty());
    const bool custom = settings_.customScrollBar != 0;
    place(p.sideScroll, layout_.sideBarScroll, layout_.sideBarScrollVisible && !custom);
    place(p.themedSideScroll.hwnd(), layout_.sideBarScroll, layout_.sideBarScrollVisible && custom);
    place(p.list, layout_.list, true);
    place(p.listScroll, layout_.listScroll, !custom);
    place(p.themedListScroll.hwnd(), layout_.listScroll, custom);
}

void MainWindow::repaintAll() {
    InvalidateRect(hwnd_, nullptr, FALSE);
    for (HWND w : {parts_->driveBar, parts_->sideBar, parts_->list, parts_->splitBar}) {
        if (w) InvalidateRect(w, nullptr, FALSE);
    }
}

void MainWindow::onMinMaxInfo(MINMAXINFO* info) {
    RECT r{0, 0, MulDiv(kMinClientWidth, dpi_, 96), MulDiv(kMinClientHeight, dpi_, 96)};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), GetMenu(hwnd_) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
    info->ptMinTrackSize.x = r.right - r.left;
    info->ptMinTrackSize.y = r.bottom - r.top;
}

void MainWindow::onDpiChanged(int dpi, const RECT* suggested) {
    dpi_ = dpi;
    if (suggested) {
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    relayout();
}

void MainWindow::onMouseWheel(WPARAM wp, LPARAM lp) {
    const RunFlags& flags = runFlags();
    if (flags.uiBusy || flags.listingThread || flags.operationThread) return;
    MainWindowParts& p = *parts_;
    const int step = wheelStep(GET_WHEEL_DELTA_WPARAM(wp));
    if (step == 0) return;
    POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    HWND under = WindowFromPoint(pt);
    WheelTarget target = WheelTarget::None;
    if (under == p.list || under == p.listScroll || under == p.themedListScroll.hwnd()) target = WheelTarget::List;
    if (settings_.windowSideBar &&
        (under == p.sideBar || under == p.sideScroll || under == p.themedSideScroll.hwnd())) {
        target = WheelTarget::SideBar;
    }
    const WORD keys = GET_KEYSTATE_WPARAM(wp);
    WheelModifiers mods{(keys & MK_SHIFT) != 0, (GetKeyState(VK_MENU) & 0x8000) != 0, (keys & MK_CONTROL) != 0};
    filelist::FolderListing& listing = p.listing;
    const WheelAction action = wheelAction(target, mods);
    if (action == WheelAction::ScrollSideBar) {
        scrollSideBar(step);
        return;
    }
    if (target != WheelTarget::List || !listing.isComplete() || listing.count() == 0) return;
    switch (action) {
    case WheelAction::LineHeight: settings_.lineHeight = stepLineHeight(settings_.lineHeight, step); break;
    case WheelAction::Contrast:
        p.contrast = stepContrast(p.contrast, step);
        SetTimer(hwnd_, TIMER_INDICATORS, 3800, nullptr);
        break;
    case WheelAction::FontSize:
        settings_.font.size = stepFontSize(settings_.font.size, step);
        SetTimer(hwnd_, TIMER_INDICATORS, 3800, nullptr);
        break;
    case WheelAction::MoveCursor:
        if (step < 0) filelist::wheelDown(p.listPane.cursor, listing.count());
        else filelist::wheelUp(p.listPane.cursor, listing.count());
        paintList();
        return;
    default: return;
    }
    rebuildVisuals();
}

void MainWindow::onTimer(UINT_PTR id) {
    RunFlags& flags = runFlags();
    switch (id) {
    case TIMER_LOAD_PROGRESS:
        onLoadProgressTimer();
        break;
    case TIMER_WATCH_AND_DRIVES:
        if (!parts_->preview.state().showing()) onWatchAndDrivesTimer();
        break;
    case TIMER_REPAINT:
        // A start-up that showed no list yet (a big folder, none at all).
        releaseBarIcons();
        if (!flags.uiBusy && !flags.listingThread) {
            paintList();
            clearBarHover();
            repaintAll();
        }
        SetTimer(hwnd_, TIMER_REPAINT,
                 isIlluminateTheme(settings_.themaColor) || parts_->preview.state().showing() ? 200 : 400, nullptr);
        break;
    case TIMER_INDICATORS:
        // The size and contrast indicators disappear: the values count as confirmed.
        KillTimer(hwnd_, TIMER_INDICATORS);
        parts_->confirmedFontSize = settings_.font.size;
        parts_->confirmedContrast = parts_->contrast;
        paintList();
        break;
    case TIMER_RELAYOUT:
        KillTimer(hwnd_, TIMER_RELAYOUT);
        if (!flags.uiBusy && !flags.listingThread) relayout();
        break;
    case TIMER_START_FOLDER:
        KillTimer(hwnd_, TIMER_START_FOLDER);
        onStartFolderTimer();
        break;
    default:
        break;
    }
}

INT_PTR MainWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
    auto result = [this](LRESULT value) {
        SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, value);
        return TRUE;
    };
    switch (msg) {
    case WM_INITDIALOG:
        onInitDialog();
        return FALSE;  // focus stays where the layout put it
    case WM_SIZE:
        if (LOWORD(lp) != 0 && HIWORD(lp) != 0) relayout();
        return TRUE;
    case WM_CLOSE:
        onClose();
        return TRUE;
    case WM_DESTROY:
        onDestroy();
        return TRUE;
    case WM_ENDSESSION:
        if (wp) onDestroy();
        return TRUE;
    case WM_ACTIVATEAPP:
        // The window starts out counted as active: its first activation,
        // during start-up, changes nothing that was drawn.
        if (activeApp_ != (wp != 0)) {
            activeApp_ = wp != 0;
            rebuildVisuals();
            UpdateWindow(hwnd_);
        }
        return TRUE;
    case WM_SETCURSOR: {
        const RunFlags& flags = runFlags();
        if (flags.listingThread) {
            SetCursor(LoadCursorW(nullptr, IDC_APPSTARTING));
            return result(TRUE);
        }
        if (flags.uiBusy) {
            SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            return result(TRUE);
        }
        if (splitDragActive_ || overSplitBar_) {
            SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
            return result(TRUE);
        }
        return FALSE;
    }
    case WM_GETMINMAXINFO:
        onMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lp));
        return result(0);
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wp), reinterpret_cast<const RECT*>(lp));
        return result(0);
    case WM_ERASEBKGND:
        return result(1);
    case WM_COMMAND:
        onCommand(LOWORD(wp));
        return TRUE;
    case WM_SYSCOMMAND: {
        bool handled = false;
        onSysCommand(wp, lp, handled);
        return handled ? result(0) : FALSE;
    }
    case WM_INITMENU:
        if (HMENU system = GetSystemMenu(hwnd_, FALSE)) {
            CheckMenuItem(system, IDM_SYS_MENU_BAR, MF_BYCOMMAND | (settings_.windowMenuBar ? MF_CHECKED : MF_UNCHECKED));
        }
        return TRUE;
    case WM_INITMENUPOPUP:
        if (!HIWORD(lp)) onInitMenuPopup(reinterpret_cast<HMENU>(wp));
        return TRUE;
    case WM_MOUSEWHEEL:
        onMouseWheel(wp, lp);
        return result(0);
    case WM_VSCROLL: {
        HWND bar = reinterpret_cast<HWND>(lp);
        if (bar == parts_->sideScroll || bar == parts_->themedSideScroll.hwnd()) {
            onSideBarScroll(wp, bar);
        } else {
            onListScroll(wp, bar);
        }
        return result(0);
    }
    case WM_CONTEXTMENU:
        onContextMenu(lp);
        return result(0);
    case WM_DROPFILES:
        onDropFiles(reinterpret_cast<HDROP>(wp));
        return result(0);
    case kMsgBarIcons:
        releaseBarIcons();
        return result(0);
    case kMsgDroppedFiles:
        openDropMenu(std::move(parts_->pendingDrop), parts_->pendingDropPoint);
        parts_->pendingDrop.clear();
        return result(0);
    case WM_MOUSEHWHEEL:
    case WM_HELP:
        return result(0);
    case WM_TIMER:
        onTimer(wp);
        return TRUE;
    case WM_QUERYDRAGICON:
        return result(reinterpret_cast<LRESULT>(LoadIconW(context_.instance, MAKEINTRESOURCEW(IDI_TARVELO))));
    case WM_DRAWITEM:
        drawPane(*reinterpret_cast<DRAWITEMSTRUCT*>(lp));
        return TRUE;
    // High contrast switched on or off, or other system colours: the
    // palette is rebuilt from them (default processing still runs).
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
        rebuildVisuals();
        if (GetMenu(hwnd_)) DrawMenuBar(hwnd_);
        return FALSE;
    case kMsgMenuBarPaint:
        if (parts_->highContrast) return FALSE;  // the system draws it in its colours
        if (paintMenuBar(hwnd_, lp, parts_->palette.isDarkTheme)) return result(0);
        return FALSE;
    case kMsgMenuBarItemPaint:
        if (parts_->highContrast) return FALSE;
        if (paintMenuBarItem(hwnd_, lp, parts_->palette.isDarkTheme, dpi_)) return result(0);
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace tarvelo::shell::win
