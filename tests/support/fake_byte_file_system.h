#pragma once
// In-memory files for the data-file store; files can be made unreadable or
// unwritable to check that a failed write leaves them as they were.
#include <map>
#include <set>

#include "shell/byte_file_system.h"

namespace tarvelo::testing {

class FakeByteFileSystem : public shell::ByteFileSystem {
public:
    std::map<std::wstring, std::vector<std::uint8_t>> files;
    std::set<std::wstring> unreadable;
    std::set<std::wstring> unwritable;
    int writes = 0;
    mutable int reads = 0;

    bool exists(const std::wstring& path) const override { return files.count(path) != 0; }

    std::optional<std::vector<std::uint8_t>> readAll(const std::wstring& path) const override {
        ++reads;
        auto it = files.find(path);
        if (it == files.end() || unreadable.count(path)) return std::nullopt;
        return it->second;
    }

    bool writeAll(const std::wstring& path, std::span<const std::uint8_t> bytes) override {
        ++writes;
        if (unwritable.count(path)) return false;
        files[path].assign(bytes.begin(), bytes.end());
        return true;
    }
};

}  // namespace tarvelo::testing
