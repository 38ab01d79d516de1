// Copying a file or a folder tree so that a good target is never damaged:
// a new target is written in place (and removed again when anything fails),
// an existing one is only replaced by a complete, flushed copy swapped in
// from beside it.
#include <windows.h>

#include <atomic>
#include <cwchar>

#include "platform/file_transfer.h"
#include "platform/file_transfer_detail.h"
#include "platform/unique_handle.h"

namespace tarvelo::platform {

using namespace transfer_detail;

namespace {

DWORD CALLBACK copyProgress(LARGE_INTEGER, LARGE_INTEGER transferred, LARGE_INTEGER, LARGE_INTEGER, DWORD,
                            DWORD, HANDLE, HANDLE, LPVOID data) {
    auto* run = static_cast<TransferRun*>(data);
    run->report(run->bytesDone + static_cast<std::uint64_t>(transferred.QuadPart));
    return run->cancelled() ? PROGRESS_CANCEL : PROGRESS_CONTINUE;
}

// A short name beside the target (a long target name plus a suffix could
// pass the 255-character limit of one name).
std::wstring temporaryBeside(const std::wstring& target) {
    static std::atomic<unsigned> counter{0};
    wchar_t name[48];
    std::swprintf(name, 48, L"~tv%lx-%x.tmp", static_cast<unsigned long>(GetCurrentProcessId()),
                  counter.fetch_add(1));
    std::wstring folder = parentOf(target);
    if (folder.back() != L'\\') folder += L'\\';
    return folder + name;
}

bool missingError(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

TransferResult copyFailure(const TransferRun& run, DWORD error) {
    if (run.cancelled() || error == ERROR_REQUEST_ABORTED) return failure(TransferError::cancelled);
    return platformFailure(error);
}

// Checks that the written file has the source's size (a peer may claim
// success for a file it could not hold), gives it the source's times and,
// when it is about to replace a file, forces it to disk.
TransferResult settle(const std::wstring& path, const SourceInfo& info, bool flush) {
    const bool readOnly = flush && (info.attributes & FILE_ATTRIBUTE_READONLY);
    if (readOnly) SetFileAttributesW(path.c_str(), info.attributes & ~FILE_ATTRIBUTE_READONLY);
    TransferResult result;
    {
        const DWORD access = FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES | (flush ? GENERIC_WRITE : 0);
        UniqueKernelHandle file(
            CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        BY_HANDLE_FILE_INFORMATION written{};
        if (!file || !GetFileInformationByHandle(file.get(), &written)) {
            result = platformFailure(GetLastError());
        } else if (((std::uint64_t(written.nFileSizeHigh) << 32) | written.nFileSizeLow) != info.size) {
            result = failure(TransferError::incomplete);
        } else if (!SetFileTime(file.get(), &info.created, nullptr, &info.written)) {
            result = platformFailure(GetLastError());
        } else if (flush && !FlushFileBuffers(file.get())) {
            result = platformFailure(GetLastError());
        }
    }
    if (readOnly) SetFileAttributesW(path.c_str(), info.attributes);
    return result;
}

// Replaces an existing file by a finished copy; the old file is untouched
// unless the swap itself succeeds.
TransferResult swapIn(const std::wstring& temporary, const std::wstring& target, DWORD targetAttributes) {
    clearBlockingAttributes(target, targetAttributes);
    if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return {};
    }
    const DWORD error = GetLastError();
    SetFileAttributesW(target.c_str(), targetAttributes);
    removeOwnFile(temporary);
    return platformFailure(error);
}

// A junction or folder link inside a copied folder: the link is made again
// (the platform copies the reparse point from the template), never followed.
TransferResult copyDirectoryLink(const std::wstring& source, const std::wstring& target) {
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) return failure(TransferError::targetExists);
    if (!CreateDirectoryExW(source.c_str(), target.c_str(), nullptr)) return platformFailure(GetLastError());
    const DWORD made = GetFileAttributesW(target.c_str());
    if (made == INVALID_FILE_ATTRIBUTES || !(made & FILE_ATTRIBUTE_REPARSE_POINT)) {
        // Only an empty folder came out: say so instead of pretending.
        RemoveDirectoryW(target.c_str());
        return platformFailure(ERROR_NOT_SUPPORTED);
    }
    return {};
}

SourceInfo infoFromFind(const WIN32_FIND_DATAW& data) {
    SourceInfo info;
    info.attributes = data.dwFileAttributes;
    info.size = (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    info.created = data.ftCreationTime;
    info.written = data.ftLastWriteTime;
    info.reparseTag = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? data.dwReserved0 : 0;
    return info;
}

void giveFolderMarks(const std::wstring& folder, const SourceInfo& info) {
    {
        UniqueKernelHandle handle(CreateFileW(folder.c_str(), FILE_WRITE_ATTRIBUTES,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (handle) SetFileTime(handle.get(), &info.created, nullptr, &info.written);
    }
    const DWORD marks = info.attributes & ~(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT);
    if (marks != 0 && marks != FILE_ATTRIBUTE_NORMAL) SetFileAttributesW(folder.c_str(), marks);
}

}  // namespace

namespace transfer_detail {

TransferResult copyOneFile(const std::wstring& source, const SourceInfo& info, const std::wstring& target,
                           TransferRun& run, bool copyLinkItself) {
    if (run.cancelled()) return failure(TransferError::cancelled);
    const DWORD flags = COPY_FILE_FAIL_IF_EXISTS | (copyLinkItself ? COPY_FILE_COPY_SYMLINK : 0);
    const DWORD targetAttributes = GetFileAttributesW(target.c_str());

    if (targetAttributes == INVALID_FILE_ATTRIBUTES) {
        // Only a target known to be absent may be cleaned up after a failure.
        const bool absent = missingError(GetLastError());
        if (!CopyFileExW(source.c_str(), target.c_str(), copyProgress, &run, nullptr, flags)) {
            const DWORD error = GetLastError();
            if (absent && error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) removeOwnFile(target);
            return copyFailure(run, error);
        }
        if (!copyLinkItself) {
            TransferResult settled = settle(target, info, false);
            if (!settled) {
                removeOwnFile(target);
                return settled;
            }
        }
    } else {
        if (targetAttributes & FILE_ATTRIBUTE_DIRECTORY) return failure(TransferError::targetIsFolder);
        if (!run.options.replaceExisting) return failure(TransferError::targetExists);
        const std::wstring temporary = temporaryBeside(target);
        if (!CopyFileExW(source.c_str(), temporary.c_str(), copyProgress, &run, nullptr, flags)) {
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) removeOwnFile(temporary);
            return copyFailure(run, error);
        }
        if (!copyLinkItself) {
            TransferResult settled = settle(temporary, info, true);
            if (!settled) {
                removeOwnFile(temporary);
                return settled;
            }
        }
        TransferResult swapped = swapIn(temporary, target, targetAttributes);
        if (!swapped) return swapped;
    }
    run.bytesDone += info.size;
    run.report(run.bytesDone);
    return {};
}

TransferResult copyTree(const std::wstring& source, const SourceInfo& info, const std::wstring& target,
                        TransferRun& run) {
    const DWORD existing = GetFileAttributesW(target.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES && !(existing & FILE_ATTRIBUTE_DIRECTORY)) {
        return failure(TransferError::targetIsFolder);  // a file where the folder should go
    }
    const bool created = existing == INVALID_FILE_ATTRIBUTES;
    if (created && !CreateDirectoryW(target.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        return platformFailure(GetLastError());
    }

    TransferResult result;
    WIN32_FIND_DATAW data;
    UniqueFindHandle find(FindFirstFileExW((source + L"\\*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                           nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) {
        if (GetLastError() != ERROR_FILE_NOT_FOUND) result = platformFailure(GetLastError());
    } else {
        do {
            const std::wstring_view name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            if (run.cancelled()) {
                result = failure(TransferError::cancelled);
                break;
            }
            const SourceInfo child = infoFromFind(data);
            const std::wstring from = source + L"\\" + data.cFileName;
            const std::wstring to = target + L"\\" + data.cFileName;
            TransferResult done;
            if (isDirectoryLink(child)) {
                done = copyDirectoryLink(from, to);
            } else if (child.attributes & FILE_ATTRIBUTE_DIRECTORY) {
                done = copyTree(from, child, to, run);
            } else {
                done = copyOneFile(from, child, to, run, child.reparseTag == IO_REPARSE_TAG_SYMLINK);
            }
            // One bad file does not stop the rest; the first failure is the answer.
            if (!done && result.ok()) result = done;
            if (done.error == TransferError::cancelled) break;
        } while (FindNextFileW(find.get(), &data));
        if (result.ok() && GetLastError() != ERROR_NO_MORE_FILES) result = platformFailure(GetLastError());
    }
    if (created) giveFolderMarks(target, info);
    return result;
}

}  // namespace transfer_detail

TransferResult copyItem(const std::wstring& source, const std::wstring& target, const TransferOptions& options) {
    const PreparedTransfer p = prepareTransfer(source, target);
    if (!p.ok()) return p.result;
    TransferRun run{options};
    return (p.info.attributes & FILE_ATTRIBUTE_DIRECTORY) ? copyTree(p.from, p.info, p.to, run)
                                                          : copyOneFile(p.from, p.info, p.to, run, false);
}

}  // namespace tarvelo::platform
