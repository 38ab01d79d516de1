#pragma once
// The menus around the bars: the Drive menu of the main menu, rebuilt each
// time it opens, and the two pop-ups of the S key (shortcut folders) and
// Ctrl+S (drives) built from menu resource 161. Also the folder dropped on
// the side bar.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "filelist/drive_table.h"
#include "filelist/shortcut_folder_list.h"
#include "platform/unique_handle.h"

namespace tarvelo::filelist::win {

// Menu texts show '&' as a mnemonic mark; a path or volume name with one
// gets it doubled so it shows as itself.
std::wstring menuItemText(std::wstring_view text);

// Drive menu: items 34101 ... 34126 removed and inserted anew before the
// placeholder 32790 (appended once the placeholder is gone) for the present
// drives only, "[ C: ] Volume  \t3", radio-checked on the drive holding the
// current folder, greyed while busy; then the placeholder is removed.
void buildDriveMenu(HMENU driveMenu, const DriveTable& drives, std::wstring_view currentFolder, bool busy);

// A pop-up loaded from menu resource 161; popup is the menu to track and is
// owned by `menu`.
struct LoadedPopup {
    platform::UniqueMenu menu;
    HMENU popup = nullptr;
    explicit operator bool() const { return popup != nullptr; }
};

// Whether a folder offered in the S pop-up can be entered. Paths that may
// keep the UI waiting (network, network drives) are offered unchecked;
// paths on absent drives cannot be entered.
bool folderCanBeEntered(const std::wstring& path, const DriveTable& drives);

using CanEnter = std::function<bool(const std::wstring& path)>;

// Menu resource 161: one pop-up holding the placeholder 32790.
LoadedPopup loadBarPopup(HINSTANCE instance);

// S: the shortcut folders as 34500 + i (at most 100), radio-checked on the
// entry the current folder lies in, greyed when it cannot be entered; they
// replace the placeholder.
void fillShortcutPopup(HMENU popup, const ShortcutFolderList& folders, std::wstring_view currentFolder,
                       const CanEnter& canEnter);
LoadedPopup buildShortcutPopup(HINSTANCE instance, const ShortcutFolderList& folders,
                               std::wstring_view currentFolder, const CanEnter& canEnter);

// Ctrl+S: the shortcut folder first (34100, "%s  \t0", then a separator)
// when one is stored, then the present drives as 34100 + drive with
// "[ C: ] Volume  \t3", radio-checked on the current drive, greyed while
// busy; they replace the placeholder.
void fillDrivePopup(HMENU popup, const DriveTable& drives, std::wstring_view currentFolder,
                    std::wstring_view shortcutFolder, bool busy);
LoadedPopup buildDrivePopup(HINSTANCE instance, const DriveTable& drives, std::wstring_view currentFolder,
                            std::wstring_view shortcutFolder, bool busy);

// The first dropped path when it is a folder (what the side bar registers).
std::optional<std::wstring> droppedFolder(HDROP drop);

}  // namespace tarvelo::filelist::win
