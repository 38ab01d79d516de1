#include "filelist/win/bar_menus.h"

#include <algorithm>
#include <cwctype>
#include <vector>

#include "resource_ids.h"

namespace tarvelo::filelist::win {

namespace {

struct Item {
    UINT id = 0;
    std::wstring text;
    bool checked = false;
    bool grey = false;
    bool separator = false;
};

bool hasItem(HMENU menu, UINT id) { return GetMenuState(menu, id, MF_BYCOMMAND) != static_cast<UINT>(-1); }

// Inserts the items before the placeholder (or at the end once it is gone),
// then removes the placeholder.
void insertItems(HMENU menu, const std::vector<Item>& items) {
    const bool placeholder = hasItem(menu, IDM_CHANGE_DRIVE);
    for (const Item& item : items) {
        std::wstring text = item.text;
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        if (item.separator) {
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_SEPARATOR;
        } else {
            info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
            info.fType = MFT_STRING | MFT_RADIOCHECK;
            info.fState = (item.checked ? MFS_CHECKED : MFS_UNCHECKED) | (item.grey ? MFS_GRAYED : MFS_ENABLED);
            info.wID = item.id;
            info.dwTypeData = text.data();
        }
        if (placeholder) {
            InsertMenuItemW(menu, IDM_CHANGE_DRIVE, FALSE, &info);
        } else {
            InsertMenuItemW(menu, static_cast<UINT>(std::max(0, GetMenuItemCount(menu))), TRUE, &info);
        }
    }
    DeleteMenu(menu, IDM_CHANGE_DRIVE, MF_BYCOMMAND);
}

std::vector<Item> driveItems(const DriveTable& drives, std::wstring_view currentFolder, bool busy) {
    std::vector<Item> items;
    const int current = drives.driveOfFolder(currentFolder);
    for (int d = 1; d <= kDriveCount; ++d) {
        const DriveInfo* info = drives.slot(d);
        if (!info->present) continue;
        items.push_back({static_cast<UINT>(IDM_SHORTCUT_FOLDER + d), menuItemText(driveMenuText(*info, d)),
                         d == current, busy, false});
    }
    return items;
}

}  // namespace

LoadedPopup loadBarPopup(HINSTANCE instance) {
    LoadedPopup loaded;
    loaded.menu.reset(LoadMenuW(instance, MAKEINTRESOURCEW(IDR_POPUP_MENU)));
    if (loaded.menu) loaded.popup = GetSubMenu(loaded.menu.get(), 0);
    return loaded;
}

std::wstring menuItemText(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        if (c == L'&') out.push_back(L'&');
        out.push_back(c);
    }
    return out;
}

void buildDriveMenu(HMENU driveMenu, const DriveTable& drives, std::wstring_view currentFolder, bool busy) {
    if (!driveMenu) return;
    for (int d = 1; d <= kDriveCount; ++d) DeleteMenu(driveMenu, IDM_SHORTCUT_FOLDER + d, MF_BYCOMMAND);
    insertItems(driveMenu, driveItems(drives, currentFolder, busy));
}

bool folderCanBeEntered(const std::wstring& path, const DriveTable& drives) {
    if (drives.isQuickToReach(path)) {
        const DWORD attributes = GetFileAttributesW(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    // A drive path on a drive that is not there cannot be entered; anything
    // else (a network drive or share) is offered without asking it.
    if (path.size() >= 2 && path[1] == L':') {
        const wchar_t letter = static_cast<wchar_t>(towupper(path[0]));
        return letter >= L'A' && letter <= L'Z' && drives.isPresent(letter - L'A' + 1);
    }
    return path.find(L"\\\\") != std::wstring::npos;
}

void fillShortcutPopup(HMENU popup, const ShortcutFolderList& folders, std::wstring_view currentFolder,
                       const CanEnter& canEnter) {
    if (!popup) return;
    const int checked = folders.entryHoldingFolder(currentFolder);
    const int count = std::min(folders.count(), kShortcutSlots);
    std::vector<Item> items;
    for (int i = 0; i < count; ++i) {
        const std::wstring path(folders.at(i));
        items.push_back({static_cast<UINT>(IDM_SIDEBAR_FIRST + i), menuItemText(path), i == checked,
                         canEnter && !canEnter(path), false});
    }
    insertItems(popup, items);
}

LoadedPopup buildShortcutPopup(HINSTANCE instance, const ShortcutFolderList& folders,
                               std::wstring_view currentFolder, const CanEnter& canEnter) {
    LoadedPopup loaded = loadBarPopup(instance);
    fillShortcutPopup(loaded.popup, folders, currentFolder, canEnter);
    return loaded;
}

void fillDrivePopup(HMENU popup, const DriveTable& drives, std::wstring_view currentFolder,
                    std::wstring_view shortcutFolder, bool busy) {
    if (!popup) return;
    std::vector<Item> items;
    if (!shortcutFolder.empty()) {
        items.push_back({static_cast<UINT>(IDM_SHORTCUT_FOLDER), menuItemText(shortcutFolderPopupText(shortcutFolder)),
                         false, busy, false});
        items.push_back({0, {}, false, false, true});
    }
    for (Item& item : driveItems(drives, currentFolder, busy)) items.push_back(std::move(item));
    insertItems(popup, items);
}

LoadedPopup buildDrivePopup(HINSTANCE instance, const DriveTable& drives, std::wstring_view currentFolder,
                            std::wstring_view shortcutFolder, bool busy) {
    LoadedPopup loaded = loadBarPopup(instance);
    fillDrivePopup(loaded.popup, drives, currentFolder, shortcutFolder, busy);
    return loaded;
}

std::optional<std::wstring> droppedFolder(HDROP drop) {
    if (!drop || DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 0) return std::nullopt;
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    if (length == 0) return std::nullopt;
    std::wstring path(length + 1, L'\0');
    const UINT copied = DragQueryFileW(drop, 0, path.data(), length + 1);
    path.resize(std::min(copied, length));
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
    return path;
}

}  // namespace tarvelo::filelist::win
