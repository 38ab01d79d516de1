#include "shell/system_contrast_palette.h"

namespace tarvelo::shell {

namespace {

bool isDark(Colour c) { return c.r() * 299 + c.g() * 587 + c.b() * 114 < 128 * 1000; }

}  // namespace

ThemePalette systemContrastPalette(const SystemColours& s) {
    ThemePalette p;
    auto set = [&p](Role r, Colour c) { p.base[static_cast<size_t>(roleIndex(r))] = c; };
    set(Role::B0, s.window);
    set(Role::B1, s.window);  // no stripes: only the system's pairs are safe
    set(Role::B2, s.highlight);
    set(Role::B3, s.windowText);
    set(Role::B4, s.hotLight);
    set(Role::B5, s.hotLight);
    set(Role::B6, s.windowText);
    set(Role::B7, s.highlight);
    set(Role::B8, s.infoText);
    set(Role::B9, s.infoBack);
    set(Role::B10, s.highlight);  // current folder / drive in the bars
    set(Role::B11, s.windowText);
    set(Role::B12, s.highlight);
    // Seven entry groups of text, fill, cursor text, cursor fill: one look
    // for all kinds, the cursor row in the selection colours. Hidden and
    // system entries read as disabled text.
    for (int group = 0; group < 7; ++group) {
        const int first = 13 + group * 4;
        const bool faded = group == 5 || group == 6;
        set(baseRole(first), faded ? s.grayText : s.windowText);
        set(baseRole(first + 1), s.window);
        set(baseRole(first + 2), s.highlightText);
        set(baseRole(first + 3), s.highlight);
    }
    // Derived: string bar (D0..D8) and side bar (D9..D17).
    set(derivedRole(0), s.window);
    set(derivedRole(1), s.window);
    set(derivedRole(2), s.hotLight);
    set(derivedRole(3), s.windowText);
    set(derivedRole(4), s.grayText);
    for (int d = 5; d <= 8; ++d) set(derivedRole(d), s.windowText);
    set(derivedRole(9), s.buttonFace);
    set(derivedRole(10), s.buttonFace);
    set(derivedRole(11), s.buttonText);
    set(derivedRole(12), s.buttonText);
    set(derivedRole(13), s.buttonText);
    for (int d = 14; d <= 17; ++d) set(derivedRole(d), s.buttonText);
    p.effective = p.base;
    p.contrast = 0;
    p.isDarkTheme = isDark(s.window);
    p.theme = p.isDarkTheme ? kThemeHighContrastBlack : kThemeHighContrastWhite;
    return p;
}

}  // namespace tarvelo::shell
