#pragma once
// Whole-file access for the data-file store, so the store's rules can be
// tested without a disk. platform/ implements it with Win32.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarvelo::shell {

class ByteFileSystem {
public:
    virtual ~ByteFileSystem() = default;

    // True when path names an existing file (a folder is not a file).
    virtual bool exists(const std::wstring& path) const = 0;

    // The whole content, or nothing when the file cannot be opened or read.
    virtual std::optional<std::vector<std::uint8_t>> readAll(const std::wstring& path) const = 0;

    // Replaces the whole file (creating it when missing) with bytes. Either the
    // new content is complete on disk or the old file is left as it was.
    virtual bool writeAll(const std::wstring& path, std::span<const std::uint8_t> bytes) = 0;
};

}  // namespace tarvelo::shell
