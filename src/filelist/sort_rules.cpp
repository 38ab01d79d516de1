#include "filelist/sort_rules.h"

namespace tarvelo::filelist {

int nextSortColumn(int sortItem, ListView view) {
    const int next = sortItem + 1;
    return next > lastSortColumn(view) ? 0 : next;
}

int previousSortColumn(int sortItem, ListView view) {
    const int previous = sortItem - 1;
    if (previous < 0) return lastSortColumn(view);
    return previous > lastSortColumn(view) ? lastSortColumn(view) : previous;
}

bool applyHeaderClick(FolderListing& listing, int column, ListView view) {
    if (column == listing.sortItem) listing.sortMode ^= 1;
    if (!listing.isComplete()) return false;
    listing.sortItem = column;
    listing.sort(column, view);
    return true;
}

int sortColumnKey(FolderListing& listing, ListView view, bool backwards) {
    listing.sortItem =
        backwards ? previousSortColumn(listing.sortItem, view) : nextSortColumn(listing.sortItem, view);
    listing.sortMode ^= 1;
    return listing.sortItem;
}

bool flipSortDirection(FolderListing& listing, ListView view) {
    listing.sortMode ^= 1;
    if (!listing.isComplete()) return false;
    listing.sort(listing.sortItem, view);
    return true;
}

int columnAfterViewSwitch(int sortItem, ListView from) {
    if (from == ListView::MultiColumn) {
        // Selection, Filename, Extension, Size, Last Modified, Attribute.
        static constexpr int kToThreeTimes[] = {0, 1, 1, 2, 4, 6};
        return (sortItem >= 0 && sortItem <= 5) ? kToThreeTimes[sortItem] : 1;
    }
    // Selection, Filename, Size, Create Time, Last Modified, Access Time, Attribute.
    static constexpr int kToMultiColumn[] = {0, 1, 3, 4, 4, 4, 5};
    return (sortItem >= 0 && sortItem <= 6) ? kToMultiColumn[sortItem] : 1;
}

int sortColumnForViewSwitch(FolderListing& listing, ListView from) {
    listing.sortItem = columnAfterViewSwitch(listing.sortItem, from);
    listing.sortMode ^= 1;
    return listing.sortItem;
}

}  // namespace tarvelo::filelist
