#pragma once
// Whole-file reads and safe whole-file replacement on the Windows file
// system, long paths included.
#include "shell/byte_file_system.h"

namespace tarvelo::platform {

class Win32ByteFileSystem : public shell::ByteFileSystem {
public:
    // Files larger than this are not read (the data files hold a few KB; a
    // huge file is not ours and must not exhaust memory).
    static constexpr std::uint64_t kMaxReadBytes = 64ull << 20;

    bool exists(const std::wstring& path) const override;
    std::optional<std::vector<std::uint8_t>> readAll(const std::wstring& path) const override;

    // Writes a temporary file beside the target and swaps it in, so a failure
    // at any point (disk full, read-only file, a folder of that name, a
    // locked file) leaves the old file untouched.
    bool writeAll(const std::wstring& path, std::span<const std::uint8_t> bytes) override;
};

}  // namespace tarvelo::platform
