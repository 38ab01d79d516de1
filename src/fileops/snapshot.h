#pragma once
// The items a command works on: the selected entries in display order, or
// else the cursor entry; never the parent entry at the top.
#include <string>
#include <vector>

#include "filelist/folder_listing.h"
#include "filelist/list_cursor.h"

namespace tarvelo::fileops {

std::vector<std::wstring> snapshotItems(const filelist::FolderListing& listing, const filelist::ListCursor& cursor);

}  // namespace tarvelo::fileops
