// Listing figures on folders of empty files created from the Linux side.
//   enumeration_<n>_ms  a bare FindFirstFileW loop over the folder, names only
//   listing_<n>_ms      a load on the listing thread to a sorted, complete listing
//   listing_<n>_ratio   listing / enumeration, taken pair by pair in this run
//   sort_<n>_name_ms, sort_<n>_size_ms, sort_<n>_date_ms  re-sorting the loaded listing
// All are medians. Options: --dir100k=, --dir10k= (folders), --runs= (default 5).
// Group "listing-memory-only" loads --folder= once in a fresh process and
// prints its peak working set as --figure= (memory_100k_mb, memory_small_mb...).
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench_util.h"
#include "filelist/folder_listing.h"
#include "filelist/win/listing_thread.h"
#include "platform/unique_handle.h"
#include "platform/virtual_address_space.h"
#include "platform/win32_folder_reader.h"

namespace {

using namespace tarvelo;
using bench::median;
using bench::nowMs;

int bareEnumeration(const std::wstring& folder) {
    int names = 0;
    WIN32_FIND_DATAW data;
    platform::UniqueFindHandle find(::FindFirstFileW((folder + L"\\*.*").c_str(), &data));
    if (!find) return 0;
    do {
        ++names;
    } while (::FindNextFileW(find.get(), &data));
    return names;
}

struct Lister {
    platform::Win32FolderReader reader;
    std::atomic<uint8_t> state{0};
    std::unique_ptr<filelist::FolderListing> listing =
        std::make_unique<filelist::FolderListing>(platform::virtualAddressSpace());
    filelist::win::ListingLoader loader{reader, state};

    bool load(const std::wstring& folder) {
        listing->currentFolder = folder;
        listing->sortItem = 1;
        listing->sortMode = 0;
        if (!loader.start(*listing, {})) return false;
        loader.wait();
        return listing->isComplete();
    }
};

double timeSort(filelist::FolderListing& listing, int column, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double t0 = nowMs();
        listing.sort(column, filelist::ListView::MultiColumn);
        times.push_back(nowMs() - t0);
    }
    return median(times);
}

void measureFolder(const std::string& tag, const std::wstring& folder, int runs, const bench::Report& report) {
    Lister lister;
    // Warm the caches of both paths once, uncounted.
    const int names = bareEnumeration(folder);
    if (!lister.load(folder)) {
        std::fprintf(stderr, "listing of the %s folder failed\n", tag.c_str());
        return;
    }
    // The bare loop also sees "." and ".."; the listing has the parent entry
    // and stops at the cap.
    if (lister.listing->count() != std::min(names - 1, filelist::kMaxListedEntries)) {
        std::fprintf(stderr, "%s: the listing holds %d entries, the folder %d names\n", tag.c_str(),
                     lister.listing->count(), names);
    }
    std::vector<double> enumeration;
    std::vector<double> listing;
    std::vector<double> ratio;
    for (int i = 0; i < runs; ++i) {
        double t0 = nowMs();
        bareEnumeration(folder);
        const double e = nowMs() - t0;
        t0 = nowMs();
        lister.load(folder);
        const double l = nowMs() - t0;
        enumeration.push_back(e);
        listing.push_back(l);
        ratio.push_back(l / e);
    }
    report(("enumeration_" + tag + "_ms").c_str(), median(enumeration));
    report(("listing_" + tag + "_ms").c_str(), median(listing));
    report(("listing_" + tag + "_ratio").c_str(), median(ratio));
    report(("sort_" + tag + "_name_ms").c_str(), timeSort(*lister.listing, 1, runs));
    report(("sort_" + tag + "_size_ms").c_str(), timeSort(*lister.listing, 3, runs));
    report(("sort_" + tag + "_date_ms").c_str(), timeSort(*lister.listing, 4, runs));
}

void runListingBench(const bench::Report& report) {
    const int runs = std::max(1, std::atoi(bench::option("runs", "5").c_str()));
    const std::string dir100k = bench::option("dir100k");
    const std::string dir10k = bench::option("dir10k");
    if (!dir100k.empty()) measureFolder("100k", bench::widen(dir100k), runs, report);
    if (!dir10k.empty()) measureFolder("10k", bench::widen(dir10k), runs, report);
}

void runListingMemory(const bench::Report& report) {
    const std::wstring folder = bench::widen(bench::option("folder"));
    const std::string figure = bench::option("figure", "memory_mb");
    Lister lister;
    if (folder.empty() || !lister.load(folder)) {
        report(figure.c_str(), -1);
        return;
    }
    report(figure.c_str(), bench::peakWorkingSetMb());
}

bench::GroupRegistration listingGroup("listing", runListingBench);
bench::GroupRegistration memoryGroup("listing-memory-only", runListingMemory);

}  // namespace
