#include "fileops/snapshot.h"

namespace tarvelo::fileops {

std::vector<std::wstring> snapshotItems(const filelist::FolderListing& listing, const filelist::ListCursor& cursor) {
    std::vector<std::wstring> items = listing.selectedPaths();
    if (!items.empty()) return items;
    const int index = cursor.cursorIndex();
    if (!filelist::hasCursorEntry(cursor, listing.count())) return {};
    const std::wstring_view path = listing.entryAt(index).path();
    if (index == 0 && path.find(L"\\..") != std::wstring_view::npos) return {};
    return {std::wstring(path)};
}

}  // namespace tarvelo::fileops
