#pragma once
// Where a previewed image goes in the list area: the fit search, the
// rule for small images, centring in the band between the two strips.
#include <string>

namespace tarvelo::preview {

constexpr int kStripHeight = 24;

struct PreviewPlacement {
    int x = 0;  // in the list area, strips included
    int y = 0;
    int width = 0;
    int height = 0;
    double magnification = 0.0;  // per cent
};

// The largest magnification, stepping down from 8000 % by the single-
// precision value of 0.01, at which the image fits the band (BW x BH);
// never below 1 %. A band without room (BH <= 0) or an empty image gives
// a zero-sized placement at the band's top.
PreviewPlacement fitImage(int imageWidth, int imageHeight, int areaWidth, int areaHeight, bool enlargeSmall);

// The two strip texts.
std::wstring imageStatusText(int imageWidth, int imageHeight, const PreviewPlacement& placed, bool japanese);

// The type table: 1 image for GDI+, 2 archive, 3 image for the library
// only, 4 audio or video, 0 no preview. `extension` with or without dot.
int previewType(const std::wstring& extension);

}  // namespace tarvelo::preview
