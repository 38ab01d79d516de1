// The view and setting commands from the keyboard, their state after a
// restart, the version and font dialogs, and closing and at once starting
// the program again (no second copy, one settings file).
#include <gtest/gtest.h>

#include <thread>

#include "support/e2e_driver.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

constexpr int kListId = 1000;
constexpr int kSideBarId = 1029;
constexpr int kVersionCommand = 32773;
constexpr int kFontCommand = 32801;

std::wstring settingsFile(const Sandbox& box, bool second) {
    wchar_t user[256];
    DWORD n = 256;
    GetUserNameW(user, &n);
    wchar_t computer[256];
    DWORD m = 256;
    GetComputerNameW(computer, &m);
    return box.file(L"Tarvelo_" + std::wstring(user) + L"@" + computer + (second ? L"_#2" : L"") + L".ini");
}

// A pixel of the list pane above its header: only the list background.
uint32_t listBackground(HWND main) {
    Capture c = captureWindow(GetDlgItem(main, kListId));
    return c.width > 6 ? c.at(5, 5) : 0xFFFFFFFFu;
}

bool hasKey(const std::wstring& ini, const wchar_t* line) { return ini.find(line) != std::wstring::npos; }

HWND waitForDialog(TarveloApp& app, const wchar_t* title) {
    HWND found = nullptr;
    waitUntil([&] {
        found = app.findMessageBox();
        return found && windowText(found) == title;
    }, 10s);
    return found;
}

TEST(ViewSettings, KeysChangeTheViewAndSurviveARestart) {
    Sandbox box(L"view");
    {
        TarveloApp app(box);
        HWND main = app.waitForMainWindow();
        ASSERT_NE(main, nullptr);
        bringToFront(main);
        std::this_thread::sleep_for(1s);
        // F7 from the default Dark (4) through all eight themes and back.
        const uint32_t plainBackground[8] = {0xD0E9FE, 0x080808, 0xFFFFFF, 0xF4F4F3,
                                             0x0F1C26, 0x081650, 0, 0};
        EXPECT_EQ(listBackground(main), plainBackground[4]);
        uint32_t previous = plainBackground[4];
        for (int step = 1; step <= 8; ++step) {
            const int theme = (4 + step) % 8;
            pressKey(VK_F7);
            if (theme < 6) {
                EXPECT_TRUE(waitUntil([&] { return listBackground(main) == plainBackground[theme]; }, 5s))
                    << "theme " << theme << " shows " << std::hex << listBackground(main);
            } else {
                // The Illuminate themes draw their drifting gradient over the pane.
                EXPECT_TRUE(waitUntil([&] { return listBackground(main) != previous; }, 5s)) << "theme " << theme;
            }
            previous = listBackground(main);
        }
        pressKey(VK_F7);  // TALVEN (5) is what the restart must show
        EXPECT_TRUE(waitUntil([&] { return listBackground(main) == plainBackground[5]; }, 5s));
        pressKey(VK_F7, false, true);  // Shift+F7 goes back
        EXPECT_TRUE(waitUntil([&] { return listBackground(main) == plainBackground[4]; }, 5s));
        pressKey(VK_F7);

        // F4 hides and shows the side bar; hidden for the restart.
        HWND side = GetDlgItem(main, kSideBarId);
        pressKey(VK_F4);
        EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(side); }, 5s));
        pressKey(VK_F4);
        EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(side) != FALSE; }, 5s));
        pressKey(VK_F4);
        EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(side); }, 5s));

        // F8: the three-times view.
        pressKey(VK_F8);
        std::this_thread::sleep_for(300ms);

        // F6: layered with the level's alpha (228 by default).
        pressKey(VK_F6);
        BYTE alpha = 0;
        DWORD flags = 0;
        EXPECT_TRUE(waitUntil([&] {
            return (GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_LAYERED) != 0 &&
                   GetLayeredWindowAttributes(main, nullptr, &alpha, &flags) && alpha == 228;
        }, 5s)) << int(alpha);

        // The version dialog shows the program's version.
        PostMessageW(main, WM_COMMAND, kVersionCommand, 0);
        HWND version = waitForDialog(app, L"Version");
        ASSERT_NE(version, nullptr);
        EXPECT_NE(dialogStaticText(version).find(L"Tarvelo Version 2.11"), std::wstring::npos);
        std::this_thread::sleep_for(500ms);  // drawn completely
        screenshot(version, L"version-dialog");
        clickButton(version, IDOK);
        EXPECT_TRUE(waitUntil([&] { return app.findMessageBox() == nullptr; }, 5s));

        // The font dialog opens from the list font; cancelled, nothing changes.
        PostMessageW(main, WM_COMMAND, kFontCommand, 0);
        HWND font = nullptr;
        ASSERT_TRUE(waitUntil([&] { return (font = app.findMessageBox()) != nullptr; }, 10s));
        std::this_thread::sleep_for(500ms);
        screenshot(font, L"font-dialog");
        clickButton(font, IDCANCEL);
        EXPECT_TRUE(waitUntil([&] { return app.findMessageBox() == nullptr; }, 5s));

        // Closed and at once started again, as people do.
        bringToFront(main);
        pressKey(VK_F4, false, false, true);
        ASSERT_TRUE(waitUntil([&] { return !IsWindow(main) || !IsWindowVisible(main); }, 10s));
        TarveloApp again(box);
        HWND main2 = again.waitForMainWindow();
        ASSERT_NE(main2, nullptr);
        EXPECT_TRUE(app.waitForExit(5s));
        EXPECT_EQ(again.title().find(L"(#2)"), std::wstring::npos);

        const std::wstring ini = readUtf16File(settingsFile(box, false));
        EXPECT_TRUE(hasKey(ini, L"ThemaColor=5"));
        EXPECT_TRUE(hasKey(ini, L"ViewMode=0"));
        EXPECT_TRUE(hasKey(ini, L"WindowSideBar=0"));
        EXPECT_TRUE(hasKey(ini, L"WindowAlphaBlend=1"));
        // At start a translucent window takes alpha 208; the side bar stays hidden.
        EXPECT_TRUE(waitUntil([&] {
            return (GetWindowLongPtrW(main2, GWL_EXSTYLE) & WS_EX_LAYERED) != 0 &&
                   GetLayeredWindowAttributes(main2, nullptr, &alpha, &flags) && alpha == 208;
        }, 5s)) << int(alpha);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(main2, kSideBarId)));
        bringToFront(main2);
        std::this_thread::sleep_for(500ms);
        screenshot(main2, L"view-after-restart");
        pressKey(VK_F4, false, false, true);
        ASSERT_TRUE(again.waitForExit(15s));
    }
    EXPECT_FALSE(fileExists(settingsFile(box, true)));
    const std::wstring ini = readUtf16File(settingsFile(box, false));
    EXPECT_TRUE(hasKey(ini, L"ThemaColor=5"));  // read back at the restart, stored again
    EXPECT_TRUE(hasKey(ini, L"ViewMode=0"));
}

}  // namespace
}  // namespace tarvelo::e2e
