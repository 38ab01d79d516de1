// Listing figures on folders of empty files created from the Linux side.
//   enumeration_<n>_ms        the classic pass: a bare FindFirstFileW loop, names only
//   listing_<n>_ms            a load on the listing thread to a sorted, complete listing
//   listing_<n>_vs_classic    listing / enumeration, taken pair by pair in this run
//   listing_<n>_classic_reader_ms  the same load with the FindFirstFileExW reader only
//   bulk_<n>_<k>k_ms          the bulk reader alone with a k KiB buffer (names counted)
//   sort_<n>_name_ms, sort_<n>_size_ms, sort_<n>_date_ms  re-sorting the loaded listing
//   filter_<n>_ms, search_select_<n>_ms (and _vs_listing)  three terms over the loaded listing
//   enumeration_flat_<n>_ms, listing_flat_<n>_ms, listing_flat_<n>_vs_classic
//                             the same for a subfolder-mode load of --flat100k=
//                             beside a recursive classic pass
// All are medians. Options: --dir100k=, --dir10k=, --flat100k= (folders),
// --runs= (default 5).
// Group "listing-memory-only" loads --folder= once in a fresh process and
// prints its peak working set as --figure=; with --then= it loads that
// folder next and prints what stays committed (private bytes) as --figure=
// and the working set as <figure>_ws.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench_util.h"
#include "filter_bench.h"
#include "filelist/folder_listing.h"
#include "filelist/win/listing_thread.h"
#include "platform/unique_handle.h"
#include "platform/virtual_address_space.h"
#include "platform/win32_folder_reader.h"

namespace {

using namespace tarvelo;
using bench::median;
using bench::nowMs;

int bareEnumeration(const std::wstring& folder, bool recursive = false) {
    int names = 0;
    WIN32_FIND_DATAW data;
    platform::UniqueFindHandle find(::FindFirstFileW((folder + L"\\*.*").c_str(), &data));
    if (!find) return 0;
    do {
        ++names;
        if (recursive && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
            (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 && std::wcscmp(data.cFileName, L".") != 0 &&
            std::wcscmp(data.cFileName, L"..") != 0) {
            names += bareEnumeration(folder + L"\\" + data.cFileName, true);
        }
    } while (::FindNextFileW(find.get(), &data));
    return names;
}

struct Lister {
    explicit Lister(platform::ReadMethod method = platform::ReadMethod::Bulk) : reader(method) {}
    platform::Win32FolderReader reader;
    std::atomic<uint8_t> state{0};
    std::unique_ptr<filelist::FolderListing> listing =
        std::make_unique<filelist::FolderListing>(platform::virtualAddressSpace());
    filelist::win::ListingLoader loader{reader, state};

    bool load(const std::wstring& folder, bool subfolderMode = false) {
        listing->currentFolder = folder;
        listing->subfolderMode = subfolderMode;
        listing->sortItem = 1;
        listing->sortMode = 0;
        if (!loader.start(*listing, {})) return false;
        loader.wait();
        return listing->isComplete();
    }
};

class CountingSink final : public filelist::ItemSink {
public:
    int names = 0;
    bool take(const filelist::FoundItem&) override {
        ++names;
        return true;
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

// The bulk reader alone for each buffer size, side by side in each run.
void measureBuffers(const std::string& tag, const std::wstring& folder, int runs, const bench::Report& report) {
    const size_t sizesKb[] = {64, 256, 1024};
    std::vector<double> times[3];
    for (int i = 0; i < runs; ++i) {
        for (int s = 0; s < 3; ++s) {
            platform::Win32FolderReader reader(platform::ReadMethod::Bulk, sizesKb[s] << 10);
            CountingSink sink;
            const double t0 = nowMs();
            reader.listItems(folder, sink);
            times[s].push_back(nowMs() - t0);
            if (reader.lastMethod() != platform::ReadMethod::Bulk) {
                std::fprintf(stderr, "%s: the bulk read was refused\n", tag.c_str());
            }
        }
    }
    for (int s = 0; s < 3; ++s) {
        report(("bulk_" + tag + "_" + std::to_string(sizesKb[s]) + "k_ms").c_str(), median(times[s]));
    }
}

void measureFolder(const std::string& tag, const std::wstring& folder, bool flat, int runs,
                   const bench::Report& report) {
    Lister lister;
    Lister classic(platform::ReadMethod::Classic);
    // Warm the caches of every path once, uncounted.
    const int names = bareEnumeration(folder, flat);
    if (!lister.load(folder, flat) || !classic.load(folder, flat)) {
        std::fprintf(stderr, "listing of the %s folder failed\n", tag.c_str());
        return;
    }
    if (lister.reader.lastMethod() != platform::ReadMethod::Bulk) {
        std::fprintf(stderr, "%s: the bulk read was refused, the figures are the classic reader's\n", tag.c_str());
    }
    // The bare loop also sees "." and ".."; the listing has the parent
    // entry and stops at the cap.
    if (!flat && lister.listing->count() != std::min(names - 1, filelist::kMaxListedEntries)) {
        std::fprintf(stderr, "%s: the listing holds %d entries, the folder %d names\n", tag.c_str(),
                     lister.listing->count(), names);
    }
    std::vector<double> enumeration;
    std::vector<double> listing;
    std::vector<double> ratio;
    std::vector<double> classicListing;
    for (int i = 0; i < runs; ++i) {
        double t0 = nowMs();
        bareEnumeration(folder, flat);
        const double e = nowMs() - t0;
        t0 = nowMs();
        lister.load(folder, flat);
        const double l = nowMs() - t0;
        t0 = nowMs();
        classic.load(folder, flat);
        classicListing.push_back(nowMs() - t0);
        enumeration.push_back(e);
        listing.push_back(l);
        ratio.push_back(l / e);
    }
    const std::string kind = flat ? "flat_" + tag : tag;
    report(("enumeration_" + kind + "_ms").c_str(), median(enumeration));
    report(("listing_" + kind + "_ms").c_str(), median(listing));
    report(("listing_" + kind + "_vs_classic").c_str(), median(ratio));
    report(("listing_" + kind + "_classic_reader_ms").c_str(), median(classicListing));
    if (flat) return;
    report(("sort_" + tag + "_name_ms").c_str(), timeSort(*lister.listing, 1, runs));
    report(("sort_" + tag + "_size_ms").c_str(), timeSort(*lister.listing, 3, runs));
    report(("sort_" + tag + "_date_ms").c_str(), timeSort(*lister.listing, 4, runs));
    bench::measureStringFeatures(tag, *lister.listing, median(listing), runs, report);
}

void runListingBench(const bench::Report& report) {
    const int runs = std::max(1, std::atoi(bench::option("runs", "5").c_str()));
    const std::string dir100k = bench::option("dir100k");
    const std::string dir10k = bench::option("dir10k");
    const std::string flat100k = bench::option("flat100k");
    if (!dir100k.empty()) {
        measureFolder("100k", bench::widen(dir100k), false, runs, report);
        measureBuffers("100k", bench::widen(dir100k), runs, report);
    }
    if (!flat100k.empty()) measureFolder("100k", bench::widen(flat100k), true, runs, report);
    if (!dir10k.empty()) measureFolder("10k", bench::widen(dir10k), false, runs, report);
}

void runListingMemory(const bench::Report& report) {
    const std::wstring folder = bench::widen(bench::option("folder"));
    const std::wstring then = bench::widen(bench::option("then"));
    const std::string figure = bench::option("figure", "memory_mb");
    Lister lister;
    if (folder.empty() || !lister.load(folder)) {
        report(figure.c_str(), -1);
        return;
    }
    if (then.empty()) {
        report(figure.c_str(), bench::peakWorkingSetMb());
        return;
    }
    if (!lister.load(then)) {
        report(figure.c_str(), -1);
        return;
    }
    report(figure.c_str(), bench::privateBytesMb());
    report((figure + "_ws").c_str(), bench::workingSetMb());
}

bench::GroupRegistration listingGroup("listing", runListingBench);
bench::GroupRegistration memoryGroup("listing-memory-only", runListingMemory);

}  // namespace
