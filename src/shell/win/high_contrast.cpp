#include "shell/win/high_contrast.h"

namespace tarvelo::shell::win {

bool highContrastOn() {
    HIGHCONTRASTW hc{};
    hc.cbSize = sizeof(hc);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(hc), &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON);
}

SystemColours systemColours() {
    auto c = [](int index) { return Colour{static_cast<uint32_t>(GetSysColor(index)) & 0xFFFFFFu}; };
    SystemColours s;
    s.window = c(COLOR_WINDOW);
    s.windowText = c(COLOR_WINDOWTEXT);
    s.highlight = c(COLOR_HIGHLIGHT);
    s.highlightText = c(COLOR_HIGHLIGHTTEXT);
    s.grayText = c(COLOR_GRAYTEXT);
    s.hotLight = c(COLOR_HOTLIGHT);
    s.buttonFace = c(COLOR_BTNFACE);
    s.buttonText = c(COLOR_BTNTEXT);
    s.infoBack = c(COLOR_INFOBK);
    s.infoText = c(COLOR_INFOTEXT);
    return s;
}

}  // namespace tarvelo::shell::win
