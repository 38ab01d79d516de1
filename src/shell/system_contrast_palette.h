#pragma once
// The palette while Windows runs a high-contrast theme: every role takes one
// of the system's own colours, so the list, the bars and the status line
// read exactly like the rest of the desktop. The theme's palette comes back
// when high contrast is switched off.
#include "shell/colour.h"
#include "shell/theme_palette.h"

namespace tarvelo::shell {

// The system colours the palette is made of (GetSysColor values).
struct SystemColours {
    Colour window;         // COLOR_WINDOW
    Colour windowText;     // COLOR_WINDOWTEXT
    Colour highlight;      // COLOR_HIGHLIGHT
    Colour highlightText;  // COLOR_HIGHLIGHTTEXT
    Colour grayText;       // COLOR_GRAYTEXT
    Colour hotLight;       // COLOR_HOTLIGHT (links; here: progress and hover)
    Colour buttonFace;     // COLOR_BTNFACE (bars)
    Colour buttonText;     // COLOR_BTNTEXT
    Colour infoBack;       // COLOR_INFOBK (tool tip)
    Colour infoText;       // COLOR_INFOTEXT
};

// All 59 roles, base and effective alike (no contrast shift: the user chose
// these colours). The dark flag follows the window colour; `theme` is the
// program's high-contrast theme of the same brightness, so that no theme
// effect (animated background, blended stripes) is drawn over them.
ThemePalette systemContrastPalette(const SystemColours& colours);

}  // namespace tarvelo::shell
