#include "shell/menu_state.h"

#include <gtest/gtest.h>

#include "resource_ids.h"

namespace tarvelo::shell {
namespace {

MenuStateInput completeListing() {
    MenuStateInput in;
    in.listingIdle = true;
    in.listingComplete = true;
    in.currentFolderEmpty = false;
    in.cursorEntryExists = true;
    in.cursorIndex = 3;
    return in;
}

TEST(MenuState, CursorEntryIsATarget) {
    MenuState s = computeMenuState(completeListing());
    for (int id : targetCommands()) EXPECT_TRUE(s.enabled(id)) << id;
}

TEST(MenuState, ParentEntryAtTopEnablesOnlyOpenPropertyAndMakeFolder) {
    MenuStateInput in = completeListing();
    in.cursorIndex = 0;
    in.cursorIsParentEntry = true;
    MenuState s = computeMenuState(in);
    EXPECT_TRUE(s.enabled(IDM_OPEN));
    EXPECT_TRUE(s.enabled(IDM_PROPERTY));
    EXPECT_TRUE(s.enabled(IDM_MAKE_FOLDER));
    EXPECT_FALSE(s.enabled(IDM_DELETE));
    EXPECT_FALSE(s.enabled(IDM_FILE_COPY));
    EXPECT_FALSE(s.enabled(IDM_COPY_FULLPATH));
    EXPECT_TRUE(s.enabled(IDM_RELOAD));
}

TEST(MenuState, FirstEntryThatIsNoParentIsATarget) {
    MenuStateInput in = completeListing();
    in.cursorIndex = 0;
    EXPECT_TRUE(computeMenuState(in).enabled(IDM_DELETE));
}

TEST(MenuState, IncompleteListingHasNoTarget) {
    MenuStateInput in = completeListing();
    in.listingComplete = false;
    MenuState s = computeMenuState(in);
    EXPECT_FALSE(s.enabled(IDM_OPEN));
    EXPECT_TRUE(s.enabled(IDM_MAKE_FOLDER));  // the folder is known
    EXPECT_TRUE(s.enabled(IDM_SELECT_FOLDER));
}

TEST(MenuState, NoFolderAndNoFocusGreysFolderCommands) {
    MenuStateInput in;
    in.listingComplete = false;
    MenuState s = computeMenuState(in);
    EXPECT_FALSE(s.enabled(IDM_PASTE));
    EXPECT_FALSE(s.enabled(IDM_MAKE_FOLDER));
    EXPECT_TRUE(s.enabled(IDM_SELECT_FOLDER));
    EXPECT_TRUE(s.enabled(IDM_RELOAD));
}

TEST(MenuState, BusyGreysCommandsButNotSelectAll) {
    MenuStateInput in = completeListing();
    in.uiBusy = true;
    MenuState s = computeMenuState(in);
    EXPECT_FALSE(s.enabled(IDM_RELOAD));
    EXPECT_FALSE(s.enabled(IDM_OPEN));
    EXPECT_FALSE(s.enabled(IDM_SELECT_FOLDER));
    EXPECT_TRUE(s.enabled(IDM_COPY_FULLPATH));  // not in the busy list
    EXPECT_TRUE(s.enabled(IDM_SELECT_ALL));
}

TEST(MenuState, ChecksFollowSettingsAndThemeIsARadioGroup) {
    MenuStateInput in;
    in.theme = 0;
    in.stripeRow = true;
    MenuState s = computeMenuState(in);
    int radios = 0;
    for (const MenuCheck& c : s.checks) {
        if (c.id == IDM_STRIPED_ROW) {
            EXPECT_TRUE(c.checked);
        }
        if (c.id == IDM_GRID_LINE) {
            EXPECT_FALSE(c.checked);
        }
        if (c.radio) {
            EXPECT_EQ(c.checked, c.id == IDM_THEME_FIRST);
            radios += c.checked;
        }
    }
    EXPECT_EQ(radios, 1);
    in.theme = 9;  // out of range checks no theme
    radios = 0;
    for (const MenuCheck& c : computeMenuState(in).checks) radios += c.radio && c.checked;
    EXPECT_EQ(radios, 0);
}

}  // namespace
}  // namespace tarvelo::shell
