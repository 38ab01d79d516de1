#pragma once
// The multi-line description of a file (location, name, size, last write)
// that the rename conflict messages show.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "filelist/file_entry.h"

namespace tarvelo::filelist {

// A path split for showing: root ("C:" or "\\server\share"), folder (up to
// and including the last backslash), stem and extension (with its dot).
struct DescriptionParts {
    std::wstring root;
    std::wstring folder;
    std::wstring stem;
    std::wstring extension;
};

// "\\?\C:\..." is read as "C:\...", "\\?\UNC\srv\share\..." as "\\srv\share\...".
DescriptionParts splitForDescription(std::wstring_view path);

// The long-path form of a path: "\\?\" + path for drive paths,
// "\\?\UNC\" + path without its two leading backslashes for network paths;
// a path that already has the prefix is returned unchanged.
std::wstring withLongPathPrefix(std::wstring_view path);

// The file system's standard attribute data of one item, times in local time.
struct FileAttributeData {
    uint64_t size = 0;
    uint32_t attributes = 0;
    LocalStamp created;
    LocalStamp accessed;
    LocalStamp modified;
};

// Reads attribute data; nothing when the item cannot be read.
class FileAttributeReader {
public:
    virtual ~FileAttributeReader() = default;
    virtual std::optional<FileAttributeData> read(std::wstring_view path) const = 0;
};

// "root folder\r\nstem ext\r\n<grouped size> Byte\r\nYYYY/MM/DD hh:mm:ss\r\n";
// empty when the attribute data cannot be read. Long paths (260 characters
// or more) are read through their long-path form.
std::wstring describeFile(std::wstring_view path, const FileAttributeReader& reader);

}  // namespace tarvelo::filelist
