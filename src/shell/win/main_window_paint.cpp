// The window's visuals: palette, fonts, back buffers, title bar and menus,
// and copying the panes' buffers to the screen.
#include "platform/first_paint_signal.h"
#include "resource_ids.h"
#include "shell/menu_icons.h"
#include "shell/run_flags.h"
#include "shell/win/appearance.h"
#include "shell/win/high_contrast.h"
#include "shell/win/main_window.h"
#include "shell/win/main_window_parts.h"

namespace tarvelo::shell::win {

namespace {

void sizeBuffer(platform::BackBuffer& buffer, HWND pane) {
    RECT r{};
    if (pane) GetClientRect(pane, &r);
    if (r.right > 0 && r.bottom > 0) buffer.resize(r.right, r.bottom);
}

}  // namespace

void MainWindow::rebuildVisuals() {
    MainWindowParts& p = *parts_;
    buildPalette(p.palette, settings_.themaColor, p.contrast);
    // Windows' high-contrast mode wins over the theme while it is on.
    p.highContrast = highContrastOn();
    if (p.highContrast) p.palette = systemContrastPalette(systemColours());
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    p.fonts.build(settings_.font, dpi_, dialogFont);
    layoutList();
    sizeBuffer(p.driveBarBuffer, p.driveBar);
    sizeBuffer(p.sideBarBuffer, p.sideBar);
    sizeBuffer(p.splitBarBuffer, p.splitBar);
    colourTitleBar(hwnd_, p.palette.isDarkTheme && !p.highContrast, activeApp_);
    for (ThemedScrollBar* bar : {&p.themedListScroll, &p.themedSideScroll}) {
        bar->setColours(p.palette);
        bar->setDpi(dpi_);
    }
    paintPanes();
    paintList();
    repaintAll();
}

void MainWindow::paintPanes() {
    MainWindowParts& p = *parts_;
    paintBars();
    // The split bar is a plain strip in the bar colour.
    if (p.splitBarBuffer.valid()) p.splitBarBuffer.fill(p.palette[Role::B10].value);
}

void MainWindow::drawPane(const DRAWITEMSTRUCT& item) {
    MainWindowParts& p = *parts_;
    const platform::BackBuffer* buffer = nullptr;
    if (item.hwndItem == p.list) buffer = &p.listPane.buffer;
    else if (item.hwndItem == p.driveBar) buffer = &p.driveBarBuffer;
    else if (item.hwndItem == p.sideBar) buffer = &p.sideBarBuffer;
    else if (item.hwndItem == p.splitBar) buffer = &p.splitBarBuffer;
    if (buffer && buffer->valid()) {
        buffer->blitTo(item.hDC, 0, 0);
        if (buffer == &p.listPane.buffer) {
            platform::noteListShown();
            if (p.barIconsHeld && p.listing.isComplete()) PostMessageW(hwnd_, kMsgBarIcons, 0, 0);
        }
        return;
    }
    HBRUSH brush = CreateSolidBrush(p.palette[kRoleBackground].value);
    FillRect(item.hDC, &item.rcItem, brush);
    DeleteObject(brush);
}

void MainWindow::applyMenuIcons(HMENU menu) {
    MainWindowParts& p = *parts_;
    if (!settings_.windowMenuIcon) return;
    if (p.menuBitmaps.size() == 0) {
        const auto& order = menuBitmapLoadOrder();
        p.menuBitmaps.buildFromResources(context_.instance, std::vector<int>(order.begin(), order.end()),
                                         GetSystemMetrics(SM_CXMENUCHECK));
    }
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1)) continue;
        const int bitmapId = menuBitmapFor(static_cast<int>(id));
        if (bitmapId == 0) continue;
        const int slot = menuBitmapSlot(bitmapId);
        if (slot < 0) continue;
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_BITMAP;
        info.hbmpItem = p.menuBitmaps.forTheme(static_cast<size_t>(slot), p.palette.isDarkTheme);
        SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    }
}

}  // namespace tarvelo::shell::win
