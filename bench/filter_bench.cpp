#include "filter_bench.h"

#include <cstdio>
#include <string_view>
#include <vector>

#include "filelist/string_terms.h"

namespace tarvelo::bench {

namespace {

// Three terms that most names of the fixture hold, so that every term is
// tested for most entries (a term that fails early would flatter the figure).
constexpr const wchar_t* kTerms = L". 1 3";

std::wstring_view nameOf(std::wstring_view path) {
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

void measureStringFeatures(const std::string& tag, filelist::FolderListing& listing, double listingMs, int runs,
                           const Report& report) {
    const std::vector<std::wstring> terms = filelist::splitTerms(kTerms);
    std::vector<std::wstring_view> names;
    names.reserve(static_cast<size_t>(listing.count()));
    for (int i = 0; i < listing.count(); ++i) names.push_back(nameOf(listing.entryAt(i).path()));

    std::vector<double> filter;
    std::vector<double> search;
    int kept = 0;
    int selected = 0;
    for (int r = 0; r < runs; ++r) {
        double t0 = nowMs();
        const filelist::TermMatcher matcher(terms);
        int n = 0;
        for (std::wstring_view name : names) n += matcher.matches(name) ? 1 : 0;
        filter.push_back(nowMs() - t0);
        kept = n;
        t0 = nowMs();
        selected = filelist::selectByTerms(listing, terms);
        search.push_back(nowMs() - t0);
    }
    listing.clearSelection();
    if (kept != selected) {
        std::fprintf(stderr, "%s: the filter keeps %d names, search-select selects %d\n", tag.c_str(), kept, selected);
    }
    std::fprintf(stderr, "%s: %d of %d entries hold the three terms\n", tag.c_str(), kept, listing.count());
    const double f = median(filter);
    const double s = median(search);
    report(("filter_" + tag + "_ms").c_str(), f);
    report(("search_select_" + tag + "_ms").c_str(), s);
    report(("filter_" + tag + "_vs_listing").c_str(), listingMs > 0 ? f / listingMs : -1);
    report(("search_select_" + tag + "_vs_listing").c_str(), listingMs > 0 ? s / listingMs : -1);
}

}  // namespace tarvelo::bench
