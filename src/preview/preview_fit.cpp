#include "preview/preview_fit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwctype>

namespace tarvelo::preview {

namespace {

constexpr double kStep = static_cast<double>(0.01f);  // 0.009999999776482582

bool fits(int w, int h, double m, int bw, int bh) {
    return std::trunc(w * m * 0.01) <= bw && std::trunc(h * m * 0.01) <= bh;
}

}  // namespace

PreviewPlacement fitImage(int w, int h, int areaWidth, int areaHeight, bool enlargeSmall) {
    const int bw = areaWidth;
    const int bh = areaHeight - 2 * kStripHeight;
    PreviewPlacement p;
    p.y = kStripHeight;
    if (w <= 0 || h <= 0 || bw <= 0 || bh <= 0) return p;
    if (!enlargeSmall && w < bw && h < bh) {
        p.magnification = 100.0;
        p.width = w;
        p.height = h;
    } else {
        // Stepping down one by one keeps the drift of the float step that
        // the shown magnification carries (800.99 % for 100 x 50 in 800 x 600).
        double m = 8000.0;
        while (!fits(w, h, m, bw, bh) && m >= 1.0) m -= kStep;
        if (!fits(w, h, m, bw, bh)) {
            // Not even 1 % fits (a strip of a picture): scale exactly to the
            // band instead of drawing past the strips.
            m = std::min(bw * 100.0 / w, bh * 100.0 / h);
        }
        p.magnification = m;
        p.width = std::clamp(static_cast<int>(std::trunc(w * m * 0.01)), 1, bw);
        p.height = std::clamp(static_cast<int>(std::trunc(h * m * 0.01)), 1, bh);
    }
    p.x = p.width < bw ? static_cast<int>(std::trunc((bw - p.width) * 0.5)) : 0;
    p.y = kStripHeight + (p.height < bh ? static_cast<int>(std::trunc((bh - p.height) * 0.5)) : 0);
    return p;
}

std::wstring imageStatusText(int w, int h, const PreviewPlacement& placed, bool japanese) {
    wchar_t text[256];
    if (japanese) {
        std::swprintf(text, 256, L"画像サイズ: %d × %d  /  表示サイズ: %d × %d  /  倍率: %3.2lf ％", w, h, placed.width,
                      placed.height, placed.magnification);
    } else {
        std::swprintf(text, 256, L"Image-Size: %d x %d  /  View-Size: %d x %d  /  Magnification: %3.2lf %%", w, h,
                      placed.width, placed.height, placed.magnification);
    }
    return text;
}

int previewType(const std::wstring& extension) {
    static const wchar_t kTable[] =
        L"JPG=1;JPEG=1;PNG=1;GIF=1;BMP=1;ICO=1;TIF=1;TIFF=1;WMF=1;EMF=1;WEBP=3;AVIF=3;HEIC=3;HEIF=3;ZIP=2;7Z=2;RAR=2;"
        L"WAV=4;AVI=4;WMV=4;MP3=4;MPG=4;MPEG=4;MP4=4;M4A=4;MKV=4;";
    std::wstring ext = extension.size() > 0 && extension[0] == L'.' ? extension.substr(1) : extension;
    if (ext.empty()) return 0;
    for (wchar_t& c : ext) c = static_cast<wchar_t>(std::towupper(c));
    const std::wstring table(kTable);
    size_t at = 0;
    while (at < table.size()) {
        const size_t eq = table.find(L'=', at);
        const size_t end = table.find(L';', eq);
        if (eq == std::wstring::npos || end == std::wstring::npos) break;
        if (table.compare(at, eq - at, ext) == 0) return table[eq + 1] - L'0';
        at = end + 1;
    }
    return 0;
}

}  // namespace tarvelo::preview
