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
    const bool called = mode == DeleteMode::recycleBin ? shellRecycle(target) : DeleteFileW(target.c_str()) != FALSE;
    DWORD error = called ? ERROR_SUCCESS : GetLastError();
    // The shell's answer is not trusted: counted as done only when the name is
    // really gone. DeleteFileW's success already means gone (or pending until
    // the last handle closes), and looking a missing name up again costs a
    // whole folder scan on some file systems, so it is taken as it is.
    if (called && mode == DeleteMode::recycleBin && GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
        error = ERROR_ACCESS_DENIED;
    }
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
