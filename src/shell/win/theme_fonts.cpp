#include "shell/win/theme_fonts.h"

#include <algorithm>

#include "shell/list_metrics.h"

namespace tarvelo::shell::win {
namespace {

LOGFONTW baseLogFont(HFONT baseFont) {
    LOGFONTW lf{};
    if (baseFont && GetObjectW(baseFont, sizeof(lf), &lf) == sizeof(lf)) return lf;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return metrics.lfMessageFont;
    return lf;
}

std::wstring faceOf(HFONT font) {
    platform::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc || !font) return {};
    HGDIOBJ previous = SelectObject(dc.get(), font);
    wchar_t face[LF_FACESIZE] = {};
    const int length = GetTextFaceW(dc.get(), LF_FACESIZE, face);
    SelectObject(dc.get(), previous);
    return length > 0 ? std::wstring(face) : std::wstring();
}

}  // namespace

LOGFONTW themeLogFont(const LOGFONTW& base, const std::wstring& face, int height, int weight, bool italic) {
    LOGFONTW lf = base;
    lf.lfHeight = height;
    lf.lfWidth = 0;
    lf.lfEscapement = 0;
    lf.lfOrientation = 0;
    lf.lfWeight = weight;
    lf.lfItalic = italic ? TRUE : FALSE;
    lf.lfUnderline = FALSE;
    lf.lfStrikeOut = FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = FF_MODERN | DEFAULT_PITCH;
    // A face longer than the field is cut, never overrun.
    const size_t length = std::min(face.size(), static_cast<size_t>(LF_FACESIZE - 1));
    std::fill(std::begin(lf.lfFaceName), std::end(lf.lfFaceName), L'\0');
    std::copy_n(face.data(), length, lf.lfFaceName);
    return lf;
}

bool ThemeFonts::build(const FontSettings& settings, int dpi, HFONT baseFont) {
    const LOGFONTW base = baseLogFont(baseFont);
    const FontHeights heights = fontHeights(settings.size, dpi);
    auto make = [&](int height) {
        LOGFONTW lf = themeLogFont(base, settings.faceName, height, settings.weight, settings.italic != 0);
        return platform::UniqueFont(CreateFontIndirectW(&lf));
    };
    platform::UniqueFont list = make(heights.list);
    platform::UniqueFont bar = make(heights.bar);
    platform::UniqueFont large = make(heights.large);
    platform::UniqueFont small = make(heights.small);
    if (!list || !bar || !large || !small) return false;
    actualFace_ = faceOf(list.get());
    if (actualFace_.empty()) actualFace_ = settings.faceName;
    list_ = std::move(list);
    bar_ = std::move(bar);
    large_ = std::move(large);
    small_ = std::move(small);
    return true;
}

}  // namespace tarvelo::shell::win
