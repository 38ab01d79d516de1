#include <gtest/gtest.h>

#include "filelist/drive_bar_layout.h"
#include "filelist/side_bar_layout.h"

namespace tarvelo::filelist {
namespace {

// 7 pixels a character: "%" is 7, so a button is 7 * chars + 28 + 24 wide.
int measure(std::wstring_view text) { return static_cast<int>(text.size()) * 7; }

DriveTable tableWith(std::initializer_list<int> drives, std::wstring_view lastFolder = L"") {
    DriveTable table;
    std::array<std::optional<DriveFacts>, kDriveCount> facts;
    for (int d : drives) facts[static_cast<size_t>(d - 1)] = DriveFacts{};
    table.rebuild(facts);
    for (int d : drives) table.slot(d)->lastFolder = lastFolder.empty() ? driveRoot(d) : std::wstring(lastFolder);
    return table;
}

TEST(SideBarLayoutTest, ButtonsAndRowsAt96Dpi) {
    SideBarLayout l(197, 400, 96);
    EXPECT_EQ(l.registerButton(), (PixelRect{12, 13, 98, 37}));
    EXPECT_EQ(l.releaseButton(), (PixelRect{98, 13, 185, 37}));
    EXPECT_EQ(l.row(0), (PixelRect{12, 43, 185, 69}));
    EXPECT_EQ(l.row(2), (PixelRect{12, 97, 185, 123}));
    EXPECT_EQ(l.iconRect(l.row(0)), (PixelRect{20, 49, 36, 65}));
    EXPECT_EQ(l.textRect(l.row(0)), (PixelRect{47, 43, 180, 69}));
}

TEST(SideBarLayoutTest, VisibleRowsEndAboveTheBottomMargin) {
    struct Case {
        int height;
        int rows;
    } cases[] = {
        {0, 0}, {93, 0}, {94, 1}, {120, 1}, {121, 2}, {400, 12}, {-5, 0},
    };
    for (const Case& c : cases) {
        SideBarLayout l(200, c.height, 96);
        EXPECT_EQ(l.visibleRows(), c.rows) << c.height;
        if (c.rows > 0) {
            EXPECT_LE(l.row(c.rows - 1).bottom, c.height - 25);
        }
    }
    // Scaled at 144 DPI: rows start at 65 (43 * 1.5 rounded), pitch 41 (27 * 1.5 rounded), height 39.
    SideBarLayout big(300, 600, 144);
    EXPECT_EQ(big.row(1), (PixelRect{18, 106, 282, 145}));
    EXPECT_EQ(big.visibleRows(), 12);
}

TEST(SideBarLayoutTest, HitTestFindsButtonsAndScrolledRows) {
    SideBarLayout l(200, 200, 96);  // 4 rows fit
    ASSERT_EQ(l.visibleRows(), 4);
    struct Case {
        int x, y, first, count;
        SideBarHit hit;
    } cases[] = {
        {20, 20, 0, 10, {SideBarPart::Register, -1}},
        {150, 20, 0, 10, {SideBarPart::Release, -1}},
        {5, 20, 0, 10, {}},                               // left margin
        {20, 50, 0, 10, {SideBarPart::Folder, 0}},
        {20, 69, 0, 10, {}},                              // the pixel between rows
        {20, 70, 0, 10, {SideBarPart::Folder, 1}},
        {20, 50, 3, 10, {SideBarPart::Folder, 3}},
        {20, 130, 3, 10, {SideBarPart::Folder, 6}},
        {20, 130, 9, 10, {SideBarPart::Folder, 9}},      // first visible clamped to 6
        {20, 130, 0, 2, {}},                              // no third folder
        {190, 50, 0, 10, {}},                             // right margin
        {20, 190, 0, 10, {}},                             // below the last row
    };
    for (const Case& c : cases) {
        EXPECT_EQ(l.hitTest(c.x, c.y, c.first, c.count), c.hit) << c.x << "," << c.y << " first " << c.first;
    }
}

TEST(SideBarLayoutTest, ScrollingByWholeRows) {
    EXPECT_EQ(clampFirstVisible(5, 10, 4), 5);
    EXPECT_EQ(clampFirstVisible(7, 10, 4), 6);
    EXPECT_EQ(clampFirstVisible(-1, 10, 4), 0);
    EXPECT_EQ(clampFirstVisible(3, 3, 4), 0);
    EXPECT_EQ(clampFirstVisible(3, 10, 0), 3);
    EXPECT_TRUE(sideBarNeedsScroll(5, 4));
    EXPECT_FALSE(sideBarNeedsScroll(4, 4));
    EXPECT_FALSE(sideBarNeedsScroll(0, 0));
    EXPECT_TRUE(sideBarNeedsScroll(5, 200, 96));
    EXPECT_FALSE(sideBarNeedsScroll(4, 200, 96));
}

TEST(SideBarLayoutTest, NarrowBarNeverInvertsItsRectangles) {
    SideBarLayout l(10, 200, 96);
    EXPECT_GE(l.registerButton().width(), 0);
    EXPECT_GE(l.releaseButton().width(), 0);
    EXPECT_GE(l.row(0).width(), 0);
    EXPECT_GE(l.textRect(l.row(0)).width(), 0);
}

TEST(FolderTextRoleTest, RootsThenAttributesInOrder) {
    using shell::Role;
    struct Case {
        std::wstring_view path;
        uint32_t attributes;
        Role role;
    } cases[] = {
        {L"C:\\", 0x16, Role::D12},          // a root keeps its colour whatever its attributes
        {L"C:\\Work", 0x10, Role::D14},
        {L"C:\\Work", 0x11, Role::D15},
        {L"C:\\Work", 0x13, Role::D16},      // hidden over read-only
        {L"C:\\Work", 0x17, Role::D17},      // system over both
        {L"C:\\Work", 0x14, Role::D17},
    };
    for (const Case& c : cases) EXPECT_EQ(folderTextRole(c.path, c.attributes), c.role) << c.attributes;
}

TEST(DriveBarLayoutTest, ButtonsFromTheLeftSizedByTheirText) {
    DriveTable table = tableWith({3, 26});
    auto buttons = layoutDriveButtons(table, 800, 44, 96, measure);
    ASSERT_EQ(buttons.size(), 2u);
    // "C:\" = 21 px of text + 4 * 7 + 24 = 73.
    EXPECT_EQ(buttons[0].drive, 3);
    EXPECT_EQ(buttons[0].label, L"C:\\");
    EXPECT_EQ(buttons[0].box, (PixelRect{12, 8, 85, 36}));
    EXPECT_EQ(buttons[0].icon, (PixelRect{20, 14, 36, 30}));
    EXPECT_EQ(buttons[0].text, (PixelRect{36, 8, 85, 36}));
    EXPECT_EQ(buttons[1].drive, 26);
    EXPECT_EQ(buttons[1].box.left, 93);  // 8 apart

    EXPECT_EQ(driveButtonAt(buttons, 12, 8), 3);
    EXPECT_EQ(driveButtonAt(buttons, 88, 20), 0);  // the gap
    EXPECT_EQ(driveButtonAt(buttons, 100, 20), 26);
    EXPECT_EQ(driveButtonAt(buttons, 100, 37), 0);
}

TEST(DriveBarLayoutTest, UnvisitedDrivesShowQuestionMarksAndWidthIsCapped) {
    DriveTable table = tableWith({3});
    table.slot(3)->lastFolder = L"";
    auto unvisited = layoutDriveButtons(table, 800, 44, 96, measure);
    ASSERT_EQ(unvisited.size(), 1u);
    EXPECT_EQ(unvisited[0].label, L"???");

    table.slot(3)->lastFolder = L"C:\\" + std::wstring(200, L'x');
    auto capped = layoutDriveButtons(table, 2000, 44, 96, measure);
    ASSERT_EQ(capped.size(), 1u);
    EXPECT_EQ(capped[0].box.width(), 500);
}

TEST(DriveBarLayoutTest, TenDrivesInANarrowWindowDrawOnlyWhatFits) {
    DriveTable table = tableWith({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    // Each button is 73 wide with 8 between: 12, 93, 174, 255 ... right edge limit 400 - 8 = 392.
    auto buttons = layoutDriveButtons(table, 400, 44, 96, measure);
    ASSERT_EQ(buttons.size(), 4u);
    EXPECT_EQ(buttons[3].drive, 4);
    EXPECT_EQ(buttons[3].box.right, 328);
    for (const auto& b : buttons) EXPECT_LE(b.box.right, 392);

    // Exactly at the limit still fits.
    auto exact = layoutDriveButtons(table, 336, 44, 96, measure);
    EXPECT_EQ(exact.size(), 4u);
    auto oneShort = layoutDriveButtons(table, 335, 44, 96, measure);
    EXPECT_EQ(oneShort.size(), 3u);
}

TEST(DriveBarLayoutTest, TheFirstButtonIsShortenedInsteadOfDropped) {
    DriveTable table = tableWith({3, 4}, L"C:\\a rather long folder name");
    auto buttons = layoutDriveButtons(table, 100, 44, 96, measure);
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(buttons[0].box, (PixelRect{12, 8, 92, 36}));

    EXPECT_TRUE(layoutDriveButtons(table, 15, 44, 96, measure).empty());  // no room at all
    EXPECT_TRUE(layoutDriveButtons(table, 800, 10, 96, measure).empty());  // too low
    EXPECT_TRUE(layoutDriveButtons(DriveTable{}, 800, 44, 96, measure).empty());
}

TEST(DriveBarLayoutTest, FixedSizesScaleWithDpi) {
    DriveTable table = tableWith({3});
    auto buttons = layoutDriveButtons(table, 800, 66, 144, measure);
    ASSERT_EQ(buttons.size(), 1u);
    // 21 + 28 + 36 = 85 wide from x 18; 12 px inset top and bottom.
    EXPECT_EQ(buttons[0].box, (PixelRect{18, 12, 103, 54}));
    EXPECT_EQ(buttons[0].icon, (PixelRect{30, 21, 54, 45}));
}

}  // namespace
}  // namespace tarvelo::filelist
