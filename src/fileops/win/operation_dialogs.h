#pragma once
// The two dialogs of copy and move: the destination folder (template 151)
// and the overwrite question (template 174).
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "fileops/win/item_loop.h"
#include "shell/ui_language.h"

namespace tarvelo::fileops::win {

struct FolderSpecRequest {
    std::wstring caption;
    std::wstring baseFolder;            // the current folder
    std::wstring text;                  // the folder shown at first
    std::vector<std::wstring> stored;   // FolderData values, for the history
    std::wstring settingsFilePath;      // the folder picker's remembered state
    UiLanguage language = UiLanguage::English;
};

// The folder chosen, or nothing when the dialog was cancelled.
std::optional<std::wstring> runFolderSpecDialog(HWND owner, HINSTANCE instance, const FolderSpecRequest& request);

// Overwrite (1), Skip (1004), All Overwrite (1014), Cancel (2 or closing).
OverwriteAnswer runOverwriteDialog(HWND owner, HINSTANCE instance, const std::wstring& caption,
                                   const std::wstring& text);

}  // namespace tarvelo::fileops::win
