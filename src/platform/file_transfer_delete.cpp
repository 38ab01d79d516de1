// Deleting one file (permanently or to the recycle bin) and measuring an
// item's total size.
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "platform/file_transfer.h"
#include "platform/file_transfer_detail.h"
#include "platform/unique_handle.h"

namespace tarvelo::platform {

using namespace transfer_detail;

namespace {

// The shell takes no long-path prefix: the plain full path, twice terminated.
bool shellRecycle(const std::wstring& longPath) {
    std::wstring plain = longPath;
    if (plain.rfind(LR"(\\?\UNC\)", 0) == 0) {
        plain = L"\\\\" + plain.substr(8);
    } else if (plain.rfind(LR"(\\?\)", 0) == 0) {
        plain = plain.substr(4);
    }
    if (plain.size() >= MAX_PATH) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    std::vector<wchar_t> from(plain.begin(), plain.end());
    from.push_back(L'\0');
    from.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.data();
    operation.fFlags = FOF_NOERRORUI | FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT;
    const int result = SHFileOperationW(&operation);
    if (result != 0 || operation.fAnyOperationsAborted) {
        SetLastError(result != 0 ? static_cast<DWORD>(result) : ERROR_CANCELLED);
        return false;
    }
    return true;
}

// Marks the file for deletion through a handle and confirms the mark by
// opening the name again, which the system refuses for a file whose
// deletion is pending; the file goes when the handle closes. This needs no
// lookup of a vanished name (under Wine every lookup of a missing name reads
// the whole folder, which made deleting a big folder's files quadratic).
// Returns ERROR_SUCCESS, the platform's error, or ERROR_NOT_SUPPORTED when
// the volume takes no deletion by handle.
DWORD deleteByHandle(const std::wstring& longPath) {
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    UniqueKernelHandle file(CreateFileW(longPath.c_str(), DELETE | FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file) return GetLastError();
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    if (!SetFileInformationByHandle(file.get(), FileDispositionInfo, &disposition, sizeof disposition)) {
        const DWORD error = GetLastError();
        return error == ERROR_INVALID_PARAMETER || error == ERROR_INVALID_FUNCTION ? ERROR_NOT_SUPPORTED : error;
    }
    UniqueKernelHandle again(CreateFileW(longPath.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!again && GetLastError() == ERROR_ACCESS_DENIED) return ERROR_SUCCESS;
    // Claimed but not pending: take the mark back and let the plain call try.
    disposition.DeleteFile = FALSE;
    SetFileInformationByHandle(file.get(), FileDispositionInfo, &disposition, sizeof disposition);
    return ERROR_NOT_SUPPORTED;
}

// The plain call, confirmed by looking for the name afterwards.
DWORD deleteByName(const std::wstring& longPath, DeleteMode mode) {
    const bool called = mode == DeleteMode::recycleBin ? shellRecycle(longPath) : DeleteFileW(longPath.c_str()) != FALSE;
    if (!called) return GetLastError();
    return GetFileAttributesW(longPath.c_str()) != INVALID_FILE_ATTRIBUTES ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
}

void addFolderSize(const std::wstring& folder, ItemSize& size) {
    WIN32_FIND_DATAW data;
    UniqueFindHandle find(FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                           nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return;
    do {
        const std::wstring_view name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            const bool link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
                              (data.dwReserved0 == IO_REPARSE_TAG_SYMLINK ||
                               data.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT);
            if (!link) addFolderSize(folder + L"\\" + data.cFileName, size);
        } else {
            size.bytes += (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
            ++size.files;
        }
    } while (FindNextFileW(find.get(), &data));
}

}  // namespace

TransferResult deleteFile(const std::wstring& path, DeleteMode mode) {
    if (path.empty()) return failure(TransferError::sourceMissing);
    const std::wstring target = canonicalLongPath(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return TransferResult{TransferError::sourceMissing, GetLastError()};
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return failure(TransferError::targetIsFolder);

    clearBlockingAttributes(target, attributes);
    // Counted as done only when the deletion is confirmed.
    DWORD error = mode == DeleteMode::permanent ? deleteByHandle(target) : ERROR_NOT_SUPPORTED;
    if (error == ERROR_NOT_SUPPORTED) error = deleteByName(target, mode);
    if (error == ERROR_SUCCESS) return {};
    SetFileAttributesW(target.c_str(), attributes);  // a file that stays keeps its marks
    return platformFailure(error);
}

ItemSize measureItem(const std::wstring& path) {
    ItemSize size;
    if (path.empty()) return size;
    const std::wstring item = canonicalLongPath(path);
    SourceInfo info;
    if (!readSourceInfo(item, info)) return size;
    size.exists = true;
    size.isFolder = (info.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (size.isFolder) {
        addFolderSize(item, size);
    } else {
        size.bytes = info.size;
        size.files = 1;
    }
    return size;
}

}  // namespace tarvelo::platform
