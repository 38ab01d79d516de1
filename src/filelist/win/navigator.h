#pragma once
// Changing the current folder and keeping the list in step with the disk:
// every navigation ends in startLoad, which runs the load on the listing
// thread. Reloads keep page, cursor row and selection; going somewhere puts
// the cursor on the folder the user came from.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "filelist/folder_listing.h"
#include "filelist/load_rules.h"
#include "filelist/view_restore.h"
#include "filelist/win/folder_watch.h"
#include "filelist/win/list_pane.h"
#include "filelist/win/listing_thread.h"
#include "platform/win32_folder_reader.h"

namespace tarvelo::filelist::win {

// What the navigation needs from the window that hosts it.
class NavigatorHost {
public:
    virtual ~NavigatorHost() = default;
    virtual HWND window() const = 0;
    virtual ListView view() const = 0;
    virtual void startLoadProgressTimer() = 0;
    virtual void stopLoadProgressTimer() = 0;
    // Refreshes the drive table; present drives as a mask, bit 0 = A:.
    virtual uint32_t refreshDrives() = 0;
    virtual void markBarsForRepaint() = 0;
    // Filtering terms in force (empty when filtering is off).
    virtual void filterTerms(std::wstring& text, std::vector<std::wstring>& terms) const = 0;
};

// Whether startLoad waits for a small folder to finish before it returns.
enum class HeadStart { Now, Later };

class Navigator {
public:
    Navigator(FolderListing& listing, ListPane& pane, NavigatorHost& host);

    // The common end of every navigation (ignored while a load runs). With
    // HeadStart::Later the caller waits with awaitHeadStart when it is ready.
    void startLoad(HeadStart headStart = HeadStart::Now);
    // A short wait, from the load's start, that lets a small folder finish
    // before anything is drawn, so it shows at once instead of behind a
    // progress bar; it ends as soon as the load does.
    void awaitHeadStart();

    // Commands; each assumes the caller checked the command guard.
    void reload();                                   // keeps page, row, selection
    void parentFolder();                             // cursor on the folder left
    void enterFolder(const std::wstring& folder);    // Enter on a folder
    void goTo(const std::wstring& folder, bool subfolderMode);  // Select Folder's choice
    void shortcutFolder(const std::wstring& shortcut);
    // A folder with the place to put the cursor back to (side-bar folders).
    void goToPlace(const std::wstring& folder, const std::wstring& focus, int top, int row);
    void drive(int driveNumber, const std::wstring& root);  // 1 = A: ... 26 = Z:
    // Start-up: lists the restored folder when it exists; SelectFolder tells
    // the caller to open the folder dialog instead.
    StartupAction startupListing(HeadStart headStart = HeadStart::Now);
    // What startupListing would do now, without doing it.
    StartupAction startupPlan() const;

    ListingLoader& loader() { return loader_; }
    FolderWatch& watch() { return watch_; }
    DriveMemory& driveMemory() { return driveMemory_; }

private:
    void navigate(const std::wstring& folder, std::wstring focus, bool subfolderMode, int top, int row,
                  HeadStart headStart = HeadStart::Now);

    FolderListing& listing_;
    ListPane& pane_;
    NavigatorHost& host_;
    platform::Win32FolderReader reader_;
    ListingLoader loader_;
    FolderWatch watch_;
    DriveMemory driveMemory_;
    uint32_t presentMask_ = 0;
    ULONGLONG headStartEnd_ = 0;  // tick at which the head start of the last load ends
};

}  // namespace tarvelo::filelist::win
