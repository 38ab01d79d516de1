#pragma once
// The drive bar: one button per present drive showing its icon and last
// folder, the current drive highlighted, the hovered one outlined. Mouse
// positions are in the bar's client coordinates.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "filelist/drive_bar_layout.h"
#include "filelist/drive_table.h"
#include "filelist/string_bar_layout.h"
#include "filelist/win/bar_paint.h"
#include "filelist/win/shell_look_cache.h"
#include "platform/gdi_draw.h"

namespace tarvelo::filelist::win {

// The search and filtering fields at the bar's right end.
struct StringBarFields {
    std::wstring searchText;  // "Search-String: abc "
    std::wstring filterText;
    bool searchEnabled = false;  // the feature has a text
    bool searchChecked = false;  // the feature is on
    bool filterEnabled = false;
    bool filterChecked = false;
};

class DriveBarPane {
public:
    // What the next paint shows in the string fields.
    void setStringFields(StringBarFields fields) { fields_ = std::move(fields); }
    const StringBarLayout& stringLayout() const { return stringLayout_; }

    // Paints the whole bar into buffer (sized to the bar).
    void paint(platform::BackBuffer& buffer, const BarLook& look, const DriveTable& drives,
               std::wstring_view currentFolder);

    // The buttons of the last paint.
    const std::vector<DriveButton>& buttons() const { return buttons_; }

    // The pointer moved over the bar; true when the hover outline moved.
    bool pointerMove(POINT pt);
    bool clearHover();
    // Command 34100 + drive for a click on a drive button.
    BarClick click(POINT pt) const;

    void forgetLooks() { looks_.forget(); }
    void holdIcons(bool held) { looks_.holdIcons(held); }

private:
    void paintStringFields(HDC dc, const BarLook& look);

    std::vector<DriveButton> buttons_;
    StringBarFields fields_;
    StringBarLayout stringLayout_;
    int hoverDrive_ = 0;
    ShellLookCache looks_;
};

}  // namespace tarvelo::filelist::win
