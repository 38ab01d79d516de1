#pragma once
// Whether Windows runs a high-contrast theme, and its colours.
#include <windows.h>

#include "shell/system_contrast_palette.h"

namespace tarvelo::shell::win {

// SPI_GETHIGHCONTRAST reports HCF_HIGHCONTRASTON.
bool highContrastOn();

// The GetSysColor values the high-contrast palette is made of.
SystemColours systemColours();

}  // namespace tarvelo::shell::win
