#include "preview/preview_fit.h"

#include <gtest/gtest.h>

#include <array>

namespace tarvelo::preview {
namespace {

TEST(PreviewFit, PlacementsOfTheKnownCases) {
    struct Case {
        const char* what;
        int w, h, areaW, areaH;
        bool enlarge;
        int x, y, drawnW, drawnH;
        const wchar_t* shown;  // the magnification as the status prints it
    };
    const Case cases[] = {
        // A band of 800 x 600 is an area of 800 x 648.
        {"small image at its own size", 100, 50, 800, 648, false, 350, 24 + 275, 100, 50, L"100.00"},
        {"small image enlarged, with the float step's drift", 100, 50, 800, 648, true, 0, 24 + 100, 800, 400,
         L"800.99"},
        {"4000 x 3000 in a band of 800 x 552", 4000, 3000, 800, 600, false, 31, 24, 737, 552, L"18.43"},
        {"image as large as the band is fitted (the step's drift shows)", 800, 600, 800, 648, false, 0, 24, 800, 600,
         L"100.12"},
        {"too tall even at 1 %: scaled to the band, never past the strips", 10, 100000, 800, 648, false, 399, 24, 1,
         600, L"0.60"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PreviewPlacement p = fitImage(c.w, c.h, c.areaW, c.areaH, c.enlarge);
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.y);
        EXPECT_EQ(p.width, c.drawnW);
        EXPECT_EQ(p.height, c.drawnH);
        const std::wstring status = imageStatusText(c.w, c.h, p, false);
        EXPECT_NE(status.find(std::wstring(L"Magnification: ") + c.shown + L" %"), std::wstring::npos) << status;
    }
}

TEST(PreviewFit, NoRoomOrNoImageDrawsNothing) {
    for (auto [w, h, aw, ah] : {std::array{0, 10, 800, 600}, std::array{10, 0, 800, 600},
                                std::array{10, 10, 800, 48}, std::array{10, 10, 0, 600}}) {
        const PreviewPlacement p = fitImage(w, h, aw, ah, true);
        EXPECT_EQ(p.width, 0);
        EXPECT_EQ(p.height, 0);
    }
}

TEST(PreviewFit, StatusTextsCarryEveryNumber) {
    PreviewPlacement p{1, 2, 737, 552, 18.4321};
    EXPECT_EQ(imageStatusText(4000, 3000, p, false),
              L"Image-Size: 4000 x 3000  /  View-Size: 737 x 552  /  Magnification: 18.43 %");
    EXPECT_EQ(imageStatusText(4000, 3000, p, true),
              L"画像サイズ: 4000 × 3000  /  表示サイズ: 737 × 552  /  倍率: 18.43 ％");
}

TEST(PreviewTypes, TableLookupIgnoresCaseAndDot) {
    struct Case {
        const wchar_t* ext;
        int type;
    };
    for (const Case& c : {Case{L".jpg", 1}, Case{L"JPEG", 1}, Case{L".Png", 1}, Case{L".webp", 3}, Case{L".heic", 3},
                          Case{L".zip", 2}, Case{L".7z", 2}, Case{L".mp3", 4}, Case{L".mkv", 4}, Case{L".txt", 0},
                          Case{L"", 0}, Case{L".", 0}, Case{L".jp", 0}, Case{L".jpgx", 0}, Case{L"=1", 0}}) {
        EXPECT_EQ(previewType(c.ext), c.type) << c.ext;
    }
}

}  // namespace
}  // namespace tarvelo::preview
