// The list with the mouse: a rubber band selects the rows it touches, a
// right click opens the context menu.
#include <gtest/gtest.h>

#include <thread>

#include "list_fixture.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

TEST(ListMouse, RubberBandSelectsTheRowsItTouches) {
    ListFixture f(L"band");
    TarveloApp app(f.box, L"\"" + f.data + L"\\\"");
    ASSERT_NE(app.waitForMainWindow(), nullptr);
    bringToFront(app.mainWindow());
    ASSERT_TRUE(waitForCursorPath(f.data + L"\\.."));
    pressKey(VK_TAB);  // by name: .., alpha, beta, a1, b2, c3
    HWND list = GetDlgItem(app.mainWindow(), 1000);
    // Rows are 21 pixels from y = 38: a1 is row 3, c3 row 5. A press below
    // the rows starts a band (a press on a row would arm a drag instead);
    // dragged up to row 3 it touches a1, b2 and c3.
    const int x0 = 300, y0 = 38 + 8 * 21;
    mouseDown(list, x0, y0);
    mouseMoveTo(list, x0 + 40, y0 - 40);
    mouseMoveTo(list, x0 + 80, 38 + 3 * 21 + 5);
    std::this_thread::sleep_for(300ms);
    screenshot(app.mainWindow(), L"list-rubber-band");
    mouseUp();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(copyWith('B'), f.data + L"\\a1.txt\r\n" + f.data + L"\\b2.txt\r\n" + f.data + L"\\c3.txt\r\n");
}

TEST(ListMouse, RightClickOpensTheContextMenu) {
    ListFixture f(L"context");
    TarveloApp app(f.box, L"\"" + f.data + L"\\\"");
    ASSERT_NE(app.waitForMainWindow(), nullptr);
    bringToFront(app.mainWindow());
    ASSERT_TRUE(waitForCursorPath(f.data + L"\\.."));
    HWND list = GetDlgItem(app.mainWindow(), 1000);
    mouseDown(list, 80, 38 + 3 * 21 + 10, true);
    mouseUp(true);
    // The menu is a window of class #32768 of the program.
    HWND menu = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        menu = FindWindowW(L"#32768", nullptr);
        return menu && IsWindowVisible(menu);
    }, 5s));
    std::this_thread::sleep_for(300ms);
    screenshot(GetDesktopWindow(), L"list-context-menu");
    pressKey(VK_ESCAPE);
    // The right press moved the cursor to the clicked row (the fourth entry).
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(cursorPath().find(f.data + L"\\"), 0u);
    EXPECT_TRUE(app.responsive());
}

}  // namespace
}  // namespace tarvelo::e2e
