// Torvi32.dll as the program binds it: decoding generated images of every
// container WIC encodes, hostile and broken files, and the viewer's numbers
// and drawing (pixels read back).
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "imagelib/viewer_state.h"
#include "platform/folder_removal.h"
#include "preview/win/image_library.h"
#include "support/wic_images.h"

namespace tarvelo::preview::win {
namespace {

using tarvelo::testing::solidFrame;
using tarvelo::testing::TestFrame;
using tarvelo::testing::writeBytes;
using tarvelo::testing::writeImage;

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kGreen = 0xFF00FF00;
constexpr uint32_t kBlue = 0xFF0000FF;
constexpr uint32_t kWhite = 0xFFFFFFFF;

class Torvi32Test : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ASSERT_TRUE(lib_.load(imageLibraryPath())) << "Torvi32.dll beside the tests";
        wchar_t tmp[MAX_PATH];
        const DWORD n = GetTempPathW(MAX_PATH, tmp);
        folder_ = std::wstring(tmp, n) + L"tarvelo_torvi32_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(folder_.c_str(), nullptr);
    }
    void TearDown() override {
        platform::removeFolderTree(folder_);
        lib_.unload();
        CoUninitialize();
    }
    std::wstring path(const std::wstring& name) const { return folder_ + name; }

    ImageLibrary lib_;
    std::wstring folder_;
};

// Pixel (x, y) of a 32-bit top-down DIB section as 0xRRGGBB.
uint32_t pixelOf(HBITMAP bitmap, int x, int y) {
    DIBSECTION ds{};
    if (GetObjectW(bitmap, sizeof(ds), &ds) != sizeof(ds) || !ds.dsBm.bmBits) return 0xDEAD;
    const auto* row = static_cast<const uint8_t*>(ds.dsBm.bmBits) + size_t(y) * ds.dsBm.bmWidthBytes;
    uint32_t v;
    std::memcpy(&v, row + size_t(x) * 4, 4);
    return v & 0xFFFFFF;
}

bool closeTo(uint32_t a, uint32_t b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        if (d > tolerance || d < -tolerance) return false;
    }
    return true;
}

TestFrame threeByTwo() {
    // Top row red, green, blue; bottom row white.
    TestFrame f{3, 2, {kRed, kGreen, kBlue, kWhite, kWhite, kWhite}};
    return f;
}

TEST_F(Torvi32Test, EveryContainerDecodesToTopDownRowsOfItsSize) {
    struct Case {
        const wchar_t* name;
        GUID container;
        int tolerance;  // JPEG is lossy
    };
    const Case cases[] = {
        {L"a.png", GUID_ContainerFormatPng, 0},   {L"a.bmp", GUID_ContainerFormatBmp, 0},
        {L"a.gif", GUID_ContainerFormatGif, 8},   {L"a.tif", GUID_ContainerFormatTiff, 0},
        {L"a.jpg", GUID_ContainerFormatJpeg, 80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // JPEG blurs single pixels: give it 16 x 16 blocks of each colour.
        const bool lossy = c.tolerance > 8;
        TestFrame frame = threeByTwo();
        if (lossy) {
            frame = TestFrame{48, 32, {}};
            for (uint32_t y = 0; y < 32; ++y)
                for (uint32_t x = 0; x < 48; ++x) frame.pixels.push_back(threeByTwo().pixels[(y / 16) * 3 + x / 16]);
        }
        ASSERT_TRUE(writeImage(path(c.name), c.container, {frame}));
        int32_t w = -1;
        int32_t h = -1;
        HBITMAP bitmap = lib_.loadImage(path(c.name).c_str(), &w, &h);
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(w, int32_t(frame.width));
        EXPECT_EQ(h, int32_t(frame.height));
        DIBSECTION ds{};
        ASSERT_EQ(GetObjectW(bitmap, sizeof(ds), &ds), int(sizeof(ds)));
        EXPECT_EQ(ds.dsBmih.biBitCount, 32);
        // Top-down: the first row in memory is the image's top row (red,
        // green, blue), checked by pixelOf, which reads rows from bmBits.
        EXPECT_EQ(ds.dsBm.bmWidthBytes, int(frame.width * 4));
        const int step = lossy ? 16 : 1;
        const int mid = lossy ? 8 : 0;
        EXPECT_TRUE(closeTo(pixelOf(bitmap, mid, mid), 0xFF0000, c.tolerance)) << std::hex << pixelOf(bitmap, mid, mid);
        EXPECT_TRUE(closeTo(pixelOf(bitmap, mid + step, mid), 0x00FF00, c.tolerance));
        EXPECT_TRUE(closeTo(pixelOf(bitmap, mid + 2 * step, mid), 0x0000FF, c.tolerance));
        EXPECT_TRUE(closeTo(pixelOf(bitmap, mid, mid + step), 0xFFFFFF, c.tolerance));
        EXPECT_TRUE(lib_.freeBitmap(bitmap));
    }
    EXPECT_FALSE(lib_.freeBitmap(nullptr));
}

TEST_F(Torvi32Test, OnlyTheFirstFrameOfAMultiFrameFileIsTaken) {
    ASSERT_TRUE(writeImage(path(L"pages.tif"), GUID_ContainerFormatTiff,
                           {solidFrame(3, 2, kRed), solidFrame(7, 5, kBlue)}));
    ASSERT_TRUE(writeImage(path(L"anim.gif"), GUID_ContainerFormatGif,
                           {solidFrame(4, 4, kGreen), solidFrame(4, 4, kBlue)}));
    struct Case {
        const wchar_t* name;
        int32_t w, h;
        uint32_t rgb;
    };
    for (const Case& c : {Case{L"pages.tif", 3, 2, 0xFF0000}, Case{L"anim.gif", 4, 4, 0x00FF00}}) {
        SCOPED_TRACE(c.name);
        int32_t w = 0;
        int32_t h = 0;
        HBITMAP bitmap = lib_.loadImage(path(c.name).c_str(), &w, &h);
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(w, c.w);
        EXPECT_EQ(h, c.h);
        EXPECT_TRUE(closeTo(pixelOf(bitmap, 1, 1), c.rgb, 8));
        lib_.freeBitmap(bitmap);
    }
}

// A BMP file header for a 32-bit image of the declared size, with `pixelBytes`
// of pixel data following it.
std::vector<uint8_t> bmpBytes(int32_t width, int32_t height, size_t pixelBytes) {
    std::vector<uint8_t> b(54 + pixelBytes, 0x7F);
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&b[at], &v, 4); };
    auto put16 = [&](size_t at, uint16_t v) { std::memcpy(&b[at], &v, 2); };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, uint32_t(b.size()));
    put32(6, 0);
    put32(10, 54);
    put32(14, 40);
    put32(18, uint32_t(width));
    put32(22, uint32_t(height));
    put16(26, 1);
    put16(28, 32);
    put32(30, 0);
    put32(34, uint32_t(pixelBytes));
    for (size_t i = 38; i < 54; ++i) b[i] = 0;
    return b;
}

TEST_F(Torvi32Test, FailuresReturnNullAndLeaveTheOutValuesAlone) {
    ASSERT_TRUE(writeBytes(path(L"notes.png"), "just some text\r\n", 16));
    ASSERT_TRUE(writeBytes(path(L"empty.png"), "", 0));
    ASSERT_TRUE(writeImage(path(L"whole.png"), GUID_ContainerFormatPng, {solidFrame(64, 64, kRed)}));
    std::vector<uint8_t> whole = tarvelo::testing::readBytes(path(L"whole.png"));
    ASSERT_GT(whole.size(), 60u);
    ASSERT_TRUE(writeBytes(path(L"cut.png"), whole.data(), whole.size() / 2));
    // Declared sizes the cap refuses, and a zero size; the files are small.
    const auto zero = bmpBytes(0, 10, 64);
    const auto tooWide = bmpBytes(TORVI32_MAX_SIDE + 1, 1, size_t(TORVI32_MAX_SIDE + 1) * 4);
    const auto huge = bmpBytes(30000, 30000, 64);  // 3.6 GB of pixels declared, 64 bytes present
    ASSERT_TRUE(writeBytes(path(L"zero.bmp"), zero.data(), zero.size()));
    ASSERT_TRUE(writeBytes(path(L"wide.bmp"), tooWide.data(), tooWide.size()));
    ASSERT_TRUE(writeBytes(path(L"huge.bmp"), huge.data(), huge.size()));

    for (const wchar_t* name : {L"missing.png", L"notes.png", L"empty.png", L"cut.png", L"zero.bmp", L"wide.bmp",
                                L"huge.bmp", L"."}) {
        SCOPED_TRACE(name);
        int32_t w = 12345;
        int32_t h = 67890;
        EXPECT_EQ(lib_.loadImage(path(name).c_str(), &w, &h), nullptr);
        EXPECT_EQ(w, 12345);
        EXPECT_EQ(h, 67890);
        EXPECT_EQ(lib_.viewerCreate(path(name).c_str()), nullptr);
    }
    int32_t w = 1;
    EXPECT_EQ(lib_.loadImage(nullptr, &w, nullptr), nullptr);
    EXPECT_EQ(w, 1);
    EXPECT_EQ(lib_.viewerCreate(nullptr), nullptr);
    // Out values are optional.
    HBITMAP bitmap = lib_.loadImage(path(L"whole.png").c_str(), nullptr, nullptr);
    EXPECT_NE(bitmap, nullptr);
    lib_.freeBitmap(bitmap);
    // The edge of the cap still decodes.
    const auto edge = bmpBytes(TORVI32_MAX_SIDE, 1, size_t(TORVI32_MAX_SIDE) * 4);
    ASSERT_TRUE(writeBytes(path(L"edge.bmp"), edge.data(), edge.size()));
    bitmap = lib_.loadImage(path(L"edge.bmp").c_str(), &w, nullptr);
    EXPECT_NE(bitmap, nullptr);
    EXPECT_EQ(w, TORVI32_MAX_SIDE);
    lib_.freeBitmap(bitmap);
}

TEST_F(Torvi32Test, ViewerNumbers) {
    ASSERT_TRUE(writeImage(path(L"v.png"), GUID_ContainerFormatPng, {solidFrame(20, 10, kRed)}));
    Torvi32ViewerHandle viewer = lib_.viewerCreate(path(L"v.png").c_str());
    ASSERT_NE(viewer, nullptr);
    const Torvi32Viewer& v = *viewer;
    EXPECT_EQ(v.width, 20);
    EXPECT_EQ(v.height, 10);
    EXPECT_EQ(v.zoom, 1.0f);
    EXPECT_EQ(v.angle, 0.0f);

    lib_.viewerZoom(viewer, 0.0f);
    lib_.viewerZoom(viewer, -1.0f);
    EXPECT_EQ(v.zoom, 1.0f);
    lib_.viewerZoom(viewer, 2.0f);
    lib_.viewerZoom(viewer, 2.0f);
    EXPECT_EQ(v.zoom, 4.0f);
    lib_.viewerZoom(viewer, 0.5f);

    for (int i = 0; i < 4; ++i) lib_.viewerRotate(viewer, 90.0f);
    EXPECT_EQ(v.angle, 360.0f) << "never wrapped";
    lib_.viewerRotate(viewer, -270.0f);  // 90

    lib_.viewerPan(viewer, 3.0f, 4.0f, 0);
    EXPECT_EQ(v.panX, 3.0f);
    EXPECT_EQ(v.panY, 4.0f);
    lib_.viewerPan(viewer, 10.0f, 0.0f, 1);  // angle 90, zoom 2
    EXPECT_NEAR(v.panX, 3.0f, 1e-5);
    EXPECT_NEAR(v.panY, 4.0f - 5.0f, 1e-5);
    lib_.viewerPan(viewer, 10.0f, 10.0f, 7);
    EXPECT_NEAR(v.panX, 3.0f, 1e-5);

    // Null handles are ignored everywhere.
    lib_.viewerPan(nullptr, 1, 1, 0);
    lib_.viewerZoom(nullptr, 2);
    lib_.viewerRotate(nullptr, 2);
    RECT r{0, 0, 10, 10};
    lib_.viewerDraw(nullptr, nullptr, &r);
    lib_.viewerDraw(viewer, nullptr, &r);
    lib_.viewerDestroy(nullptr);
    lib_.viewerDestroy(viewer);
}

// A white 32-bit canvas to draw into and read back.
struct Canvas {
    Canvas(int w, int h) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        dc = CreateCompatibleDC(nullptr);
        old = SelectObject(dc, bitmap);
        width = w;
        std::fill(bits, bits + size_t(w) * h, 0xFFFFFFu);
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    uint32_t at(int x, int y) const { return bits[size_t(y) * width + x] & 0xFFFFFF; }
    HBITMAP bitmap;
    HDC dc;
    HGDIOBJ old;
    uint32_t* bits = nullptr;
    int width;
};

TEST_F(Torvi32Test, DrawPlacesTheImageCentreAtTheRectangleCentre) {
    ASSERT_TRUE(writeImage(path(L"d.png"), GUID_ContainerFormatPng, {solidFrame(20, 10, kRed)}));
    Torvi32ViewerHandle viewer = lib_.viewerCreate(path(L"d.png").c_str());
    ASSERT_NE(viewer, nullptr);
    struct Case {
        const char* what;
        float rotate;
        float zoom;
        float panX, panY;
        RECT covered;  // where the red pixels must be
        bool exact;    // turned images may land a pixel off their edges
    };
    const Case cases[] = {
        {"unrotated at zoom 1: top left at (40, 20)", 0, 1, 0, 0, {40, 20, 60, 30}, true},
        {"four quarter turns draw as unrotated", 360, 1, 0, 0, {40, 20, 60, 30}, true},
        {"zoom 2 doubles around the centre", 0, 2, 0, 0, {30, 15, 70, 35}, true},
        {"a quarter turn stands the image up", 90, 1, 0, 0, {45, 15, 55, 35}, false},
        {"pan moves it in device units", 0, 1, -30, 10, {10, 30, 30, 40}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Torvi32Viewer& v = *viewer;
        v.zoom = 1.0f;
        v.angle = 0.0f;
        v.panX = v.panY = 0.0f;
        lib_.viewerRotate(viewer, c.rotate);
        lib_.viewerZoom(viewer, c.zoom);
        lib_.viewerPan(viewer, c.panX, c.panY, 0);
        Canvas canvas(100, 50);
        RECT rect{0, 0, 100, 50};
        lib_.viewerDraw(viewer, canvas.dc, &rect);
        const RECT& in = c.covered;
        // Inside corners red, one pixel outside white.
        EXPECT_EQ(canvas.at(in.left + 1, in.top + 1), 0xFF0000u);
        EXPECT_EQ(canvas.at(in.right - 2, in.bottom - 2), 0xFF0000u);
        const int out = c.exact ? 1 : 2;
        if (c.exact) {
            EXPECT_EQ(canvas.at(in.left, in.top), 0xFF0000u);
            EXPECT_EQ(canvas.at(in.right - 1, in.bottom - 1), 0xFF0000u);
        }
        EXPECT_EQ(canvas.at(in.left - out, in.top + 1), 0xFFFFFFu);
        EXPECT_EQ(canvas.at(in.right - 1 + out, in.bottom - 2), 0xFFFFFFu);
        EXPECT_EQ(canvas.at(in.left + 1, in.top - out), 0xFFFFFFu);
        EXPECT_EQ(canvas.at(in.left + 1, in.bottom - 1 + out), 0xFFFFFFu);
        // The caller's device context is left as it was.
        XFORM x{};
        GetWorldTransform(canvas.dc, &x);
        EXPECT_EQ(x.eM11, 1.0f);
        EXPECT_EQ(x.eDx, 0.0f);
        EXPECT_EQ(GetGraphicsMode(canvas.dc), GM_COMPATIBLE);
    }
    lib_.viewerDestroy(viewer);
}

// Mutated copies of small valid images of every container, decoded one by
// one: nothing may crash, and whatever decodes stays within the cap.
TEST_F(Torvi32Test, MutatedImagesNeverCrash) {
    const std::pair<const wchar_t*, GUID> seeds[] = {
        {L"s.png", GUID_ContainerFormatPng}, {L"s.bmp", GUID_ContainerFormatBmp},
        {L"s.gif", GUID_ContainerFormatGif}, {L"s.tif", GUID_ContainerFormatTiff},
        {L"s.jpg", GUID_ContainerFormatJpeg},
    };
    std::vector<std::vector<uint8_t>> originals;
    TestFrame pattern{16, 12, {}};
    for (uint32_t i = 0; i < 16 * 12; ++i) pattern.pixels.push_back(0xFF000000u | (i * 2654435761u >> 8));
    for (const auto& [name, container] : seeds) {
        ASSERT_TRUE(writeImage(path(name), container, {pattern}));
        originals.push_back(tarvelo::testing::readBytes(path(name)));
        ASSERT_FALSE(originals.back().empty());
    }
    std::mt19937 random(20261208);
    const auto start = std::chrono::steady_clock::now();
    int decoded = 0;
    const int rounds = 3000;
    for (int round = 0; round < rounds; ++round) {
        const size_t which = size_t(round) % originals.size();
        std::vector<uint8_t> bytes = originals[which];
        const int edits = 1 + int(random() % 8);
        for (int e = 0; e < edits; ++e) {
            const size_t at = random() % bytes.size();
            switch (random() % 4) {
            case 0: bytes[at] = uint8_t(random()); break;                 // any byte
            case 1: bytes[at] ^= uint8_t(1u << (random() % 8)); break;    // one bit
            case 2: bytes[at] = (random() & 1) ? 0xFF : 0x00; break;      // extremes (sizes)
            default: bytes.resize(std::max<size_t>(1, at)); break;         // truncation
            }
        }
        const std::wstring file = path(L"m" + std::wstring(seeds[which].first));
        ASSERT_TRUE(writeBytes(file, bytes.data(), bytes.size()));
        int32_t w = -7;
        int32_t h = -7;
        HBITMAP bitmap = lib_.loadImage(file.c_str(), &w, &h);
        if (bitmap) {
            ++decoded;
            EXPECT_GT(w, 0);
            EXPECT_LE(w, TORVI32_MAX_SIDE);
            EXPECT_GT(h, 0);
            EXPECT_LE(h, TORVI32_MAX_SIDE);
            lib_.freeBitmap(bitmap);
        } else {
            EXPECT_EQ(w, -7);
            EXPECT_EQ(h, -7);
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("decoded", decoded);
    std::printf("fuzz: %d mutated images, %d decoded, %.1f s\n", rounds, decoded, seconds);
    EXPECT_GT(decoded, 0) << "the mutations left nothing decodable: the seeds are broken";
}

TEST(ImageLibraryBinding, AllEightExportsOrNothing) {
    ImageLibrary lib;
    EXPECT_TRUE(lib.load(imageLibraryPath()));
    EXPECT_TRUE(lib.loaded());
    EXPECT_TRUE(lib.loadImage && lib.freeBitmap && lib.viewerCreate && lib.viewerDestroy && lib.viewerPan &&
                lib.viewerZoom && lib.viewerRotate && lib.viewerDraw);
    // A library without the exports binds nothing and is let go again.
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring other = std::wstring(system) + L"\\version.dll";
    EXPECT_FALSE(lib.load(other));
    EXPECT_FALSE(lib.loaded());
    EXPECT_EQ(lib.loadImage, nullptr);
    EXPECT_EQ(lib.viewerDraw, nullptr);
    EXPECT_FALSE(lib.load(L"C:\\no such folder\\Torvi32.dll"));
    EXPECT_FALSE(lib.loaded());
}

}  // namespace
}  // namespace tarvelo::preview::win
