#pragma once
// The four fonts of the list, bars and status lines, built from the font
// settings for the window's DPI and rebuilt as a whole when those change.
#include <windows.h>

#include <string>

#include "platform/unique_handle.h"
#include "shell/app_settings.h"

namespace tarvelo::shell::win {

// The LOGFONT of one of the fonts: the base description (the dialog's own
// font) with the face, height, weight and italic set, no underline or
// strike-out, zero width/escapement/orientation, the default character set,
// default precision and quality, modern family.
LOGFONTW themeLogFont(const LOGFONTW& base, const std::wstring& face, int height, int weight, bool italic);

class ThemeFonts {
public:
    // Builds listFont (Size), barFont (Size clamped to 10..20), largeFont
    // (Size + 2) and smallFont (clamped Size - 1), scaled for dpi. baseFont
    // is the dialog's font (nullptr: the system's message font). Keeps the
    // previous fonts and returns false when one cannot be created.
    bool build(const FontSettings& settings, int dpi, HFONT baseFont);

    HFONT listFont() const { return list_.get(); }
    HFONT barFont() const { return bar_.get(); }
    HFONT largeFont() const { return large_.get(); }
    HFONT smallFont() const { return small_.get(); }
    // The face the system gave the list font (it may have substituted
    // another); this is what the FaceName setting saves.
    const std::wstring& actualFaceName() const { return actualFace_; }

private:
    platform::UniqueFont list_;
    platform::UniqueFont bar_;
    platform::UniqueFont large_;
    platform::UniqueFont small_;
    std::wstring actualFace_;
};

}  // namespace tarvelo::shell::win
