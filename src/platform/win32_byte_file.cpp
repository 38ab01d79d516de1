#include "platform/win32_byte_file.h"

#include <windows.h>

#include <algorithm>
#include <atomic>

#include "platform/unique_handle.h"

namespace tarvelo::platform {

namespace {

// Full paths this long get the \\?\ prefix; the margin leaves room for the
// temporary file's suffix.
constexpr size_t kPrefixFrom = 240;

std::wstring fullPath(const std::wstring& path) {
    DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::wstring full(needed, L'\0');
    DWORD written = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (written == 0 || written >= needed) return path;
    full.resize(written);
    return full;
}

// The path in a form the file calls accept at any length.
std::wstring longPathForm(const std::wstring& path) {
    if (path.rfind(L"\\\\?\\", 0) == 0 || path.rfind(L"\\\\.\\", 0) == 0) return path;
    if (path.size() < kPrefixFrom) return path;
    const std::wstring full = fullPath(path);  // \\?\ paths are taken literally
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\') return L"\\\\?\\" + full;
    return path;
}

bool writeAllTo(HANDLE file, std::span<const std::uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return FlushFileBuffers(file) != 0;
}

constexpr int kSwapAttempts = 20;
constexpr DWORD kSwapRetryMs = 25;

// Refusals that pass once another program closes the file.
bool isMomentaryRefusal(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Whether the target may be replaced now: nobody holds it without sharing
// its deletion.
bool swappable(const std::wstring& target) {
    UniqueKernelHandle probe(CreateFileW(target.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(probe);
}

// A name beside the target no other writer uses at the same time.
std::wstring temporaryNameFor(const std::wstring& target) {
    static std::atomic<unsigned> counter{0};
    return target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(counter.fetch_add(1)) + L".tmp";
}

}  // namespace

bool Win32ByteFileSystem::exists(const std::wstring& path) const {
    const DWORD attributes = GetFileAttributesW(longPathForm(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::vector<std::uint8_t>> Win32ByteFileSystem::readAll(
    const std::wstring& path) const {
    UniqueKernelHandle file(CreateFileW(longPathForm(path).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<std::uint64_t>(size.QuadPart) > kMaxReadBytes) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                      &got, nullptr)) {
            return std::nullopt;
        }
        if (got == 0) break;  // shrank while we read: keep what was there
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

bool Win32ByteFileSystem::writeAll(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    const std::wstring target = longPathForm(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool targetExists = attributes != INVALID_FILE_ATTRIBUTES;
    // Swapping a new file in would get round the read-only mark; a folder of
    // that name is not ours to replace.
    if (targetExists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        return false;
    }

    const std::wstring temporary = temporaryNameFor(target);
    {
        UniqueKernelHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        if (!writeAllTo(file.get(), bytes)) {
            file.reset();
            DeleteFileW(temporary.c_str());
            return false;
        }
    }

    bool replaced = false;
    // Another program (a virus scanner, an indexer, a backup) may hold the
    // file open for a moment; the swap is tried again before giving up.
    for (int attempt = 0; attempt < kSwapAttempts && !replaced; ++attempt) {
        if (attempt > 0) Sleep(kSwapRetryMs);
        if (targetExists && GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
            // Asked first: some systems leave a stray backup file beside the
            // target when the swap itself is refused.
            if (!swappable(target)) {
                if (isMomentaryRefusal(GetLastError())) continue;
                break;
            }
            // Keeps the old file's attributes and security on the new content.
            replaced = ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                    REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0;
            // The old file is gone but the new one was not renamed: finish the job.
            if (!replaced && GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT) {
                replaced = MoveFileExW(temporary.c_str(), target.c_str(),
                                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
            }
        } else {
            replaced = MoveFileExW(temporary.c_str(), target.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        }
        if (!replaced && !isMomentaryRefusal(GetLastError())) break;
    }
    if (!replaced) DeleteFileW(temporary.c_str());
    return replaced;
}

}  // namespace tarvelo::platform
