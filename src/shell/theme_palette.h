#pragma once
// The colour roles of the eight themes: base values from the theme, derived
// roles, and the effective values after the contrast shift that all drawing uses.
#include <array>
#include <cstdint>

#include "shell/colour.h"

namespace tarvelo::shell {

inline constexpr int kThemeLightBlue = 0;
inline constexpr int kThemeHighContrastBlack = 1;
inline constexpr int kThemeHighContrastWhite = 2;
inline constexpr int kThemeLight = 3;
inline constexpr int kThemeDark = 4;
inline constexpr int kThemeTalven = 5;
inline constexpr int kThemeIlluminateLight = 6;
inline constexpr int kThemeIlluminateDark = 7;
inline constexpr int kThemeCount = 8;
inline constexpr int kDefaultTheme = kThemeDark;

inline constexpr int kBaseRoleCount = 41;
inline constexpr int kDerivedRoleCount = 18;
inline constexpr int kRoleCount = kBaseRoleCount + kDerivedRoleCount;

inline constexpr int kContrastMin = -60;
inline constexpr int kContrastMax = 60;

// B0..B40 are set per theme, D0..D17 derived from them. The underlying value
// is the index into the palette arrays.
enum class Role : uint8_t {
    B0, B1, B2, B3, B4, B5, B6, B7, B8, B9,
    B10, B11, B12, B13, B14, B15, B16, B17, B18, B19,
    B20, B21, B22, B23, B24, B25, B26, B27, B28, B29,
    B30, B31, B32, B33, B34, B35, B36, B37, B38, B39,
    B40,
    D0, D1, D2, D3, D4, D5, D6, D7, D8, D9, D10, D11, D12, D13, D14, D15, D16, D17
};

constexpr Role baseRole(int n) { return static_cast<Role>(n); }
constexpr Role derivedRole(int n) { return static_cast<Role>(kBaseRoleCount + n); }
constexpr int roleIndex(Role r) { return static_cast<int>(r); }

// What the roles paint, for readers of the drawing code.
inline constexpr Role kRoleBackground = Role::B0;     // every pane and back buffer
inline constexpr Role kRoleStripe = Role::B1;         // striped rows
inline constexpr Role kRoleRubberBand = Role::B2;
inline constexpr Role kRoleText = Role::B3;           // list text, sort mark, grid mixes
inline constexpr Role kRoleLoadProgress = Role::B4;
inline constexpr Role kRoleSearchHit = Role::B5;
inline constexpr Role kRoleMapCursor = Role::B6;      // selection map cursor mark
inline constexpr Role kRoleMapSelection = Role::B7;   // selection map marks
inline constexpr Role kRoleToolTipText = Role::B8;
inline constexpr Role kRoleToolTipFill = Role::B9;
inline constexpr Role kRoleScrollThumb = Role::B11;   // arrows and thumb
inline constexpr Role kRoleScrollDrag = Role::B12;    // thumb while dragged

struct ThemePalette {
    std::array<Colour, kRoleCount> base{};
    std::array<Colour, kRoleCount> effective{};
    int theme = kDefaultTheme;
    int contrast = 0;
    bool isDarkTheme = false;

    // The effective value: what drawing uses.
    Colour operator[](Role r) const { return effective[static_cast<size_t>(r)]; }
    Colour baseValue(Role r) const { return base[static_cast<size_t>(r)]; }
};

// True exactly for High Contrast Black, Dark and Illuminate Dark.
bool isDarkTheme(int theme);
// Illuminate Light and Dark: animated background, faster repaint timer,
// blended stripes and grid lines.
bool isIlluminateTheme(int theme);

// Rebuilds the palette in place: base roles of the theme (below 0 counts as
// Light Blue; above 7 sets none, so the previous base values stay), derived
// roles, effective values with the contrast (clamped to -60..60), dark flag.
void buildPalette(ThemePalette& palette, int theme, int contrast);
// The same, starting from an all-zero palette.
ThemePalette buildPalette(int theme, int contrast);

}  // namespace tarvelo::shell
