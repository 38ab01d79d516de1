#pragma once
// The listing's view of the file system through Win32: one pass per folder
// with FindFirstFileExW, sizes, attributes and times taken from the search
// data itself.
#include "filelist/folder_reader.h"

namespace tarvelo::platform {

class Win32FolderReader final : public filelist::FolderReader {
public:
    bool enterFolder(std::wstring_view folder) override;
    void listItems(std::wstring_view folder, filelist::ItemSink& sink) override;
    std::optional<filelist::FileAttributeData> readDetails(std::wstring_view fullPath) override;
};

}  // namespace tarvelo::platform
