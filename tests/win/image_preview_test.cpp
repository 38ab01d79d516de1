// The image preview drawn into a list buffer, through the library and
// through GDI+: where the picture lands, that a picture shown smaller keeps
// its colours and its transparency, and that both paths agree.
#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/folder_removal.h"
#include "platform/gdi_draw.h"
#include "preview/preview_fit.h"
#include "preview/win/image_library.h"
#include "preview/win/image_preview.h"
#include "support/wic_images.h"

namespace tarvelo::preview::win {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 348;  // a band of 400 x 300 between the strips
constexpr COLORREF kListColour = RGB(200, 200, 200);

class ImagePreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
        ASSERT_TRUE(lib_.load(imageLibraryPath())) << "Torvi32.dll beside the tests";
        wchar_t tmp[MAX_PATH];
        const DWORD n = GetTempPathW(MAX_PATH, tmp);
        folder_ = std::wstring(tmp, n) + L"tarvelo_preview_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(folder_.c_str(), nullptr);
        look_.background = RGB(10, 20, 40);
        look_.stripFrom = RGB(50, 50, 50);
        look_.stripTo = RGB(30, 30, 30);
        look_.text = RGB(255, 255, 255);
    }
    void TearDown() override {
        platform::removeFolderTree(folder_);
        lib_.unload();
        Gdiplus::GdiplusShutdown(token_);
        CoUninitialize();
    }

    // Draws path over a list-coloured buffer; with or without the library.
    bool draw(platform::BackBuffer& buffer, const std::wstring& path, bool withLibrary) {
        if (!buffer.resize(kWidth, kHeight)) return false;
        buffer.fill(kListColour);
        return drawImagePreview(buffer.dc(), kWidth, kHeight, path, L"title", withLibrary ? &lib_ : nullptr, look_);
    }

    ImageLibrary lib_;
    PreviewLook look_;
    std::wstring folder_;
    ULONG_PTR token_ = 0;
};

COLORREF at(const platform::BackBuffer& b, int x, int y) { return GetPixel(b.dc(), x, y); }

bool closeColour(COLORREF a, COLORREF b, int tolerance = 2) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// Left half opaque red, right half fully transparent.
testing::TestFrame halfRed(uint32_t w, uint32_t h) {
    testing::TestFrame f = testing::solidFrame(w, h, 0x00000000);
    for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < w / 2; ++x) f.pixels[size_t(y) * w + x] = 0xFFFF0000;
    return f;
}

TEST_F(ImagePreviewTest, PicturesOfEverySizeLandFittedWithTheirColoursOnBothPaths) {
    struct Case {
        const char* what;
        uint32_t w, h;
        bool enlarge;
    };
    const Case cases[] = {
        {"much larger than the band: shrunk", 3000, 1500, false},
        {"larger by an odd ratio", 1001, 301, false},
        {"smaller, shown at its own size", 120, 60, false},
        {"smaller, enlarged to fit", 40, 30, true},
    };
    for (const Case& c : cases) {
        for (const bool withLibrary : {true, false}) {
            SCOPED_TRACE(::testing::Message() << c.what << (withLibrary ? ", library" : ", GDI+"));
            const std::wstring path = folder_ + L"half.png";
            ASSERT_TRUE(testing::writeImage(path, GUID_ContainerFormatPng, {halfRed(c.w, c.h)}));
            look_.enlargeSmall = c.enlarge;
            platform::BackBuffer buffer;
            ASSERT_TRUE(draw(buffer, path, withLibrary));
            const PreviewPlacement p = fitImage(int(c.w), int(c.h), kWidth, kHeight, c.enlarge);
            ASSERT_GT(p.width, 4);
            const int midY = p.y + p.height / 2;
            // The list under the band, dimmed by the background at 173 of 255.
            auto dim = [&](int list, int background) { return (background * 173 + list * 82 + 127) / 255; };
            const COLORREF dimmed = RGB(dim(200, 10), dim(200, 20), dim(200, 40));
            if (p.x > 2) {
                EXPECT_TRUE(closeColour(at(buffer, p.x / 2, midY), dimmed)) << "beside the picture";
            }
            EXPECT_TRUE(closeColour(at(buffer, p.x + p.width / 4, midY), RGB(255, 0, 0)))
                << std::hex << at(buffer, p.x + p.width / 4, midY);
            EXPECT_TRUE(closeColour(at(buffer, p.x + 1, p.y + 1), RGB(255, 0, 0))) << "the top-left corner is in place";
            // The transparent half shows the dimmed list, with no red haze.
            EXPECT_TRUE(closeColour(at(buffer, p.x + 3 * p.width / 4, midY), dimmed))
                << std::hex << at(buffer, p.x + 3 * p.width / 4, midY) << " vs " << dimmed;
            // Nothing of the picture past its drawn rectangle.
            if (p.y + p.height + 2 < kHeight - kStripHeight) {
                EXPECT_TRUE(closeColour(at(buffer, p.x + p.width / 4, p.y + p.height + 1), dimmed));
            }
        }
    }
}

TEST_F(ImagePreviewTest, AShrunkPhotoKeepsItsAverageColourAndFineDetailDoesNotAlias) {
    // One-pixel stripes of black and white: a fair reduction shows grey, a
    // reduction that skips rows shows black or white bands.
    testing::TestFrame f = testing::solidFrame(2400, 1800, 0xFF000000);
    for (uint32_t y = 0; y < f.height; ++y)
        for (uint32_t x = 0; x < f.width; ++x)
            if ((x + y) % 2 == 0) f.pixels[size_t(y) * f.width + x] = 0xFFFFFFFF;
    const std::wstring path = folder_ + L"stripes.bmp";
    ASSERT_TRUE(testing::writeImage(path, GUID_ContainerFormatBmp, {f}));
    for (const bool withLibrary : {true, false}) {
        SCOPED_TRACE(withLibrary ? "library" : "GDI+");
        platform::BackBuffer buffer;
        ASSERT_TRUE(draw(buffer, path, withLibrary));
        const PreviewPlacement p = fitImage(2400, 1800, kWidth, kHeight, false);
        for (int y = p.y + 2; y < p.y + p.height - 2; y += 17) {
            for (int x = p.x + 2; x < p.x + p.width - 2; x += 23) {
                ASSERT_TRUE(closeColour(at(buffer, x, y), RGB(128, 128, 128), 8)) << x << "," << y << " " << std::hex
                                                                             << at(buffer, x, y);
            }
        }
    }
}

TEST_F(ImagePreviewTest, AFileNoDecoderReadsDrawsNothingThroughTheLibrary) {
    const std::wstring path = folder_ + L"fake.png";
    ASSERT_TRUE(testing::writeBytes(path, "not a picture", 13));
    platform::BackBuffer buffer;
    EXPECT_FALSE(draw(buffer, path, true));
    EXPECT_EQ(at(buffer, kWidth / 2, kHeight / 2), kListColour) << "the list stays as it was";
    // GDI+ shows the empty band with sizes 0.
    EXPECT_TRUE(draw(buffer, path, false));
    EXPECT_NE(at(buffer, kWidth / 2, kHeight / 2), kListColour);
}

}  // namespace
}  // namespace tarvelo::preview::win
