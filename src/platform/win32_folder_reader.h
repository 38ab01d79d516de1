#pragma once
// The listing's reader on Windows. A folder is read in bulk: one handle, and
// GetFileInformationByHandleEx fills a large buffer with many items (name,
// size, attributes, times) per call. Where a volume or system refuses that
// call (some network and FAT volumes, older Wine), the classic
// FindFirstFileExW pass (basic information, large fetch) reads the folder
// instead; it too carries the data, so no item is opened or queried again.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "filelist/folder_reader.h"

namespace tarvelo::platform {

enum class ReadMethod : uint8_t {
    Bulk,     // GetFileInformationByHandleEx, falling back to Classic
    Classic,  // FindFirstFileExW only
};

// Bulk buffer per folder being read. 64 KiB holds about 600 typical items;
// bigger buffers measured no faster and each level of a subfolder-mode
// descent holds its own.
inline constexpr size_t kBulkBufferBytes = size_t{64} << 10;

class Win32FolderReader final : public filelist::FolderReader {
public:
    explicit Win32FolderReader(ReadMethod method = ReadMethod::Bulk, size_t bulkBufferBytes = kBulkBufferBytes);

    // SetCurrentDirectoryW; a folder too long for a current directory but
    // present (seen through its long-path form) still counts as entered.
    bool enterFolder(std::wstring_view folder) override;
    std::unique_ptr<filelist::FolderReader> companion() const override;
    void listItems(std::wstring_view folder, filelist::ItemSink& sink) override;
    // GetFileAttributesExW, then the same with the long-path form.
    std::optional<filelist::FileAttributeData> readDetails(std::wstring_view fullPath) override;

    // The method that served the last listItems (Classic after a refused
    // bulk read).
    ReadMethod lastMethod() const { return lastMethod_; }

private:
    // False when the bulk call was refused before any item was reported.
    bool listBulk(std::wstring_view folder, filelist::ItemSink& sink, int64_t bias);
    void listClassic(std::wstring_view folder, filelist::ItemSink& sink, int64_t bias);

    ReadMethod method_;
    size_t bufferBytes_;
    ReadMethod lastMethod_ = ReadMethod::Classic;
};

// The search pattern of a folder: folder + "\*", in its long-path form when
// it would reach the classic path limit.
std::wstring searchPattern(std::wstring_view folder);

// The folder as CreateFileW opens it: in its long-path form when it would
// reach the classic path limit.
std::wstring openablePath(std::wstring_view folder);

// Local minus UTC now, in 100-ns steps: the platform's file-time conversion
// applies today's bias to every time, and so does the listing.
int64_t currentLocalBias();

}  // namespace tarvelo::platform
