#include "fileops/rename_preview.h"

#include "common/path_split.h"
#include "fileops/operation_texts.h"

namespace tarvelo::fileops {

std::wstring renamePreview(const RenamePlan& plan, size_t itemCount, std::wstring_view collisionsPattern) {
    std::wstring text;
    for (size_t i = 0; i < plan.items.size() && i < kPreviewLines; ++i) {
        const RenameItem& item = plan.items[i];
        text += common::fileName(item.source) + L"  ->  " + common::fileName(item.target) + L"\r\n";
    }
    if (itemCount > kPreviewLines) text += L"...\r\n";
    text += fillPattern(collisionsPattern, plan.collisions());
    return text;
}

}  // namespace tarvelo::fileops
