// The side bar and the drive bar used with the mouse: Register, a click on
// a registered folder, a click on a drive button.
#include <gtest/gtest.h>

#include <thread>

#include "list_fixture.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

constexpr int kSideBarId = 1029;
constexpr int kDriveBarId = 1026;

// Folder row n of the side bar: rows start at y = 43, one every 27 pixels.
POINT sideBarRow(int n) { return {40, 43 + 27 * n + 13}; }

TEST(Bars, RegisterAddsTheFolderAndClicksNavigate) {
    ListFixture f(L"bars");
    TarveloApp app(f.box, L"\"" + f.data + L"\\\"");
    ASSERT_NE(app.waitForMainWindow(), nullptr);
    bringToFront(app.mainWindow());
    ASSERT_TRUE(waitForCursorPath(f.data + L"\\.."));
    HWND side = GetDlgItem(app.mainWindow(), kSideBarId);
    HWND drives = GetDlgItem(app.mainWindow(), kDriveBarId);
    ASSERT_NE(side, nullptr);
    ASSERT_NE(drives, nullptr);

    // First start: the side bar holds the drive roots (C:\ and Z:\ under Wine).
    std::wstring folderData = readUtf16File(f.box.file(L"Tarvelo_FolderData.ini"));
    EXPECT_NE(folderData.find(L"Folder_01=C:\\\r\n"), std::wstring::npos);

    // Register (left half of the button row) adds the current folder. A
    // click that lands while a periodic job holds the window busy is dropped
    // by design, so a second click is allowed; registering twice changes
    // nothing.
    auto registered = [&] {
        folderData = readUtf16File(f.box.file(L"Tarvelo_FolderData.ini"));
        return folderData.find(L"=" + f.data + L"\\\r\n") != std::wstring::npos;
    };
    clickAt(side, 30, 25);
    if (!waitUntil(registered, 4s)) {
        screenshot(app.mainWindow(), L"bars-register-first-click");
        clickAt(side, 30, 25);
    }
    ASSERT_TRUE(waitUntil(registered, 5s)) << ::testing::PrintToString(folderData);
    std::this_thread::sleep_for(400ms);
    screenshot(app.mainWindow(), L"bars-registered");

    // The registered folder sorts first (C:\users... before C:\ is not the
    // case: "C:\" < "C:\users..."): it is the second row. A click goes there
    // after the drive root was visited.
    clickAt(side, sideBarRow(0).x, sideBarRow(0).y);  // C:\ row
    ASSERT_TRUE(waitForCursorPath(L"C:\\"));
    // The click is dropped while C:\ is still being listed: allow a second one.
    clickAt(side, sideBarRow(1).x, sideBarRow(1).y);  // the registered data folder
    if (!waitForCursorPath(f.data + L"\\", 5s)) {
        screenshot(app.mainWindow(), L"bars-folder-first-click");
        clickAt(side, sideBarRow(1).x, sideBarRow(1).y);
    }
    ASSERT_TRUE(waitForCursorPath(f.data + L"\\"));

    // The drive bar's first button is C:; a click switches to C: and shows
    // its last folder on the button.
    clickAt(drives, 30, 22);
    EXPECT_TRUE(waitForCursorPath(L"C:\\"));
    std::this_thread::sleep_for(400ms);
    screenshot(app.mainWindow(), L"bars-after-drive-click");
}

}  // namespace
}  // namespace tarvelo::e2e
