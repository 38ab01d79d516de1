#pragma once
// The folder picker: the system's folder browse dialog with an added "Search
// SubFolder" check box whose state is remembered in the settings file, and
// the paths of the shell's special folders. UI thread only; OLE must be
// initialised on it.
#include <windows.h>

#include <string>

#include "shell/ini_store.h"

namespace tarvelo::launch::win {

inline constexpr int kBrowseChosen = 1;
inline constexpr int kBrowseCancelled = 2;

// The added check box and the timer that keeps it in front of the picker's
// own controls.
inline constexpr int kSubFolderCheckBoxId = 101;
inline constexpr UINT_PTR kSubFolderTimerId = 5001;
inline constexpr UINT kSubFolderTimerMs = 30;

// Where the box's state is kept (integer 0/1, default 0).
inline constexpr wchar_t kFolderOptionSection[] = L"FolderOption";
inline constexpr wchar_t kSubFolderKey[] = L"SubFolder";

inline constexpr wchar_t kBrowseTitle[] = L"Please, Select Folder.";
inline constexpr wchar_t kBrowseTitleWithSubFolders[] =
    L"Please, Select Folder. Search SubFolder with CheckBox On.";
inline constexpr wchar_t kSubFolderCheckBoxText[] = L"Search SubFolder";

struct BrowseResult {
    int code = kBrowseCancelled;  // kBrowseChosen or kBrowseCancelled
    std::wstring path;            // the chosen folder (any length); empty when cancelled
    bool searchSubFolders = false;  // the box's state when the picker closed
};

// Opens the picker owned by owner with initialFolder selected (when it is not
// empty). The check box starts from FolderOption/SubFolder. With
// offerSubFolders the box is usable and its final state is written back to
// FolderOption/SubFolder whether the user chose a folder or cancelled;
// without it the box shows the remembered state disabled and the setting is
// not touched. A choice that has no file-system path counts as cancelled.
BrowseResult browseForFolder(HWND owner, const std::wstring& initialFolder, bool offerSubFolders,
                             shell::IniStore& settings);

// The file-system path of a special folder (a CSIDL value, for example 5 for
// the user's documents), any length; empty when the shell has none.
std::wstring specialFolderPath(HWND owner, int csidl);

}  // namespace tarvelo::launch::win
