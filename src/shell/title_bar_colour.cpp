#include "shell/title_bar_colour.h"

namespace tarvelo::shell {

Colour titleBarColour(Colour accent, bool isDark, bool isActive) {
    if (isDark) {
        const Colour menuDark = Colour::fromHex(0x2B2B2B);
        Colour c = averageColour(averageColour(accent, menuDark), menuDark);
        return isActive ? c : greyColour(c);
    }
    return isActive ? accent : Colour::fromHex(0xF3F3F3);
}

Colour exitTitleBarColour(Colour accent) { return greyColour(averageColour(accent, Colour::fromHex(0x808080))); }

}  // namespace tarvelo::shell
