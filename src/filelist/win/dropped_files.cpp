#include "filelist/win/dropped_files.h"

namespace tarvelo::filelist::win {

DroppedFiles readDroppedFiles(HDROP drop) {
    DroppedFiles result;
    if (!drop) return result;
    result.inClientArea = ::DragQueryPoint(drop, &result.point) != FALSE;

    const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    result.paths.reserve(count);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
        if (length == 0) continue;
        if (length > kMaxDroppedPathLength) {
            ++result.skippedTooLong;
            continue;
        }
        std::wstring path(length + 1, L'\0');
        const UINT copied = ::DragQueryFileW(drop, i, path.data(), length + 1);
        if (copied == 0) continue;
        path.resize(copied < length ? copied : length);
        result.paths.push_back(std::move(path));
    }
    return result;
}

}  // namespace tarvelo::filelist::win
