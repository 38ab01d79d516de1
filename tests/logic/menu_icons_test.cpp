#include "shell/menu_icons.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <set>
#include <vector>

#include "resource_ids.h"

using tarvelo::shell::kMenuBitmapCount;
using tarvelo::shell::menuBitmapFor;
using tarvelo::shell::menuBitmapLoadOrder;
using tarvelo::shell::menuBitmapSlot;

namespace {

// Every id a menu of the program can carry.
std::vector<int> allMenuCommands() {
    std::vector<int> ids = {IDM_SYS_VERSION};
    for (int id = IDM_EXIT; id <= IDM_THEME_LAST; ++id) ids.push_back(id);
    for (int id = IDM_ASSOC_FIRST; id <= IDM_ASSOC_LAST; ++id) ids.push_back(id);
    return ids;
}

}  // namespace

TEST(MenuIcons, LoadOrderIsTheThirtyIdsInStartUpOrder) {
    std::vector<int> expected = {143, 140, 141, 142};
    for (int id = 144; id <= 150; ++id) expected.push_back(id);
    for (int id = 152; id <= 160; ++id) expected.push_back(id);
    for (int id = 162; id <= 171; ++id) expected.push_back(id);
    ASSERT_EQ(expected.size(), static_cast<size_t>(kMenuBitmapCount));
    const auto& order = menuBitmapLoadOrder();
    EXPECT_EQ(std::vector<int>(order.begin(), order.end()), expected);
}

TEST(MenuIcons, SlotIsThePositionInTheLoadOrder) {
    const auto& order = menuBitmapLoadOrder();
    for (int i = 0; i < kMenuBitmapCount; ++i) {
        EXPECT_EQ(menuBitmapSlot(order[static_cast<std::size_t>(i)]), i);
    }
    for (int notABitmap : {0, 139, 151, 161, 172, IDR_POPUP_MENU, IDM_OPEN}) {
        EXPECT_EQ(menuBitmapSlot(notABitmap), -1) << notABitmap;
    }
}

TEST(MenuIcons, EveryMappedBitmapIsLoadedAndEveryLoadedBitmapIsUsed) {
    std::set<int> used;
    for (int id : allMenuCommands()) {
        int bitmap = menuBitmapFor(id);
        if (bitmap == 0) continue;
        EXPECT_GE(menuBitmapSlot(bitmap), 0) << "command " << id << " -> " << bitmap;
        used.insert(bitmap);
    }
    for (int bitmap : menuBitmapLoadOrder()) {
        EXPECT_TRUE(used.count(bitmap)) << "bitmap " << bitmap << " is loaded but never shown";
    }
}

TEST(MenuIcons, BitmapsAreSharedOnlyBySameActionItems) {
    std::map<int, std::set<int>> commandsByBitmap;
    for (int id : allMenuCommands()) {
        if (int bitmap = menuBitmapFor(id)) commandsByBitmap[bitmap].insert(id);
    }
    std::set<int> candidatesAndAssociation = {IDM_ASSOCIATED_EXECUTION};
    for (int id = IDM_ASSOC_FIRST; id <= IDM_ASSOC_LAST; ++id) candidatesAndAssociation.insert(id);
    const std::map<int, std::set<int>> intended = {
        {IDB_MENU_INFO, {IDM_VERSION, IDM_SYS_VERSION}},
        {IDB_MENU_OPEN, {IDM_OPEN, IDM_DROP_OPEN}},
        {IDB_MENU_FILE_COPY, {IDM_FILE_COPY, IDM_DROP_COPY}},
        {IDB_MENU_FILE_MOVE, {IDM_FILE_MOVE, IDM_DROP_MOVE}},
        {IDB_MENU_ASSOCIATED, candidatesAndAssociation},
    };
    for (const auto& [bitmap, commands] : commandsByBitmap) {
        auto it = intended.find(bitmap);
        if (it == intended.end()) {
            EXPECT_EQ(commands.size(), 1u) << "bitmap " << bitmap << " shared unexpectedly";
        } else {
            EXPECT_EQ(commands, it->second) << "bitmap " << bitmap;
        }
    }
}

TEST(MenuIcons, FileCommandsHavePicturesAndCheckedItemsHaveNone) {
    for (int id : {IDM_OPEN, IDM_FILE_COPY, IDM_FILE_MOVE, IDM_DELETE, IDM_RENAME, IDM_MAKE_FOLDER,
                   IDM_RELOAD, IDM_SELECT_FOLDER, IDM_PARENT_FOLDER, IDM_PROPERTY, IDM_COMPRESS,
                   IDM_EXPAND, IDM_SEARCH_SELECT, IDM_FILTERING, IDM_TIMESTAMP, IDM_ATTRIBUTE,
                   IDM_PASTE, IDM_EXIT, IDM_VERSION}) {
        EXPECT_NE(menuBitmapFor(id), 0) << id;
    }
    // Items that show a check or radio mark keep the mark's place free.
    for (int id : {IDM_TOP_MOST, IDM_TRANSLUCENT, IDM_VIEW_MODE, IDM_STRIPED_ROW, IDM_ICON,
                   IDM_TOOLTIP, IDM_GRID_LINE, IDM_DRIVE_BAR, IDM_SIDE_BAR, IDM_EXIT_CONFIRM,
                   IDM_SOUND_ON_COMPLETE, IDM_SYS_MENU_BAR}) {
        EXPECT_EQ(menuBitmapFor(id), 0) << id;
    }
    for (int id = IDM_THEME_FIRST; id <= IDM_THEME_LAST; ++id) EXPECT_EQ(menuBitmapFor(id), 0) << id;
    // Drive and side-bar items are radio-checked too; unknown ids have nothing.
    for (int id : {IDM_SHORTCUT_FOLDER, IDM_DRIVE_FIRST, IDM_DRIVE_LAST, IDM_SIDEBAR_FIRST,
                   IDM_ASSOC_LAST + 1, 0, -1}) {
        EXPECT_EQ(menuBitmapFor(id), 0) << id;
    }
}
