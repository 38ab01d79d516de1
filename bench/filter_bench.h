#pragma once
// Search-select and filtering figures over a loaded listing, printed beside
// the listing figure they are measured against.
#include <string>

#include "bench_util.h"
#include "filelist/folder_listing.h"

namespace tarvelo::bench {

// filter_<tag>_ms: the filter's test of every name with three terms (what a
// filtered load adds to the listing); search_select_<tag>_ms: search-select
// over the listing; each also as a ratio to listingMs. Medians of runs.
void measureStringFeatures(const std::string& tag, filelist::FolderListing& listing, double listingMs, int runs,
                           const Report& report);

}  // namespace tarvelo::bench
