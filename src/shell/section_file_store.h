#pragma once
// The per-section data files: one UTF-16LE file per section next to the
// executable, lines of key=value under a three-line comment header. Holds
// paths and string lists that may contain any character.
#include <span>
#include <string>
#include <string_view>

#include "shell/byte_file_system.h"

namespace tarvelo::shell {

class SectionFileStore {
public:
    // executablePath names the data files (see dataFileName); files must
    // outlive the store.
    SectionFileStore(ByteFileSystem& files, std::wstring executablePath);

    // The value of key in the section's file: the first kept line containing
    // "key=" anywhere, with every "key=", CR and LF removed. Empty when the
    // section, the key, the file or a matching line is missing.
    std::wstring read(std::wstring_view section, std::wstring_view key) const;

    // Rewrites the section's file with key=value as its last line; every
    // other line containing "key=" is dropped. False (and the file left as it
    // was) when the section or key is empty, the existing file cannot be read,
    // or the new file cannot be written.
    bool write(std::wstring_view section, std::wstring_view key, std::wstring_view value);

    struct KeyValue {
        std::wstring key;
        std::wstring value;
    };
    // Several keys in one rewrite of the file, with the same result as
    // writing them one after another in the order given.
    bool writeMany(std::wstring_view section, std::span<const KeyValue> pairs);

    bool fileExists(std::wstring_view section) const;
    std::wstring filePath(std::wstring_view section) const;

private:
    ByteFileSystem& files_;
    std::wstring executablePath_;
};

}  // namespace tarvelo::shell
