#include "shell/win/view_commands_win.h"

#include <commdlg.h>

#include <cstdlib>

#include "filelist/sort_rules.h"
#include "shell/list_metrics.h"
#include "resource_ids.h"
#include "shell/view_commands.h"
#include "shell/win/appearance.h"
#include "shell/win/version_dialog.h"

namespace tarvelo::shell::win {

namespace {

constexpr UINT kIndicatorMs = 3800;

void applyEffect(ViewCommandHost& host, ViewEffect effect) {
    AppSettings& s = host.settings();
    HWND window = host.hwnd();
    switch (effect) {
    case ViewEffect::None: break;
    case ViewEffect::TopMost:
        SetWindowPos(window, s.windowTopMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        break;
    case ViewEffect::Translucent:
        // Always off first: a new level then applies cleanly.
        setWindowAlpha(window, 0, false);
        if (s.windowAlphaBlend) setWindowAlpha(window, toggleWindowAlpha(s.alphaBlendLevel), true);
        break;
    case ViewEffect::RepaintList: host.refreshList(); break;
    case ViewEffect::Relayout: host.relayout(); break;
    }
}

void runToggle(ViewCommandHost& host, const ViewToggle& t) {
    if (!t.guarded) {
        applyToggle(host.settings(), t);
        applyEffect(host, t.effect);
        return;
    }
    if (!host.guardAllows()) return;
    if (t.effect == ViewEffect::Relayout) {
        // Through the modal pattern: capture, cursor clipping and a split-bar
        // drag end before the panes move.
        host.runModal([&] {
            applyToggle(host.settings(), t);
            applyEffect(host, t.effect);
        });
        return;
    }
    applyToggle(host.settings(), t);
    applyEffect(host, t.effect);
}

void switchTheme(ViewCommandHost& host, int id) {
    if (!host.guardAllows()) return;
    host.runModal([&] { host.settings().themaColor = themeForCommand(id); });
    // The title bar and menus follow the new dark or light state at once.
    SetWindowPos(host.hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    RedrawWindow(host.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void switchViewMode(ViewCommandHost& host) {
    filelist::FolderListing& listing = host.viewListing();
    if (!host.guardAllows() || !listing.isComplete()) return;
    AppSettings& s = host.settings();
    const ListView from = s.viewMode ? ListView::MultiColumn : ListView::ThreeTimes;
    s.viewMode ^= 1;
    const ListView to = s.viewMode ? ListView::MultiColumn : ListView::ThreeTimes;
    // The mapped column's click flips the inverted direction back: the list
    // keeps its order by the column of the same meaning.
    const int column = filelist::sortColumnForViewSwitch(listing, from);
    filelist::applyHeaderClick(listing, column, to);
    filelist::win::ListPane& pane = host.viewListPane();
    pane.cursor.topIndex = 0;
    pane.cursor.cursorRow = 0;
    host.runModal([] {});
}

void chooseFont(ViewCommandHost& host) {
    if (!host.guardAllows()) return;
    const bool fixedOnly = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    host.runModal([&] {
        LOGFONTW font{};
        if (HFONT current = host.viewListFont()) GetObjectW(current, sizeof(font), &font);
        CHOOSEFONTW cf{};
        cf.lStructSize = sizeof(cf);
        cf.hwndOwner = host.hwnd();
        cf.lpLogFont = &font;
        cf.Flags = CF_SCREENFONTS | CF_SCALABLEONLY | CF_NOVERTFONTS | CF_INITTOLOGFONTSTRUCT | CF_LIMITSIZE;
        if (fixedOnly) cf.Flags |= CF_FIXEDPITCHONLY;
        cf.nSizeMin = 8;
        cf.nSizeMax = 36;
        if (!ChooseFontW(&cf)) return;
        FontSettings& f = host.settings().font;
        // Stored in 96-DPI pixels, like every size the settings keep.
        f.size = MulDiv(std::abs(font.lfHeight), 96, host.dpi());
        f.weight = font.lfWeight;
        f.italic = font.lfItalic ? 1 : 0;
        f.faceName = font.lfFaceName;
        SetTimer(host.hwnd(), TIMER_INDICATORS, kIndicatorMs, nullptr);
    });
}

}  // namespace

void registerViewCommands(CommandTable& table, ViewCommandHost& host) {
    for (const ViewToggle& t : viewToggles()) {
        const ViewToggle* row = &t;
        table.add(t.id, [&host, row](int) { runToggle(host, *row); });
    }
    table.add(IDM_THEME_FIRST, IDM_THEME_LAST, [&host](int id) { switchTheme(host, id); });
    table.add(IDM_VIEW_MODE, [&host](int) { switchViewMode(host); });
    table.add(IDM_FONT_SETTING, [&host](int) { chooseFont(host); });
    table.add(IDM_VERSION, [&host](int) {
        if (!host.guardAllows()) return;
        host.runModal([&] { showVersionDialog(host.instanceHandle(), host.hwnd(), host.viewIsDark(), host.dpi()); });
    });
}

}  // namespace tarvelo::shell::win
