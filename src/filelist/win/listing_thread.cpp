#include "filelist/win/listing_thread.h"

namespace tarvelo::filelist::win {

ListingLoader::ListingLoader(FolderReader& reader, std::atomic<uint8_t>& threadState)
    : reader_(reader), state_(threadState) {}

ListingLoader::~ListingLoader() { stop(); }

bool ListingLoader::start(FolderListing& listing, LoadRequest request) {
    if (running()) return false;
    thread_.join();  // the previous load's thread, already ended
    if (listing.isComplete()) remembered_ = listing.selectedPaths();
    listing.clear();
    return thread_.start(state_, [this, &listing, request = std::move(request)] { runJob(listing, request); });
}

void ListingLoader::stop() { thread_.stop(); }

void ListingLoader::wait() { thread_.join(); }

void ListingLoader::runJob(FolderListing& listing, const LoadRequest& request) {
    if (request.onJobStart) request.onJobStart();
    {
        std::lock_guard<std::mutex> hold(lock_);
        const StopToken stop{&state_};
        listing.clear();
        if (request.filtering && !request.filterText.empty()) {
            listing.filterText = request.filterText;
            listing.filterTerms = request.filterTerms;
        } else {
            listing.filterText.clear();
            listing.filterTerms.clear();
        }
        const std::wstring folder = listing.currentFolder;
        bool finished = listing.enumerate(reader_, folder, stop);
        if (finished && listing.enumeratedCount() > 0) {
            finished = listing.fillDetails(reader_, false, stop);
            if (finished) {
                listing.sort(listing.sortItem, request.view);
                listing.markSelected(remembered_);
                remembered_.clear();
                if (listing.sortItem == 0) listing.sort(0, request.view);
            }
        }
        if (finished) {
            listing.markLoaded();
        } else {
            listing.clear();  // a stopped load lists nothing
        }
    }
    if (request.onJobEnd) request.onJobEnd();
}

void refreshWithoutEnumeration(FolderListing& listing, FolderReader& reader, ListView view) {
    if (listing.enumeratedCount() == 0) return;
    listing.fillDetails(reader, true);
    listing.sort(listing.sortItem, view);
    listing.markLoaded();
}

}  // namespace tarvelo::filelist::win
