// Moving a file or folder: a rename where the volume allows it, otherwise a
// verified copy followed by the removal of the source.
#include <windows.h>

#include "platform/file_transfer.h"
#include "platform/file_transfer_detail.h"
#include "platform/folder_removal.h"
#include "platform/unique_handle.h"

namespace tarvelo::platform {

using namespace transfer_detail;

namespace {

// FAT volumes keep the last-write time in 2-second steps.
constexpr std::uint64_t kTimeSlack = 2ull * 10'000'000ull;

std::uint64_t ticks(const FILETIME& time) { return (std::uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime; }

bool sameTime(const FILETIME& a, const FILETIME& b) {
    const std::uint64_t x = ticks(a);
    const std::uint64_t y = ticks(b);
    return (x > y ? x - y : y - x) <= kTimeSlack;
}

TransferResult verifyFile(const SourceInfo& info, const std::wstring& target) {
    SourceInfo copy;
    if (!readSourceInfo(target, copy)) return failure(TransferError::incomplete);
    if ((copy.attributes & FILE_ATTRIBUTE_DIRECTORY) != (info.attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return failure(TransferError::incomplete);
    }
    if (info.attributes & FILE_ATTRIBUTE_DIRECTORY) return {};
    if (info.attributes & FILE_ATTRIBUTE_REPARSE_POINT) return {};  // a link: its own size means nothing
    if (copy.size != info.size || !sameTime(copy.written, info.written)) return failure(TransferError::incomplete);
    return {};
}

TransferResult removeSource(const std::wstring& source, const SourceInfo& info) {
    if (info.attributes & FILE_ATTRIBUTE_DIRECTORY) {
        clearBlockingAttributes(source, info.attributes);
        if (removeFolderTree(source)) return {};
        const DWORD error = GetLastError();
        if (GetFileAttributesW(source.c_str()) != INVALID_FILE_ATTRIBUTES) {
            SetFileAttributesW(source.c_str(), info.attributes & ~FILE_ATTRIBUTE_DIRECTORY);
        }
        return platformFailure(error);
    }
    clearBlockingAttributes(source, info.attributes);
    if (DeleteFileW(source.c_str())) return {};
    const DWORD error = GetLastError();
    SetFileAttributesW(source.c_str(), info.attributes);
    return platformFailure(error);
}

TransferResult moveInto(const std::wstring& source, const SourceInfo& info, const std::wstring& target,
                        TransferRun& run);

// A folder onto an existing folder: every entry is moved into it; the
// source folder goes only when it is empty afterwards.
TransferResult mergeFolder(const std::wstring& source, const SourceInfo& info, const std::wstring& target,
                           TransferRun& run) {
    TransferResult result;
    WIN32_FIND_DATAW data;
    UniqueFindHandle find(FindFirstFileExW((source + L"\\*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                           nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (find) {
        do {
            const std::wstring_view name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            if (run.cancelled()) {
                result = failure(TransferError::cancelled);
                break;
            }
            SourceInfo child;
            const std::wstring from = source + L"\\" + data.cFileName;
            if (!readSourceInfo(from, child)) continue;  // gone meanwhile: nothing of it to lose
            TransferResult done = moveInto(from, child, target + L"\\" + data.cFileName, run);
            if (!done && result.ok()) result = done;
            if (done.error == TransferError::cancelled) break;
        } while (FindNextFileW(find.get(), &data));
    }
    find.reset();
    if (result.ok()) {
        clearBlockingAttributes(source, info.attributes);
        if (!RemoveDirectoryW(source.c_str())) {
            result = platformFailure(GetLastError());
            SetFileAttributesW(source.c_str(), info.attributes & ~FILE_ATTRIBUTE_DIRECTORY);
        }
    }
    return result;
}

TransferResult moveInto(const std::wstring& source, const SourceInfo& info, const std::wstring& target,
                        TransferRun& run) {
    const bool isFolder = (info.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const DWORD targetAttributes = GetFileAttributesW(target.c_str());
    const bool targetExists = targetAttributes != INVALID_FILE_ATTRIBUTES;
    if (targetExists) {
        if (isFolder != ((targetAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)) {
            return failure(TransferError::targetIsFolder);
        }
        if (isFolder) return mergeFolder(source, info, target, run);
        if (!run.options.replaceExisting) return failure(TransferError::targetExists);
        clearBlockingAttributes(target, targetAttributes);
    }
    // No copy-allowed flag: a rename or nothing, so a failure cannot leave half a copy.
    if (MoveFileExW(source.c_str(), target.c_str(), targetExists ? MOVEFILE_REPLACE_EXISTING : 0)) {
        // A renamed folder's bytes are only counted when someone shows them.
        run.bytesDone += isFolder ? (run.options.onProgress ? measureItem(target).bytes : 0) : info.size;
        run.report(run.bytesDone);
        return {};
    }
    const DWORD error = GetLastError();
    if (targetExists) SetFileAttributesW(target.c_str(), targetAttributes);
    if (error != ERROR_NOT_SAME_DEVICE) return platformFailure(error);
    return moveByCopy(source, info, target, run);
}

}  // namespace

namespace transfer_detail {

TransferResult verifyCopy(const std::wstring& source, const SourceInfo& info, const std::wstring& target) {
    TransferResult result = verifyFile(info, target);
    if (!result || !(info.attributes & FILE_ATTRIBUTE_DIRECTORY) || isDirectoryLink(info)) return result;
    WIN32_FIND_DATAW data;
    UniqueFindHandle find(FindFirstFileExW((source + L"\\*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                           nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return result;
    do {
        const std::wstring_view name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        SourceInfo child;
        child.attributes = data.dwFileAttributes;
        child.size = (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        child.written = data.ftLastWriteTime;
        TransferResult done = verifyCopy(source + L"\\" + data.cFileName, child, target + L"\\" + data.cFileName);
        if (!done) return done;
    } while (FindNextFileW(find.get(), &data));
    return result;
}

TransferResult moveByCopy(const std::wstring& source, const SourceInfo& info, const std::wstring& target,
                          TransferRun& run) {
    const bool isFolder = (info.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    TransferResult copied = isFolder ? copyTree(source, info, target, run) : copyOneFile(source, info, target, run, false);
    if (!copied) return copied;
    TransferResult verified = verifyCopy(source, info, target);
    if (!verified) return verified;
    if (run.cancelled()) return failure(TransferError::cancelled);  // the copy stays; the source too
    return removeSource(source, info);
}

}  // namespace transfer_detail

TransferResult moveItem(const std::wstring& source, const std::wstring& target, const TransferOptions& options) {
    const PreparedTransfer p = prepareTransfer(source, target);
    if (!p.ok()) return p.result;
    TransferRun run{options};
    return moveInto(p.from, p.info, p.to, run);
}

bool renameWithReplace(const std::wstring& source, const std::wstring& target) {
    constexpr DWORD kFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH;
    if (MoveFileExW(source.c_str(), target.c_str(), kFlags)) return true;
    return MoveFileExW(longPathForm(source).c_str(), longPathForm(target).c_str(), kFlags) != FALSE;
}

}  // namespace tarvelo::platform
