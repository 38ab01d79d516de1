#pragma once
// The load of the current folder on the listing thread: the main window's
// startLoad calls start(); the thread holds the listing lock for the whole
// load (clear, filter terms, enumerate, details, sort, restore the
// remembered selection, sort again for the selection column) and the UI
// thread polls the counts meanwhile.
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "filelist/folder_listing.h"
#include "filelist/folder_reader.h"
#include "platform/background_thread.h"

namespace tarvelo::filelist::win {

struct LoadRequest {
    ListView view = ListView::MultiColumn;
    // The list's filtering state; terms apply when filtering is on and its
    // text is not empty.
    bool filtering = false;
    std::wstring filterText;
    std::vector<std::wstring> filterTerms;
    // Run on the listing thread before and after the load (the window
    // clears its "changed" mark and greys its Close item, then re-enables it).
    std::function<void()> onJobStart;
    std::function<void()> onJobEnd;
};

class ListingLoader {
public:
    // `threadState` is the RunFlags listingThread byte.
    ListingLoader(FolderReader& reader, std::atomic<uint8_t>& threadState);
    ~ListingLoader();  // stops a running load
    ListingLoader(const ListingLoader&) = delete;
    ListingLoader& operator=(const ListingLoader&) = delete;

    // Starts a load of listing.currentFolder. Before the thread starts: the
    // full paths of the selected entries are remembered when the listing is
    // complete (kept from an earlier load otherwise) and the counts go to 0.
    // False, with nothing changed, while the listing thread is not idle.
    bool start(FolderListing& listing, LoadRequest request);
    // The stop protocol; a stopped load leaves the listing empty.
    void stop();
    // Waits for the running load's end without pumping messages.
    void wait();
    // The same, for at most `ms`; true when no load runs any more.
    bool waitUpTo(unsigned ms) const { return thread_.waitFor(ms) || !running(); }
    bool running() const { return state_.load(std::memory_order_acquire) != 0; }

    // Paths re-marked after the next load (emptied once used).
    const std::vector<std::wstring>& rememberedSelection() const { return remembered_; }
    // Held by the listing thread for the whole load.
    std::mutex& listingLock() { return lock_; }

private:
    void runJob(FolderListing& listing, const LoadRequest& request);

    FolderReader& reader_;
    std::atomic<uint8_t>& state_;
    std::mutex lock_;
    std::vector<std::wstring> remembered_;
    platform::BackgroundThread thread_;
};

// startLoad without a folder to enumerate: the listed entries get their data
// read again and are sorted again, on the calling thread.
void refreshWithoutEnumeration(FolderListing& listing, FolderReader& reader, ListView view);

}  // namespace tarvelo::filelist::win
