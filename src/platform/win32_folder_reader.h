#pragma once
// The listing's reader on Windows: one FindFirstFileExW pass per folder
// (basic information, large fetch) that already carries size, attributes and
// times, so no item is opened or queried again.
#include <optional>
#include <string>
#include <string_view>

#include "filelist/folder_reader.h"

namespace tarvelo::platform {

class Win32FolderReader final : public filelist::FolderReader {
public:
    // SetCurrentDirectoryW; a folder too long for a current directory but
    // present (seen through its long-path form) still counts as entered.
    bool enterFolder(std::wstring_view folder) override;
    void listItems(std::wstring_view folder, filelist::ItemSink& sink) override;
    // GetFileAttributesExW, then the same with the long-path form.
    std::optional<filelist::FileAttributeData> readDetails(std::wstring_view fullPath) override;
};

// The search pattern of a folder: folder + "\*", in its long-path form when
// it would reach the classic path limit.
std::wstring searchPattern(std::wstring_view folder);

// Local minus UTC now, in 100-ns steps: the platform's file-time conversion
// applies today's bias to every time, and so does the listing.
int64_t currentLocalBias();

}  // namespace tarvelo::platform
