#pragma once
// Attribute data of one file or folder (size, attributes, the three times in
// local time) read with GetFileAttributesExW.
#include <windows.h>

#include <optional>
#include <string_view>

#include "filelist/describe_file.h"
#include "filelist/file_entry.h"

namespace tarvelo::platform {

// File time (UTC) -> local calendar fields; all zeros when a conversion fails.
filelist::LocalStamp localStampFromFileTime(const FILETIME& utc);

// Reads the path as given; when that fails and the path has no long-path
// prefix, tries again with its long-path form. Nothing when both fail.
std::optional<filelist::FileAttributeData> readFileAttributeData(std::wstring_view path);

class Win32FileAttributeReader final : public filelist::FileAttributeReader {
public:
    std::optional<filelist::FileAttributeData> read(std::wstring_view path) const override {
        return readFileAttributeData(path);
    }
};

}  // namespace tarvelo::platform
