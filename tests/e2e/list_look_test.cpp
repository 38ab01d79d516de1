// The list as the user sees it, in both views and two themes, with stripes,
// grid lines, a selection and the cursor row: screenshots kept as artifacts,
// and pixels sampled where the background, the cursor row and the selection
// mark must be.
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "list_fixture.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

struct LookCase {
    int viewMode;  // 1 multi-column, 0 three-times
    int theme;     // 4 Dark, 0 Light Blue
    uint32_t background;  // B0, 0xRRGGBB
    uint32_t cursorFill;  // cursor-row fill of an archive-attribute file
    uint32_t markColour;  // text colour of that group (the selection mark)
    const wchar_t* name;
};

std::wstring settingsName() {
    wchar_t user[256], computer[256];
    DWORD u = 256, c = 256;
    GetUserNameW(user, &u);
    GetComputerNameW(computer, &c);
    return L"Tarvelo_" + std::wstring(user, u - 1) + L"@" + std::wstring(computer, c) + L".ini";
}

bool closeTo(uint32_t a, uint32_t b, int tolerance) {
    for (int shift = 0; shift <= 16; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance) {
            return false;
        }
    }
    return true;
}

class ListLook : public ::testing::TestWithParam<LookCase> {};

TEST_P(ListLook, DrawsBackgroundCursorRowAndSelection) {
    const LookCase& look = GetParam();
    ListFixture f(look.name);
    std::string ini = "[Settings]\r\nViewMode=" + std::to_string(look.viewMode) +
                      "\r\nThemaColor=" + std::to_string(look.theme) +
                      "\r\nStripeRow=1\r\nGridLine=1\r\n[FolderOption]\r\nSortItem=1\r\nSortMode=0\r\n";
    f.box.writeFile(settingsName(), ini);
    TarveloApp app(f.box, L"\"" + f.data + L"\\\"");
    ASSERT_NE(app.waitForMainWindow(), nullptr);
    bringToFront(app.mainWindow());
    ASSERT_TRUE(waitForCursorPath(f.data + L"\\.."));
    // Rows: .., alpha, beta, a1, b2, c3. Select b2, leave the cursor on c3.
    for (int i = 0; i < 4; ++i) pressKey(VK_DOWN);
    pressKey(VK_SPACE);
    ASSERT_EQ(copyWith('C'), L"b2.txt\r\n");
    std::this_thread::sleep_for(700ms);
    screenshot(app.mainWindow(), std::wstring(L"list-") + look.name);

    HWND list = GetDlgItem(app.mainWindow(), 1000);
    RECT window, pane;
    GetWindowRect(app.mainWindow(), &window);
    GetWindowRect(list, &pane);
    const int ox = pane.left - window.left;
    const int oy = pane.top - window.top;
    const int height = pane.bottom - pane.top;
    const int rowHeight = look.viewMode == 1 ? 21 : 52;  // font 13, line height 0, 96 DPI
    const int rowsTop = 38;
    Capture cap = captureWindow(app.mainWindow());
    ASSERT_GT(cap.width, 0);

    // Below the six rows, above the status band: the list background.
    const uint32_t background = cap.at(ox + 250, oy + height - 48);
    EXPECT_TRUE(closeTo(background, look.background, 2)) << std::hex << background;

    // The cursor row (row 5), in the empty part of the name cell: the fill's
    // vertical gradient is at its base value in the middle.
    const int cursorMiddle = rowsTop + 5 * rowHeight + rowHeight / 2;
    const uint32_t cursor = cap.at(ox + 250, oy + cursorMiddle);
    EXPECT_TRUE(closeTo(cursor, look.cursorFill, 8)) << std::hex << cursor;

    if (look.viewMode == 1) {
        // The selection mark of b2 (row 4) in the first column.
        const uint32_t mark = cap.at(ox + 12 + 9, oy + rowsTop + 4 * rowHeight + rowHeight / 2);
        EXPECT_TRUE(closeTo(mark, look.markColour, 8)) << std::hex << mark;
    }
}

INSTANTIATE_TEST_SUITE_P(
    ViewsAndThemes, ListLook,
    ::testing::Values(LookCase{1, 4, 0x0F1C26, 0xE6E6E6, 0xF2F2F2, L"multi-dark"},
                      LookCase{1, 0, 0xD0E9FE, 0x187CDA, 0x1E1E1E, L"multi-lightblue"},
                      LookCase{0, 4, 0x0F1C26, 0xE6E6E6, 0xF2F2F2, L"threetimes-dark"},
                      LookCase{0, 0, 0xD0E9FE, 0x187CDA, 0x1E1E1E, L"threetimes-lightblue"}),
    [](const ::testing::TestParamInfo<LookCase>& info) {
        std::string name;
        for (const wchar_t* c = info.param.name; *c; ++c) name += *c == L'-' ? '_' : static_cast<char>(*c);
        return name;
    });

}  // namespace
}  // namespace tarvelo::e2e
