#pragma once
// Pieces shared by the copy, move and delete primitives (not for callers).
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/file_transfer.h"

namespace tarvelo::platform::transfer_detail {

// What the copy needs to know about a source file, taken from its find data
// or attribute query.
struct SourceInfo {
    DWORD attributes = 0;
    std::uint64_t size = 0;
    FILETIME created{};
    FILETIME written{};
    DWORD reparseTag = 0;  // from find data; 0 when unknown or none
};

// The attribute data of a path in long-path form; false when it cannot be read.
bool readSourceInfo(const std::wstring& longPath, SourceInfo& info);

bool isDirectoryLink(const SourceInfo& info);

// "\\?\C:\a\b" for "C:\a\b\" (trailing separators dropped, root kept).
std::wstring canonicalLongPath(std::wstring_view path);

// Whether `path` is `folder` itself or lies somewhere below it (both
// canonical long-path forms; letter case ignored as the file system does).
bool isSameOrBelow(const std::wstring& folder, const std::wstring& path);

// The folder part of a canonical long path ("\\?\C:\a" for "\\?\C:\a\b").
std::wstring parentOf(const std::wstring& longPath);

// Creates a folder with every missing level; true when it exists afterwards.
bool ensureFolder(const std::wstring& longPath);

// Clears the marks that block deleting or replacing; gives the old ones back.
DWORD clearBlockingAttributes(const std::wstring& longPath, DWORD attributes);

// Removes a file this code created (clearing read-only first).
void removeOwnFile(const std::wstring& longPath);

TransferResult platformFailure(DWORD code);
TransferResult failure(TransferError error);

// The checks copyItem and moveItem share before anything is touched: both
// paths in canonical long-path form, the source's data read, the target not
// the source itself nor (for a folder) inside it, and the target's folder
// made. A failure leaves `prepared` ok() false with the reason.
struct PreparedTransfer {
    std::wstring from;
    std::wstring to;
    SourceInfo info;
    TransferResult result;
    bool ok() const { return result.ok(); }
};
PreparedTransfer prepareTransfer(const std::wstring& source, const std::wstring& target);

// Progress and cancellation for one item, shared by its files.
struct TransferRun {
    const TransferOptions& options;
    std::uint64_t bytesDone = 0;
    bool cancelled() const { return options.cancel && options.cancel->load(std::memory_order_relaxed); }
    void report(std::uint64_t bytes) const {
        if (options.onProgress) options.onProgress(bytes);
    }
};

// Copies one file into place (both canonical long paths); see copyItem.
TransferResult copyOneFile(const std::wstring& source, const SourceInfo& info, const std::wstring& target,
                           TransferRun& run, bool copyLinkItself);

// Copies a folder tree into `target` (created or merged).
TransferResult copyTree(const std::wstring& source, const SourceInfo& info, const std::wstring& target,
                        TransferRun& run);

// A move that cannot be a rename: copy, verify every file, then remove the
// source. Any failure before the removal leaves the source as it was.
TransferResult moveByCopy(const std::wstring& source, const SourceInfo& info, const std::wstring& target,
                          TransferRun& run);

// Every file below `source` (or the file itself) exists at `target` with the
// same size and last-write time (within the 2 s a FAT volume keeps).
TransferResult verifyCopy(const std::wstring& source, const SourceInfo& info, const std::wstring& target);

}  // namespace tarvelo::platform::transfer_detail
