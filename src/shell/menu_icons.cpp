#include "shell/menu_icons.h"

#include <cstddef>

#include "resource_ids.h"

namespace tarvelo::shell {

namespace {

struct CommandBitmap {
    int command;
    int bitmap;
};

// Only commands where a picture helps get one; toggles and settings stay plain.
// A bitmap is shared only by commands that do the same thing from another
// menu (drop menu, system menu) or by the whole range of association candidates.
constexpr CommandBitmap kCommandBitmaps[] = {
    {IDM_VERSION, IDB_MENU_INFO},
    {IDM_SYS_VERSION, IDB_MENU_INFO},
    {IDM_OPEN, IDB_MENU_OPEN},
    {IDM_DROP_OPEN, IDB_MENU_OPEN},
    {IDM_SELECT_FOLDER, IDB_MENU_SELECT_FOLDER},
    {IDM_PARENT_FOLDER, IDB_MENU_PARENT_FOLDER},
    {IDM_EDIT_FILE, IDB_MENU_EDIT},
    {IDM_PROPERTY, IDB_MENU_PROPERTY},
    {IDM_DESKTOP_SHORTCUT, IDB_MENU_SHORTCUT},
    {IDM_VOLUME_LABEL, IDB_MENU_VOLUME_LABEL},
    {IDM_COMMAND_EXECUTION, IDB_MENU_COMMAND},
    {IDM_ASSOCIATED_EXECUTION, IDB_MENU_ASSOCIATED},
    {IDM_EXIT, IDB_MENU_EXIT},
    {IDM_COPY_FILENAME, IDB_MENU_COPY_NAME},
    {IDM_PASTE, IDB_MENU_PASTE},
    {IDM_COPY_FULLPATH, IDB_MENU_COPY_PATH},
    {IDM_SELECT_ALL, IDB_MENU_SELECT_ALL},
    {IDM_SEARCH_SELECT, IDB_MENU_SEARCH},
    {IDM_DELETE, IDB_MENU_DELETE},
    {IDM_FILE_COPY, IDB_MENU_FILE_COPY},
    {IDM_DROP_COPY, IDB_MENU_FILE_COPY},
    {IDM_FILE_MOVE, IDB_MENU_FILE_MOVE},
    {IDM_DROP_MOVE, IDB_MENU_FILE_MOVE},
    {IDM_MAKE_FOLDER, IDB_MENU_MAKE_FOLDER},
    {IDM_RENAME, IDB_MENU_RENAME},
    {IDM_TIMESTAMP, IDB_MENU_TIMESTAMP},
    {IDM_ATTRIBUTE, IDB_MENU_ATTRIBUTE},
    {IDM_REPLACE_RENAME, IDB_MENU_REPLACE_RENAME},
    {IDM_COMPRESS, IDB_MENU_COMPRESS},
    {IDM_EXPAND, IDB_MENU_EXPAND},
    {IDM_RELOAD, IDB_MENU_RELOAD},
    {IDM_FILTERING, IDB_MENU_FILTER},
    {IDM_FONT_SETTING, IDB_MENU_FONT},
    {IDM_NEW_PROCESS, IDB_MENU_NEW_PROCESS},
};

constexpr std::array<int, kMenuBitmapCount> kLoadOrder = {
    143, 140, 141, 142, 144, 145, 146, 147, 148, 149,
    150, 152, 153, 154, 155, 156, 157, 158, 159, 160,
    162, 163, 164, 165, 166, 167, 168, 169, 170, 171,
};

}  // namespace

const std::array<int, kMenuBitmapCount>& menuBitmapLoadOrder() {
    return kLoadOrder;
}

int menuBitmapSlot(int bitmapId) {
    for (int i = 0; i < kMenuBitmapCount; ++i) {
        if (kLoadOrder[static_cast<std::size_t>(i)] == bitmapId) return i;
    }
    return -1;
}

int menuBitmapFor(int commandId) {
    // Association candidates show the program picture.
    if (commandId >= IDM_ASSOC_FIRST && commandId <= IDM_ASSOC_LAST) return IDB_MENU_ASSOCIATED;
    for (const CommandBitmap& entry : kCommandBitmaps) {
        if (entry.command == commandId) return entry.bitmap;
    }
    return 0;
}

}  // namespace tarvelo::shell
