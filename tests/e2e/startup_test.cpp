// The program started as a user starts it: title, second copy, settings
// written at exit, the Japanese interface.
#include <gtest/gtest.h>

#include <thread>

#include "support/e2e_driver.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

std::wstring userName() {
    wchar_t b[1024];
    DWORD n = 1024;
    return GetUserNameW(b, &n) && n > 0 ? std::wstring(b, n - 1) : std::wstring();
}
std::wstring computerName() {
    wchar_t b[1024];
    DWORD n = 1024;
    return GetComputerNameW(b, &n) ? std::wstring(b, n) : std::wstring();
}
std::wstring settingsName(bool second) {
    return L"Tarvelo_" + userName() + L"@" + computerName() + (second ? L"_#2" : L"") + L".ini";
}
bool runsAsAdministrator() {
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID group = nullptr;
    BOOL member = FALSE;
    if (AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &group)) {
        CheckTokenMembership(nullptr, group, &member);
        FreeSid(group);
    }
    return member != FALSE;
}
std::wstring expectedTitle(bool second, bool japanese = false) {
    std::wstring t = L"Tarvelo";
    if (second) t += L" (#2)";
    if (runsAsAdministrator()) t += japanese ? L" <管理者権限>" : L" <Administrator Authority>";
    return t;
}

void closeWithAltF4(TarveloApp& app) {
    bringToFront(app.mainWindow());
    pressKey(VK_F4, false, false, true);
}

TEST(Startup, MainWindowIsTitledTarveloAndClosesWithAltF4) {
    Sandbox box(L"title");
    TarveloApp app(box);
    ASSERT_TRUE(app.started());
    ASSERT_NE(app.waitForMainWindow(), nullptr);
    EXPECT_EQ(app.title(), expectedTitle(false));
    EXPECT_TRUE(app.responsive());
    screenshot(app.mainWindow(), L"startup-english");
    closeWithAltF4(app);
    ASSERT_TRUE(app.waitForExit(15s));
    EXPECT_EQ(app.exitCode(), 0u);

    // The settings file holds the window, view and font keys.
    std::wstring ini = readUtf16File(box.file(settingsName(false)));
    for (const wchar_t* key : {L"[Settings]", L"ThemaColor=4", L"ViewMode=1", L"WindowSplitBarPos=200",
                               L"IsZoomed=0", L"Position=", L"[Font]", L"Size=13", L"Weight=400", L"FaceName="}) {
        EXPECT_NE(ini.find(key), std::wstring::npos) << "missing " << std::string(key, key + wcslen(key));
    }
    // The data file is UTF-16LE with its three-line header.
    std::string data = readFileBytes(box.file(L"Tarvelo_SaveData.ini"));
    ASSERT_GE(data.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(data[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(data[1]), 0xFE);
    std::wstring saveData = readUtf16File(box.file(L"Tarvelo_SaveData.ini"));
    EXPECT_EQ(saveData.rfind(L"#\r\n# [SaveData]\r\n#\r\nCurrentFolder=", 0), 0u) << std::string(saveData.begin(), saveData.end());
    EXPECT_NE(saveData.find(L"\r\nShortCutFolder="), std::wstring::npos);
}

TEST(Startup, SecondCopyIsMarkedAndUsesItsOwnSettingsFile) {
    Sandbox box(L"second");
    TarveloApp first(box);
    ASSERT_NE(first.waitForMainWindow(), nullptr);
    TarveloApp second(box);
    ASSERT_NE(second.waitForMainWindow(), nullptr);
    EXPECT_EQ(second.title(), expectedTitle(true));
    EXPECT_EQ(first.title(), expectedTitle(false));
    closeWithAltF4(second);
    ASSERT_TRUE(second.waitForExit(15s));
    EXPECT_TRUE(fileExists(box.file(settingsName(true))));
    EXPECT_FALSE(fileExists(box.file(settingsName(false))));  // the first copy still runs
    closeWithAltF4(first);
    ASSERT_TRUE(first.waitForExit(15s));
    EXPECT_TRUE(fileExists(box.file(settingsName(false))));
}

// Closed and at once started again, as people do: the new copy is the plain
// first copy (it waits for a predecessor still closing), the old process is
// gone quickly, and the sandbox holds exactly one settings file.
TEST(Startup, ClosedAndAtOnceRestartedIsThePlainFirstCopy) {
    Sandbox box(L"restart");
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        TarveloApp app(box);
        HWND main = app.waitForMainWindow();
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(app.title(), expectedTitle(false));
        ASSERT_TRUE(app.responsive());
        closeWithAltF4(app);
        ASSERT_TRUE(waitUntil([&] { return !IsWindow(main) || !IsWindowVisible(main); }, 10s));
        TarveloApp again(box);
        ASSERT_NE(again.waitForMainWindow(), nullptr);
        EXPECT_TRUE(app.waitForExit(5s));
        EXPECT_EQ(again.title(), expectedTitle(false));
        closeWithAltF4(again);
        ASSERT_TRUE(again.waitForExit(15s));
    }
    int settingsFiles = 0;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(box.file(L"Tarvelo_*@*.ini").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            ++settingsFiles;
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    EXPECT_EQ(settingsFiles, 1);
    EXPECT_TRUE(fileExists(box.file(settingsName(false))));
}

TEST(Startup, ExitConfirmationCanKeepTheWindow) {
    Sandbox box(L"confirm");
    // A settings file written by hand, without BOM, asking for the confirmation.
    box.writeFile(settingsName(false), "[Settings]\r\nExitConfirm=1\r\n");
    TarveloApp app(box);
    ASSERT_NE(app.waitForMainWindow(), nullptr);
    closeWithAltF4(app);
    HWND box1 = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (box1 = app.findMessageBox()) != nullptr; }, 10s));
    EXPECT_EQ(dialogStaticText(box1), L"Exit the Application.\nAre you sure?");
    clickButton(box1, IDCANCEL);
    EXPECT_FALSE(app.waitForExit(1500ms));
    EXPECT_TRUE(app.responsive());
    closeWithAltF4(app);
    HWND box2 = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (box2 = app.findMessageBox()) != nullptr; }, 10s));
    clickButton(box2, IDOK);
    ASSERT_TRUE(app.waitForExit(15s));
}

TEST(StartupJapanese, MenusAndMessagesAreJapanese) {
    Sandbox box(L"japanese");
    box.writeFile(settingsName(false), "[Settings]\r\nExitConfirm=1\r\n");
    TarveloApp app(box);  // the test runs with LC_ALL=ja_JP.UTF-8
    ASSERT_NE(app.waitForMainWindow(), nullptr);
    EXPECT_EQ(app.title(), expectedTitle(false, true));
    // The list of the start folder with its Japanese header and status line.
    bringToFront(app.mainWindow());
    std::this_thread::sleep_for(2500ms);
    screenshot(app.mainWindow(), L"startup-japanese-list");
    // Open the File menu and look at it.
    pressKey('F', false, false, true);
    std::this_thread::sleep_for(600ms);
    screenshot(GetDesktopWindow(), L"startup-japanese-menu");
    pressKey(VK_ESCAPE);
    pressKey(VK_ESCAPE);
    closeWithAltF4(app);
    HWND question = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (question = app.findMessageBox()) != nullptr; }, 10s));
    EXPECT_EQ(dialogStaticText(question), L"アプリケーションを終了します。\nよろしいですか？");
    screenshot(question, L"startup-japanese-exit-question");
    clickButton(question, IDOK);
    ASSERT_TRUE(app.waitForExit(15s));
}

}  // namespace
}  // namespace tarvelo::e2e
