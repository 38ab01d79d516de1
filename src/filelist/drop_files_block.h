#pragma once
// Dragging files out of the list: which paths go, and the file-drop block
// (the DROPFILES structure followed by the path list) offered as CF_HDROP.
// Built as plain bytes so the layout is the same on every host.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "filelist/entry_sequence.h"
#include "filelist/list_cursor.h"

namespace tarvelo::filelist {

// Size of the block's header: file-list offset (4), drop point x/y (4 + 4),
// not-client-area flag (4), wide-character flag (4).
inline constexpr size_t kDropFilesHeaderSize = 20;

// The selected entries' full paths in display order; when nothing is
// selected, the cursor entry's path (the parent entry stands for the current
// folder, so it gives its path without "\.."); empty when there is no cursor
// entry. The parent entry is never dragged as a selected entry: its path
// names the folder above.
std::vector<std::wstring> draggedPaths(EntrySequence& seq, const ListCursor& c);

// Little-endian header (offset 20, point 0/0, flags 0 and 1), then each path
// as UTF-16LE with a terminating 0, then a final empty string. A path is cut
// at an embedded 0 and empty paths are left out, since either would end the
// list early. No usable path gives an empty result (nothing to drag).
std::vector<uint8_t> buildDropFilesBlock(const std::vector<std::wstring>& paths);

}  // namespace tarvelo::filelist
