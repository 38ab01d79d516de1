#include "shell/menu_state.h"

#include <algorithm>
#include <map>

#include "resource_ids.h"

namespace tarvelo::shell {

namespace {

const std::vector<int> kTargetCommands = {
    IDM_OPEN, IDM_EDIT_FILE, IDM_PROPERTY, IDM_DESKTOP_SHORTCUT, IDM_ASSOCIATED_EXECUTION,
    IDM_COPY_FILENAME, IDM_COPY_FULLPATH, IDM_DELETE, IDM_FILE_COPY, IDM_FILE_MOVE, IDM_RENAME,
    IDM_MAKE_FOLDER, IDM_TIMESTAMP, IDM_ATTRIBUTE, IDM_REPLACE_RENAME, IDM_APPEND_RENAME,
    IDM_NUMBER_RENAME, IDM_COMPRESS, IDM_EXPAND, IDM_LOWERCASE_RENAME, IDM_UPPERCASE_RENAME,
    IDM_BETWEEN_RENAME, IDM_COPY_CREATE_TO_MODIFIED, IDM_COPY_MODIFIED_TO_CREATE,
    IDM_COPY_CREATE_TO_ACCESS, IDM_COPY_MODIFIED_TO_ACCESS,
};

const std::vector<int> kAlwaysEnabled = {
    IDM_COMMAND_EXECUTION, IDM_SELECT_FOLDER, IDM_PARENT_FOLDER, IDM_PASTE, IDM_SEARCH_SELECT, IDM_RELOAD,
};

const std::vector<int> kNeedFolder = {
    IDM_PASTE, IDM_DELETE, IDM_FILE_COPY, IDM_FILE_MOVE, IDM_RENAME, IDM_MAKE_FOLDER,
    IDM_REPLACE_RENAME, IDM_APPEND_RENAME, IDM_NUMBER_RENAME, IDM_LOWERCASE_RENAME,
    IDM_UPPERCASE_RENAME, IDM_BETWEEN_RENAME, IDM_COPY_CREATE_TO_MODIFIED,
    IDM_COPY_MODIFIED_TO_CREATE, IDM_COPY_CREATE_TO_ACCESS, IDM_COPY_MODIFIED_TO_ACCESS,
};

const std::vector<int> kGreyWhenBusy = {
    IDM_OPEN, IDM_SELECT_FOLDER, IDM_EDIT_FILE, IDM_PROPERTY, IDM_PARENT_FOLDER,
    IDM_COMMAND_EXECUTION, IDM_ASSOCIATED_EXECUTION, IDM_PASTE, IDM_SEARCH_SELECT, IDM_DELETE,
    IDM_FILE_COPY, IDM_FILE_MOVE, IDM_RENAME, IDM_MAKE_FOLDER, IDM_TIMESTAMP, IDM_ATTRIBUTE,
    IDM_REPLACE_RENAME, IDM_APPEND_RENAME, IDM_NUMBER_RENAME, IDM_COMPRESS, IDM_EXPAND,
    IDM_LOWERCASE_RENAME, IDM_UPPERCASE_RENAME, IDM_BETWEEN_RENAME, IDM_COPY_CREATE_TO_MODIFIED,
    IDM_COPY_MODIFIED_TO_CREATE, IDM_COPY_CREATE_TO_ACCESS, IDM_COPY_MODIFIED_TO_ACCESS, IDM_RELOAD,
};

}  // namespace

const std::vector<int>& targetCommands() { return kTargetCommands; }

bool MenuState::enabled(int id) const {
    auto it = std::find_if(items.begin(), items.end(), [id](const MenuItemState& s) { return s.id == id; });
    return it == items.end() || it->enabled;
}

MenuState computeMenuState(const MenuStateInput& in) {
    bool hasTarget = false;
    bool onParent = false;
    if (in.listingIdle && in.listingComplete) {
        if (in.anySelected) {
            hasTarget = true;
        } else if (in.cursorEntryExists) {
            if (in.cursorIndex > 0) {
                hasTarget = true;
            } else if (in.cursorIndex == 0) {
                if (in.cursorIsParentEntry) onParent = true;
                else hasTarget = true;
            }
        }
    }

    // Ordered so that later rules override earlier ones, as the menu is built.
    std::map<int, bool> enabled;
    for (int id : kTargetCommands) enabled[id] = hasTarget;
    for (int id : kAlwaysEnabled) enabled[id] = true;
    if (!hasTarget) {
        if (onParent) {
            enabled[IDM_OPEN] = true;
            enabled[IDM_PROPERTY] = true;
            enabled[IDM_MAKE_FOLDER] = true;
        } else if (!in.currentFolderEmpty) {
            enabled[IDM_MAKE_FOLDER] = true;
        }
    }
    if (in.currentFolderEmpty && in.focusPathEmpty) {
        for (int id : kNeedFolder) enabled[id] = false;
    }
    if (in.uiBusy) {
        for (int id : kGreyWhenBusy) enabled[id] = false;
    }

    MenuState out;
    for (const auto& [id, on] : enabled) out.items.push_back({id, on});
    out.checks = {
        {IDM_TOP_MOST, in.topMost, false},       {IDM_TRANSLUCENT, in.alphaBlend, false},
        {IDM_VIEW_MODE, in.viewModeMultiColumn, false}, {IDM_STRIPED_ROW, in.stripeRow, false},
        {IDM_ICON, in.drawIcon, false},          {IDM_TOOLTIP, in.toolTip, false},
        {IDM_GRID_LINE, in.gridLine, false},     {IDM_DRIVE_BAR, in.driveBar, false},
        {IDM_SIDE_BAR, in.sideBar, false},       {IDM_EXIT_CONFIRM, in.exitConfirm, false},
        {IDM_SOUND_ON_COMPLETE, in.soundOnComplete, false},
    };
    for (int t = 0; t < 8; ++t) {
        out.checks.push_back({IDM_THEME_FIRST + t, in.theme == t, true});
    }
    return out;
}

}  // namespace tarvelo::shell
