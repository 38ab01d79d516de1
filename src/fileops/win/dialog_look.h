#pragma once
// The light look the rename, timestamp and volume-label dialogs share: one
// background (0xFAFAFA) behind the dialog and its texts whatever the theme,
// the edit fields in "MS Gothic" at height 14, the program icon, and texts
// drawn in their own colours where a dialog asks for it.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "platform/unique_handle.h"

namespace tarvelo::fileops::win {

class DialogLook {
public:
    // On WM_INITDIALOG: the font for the listed edit (or combo) controls and
    // name previews (its underscores stay visible), and the caption icon.
    void apply(HWND dialog, std::initializer_list<int> editIds);
    // A static or read-only edit control drawn in its own text colour.
    void setTextColour(int controlId, COLORREF colour) { colours_.emplace_back(controlId, colour); }
    // Answers the WM_CTLCOLOR* messages; true when msg was one of them.
    bool colour(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) const;

private:
    platform::UniqueFont font_;
    std::vector<std::pair<int, COLORREF>> colours_;
};

// A window's whole text.
std::wstring controlText(HWND control);
// The edit part of a combo box (the box itself when it has none).
HWND comboEditOf(HWND combo);

}  // namespace tarvelo::fileops::win
