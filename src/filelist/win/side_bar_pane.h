#pragma once
// The side bar of shortcut folders: the Register and Release buttons and
// one row per folder, painted into the bar's back buffer, with the hover
// outline, the current folder's highlight and whole-row scrolling. Mouse
// positions are in the bar's client coordinates.
#include <windows.h>

#include <string_view>

#include "filelist/drive_table.h"
#include "filelist/shortcut_folder_list.h"
#include "filelist/side_bar_layout.h"
#include "filelist/win/bar_paint.h"
#include "filelist/win/shell_look_cache.h"
#include "platform/gdi_draw.h"
#include "shell/ui_language.h"

namespace tarvelo::filelist::win {

// Range, page and position for the side bar's scroll bar (27002 or 1039).
struct SideBarScroll {
    bool needed = false;  // more folders than rows
    int minPos = 0;
    int maxPos = 0;       // count - 1
    int page = 0;         // visible rows
    int pos = 0;          // first visible folder
};

class SideBarPane {
public:
    // Paints the whole bar into buffer (sized to the bar). The drive table
    // tells which paths may be looked at without waiting.
    void paint(platform::BackBuffer& buffer, const BarLook& look, const ShortcutFolderList& folders,
               std::wstring_view currentFolder, const DriveTable& drives, UiLanguage language);

    // What the last paint laid out.
    SideBarScroll scroll() const;
    int firstVisible() const { return firstVisible_; }
    int visibleRows() const { return layout_.visibleRows(); }
    // Where the last paint put the buttons and rows (for screen readers).
    const SideBarLayout& layout() const { return layout_; }

    // The pointer moved over the bar; true when the hover outline moved.
    bool pointerMove(POINT pt);
    // The pointer left or the hover marks are reset; true when one was shown.
    bool clearHover();
    // What a left click at pt asks for: Register, Release, or command
    // 34500 + n for the n-th folder.
    BarClick click(POINT pt) const;

    // One wheel step (+1 up, -1 down); true when the first row moved.
    bool wheel(int step);
    // A position from the scroll bar; true when the first row moved.
    bool scrollTo(int firstVisible);
    // Scrolls just enough for entry n to be seen (the entry holding the
    // current folder, after a jump by key or menu); true when it moved.
    bool reveal(int n);

    // Icons and attribute colours are looked up again at the next paint
    // (after the list was reloaded or the drives changed).
    void forgetLooks() { looks_.forget(); }
    void holdIcons(bool held) { looks_.holdIcons(held); }

private:
    SideBarLayout layout_{0, 0, 96};
    int count_ = 0;
    int firstVisible_ = 0;
    SideBarHit hover_;
    ShellLookCache looks_;
};

}  // namespace tarvelo::filelist::win
