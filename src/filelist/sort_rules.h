#pragma once
// How the user changes the sort: header clicks, Tab / Shift+Tab / Ctrl+Tab
// and the view switch. The list pane calls these; they act on the listing's
// sortItem / sortMode and sort it where the rule says so.
#include "filelist/folder_listing.h"
#include "filelist/sort_keys.h"

namespace tarvelo::filelist {

// Tab: the next column, 0 after the view's last; Shift+Tab: the previous
// one, the last below 0.
int nextSortColumn(int sortItem, ListView view);
int previousSortColumn(int sortItem, ListView view);

// A header click on `column`, applied at the next paint: the direction flips
// when it is the current column; then, when the listing is complete, the
// column becomes current and the listing is sorted by it. True when sorted.
bool applyHeaderClick(FolderListing& listing, int column, ListView view);

// Tab / Shift+Tab: makes the next or previous column current, flips the
// direction and returns the column on which the key handler records a
// header click; that click (on the current column) flips the direction
// back, so the net effect is the next or previous column, same direction.
int sortColumnKey(FolderListing& listing, ListView view, bool backwards);

// Ctrl+Tab: flips the direction and sorts by the current column at once
// (only a complete listing is sorted). True when sorted.
bool flipSortDirection(FolderListing& listing, ListView view);

// The column that keeps its meaning when the list switches away from `from`.
int columnAfterViewSwitch(int sortItem, ListView from);

// The view switch: makes the mapped column current, flips the direction and
// returns the column on which the caller records a header click (net: same
// direction).
int sortColumnForViewSwitch(FolderListing& listing, ListView from);

}  // namespace tarvelo::filelist
