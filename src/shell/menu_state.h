#pragma once
// Which menu items are enabled and checked when a menu opens.
#include <vector>

namespace tarvelo::shell {

struct MenuStateInput {
    bool listingIdle = true;
    bool listingComplete = false;
    bool anySelected = false;
    bool cursorEntryExists = false;
    int cursorIndex = -1;          // display index of the cursor entry
    bool cursorIsParentEntry = false;
    bool currentFolderEmpty = true;
    bool focusPathEmpty = true;
    bool uiBusy = false;
    // Check marks
    bool topMost = false;
    bool alphaBlend = false;
    bool viewModeMultiColumn = true;
    bool stripeRow = false;
    bool drawIcon = true;
    bool toolTip = true;
    bool gridLine = false;
    bool driveBar = true;
    bool sideBar = true;
    bool exitConfirm = false;
    bool soundOnComplete = true;
    int theme = 4;
};

struct MenuItemState {
    int id = 0;
    bool enabled = true;
};

struct MenuCheck {
    int id = 0;
    bool checked = false;
    bool radio = false;
};

struct MenuState {
    std::vector<MenuItemState> items;  // every id whose enabled state is decided
    std::vector<MenuCheck> checks;
    bool enabled(int id) const;        // true for ids not listed
};

// The entry commands that need a target (selection or cursor entry).
const std::vector<int>& targetCommands();

MenuState computeMenuState(const MenuStateInput& in);

}  // namespace tarvelo::shell
