#pragma once
// The load of a folder on the listing thread: clear, enumerate, fill the
// details, sort, and put back the selection remembered before the reload.
// The window stays responsive; it looks at the listing only when complete.
#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "filelist/folder_listing.h"
#include "platform/background_thread.h"
#include "platform/win32_folder_reader.h"

namespace tarvelo::filelist::win {

struct LoadRequest {
    ListView view = ListView::MultiColumn;
    // Filtering terms in force for this load (empty: no filtering).
    std::wstring filterText;
    std::vector<std::wstring> filterTerms;
    // Full paths selected before the reload, in display order.
    std::vector<std::wstring> rememberedSelection;
    // The window whose system menu Close item is greyed during the load.
    HWND window = nullptr;
};

class ListingLoader {
public:
    ListingLoader() = default;
    ~ListingLoader();
    ListingLoader(const ListingLoader&) = delete;
    ListingLoader& operator=(const ListingLoader&) = delete;

    // Stops a running load, then loads listing.currentFolder on a new thread
    // (the listing thread byte of the run flags tracks it).
    bool start(FolderListing& listing, LoadRequest request);
    // The stop protocol; the listing is left incomplete when stopped mid-load.
    void stop();
    bool running() const;

    // Runs the load on the calling thread (the thread body; tests use it).
    static void load(FolderListing& listing, FolderReader& reader, const LoadRequest& request, StopToken stop);

private:
    platform::BackgroundThread thread_;
    platform::Win32FolderReader reader_;
    std::mutex listingLock_;  // held by the listing thread for a whole load
};

// Load progress (timer 10001): what the tick should do.
enum class LoadProgressStep { StopTimer, DrawAndContinue, Continue };
LoadProgressStep loadProgressStep(const FolderListing& listing, bool uiBusy, bool threadRunning);

}  // namespace tarvelo::filelist::win
