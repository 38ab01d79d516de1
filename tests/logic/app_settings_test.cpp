#include "shell/app_settings.h"

#include <gtest/gtest.h>

#include "support/fake_byte_file_system.h"
#include "support/fake_ini_store.h"

namespace tarvelo::shell {
namespace {

// Every key of sections Settings and Font with its default, as loaded from an
// empty settings file.
TEST(AppSettings, EmptyFileLoadsTheDefaults) {
    testing::FakeIniStore ini;
    AppSettings s;
    s.windowMenuIcon = 77;  // load must overwrite whatever was there
    s.load(ini, UiLanguage::English);
    const std::pair<const char*, int> expected[] = {
        {"WindowMenuIcon", 1},    {"WindowTopMost", 0},   {"WindowAlphaBlend", 0},
        {"AlphaBlendLevel", 228}, {"ExitConfirm", 0},     {"SoundOnComplete", 1},
        {"WindowDriveBar", 1},    {"WindowSideBar", 1},   {"CustomScrollBar", 1},
        {"WindowSplitBarPos", 200}, {"WindowMenuBar", 1}, {"TimestampFormat", 0},
        {"ViewMode", 1},          {"ThemaColor", 4},      {"StripeRow", 0},
        {"DrawIcon", 1},          {"ToolTip", 1},         {"GridLine", 0},
        {"Magnification", 0},     {"LineHeight", 0},      {"IsZoomed", 0},
        {"Size", 13},             {"Weight", 400},        {"Italic", 0},
    };
    const int actual[] = {
        s.windowMenuIcon, s.windowTopMost,   s.windowAlphaBlend, s.alphaBlendLevel,
        s.exitConfirm,    s.soundOnComplete, s.windowDriveBar,   s.windowSideBar,
        s.customScrollBar, s.windowSplitBarPos, s.windowMenuBar, s.timestampFormat,
        s.viewMode,       s.themaColor,      s.stripeRow,        s.drawIcon,
        s.toolTip,        s.gridLine,        s.magnification,    s.lineHeight,
        s.isZoomed,       s.font.size,       s.font.weight,      s.font.italic,
    };
    static_assert(std::size(expected) == std::size(actual));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(actual[i], expected[i].second) << expected[i].first;
    }
    EXPECT_EQ(s.font.faceName, L"BIZ UDGothic");
    EXPECT_FALSE(s.position.has_value());
}

TEST(AppSettings, StoredValuesLoadAsReadExceptTheClamps) {
    struct Case {
        const wchar_t* key;
        const wchar_t* stored;
        int AppSettings::*field;
        int expected;
    };
    const Case cases[] = {
        {L"WindowSplitBarPos", L"50", &AppSettings::windowSplitBarPos, 100},
        {L"WindowSplitBarPos", L"100", &AppSettings::windowSplitBarPos, 100},
        {L"WindowSplitBarPos", L"-5", &AppSettings::windowSplitBarPos, 100},
        {L"WindowSplitBarPos", L"101", &AppSettings::windowSplitBarPos, 101},
        {L"AlphaBlendLevel", L"0", &AppSettings::alphaBlendLevel, 228},
        {L"AlphaBlendLevel", L"-1", &AppSettings::alphaBlendLevel, 228},
        {L"AlphaBlendLevel", L"1", &AppSettings::alphaBlendLevel, 1},
        {L"AlphaBlendLevel", L"300", &AppSettings::alphaBlendLevel, 300},
        {L"ThemaColor", L"0", &AppSettings::themaColor, 0},
        {L"ViewMode", L"0", &AppSettings::viewMode, 0},
        {L"LineHeight", L"48", &AppSettings::lineHeight, 48},
        {L"WindowMenuIcon", L"0", &AppSettings::windowMenuIcon, 0},
        {L"CustomScrollBar", L"0", &AppSettings::customScrollBar, 0},
        {L"IsZoomed", L"1", &AppSettings::isZoomed, 1},
    };
    for (const Case& c : cases) {
        testing::FakeIniStore ini;
        ini.set(L"Settings", c.key, c.stored);
        AppSettings s;
        s.load(ini, UiLanguage::English);
        EXPECT_EQ(s.*c.field, c.expected) << c.key << L"=" << c.stored;
    }
}

TEST(AppSettings, FaceNameFallsBackByLanguage) {
    testing::FakeIniStore ini;
    AppSettings s;
    s.load(ini, UiLanguage::Japanese);
    EXPECT_EQ(s.font.faceName, L"BIZ UDゴシック");
    ini.set(L"Font", L"FaceName", L"");
    s.load(ini, UiLanguage::English);
    EXPECT_EQ(s.font.faceName, L"BIZ UDGothic");
    ini.set(L"Font", L"FaceName", L"メイリオ");
    ini.set(L"Font", L"Size", L"20");
    s.load(ini, UiLanguage::English);
    EXPECT_EQ(s.font.faceName, L"メイリオ");
    EXPECT_EQ(s.font.size, 20);
}

TEST(AppSettings, PositionIsTakenOnlyWhenTenIntegersAreStored) {
    testing::FakeIniStore ini;
    AppSettings s;
    ini.set(L"Settings", L"Position", L"0:1:-1:-1:-1:-1:10:20:810:620");
    s.load(ini, UiLanguage::English);
    ASSERT_TRUE(s.position.has_value());
    EXPECT_EQ(s.position->restored, (PlacementRect{10, 20, 810, 620}));

    ini.set(L"Settings", L"Position", L"0:1:-1:-1:-1:-1:10:20:810");
    s.load(ini, UiLanguage::English);
    EXPECT_FALSE(s.position.has_value());
}

TEST(AppSettings, SaveWritesEveryKeyInOrder) {
    testing::FakeIniStore ini;
    testing::FakeByteFileSystem files;
    SectionFileStore data(files, L"C:\\T\\Tarvelo.exe");
    AppSettings s;
    s.load(ini, UiLanguage::English);
    s.windowSplitBarPos = 333;
    s.font.size = 15;

    AppSettingsSaveState state;
    state.currentFolder = L"C:\\Work\\";
    state.shortCutFolder = L"D:\\";
    state.createdFaceName = L"IPAGothic";
    state.isZoomed = true;
    state.placement = WindowPlacementValues{0, 3, -1, -1, -8, -8, {10, 20, 810, 620}};
    s.save(ini, state);
    EXPECT_EQ(files.writes, 0);  // the data file is not the settings' business
    ASSERT_TRUE(saveSessionData(data, state));
    EXPECT_EQ(files.writes, 1);  // both keys in one rewrite

    const wchar_t* expectedOrder[][2] = {
        {L"Settings", L"WindowTopMost"},   {L"Settings", L"WindowAlphaBlend"},
        {L"Settings", L"AlphaBlendLevel"}, {L"Settings", L"ExitConfirm"},
        {L"Settings", L"SoundOnComplete"}, {L"Settings", L"ThemaColor"},
        {L"Settings", L"ViewMode"},        {L"Settings", L"StripeRow"},
        {L"Settings", L"DrawIcon"},        {L"Settings", L"ToolTip"},
        {L"Settings", L"GridLine"},        {L"Settings", L"WindowMenuBar"},
        {L"Settings", L"WindowDriveBar"},  {L"Settings", L"WindowSideBar"},
        {L"Settings", L"WindowSplitBarPos"}, {L"Settings", L"WindowMenuIcon"},
        {L"Settings", L"Magnification"},   {L"Settings", L"LineHeight"},
        {L"Settings", L"TimestampFormat"}, {L"Settings", L"CustomScrollBar"},
        {L"Font", L"FaceName"},            {L"Font", L"Size"},
        {L"Font", L"Weight"},              {L"Font", L"Italic"},
        {L"Settings", L"IsZoomed"},        {L"Settings", L"Position"},
    };
    ASSERT_EQ(ini.writeOrder.size(), std::size(expectedOrder));
    for (size_t i = 0; i < std::size(expectedOrder); ++i) {
        EXPECT_EQ(ini.writeOrder[i].first, expectedOrder[i][0]) << i;
        EXPECT_EQ(ini.writeOrder[i].second, expectedOrder[i][1]) << i;
    }
    EXPECT_EQ(ini.readString(L"Settings", L"WindowSplitBarPos", L""), L"333");
    EXPECT_EQ(ini.readString(L"Font", L"Size", L""), L"15");
    EXPECT_EQ(ini.readString(L"Font", L"FaceName", L""), L"IPAGothic");
    EXPECT_EQ(ini.readString(L"Settings", L"IsZoomed", L""), L"1");
    // Maximised: restore-to-maximised (2) or-ed into the flags.
    EXPECT_EQ(ini.readString(L"Settings", L"Position", L""), L"2:3:-1:-1:-8:-8:10:20:810:620");
    EXPECT_EQ(data.read(L"SaveData", L"CurrentFolder"), L"C:\\Work\\");
    EXPECT_EQ(data.read(L"SaveData", L"ShortCutFolder"), L"D:\\");

    // What was saved loads back the same.
    AppSettings again;
    again.load(ini, UiLanguage::Japanese);
    EXPECT_EQ(again.windowSplitBarPos, 333);
    EXPECT_EQ(again.font.faceName, L"IPAGothic");
    ASSERT_TRUE(again.position.has_value());
    EXPECT_EQ(again.position->flags, 2);
}

TEST(AppSettings, SaveWithoutPlacementOrCreatedFaceKeepsWhatIsKnown) {
    testing::FakeIniStore ini;
    AppSettings s;
    s.load(ini, UiLanguage::Japanese);
    AppSettingsSaveState state;  // not maximised, placement unknown
    s.save(ini, state);
    EXPECT_EQ(ini.readString(L"Font", L"FaceName", L""), L"BIZ UDゴシック");
    EXPECT_EQ(ini.readString(L"Settings", L"IsZoomed", L""), L"0");
    EXPECT_EQ(ini.readString(L"Settings", L"Position", L"none"), L"none");
}

TEST(AppSettings, SizesFromTheFileAreClampedToWhatTheProgramCanDraw) {
    struct Case {
        const wchar_t* section;
        const wchar_t* key;
        const wchar_t* stored;
        int AppSettings::*field;
        int FontSettings::*fontField;
        int expected;
    };
    const Case cases[] = {
        {L"Settings", L"WindowSplitBarPos", L"50", &AppSettings::windowSplitBarPos, nullptr, 100},
        {L"Settings", L"WindowSplitBarPos", L"-2147483648", &AppSettings::windowSplitBarPos, nullptr, 100},
        {L"Settings", L"WindowSplitBarPos", L"640", &AppSettings::windowSplitBarPos, nullptr, 640},
        {L"Settings", L"WindowSplitBarPos", L"2147483647", &AppSettings::windowSplitBarPos, nullptr, kMaxSplitBarPos},
        {L"Settings", L"LineHeight", L"-5", &AppSettings::lineHeight, nullptr, 0},
        {L"Settings", L"LineHeight", L"20", &AppSettings::lineHeight, nullptr, 20},
        {L"Settings", L"LineHeight", L"2147483647", &AppSettings::lineHeight, nullptr, 48},
        {L"Font", L"Size", L"5", nullptr, &FontSettings::size, 6},
        {L"Font", L"Size", L"-2147483648", nullptr, &FontSettings::size, 6},
        {L"Font", L"Size", L"30", nullptr, &FontSettings::size, 30},
        {L"Font", L"Size", L"49", nullptr, &FontSettings::size, 48},
        {L"Font", L"Size", L"2147483647", nullptr, &FontSettings::size, 48},
    };
    for (const Case& c : cases) {
        testing::FakeIniStore ini;
        ini.writeString(c.section, c.key, c.stored);
        AppSettings s;
        s.load(ini, UiLanguage::English);
        const int got = c.field ? s.*c.field : s.font.*c.fontField;
        EXPECT_EQ(got, c.expected) << c.key << "=" << std::string(c.stored, c.stored + wcslen(c.stored));
    }
}

TEST(AppSettings, WindowAlphaAtStartIsFixedAndF6UsesTheLowByte) {
    AppSettings s;
    EXPECT_FALSE(startupWindowAlpha(s).has_value());
    s.windowAlphaBlend = 1;
    s.alphaBlendLevel = 228;
    EXPECT_EQ(startupWindowAlpha(s), std::optional<std::uint8_t>(208));
    const std::pair<int, int> levels[] = {{228, 228}, {255, 255}, {300, 44}, {256, 0}, {1, 1}};
    for (auto [level, alpha] : levels) EXPECT_EQ(toggleWindowAlpha(level), alpha) << level;
}

}  // namespace
}  // namespace tarvelo::shell
