#pragma once
// Where the side bar's pieces go: the Register and Release buttons on top,
// then one row per shortcut folder, scrolled by whole rows. Coordinates are
// relative to the side bar; fixed sizes are 96-DPI values scaled for dpi.
#include <cstdint>
#include <string_view>

#include "shell/pixel_rect.h"
#include "shell/theme_palette.h"
#include "shell/ui_language.h"

namespace tarvelo::filelist {

using shell::PixelRect;

inline const wchar_t* registerButtonText(UiLanguage l) { return pick(l, L"Register", L"登録"); }
inline const wchar_t* releaseButtonText(UiLanguage l) { return pick(l, L"Release", L"解除"); }

enum class SideBarPart { None, Register, Release, Folder };

struct SideBarHit {
    SideBarPart part = SideBarPart::None;
    int index = -1;  // the folder's list index for Folder, else -1
    friend bool operator==(const SideBarHit&, const SideBarHit&) = default;
};

class SideBarLayout {
public:
    SideBarLayout(int width, int height, int dpi);

    PixelRect registerButton() const;
    PixelRect releaseButton() const;

    // How many whole rows fit above the bottom edge less its margin.
    int visibleRows() const;
    // The row shown at position `visibleRow` from the top (0-based).
    PixelRect row(int visibleRow) const;
    // The 16 x 16 icon and the text span inside a row.
    PixelRect iconRect(const PixelRect& row) const;
    PixelRect textRect(const PixelRect& row) const;

    // What lies under a point, given the first visible folder and the count.
    SideBarHit hitTest(int x, int y, int firstVisible, int count) const;

    int width() const { return width_; }
    int height() const { return height_; }
    int dpi() const { return dpi_; }

private:
    int px(int size) const;
    int width_;
    int height_;
    int dpi_;
};

// The first visible folder kept within 0 .. count - visible (0 when all fit).
int clampFirstVisible(int firstVisible, int count, int visibleRows);
// Whether the side bar needs its scroll bar: folders exist and not all fit.
bool sideBarNeedsScroll(int count, int visibleRows);
// The same from the bar's height alone (the scroll bar takes width, not height).
bool sideBarNeedsScroll(int count, int barHeight, int dpi);

// The colour of a folder's text: drive roots (three characters or fewer)
// one colour; other folders the folder colour, replaced in this order by the
// read-only, hidden and system colours when the attribute bit is set.
shell::Role folderTextRole(std::wstring_view path, uint32_t attributes);

}  // namespace tarvelo::filelist
