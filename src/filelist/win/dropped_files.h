#pragma once
// Files dropped onto a window from another program (WM_DROPFILES).
#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <string>
#include <vector>

#include "platform/unique_handle.h"

namespace tarvelo::filelist::win {

// Owns a drop handle: the drop is finished (its memory freed) exactly once.
struct DropHandleTraits {
    static HDROP invalid() noexcept { return nullptr; }
    static bool valid(HDROP h) noexcept { return h != nullptr; }
    static void close(HDROP h) noexcept { ::DragFinish(h); }
};
using UniqueDrop = platform::UniqueHandle<HDROP, DropHandleTraits>;

// Longest dropped path taken (characters, without the terminating 0).
inline constexpr size_t kMaxDroppedPathLength = 5200;

struct DroppedFiles {
    std::vector<std::wstring> paths;  // in drop order, whole
    POINT point{};                    // drop point, client coordinates of the target window
    bool inClientArea = false;
    size_t skippedTooLong = 0;        // paths over kMaxDroppedPathLength, left out rather than cut
};

// Every path of the drop, each read with exactly its own length. A path
// longer than kMaxDroppedPathLength is skipped (a cut path would name some
// other file) and counted. Empty paths are left out. Does not finish the drop.
DroppedFiles readDroppedFiles(HDROP drop);

}  // namespace tarvelo::filelist::win
