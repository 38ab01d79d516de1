#pragma once
// The texts of Copy : Filename and Copy : Fullpath.
#include <string>

#include "filelist/entry_sequence.h"
#include "filelist/list_cursor.h"

namespace tarvelo::filelist {

// Every selected entry in display order, each followed by "\r\n"; with
// nothing selected the cursor entry alone without a line break; empty when
// there is no cursor entry either.
std::wstring copyFilenameText(EntrySequence& seq, const ListCursor& c);   // names (stem + extension)
std::wstring copyFullpathText(EntrySequence& seq, const ListCursor& c);   // full paths

}  // namespace tarvelo::filelist
