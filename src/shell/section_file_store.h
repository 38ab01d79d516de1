#pragma once
// The per-section data files: one UTF-16LE file per section next to the
// executable, lines of key=value under a three-line comment header. Holds
// paths and string lists that may contain any character.
//
// Every read or write takes the file whole, once: a data file may grow to
// megabytes (hand-edited, or filled by another tool), and neither the start
// nor the exit may slow down with it more than linearly.
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/byte_file_system.h"

namespace tarvelo::shell {

enum class DataFileState {
    Missing,     // no such file: reads as empty values, may be created
    Readable,
    Unreadable,  // exists but could not be read: read-only for the rest of the run
};

struct SectionValues {
    DataFileState state = DataFileState::Missing;
    std::vector<std::wstring> values;  // one per key asked for, "" when missing
};

class SectionFileStore {
public:
    // executablePath names the data files (see dataFileName); files must
    // outlive the store.
    SectionFileStore(ByteFileSystem& files, std::wstring executablePath);

    // The value of key in the section's file: the first kept line containing
    // "key=" anywhere, with every "key=", CR and LF removed. Empty when the
    // section, the key, the file or a matching line is missing.
    std::wstring read(std::wstring_view section, std::wstring_view key) const;

    // Several keys from one read of the file, each by the rule of read().
    // A file that exists but cannot be read is reported as such (never as
    // empty keys) and the section becomes read-only for this store.
    SectionValues readMany(std::wstring_view section, std::span<const std::wstring> keys) const;

    // Rewrites the section's file with key=value as its last line; every
    // other line containing "key=" is dropped. False (and the file left as it
    // was) when the section or key is empty, the section is read-only, the
    // existing file cannot be read, or the new file cannot be written.
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

    // Whether the section's file was found unreadable during this store's life.
    bool isReadOnly(std::wstring_view section) const;
    // True once, after the first write refused because its section is
    // read-only: the user is told then, and not again.
    bool takeReadOnlyNotice();

private:
    ByteFileSystem& files_;
    std::wstring executablePath_;
    mutable std::set<std::wstring, std::less<>> readOnly_;
    bool refusedReadOnly_ = false;
    bool noticeGiven_ = false;
};

}  // namespace tarvelo::shell
