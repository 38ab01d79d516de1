#pragma once
// What the file commands need from the main window, and nothing more: its
// window, its listing and cursor, the guard and timers, the list paint, the
// reload that keeps the list's position, the dropped paths and the stored
// folders. The main window implements it; the commands never reach further.
#include <windows.h>

#include <string>
#include <vector>

#include "filelist/folder_listing.h"
#include "filelist/list_cursor.h"
#include "shell/theme_palette.h"
#include "shell/ui_language.h"

namespace tarvelo::fileops::win {

class OperationHost {
public:
    virtual ~OperationHost() = default;
    virtual HWND mainWindow() const = 0;
    virtual HINSTANCE instance() const = 0;
    virtual UiLanguage language() const = 0;
    virtual filelist::FolderListing& listing() = 0;
    virtual filelist::ListCursor& cursor() = 0;
    virtual int pageRows() const = 0;  // rows that fit in the list page
    virtual const shell::ThemePalette& palette() const = 0;
    virtual bool soundOnComplete() const = 0;

    virtual void stopPeriodicTimers() = 0;   // 10002, 10003
    virtual void startPeriodicTimers() = 0;  // 10002 with 2550 ms, 10003 with 200 ms
    virtual void resetInteraction() = 0;
    // Paints the list into its back buffer and shows it at once.
    virtual void paintList() = 0;
    // Reloads the current folder keeping topIndex and cursorRow.
    virtual void reloadKeepingPosition() = 0;
    // Lists folder (the drop menu's Open File/Folder).
    virtual void openFolder(const std::wstring& folder) = 0;
    // Shows exactly these items, with no current folder.
    virtual void listItems(const std::vector<std::wstring>& paths) = 0;

    virtual std::vector<std::wstring>& dropList() = 0;
    // SaveData / FileCopyFolder.
    virtual std::wstring fileCopyFolder() const = 0;
    virtual void storeFileCopyFolder(const std::wstring& folder) = 0;
    // FolderData values Folder_01 ... Folder_100 as stored.
    virtual std::vector<std::wstring> storedFolders() const = 0;
    virtual void reloadShortcutFolders() = 0;
    // The settings file (for the folder picker's remembered state).
    virtual std::wstring settingsFilePath() const = 0;
};

}  // namespace tarvelo::fileops::win
