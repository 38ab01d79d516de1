#include <gtest/gtest.h>

#include <string>

#include "platform/gdi_draw.h"
#include "shell/win/animated_background.h"
#include "shell/win/appearance.h"
#include "shell/win/menu_look.h"
#include "shell/win/theme_fonts.h"

namespace tarvelo::shell::win {
namespace {

LOGFONTW logFontOf(HFONT font) {
    LOGFONTW lf{};
    GetObjectW(font, sizeof(lf), &lf);
    return lf;
}

TEST(ThemeFonts, FourFontsWithTheirHeightsAndFields) {
    FontSettings settings;
    settings.size = 30;
    settings.weight = 700;
    settings.italic = 1;
    settings.faceName = L"Arial";
    ThemeFonts fonts;
    ASSERT_TRUE(fonts.build(settings, 96, nullptr));
    const LOGFONTW list = logFontOf(fonts.listFont());
    EXPECT_EQ(list.lfHeight, 30);
    EXPECT_EQ(list.lfWeight, 700);
    EXPECT_TRUE(list.lfItalic);
    EXPECT_FALSE(list.lfUnderline);
    EXPECT_FALSE(list.lfStrikeOut);
    EXPECT_EQ(list.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(list.lfPitchAndFamily, 48);
    EXPECT_STREQ(list.lfFaceName, L"Arial");
    EXPECT_EQ(logFontOf(fonts.barFont()).lfHeight, 20);
    EXPECT_EQ(logFontOf(fonts.largeFont()).lfHeight, 32);
    EXPECT_EQ(logFontOf(fonts.smallFont()).lfHeight, 19);
    EXPECT_FALSE(fonts.actualFaceName().empty());

    settings.size = 13;
    ASSERT_TRUE(fonts.build(settings, 144, nullptr));
    EXPECT_EQ(logFontOf(fonts.listFont()).lfHeight, 20);
    EXPECT_EQ(logFontOf(fonts.largeFont()).lfHeight, 23);
}

TEST(ThemeFonts, LogFontCutsAnOverlongFace) {
    LOGFONTW base{};
    base.lfUnderline = TRUE;
    base.lfEscapement = 900;
    const std::wstring face(80, L'x');
    const LOGFONTW lf = themeLogFont(base, face, 13, 400, false);
    EXPECT_EQ(std::wstring(lf.lfFaceName), face.substr(0, LF_FACESIZE - 1));
    EXPECT_FALSE(lf.lfUnderline);
    EXPECT_EQ(lf.lfEscapement, 0);
    EXPECT_EQ(lf.lfHeight, 13);
}

// A 16 x 16 magenta image with a black 4 x 4 block at (6, 6).
platform::UniqueBitmap sampleIcon() {
    platform::BackBuffer art;
    if (!art.resize(16, 16)) return {};
    art.fill(RGB(255, 0, 255));
    platform::fillSolidRect(art.dc(), RECT{6, 6, 10, 10}, RGB(0, 0, 0));
    HDC screen = GetDC(nullptr);
    platform::UniqueBitmap copy(CreateCompatibleBitmap(screen, 16, 16));
    ReleaseDC(nullptr, screen);
    platform::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    HGDIOBJ old = SelectObject(dc.get(), copy.get());
    BitBlt(dc.get(), 0, 0, 16, 16, art.dc(), 0, 0, SRCCOPY);
    SelectObject(dc.get(), old);
    return copy;
}

COLORREF pixelOf(HBITMAP bitmap, int x, int y) {
    platform::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    HGDIOBJ old = SelectObject(dc.get(), bitmap);
    const COLORREF c = GetPixel(dc.get(), x, y);
    SelectObject(dc.get(), old);
    return c;
}

TEST(MenuLook, BitmapsAreComposedOntoBothMenuBackgrounds) {
    platform::UniqueBitmap icon = sampleIcon();
    ASSERT_TRUE(icon);
    MenuBitmapSet set;
    EXPECT_FALSE(set.build({icon.get(), nullptr}, 16));  // the empty source fails alone
    ASSERT_EQ(set.size(), 2u);
    EXPECT_EQ(pixelOf(set.light(0), 0, 0), RGB(0xF9, 0xF9, 0xF9));
    EXPECT_EQ(pixelOf(set.light(0), 7, 7), RGB(0, 0, 0));
    EXPECT_EQ(pixelOf(set.dark(0), 15, 15), RGB(0x2B, 0x2B, 0x2B));
    EXPECT_EQ(pixelOf(set.forTheme(0, true), 7, 7), RGB(0, 0, 0));
    EXPECT_EQ(set.light(1), nullptr);
    EXPECT_EQ(set.dark(5), nullptr);

    // Scaled for 150 %: 24 pixels, the block doubled in place.
    platform::UniqueBitmap big = composeMenuBitmap(icon.get(), RGB(0x2B, 0x2B, 0x2B), 24);
    BITMAP info{};
    GetObjectW(big.get(), sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 24);
    EXPECT_EQ(pixelOf(big.get(), 11, 11), RGB(0, 0, 0));
    EXPECT_EQ(pixelOf(big.get(), 2, 2), RGB(0x2B, 0x2B, 0x2B));
}

TEST(MenuLook, MenuBarItemIsFilledAndLabelled) {
    platform::UniqueMenu menu(CreateMenu());
    AppendMenuW(menu.get(), MF_STRING, 1, L"WWWWWW");
    platform::BackBuffer canvas;
    ASSERT_TRUE(canvas.resize(120, 24));
    canvas.fill(RGB(1, 2, 3));

    for (bool dark : {false, true}) {
        for (bool hot : {false, true}) {
            MenuBarItemPaintInfo info{};
            info.draw.hDC = canvas.dc();
            info.draw.rcItem = RECT{0, 0, 120, 24};
            info.draw.itemState = hot ? ODS_HOTLIGHT : 0;
            info.menu.menu = menu.get();
            info.item.position = 0;
            ASSERT_TRUE(paintMenuBarItem(nullptr, reinterpret_cast<LPARAM>(&info), dark, 96));
            const MenuColours colours = menuColours(dark);
            const COLORREF fill = hot ? colours.selected : colours.background;
            EXPECT_EQ(GetPixel(canvas.dc(), 2, 2), fill) << dark << hot;
            EXPECT_EQ(GetPixel(canvas.dc(), 119, 23), fill) << dark << hot;
            // The label starts 10 pixels in: some text pixels differ from the fill.
            int inked = 0;
            for (int x = 10; x < 110; ++x) {
                for (int y = 4; y < 20; ++y) inked += GetPixel(canvas.dc(), x, y) != fill;
            }
            EXPECT_GT(inked, 10) << dark << hot;
            for (int y = 0; y < 24; ++y) EXPECT_EQ(GetPixel(canvas.dc(), 5, y), fill);
        }
    }
    EXPECT_EQ(menuColours(false).background, RGB(0xF9, 0xF9, 0xF9));
    EXPECT_EQ(menuColours(true).selected, RGB(0x35, 0x35, 0x35));
    EXPECT_EQ(menuColours(true).text, RGB(0xFF, 0xFF, 0xFF));
    EXPECT_FALSE(paintMenuBarItem(nullptr, 0, false, 96));
}

class ScriptedRandom : public RandomSource {
public:
    uint32_t next() override { return values[index++ % 6]; }
    uint32_t values[6] = {10, 20, 30, 60, 40, 0};
    size_t index = 0;
};

TEST(AnimatedBackground, PaintsTheDriftingGradientOnlyForIlluminate) {
    ScriptedRandom random;
    AnimatedBackground background(random);
    platform::BackBuffer pane;
    ASSERT_TRUE(pane.resize(100, 80));
    pane.fill(RGB(7, 7, 7));
    background.paint(pane.dc(), pane.rect(), 4);
    EXPECT_EQ(GetPixel(pane.dc(), 50, 40), RGB(7, 7, 7));
    EXPECT_FALSE(background.drift().started());

    background.paint(pane.dc(), pane.rect(), 6);
    // A = (10, 20, 30) + 185, B = (60, 40, 0) + 185: both gradients start at A
    // in the top-left corner and end at B in the bottom-right one.
    const COLORREF topLeft = GetPixel(pane.dc(), 0, 0);
    const COLORREF bottomRight = GetPixel(pane.dc(), 99, 79);
    EXPECT_NEAR(GetRValue(topLeft), 195, 4);
    EXPECT_NEAR(GetGValue(topLeft), 205, 4);
    EXPECT_NEAR(GetBValue(topLeft), 215, 4);
    EXPECT_NEAR(GetRValue(bottomRight), 245, 4);
    EXPECT_NEAR(GetGValue(bottomRight), 225, 4);
    EXPECT_NEAR(GetBValue(bottomRight), 185, 4);
    // Top-right: horizontal gives B, vertical gives A: half of each.
    const COLORREF topRight = GetPixel(pane.dc(), 99, 0);
    EXPECT_NEAR(GetRValue(topRight), 220, 5);
    EXPECT_NEAR(GetBValue(topRight), 200, 5);
}

LRESULT CALLBACK plainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(Appearance, TitleBarAndTransparencyNeverFail) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = plainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TarveloAppearanceTest";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"t", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    for (bool dark : {true, false}) {
        for (bool active : {true, false}) colourTitleBar(window, dark, active);
    }
    colourTitleBarForExit(window);
    colourTitleBar(nullptr, true, true);

    EXPECT_TRUE(setWindowAlpha(window, 208, true));
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    if (GetLayeredWindowAttributes(window, nullptr, &alpha, &flags)) {
        EXPECT_EQ(alpha, 208);
        EXPECT_TRUE(flags & LWA_ALPHA);
    }
    EXPECT_TRUE(setWindowAlpha(window, 228, false));
    EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_FALSE(setWindowAlpha(nullptr, 200, true));
    DestroyWindow(window);
}

TEST(Appearance, AccentColourFromTheRegistryOrTheDefault) {
    // Point HKCU at a scratch key so the shared profile is left alone.
    HKEY scratch = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\TarveloTest\\AccentScratch", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &scratch, nullptr),
              ERROR_SUCCESS);
    if (RegOverridePredefKey(HKEY_CURRENT_USER, scratch) != ERROR_SUCCESS) {
        RegCloseKey(scratch);
        GTEST_SKIP() << "HKCU cannot be redirected here";
    }
    EXPECT_EQ(accentColour(), Colour::fromHex(0x0078D7));
    HKEY dwm = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\DWM", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &dwm, nullptr),
              ERROR_SUCCESS);
    const DWORD value = 0xFF332211;  // alpha, then blue, green, red
    RegSetValueExW(dwm, L"AccentColor", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(dwm);
    const Colour accent = accentColour();
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(scratch);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TarveloTest\\AccentScratch");
    EXPECT_EQ(accent, Colour::fromHex(0x112233));
}

}  // namespace
}  // namespace tarvelo::shell::win
