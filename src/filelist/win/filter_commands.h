#pragma once
// Search and Select Strings (32828), De-emphasize Search Strings (32840),
// Filtering by Strings (32846) and the filtering switch (F2 and the drive
// bar's check box). What they need from the main window is FilterHost.
#include <windows.h>

#include <functional>

#include "filelist/folder_listing.h"
#include "filelist/string_features.h"
#include "shell/command_table.h"
#include "shell/section_file_store.h"
#include "shell/ui_language.h"

namespace tarvelo::filelist::win {

class FilterHost {
public:
    virtual ~FilterHost() = default;
    virtual HWND mainWindow() const = 0;
    virtual UiLanguage language() const = 0;
    virtual StringFeatures& strings() = 0;
    virtual FolderListing& listing() = 0;
    virtual shell::SectionFileStore& dataFiles() = 0;
    // uiBusy clear and the listing thread idle.
    virtual bool idle() const = 0;
    // Timers 10002/10003 stopped and uiBusy held while work runs; the
    // interaction state reset, the visuals rebuilt and all panes repainted
    // afterwards.
    virtual void runModal(const std::function<void()>& work) = 0;
    // Reloads the current folder keeping the first row, the cursor row and
    // the selection (called inside runModal).
    virtual void reloadKeepingPosition() = 0;
    // Sends the Reload command (32776).
    virtual void sendReload() = 0;
    virtual void repaintListAndBars() = 0;
    // Tells once per run that a data file could not be written.
    virtual void tellIfDataFileReadOnly() = 0;
};

void registerFilterCommands(shell::CommandTable& table, FilterHost& host);

// F2 and the filtering check box.
void toggleFiltering(FilterHost& host);

}  // namespace tarvelo::filelist::win
