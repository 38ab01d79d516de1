#pragma once
// The caption colour the title bar takes from the desktop accent colour.
#include "shell/colour.h"

namespace tarvelo::shell {

// Used when the accent colour cannot be read.
inline constexpr Colour kDefaultAccent = Colour::fromHex(0x0078D7);

// Dark themes: the accent darkened twice towards #2B2B2B, grey while the
// program is inactive. Light themes: the accent itself, #F3F3F3 while inactive.
Colour titleBarColour(Colour accent, bool isDark, bool isActive);
// While exiting: grey of the accent mixed with #808080.
Colour exitTitleBarColour(Colour accent);

}  // namespace tarvelo::shell
