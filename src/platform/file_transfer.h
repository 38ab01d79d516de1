#pragma once
// Copy, move and delete of one item (a file or a whole folder) that never
// loses a file: an existing target is replaced only by a complete, flushed
// copy; a move removes its source only after the copy is verified; every
// platform failure becomes a failed result. Paths of any length (the
// long-path form is used internally). No call throws.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tarvelo::platform {

// Why an item was not (completely) done. `none` only when it really was.
enum class TransferError : std::uint8_t {
    none,
    sourceMissing,   // the source does not exist (or vanished)
    sameItem,        // source and target are the same path
    intoItself,      // a folder copied or moved into itself or one of its subfolders
    targetExists,    // the target exists and replacing was not allowed
    targetIsFolder,  // a file would replace a folder, or a folder a file
    cancelled,       // the cancel flag was set
    incomplete,      // the copy did not verify (size or last-write time differs)
    platform,        // a system call failed; `code` has its error
};

struct TransferResult {
    TransferError error = TransferError::none;
    DWORD code = ERROR_SUCCESS;  // the platform's error code, when there is one
    bool ok() const noexcept { return error == TransferError::none; }
    explicit operator bool() const noexcept { return ok(); }
};

struct TransferOptions {
    // An existing target file may be replaced (after the new copy is complete).
    // Folders onto an existing folder always merge; files inside are replaced.
    bool replaceExisting = true;
    // Set from any thread: the item stops at the next chunk and fails with
    // `cancelled`; a partly written target is removed, an old target stays.
    const std::atomic<bool>* cancel = nullptr;
    // Called on the working thread with the bytes of the item done so far.
    std::function<void(std::uint64_t bytesDone)> onProgress;
};

// "\\?\" + path; "\\?\UNC\" + path without its two leading backslashes for a
// network path; unchanged when it already has the prefix. Relative paths are
// made full first.
std::wstring longPathForm(std::wstring_view path);

// Copies one file or a folder with everything below it. Links (junctions,
// symbolic links) inside a folder are copied as links, never followed. The
// target gets the source's attributes and times; the source is not changed.
// A missing parent folder of the target is created.
TransferResult copyItem(const std::wstring& source, const std::wstring& target,
                        const TransferOptions& options = {});

// Same volume: a rename. Across volumes: copy, verify every file's size and
// last-write time, then remove the source. A failure leaves the source
// intact. A folder onto an existing folder merges into it.
TransferResult moveItem(const std::wstring& source, const std::wstring& target,
                        const TransferOptions& options = {});

// MoveFileExW with replace-existing, copy-allowed and write-through (0x0B);
// when that fails, once more with both paths in long-path form.
bool renameWithReplace(const std::wstring& source, const std::wstring& target);

enum class DeleteMode : std::uint8_t { permanent, recycleBin };

// Deletes one file (not a folder). Read-only, hidden and system files are
// deleted too; when the deletion fails the file keeps the attributes it had.
// Success only when the file is really gone.
TransferResult deleteFile(const std::wstring& path, DeleteMode mode);

struct ItemSize {
    bool exists = false;
    bool isFolder = false;
    std::uint64_t bytes = 0;  // a file's size; for a folder the sum of all files below it
    std::uint64_t files = 0;
};

// Junctions and symbolic links below a folder (reparse tags 0xA000000C and
// 0xA0000003) are not entered.
ItemSize measureItem(const std::wstring& path);

}  // namespace tarvelo::platform
