#include "filelist/win/listing_thread.h"

#include "shell/run_flags.h"

namespace tarvelo::filelist::win {

namespace {

// The system menu's Close items are greyed while a load runs.
void enableClose(HWND window, bool enable) {
    if (!window) return;
    if (HMENU system = GetSystemMenu(window, FALSE)) {
        const UINT state = enable ? MF_ENABLED : MF_GRAYED;
        EnableMenuItem(system, SC_CLOSE, MF_BYCOMMAND | state);
        EnableMenuItem(system, 6, MF_BYPOSITION | state);
    }
}

}  // namespace

ListingLoader::~ListingLoader() { stop(); }

void ListingLoader::load(FolderListing& listing, FolderReader& reader, const LoadRequest& request, StopToken stop) {
    listing.clear();
    listing.filterText = request.filterText;
    listing.filterTerms = request.filterTerms;
    const std::wstring folder = listing.currentFolder;
    if (!listing.enumerate(reader, folder, stop)) return;
    if (listing.enumeratedCount() == 0) return;
    if (!listing.fillDetails(reader, false, stop)) return;
    listing.sort(listing.sortItem, request.view);
    listing.markSelected(request.rememberedSelection);
    // Keys of the selection column depend on the marks just restored.
    if (listing.sortItem == 0) listing.sort(0, request.view);
    listing.markLoaded();
}

bool ListingLoader::start(FolderListing& listing, LoadRequest request) {
    stop();
    shell::RunFlags& flags = shell::runFlags();
    return thread_.start(flags.listingThread, [this, &listing, request = std::move(request)] {
        std::lock_guard<std::mutex> hold(listingLock_);
        enableClose(request.window, false);
        load(listing, reader_, request, StopToken{&shell::runFlags().listingThread});
        enableClose(request.window, true);
    });
}

void ListingLoader::stop() { thread_.stop(); }

bool ListingLoader::running() const { return shell::runFlags().listingThread.load() != 0; }

LoadProgressStep loadProgressStep(const FolderListing& listing, bool uiBusy, bool threadRunning) {
    if (listing.isComplete() || !threadRunning) return LoadProgressStep::StopTimer;
    const int filled = listing.filledCount();
    if (!uiBusy && filled > 0 && filled < listing.enumeratedCount()) return LoadProgressStep::DrawAndContinue;
    return LoadProgressStep::Continue;
}

}  // namespace tarvelo::filelist::win
