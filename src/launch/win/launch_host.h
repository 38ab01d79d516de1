#pragma once
// What the launching commands need from the main window: its window and
// language, the listing and cursor, the timers, the association table and
// where the candidate menu opens. The main window implements it.
#include <windows.h>

#include <string>

#include "filelist/folder_listing.h"
#include "filelist/list_cursor.h"
#include "launch/ext_app_table.h"
#include "shell/section_file_store.h"
#include "shell/ui_language.h"

namespace tarvelo::launch::win {

class LaunchHost {
public:
    virtual ~LaunchHost() = default;
    virtual HWND mainWindow() const = 0;
    virtual HINSTANCE instance() const = 0;
    virtual UiLanguage language() const = 0;
    virtual filelist::FolderListing& listing() = 0;
    virtual filelist::ListCursor& cursor() = 0;

    virtual void stopPeriodicTimers() = 0;
    virtual void startPeriodicTimers() = 0;
    // Keys go to the list again after a dialog.
    virtual void resetInteraction() = 0;

    virtual ExtAppTable& extApps() = 0;
    // The data files beside the program (ExtAppData).
    virtual shell::SectionFileStore& dataFiles() = 0;
    // Screen point of the candidate menu: client origin plus (10, 50), or
    // (10, 10) without the drive bar, scaled for the window's dpi.
    virtual POINT candidateMenuPoint() const = 0;
    // Full path of the running executable.
    virtual std::wstring modulePath() const = 0;
};

}  // namespace tarvelo::launch::win
