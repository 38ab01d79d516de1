#pragma once
// What the side bar and the drive bar share: the look they are painted
// with, what a click asks the main window to do, and a few drawing steps.
#include <windows.h>

#include <string_view>

#include "shell/pixel_rect.h"
#include "shell/theme_palette.h"

namespace tarvelo::filelist::win {

// Borrowed from the main window for one paint.
struct BarLook {
    const shell::ThemePalette* palette = nullptr;
    HFONT buttonFont = nullptr;  // barFont: the Register and Release labels
    HFONT textFont = nullptr;    // smallFont: folder paths and drive buttons
    int dpi = 96;
};

enum class BarAction {
    None,
    Register,  // the Register button: register the current folder
    Release,   // the Release button: release the current folder
    Command,   // post `command` to the main window
    ToggleFiltering,  // the filtering field's check box
};

struct BarClick {
    BarAction action = BarAction::None;
    int command = 0;
    friend bool operator==(const BarClick&, const BarClick&) = default;
};

// The roles the bars paint with.
inline constexpr shell::Role kBarBackground = shell::Role::D9;     // side bar, top
inline constexpr shell::Role kBarBackgroundEnd = shell::Role::D10; // side bar, bottom
inline constexpr shell::Role kBarButtonText = shell::Role::D11;
inline constexpr shell::Role kBarOutline = shell::Role::D13;
inline constexpr shell::Role kBarHighlight = shell::Role::B10;     // current folder / drive
inline constexpr shell::Role kBarHoverOutline = shell::Role::B2;

inline COLORREF colourRef(const shell::ThemePalette& palette, shell::Role role) { return palette[role].value; }

inline RECT toRect(const shell::PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// Single-line text in a colour and font; format adds to DT_SINGLELINE |
// DT_VCENTER | DT_NOPREFIX.
void drawBarText(HDC dc, HFONT font, COLORREF colour, std::wstring_view text, const shell::PixelRect& rect,
                 UINT format);

// The icon stretched into rect (16 x 16 at 96 DPI).
void drawBarIcon(HDC dc, HICON icon, const shell::PixelRect& rect);

// A button's outline with its corners cut; the hover outline over it.
void drawBarOutline(HDC dc, const shell::PixelRect& rect, COLORREF colour);

// The width of text in font.
int measureBarText(HDC dc, HFONT font, std::wstring_view text);

}  // namespace tarvelo::filelist::win
