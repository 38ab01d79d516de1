// Path forms and the small file-system helpers of the transfer primitives.
#include <windows.h>

#include "filelist/describe_file.h"
#include "platform/file_transfer.h"
#include "platform/file_transfer_detail.h"

namespace tarvelo::platform {

namespace {

bool hasLongPrefix(std::wstring_view path) {
    return path.size() >= 4 && path.substr(0, 4) == LR"(\\?\)";
}

std::wstring fullPathOf(std::wstring_view path) {
    const std::wstring input(path);
    DWORD needed = GetFullPathNameW(input.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return input;
    std::wstring full(needed, L'\0');
    const DWORD written = GetFullPathNameW(input.c_str(), needed, full.data(), nullptr);
    if (written == 0 || written >= needed) return input;
    full.resize(written);
    return full;
}

// Length of the root that keeps its backslash: "\\?\C:\" (7) or
// "\\?\UNC\srv\share" (up to the share's end).
size_t rootLength(const std::wstring& longPath) {
    if (longPath.size() >= 7 && longPath[5] == L':') return 7;
    if (longPath.rfind(LR"(\\?\UNC\)", 0) == 0) {
        size_t server = longPath.find(L'\\', 8);
        if (server == std::wstring::npos) return longPath.size();
        size_t share = longPath.find(L'\\', server + 1);
        return share == std::wstring::npos ? longPath.size() : share;
    }
    return 4;
}

}  // namespace

std::wstring longPathForm(std::wstring_view path) {
    if (hasLongPrefix(path) || path.substr(0, 4) == LR"(\\.\)") return std::wstring(path);
    // The prefix turns off the system's own clean-up of the path, so do it first.
    return filelist::withLongPathPrefix(fullPathOf(path));
}

namespace transfer_detail {

std::wstring canonicalLongPath(std::wstring_view path) {
    std::wstring form = longPathForm(path);
    for (wchar_t& c : form) {
        if (c == L'/') c = L'\\';
    }
    const size_t root = rootLength(form);
    while (form.size() > root && form.back() == L'\\') form.pop_back();
    return form;
}

bool isSameOrBelow(const std::wstring& folder, const std::wstring& path) {
    if (folder.empty() || path.size() < folder.size()) return false;
    if (CompareStringOrdinal(path.data(), static_cast<int>(folder.size()), folder.data(),
                             static_cast<int>(folder.size()), TRUE) != CSTR_EQUAL) {
        return false;
    }
    return path.size() == folder.size() || folder.back() == L'\\' || path[folder.size()] == L'\\';
}

std::wstring parentOf(const std::wstring& longPath) {
    const size_t root = rootLength(longPath);
    const size_t slash = longPath.rfind(L'\\');
    if (slash == std::wstring::npos || slash < root) return longPath.substr(0, root);
    if (slash + 1 == root) return longPath.substr(0, root);
    return longPath.substr(0, slash);
}

bool ensureFolder(const std::wstring& longPath) {
    DWORD attributes = GetFileAttributesW(longPath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) return true;
        SetLastError(ERROR_DIRECTORY);  // a file stands where the folder should be
        return false;
    }
    const std::wstring parent = parentOf(longPath);
    if (parent.size() < longPath.size() && !ensureFolder(parent)) return false;
    if (CreateDirectoryW(longPath.c_str(), nullptr)) return true;
    const DWORD error = GetLastError();
    attributes = GetFileAttributesW(longPath.c_str());  // made by someone else meanwhile
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
    SetLastError(error == ERROR_ALREADY_EXISTS ? ERROR_DIRECTORY : error);
    return false;
}

bool readSourceInfo(const std::wstring& longPath, SourceInfo& info) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(longPath.c_str(), GetFileExInfoStandard, &data)) return false;
    info.attributes = data.dwFileAttributes;
    info.size = (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    info.created = data.ftCreationTime;
    info.written = data.ftLastWriteTime;
    info.reparseTag = 0;
    if (info.attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        WIN32_FIND_DATAW find{};
        HANDLE h = FindFirstFileExW(longPath.c_str(), FindExInfoBasic, &find, FindExSearchNameMatch, nullptr, 0);
        if (h != INVALID_HANDLE_VALUE) {
            info.reparseTag = find.dwReserved0;
            FindClose(h);
        }
    }
    return true;
}

bool isDirectoryLink(const SourceInfo& info) {
    return (info.attributes & FILE_ATTRIBUTE_DIRECTORY) && (info.attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

DWORD clearBlockingAttributes(const std::wstring& longPath, DWORD attributes) {
    constexpr DWORD kBlocking = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kBlocking)) {
        DWORD cleared = attributes & ~kBlocking & (FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
        SetFileAttributesW(longPath.c_str(), cleared ? cleared : FILE_ATTRIBUTE_NORMAL);
    }
    return attributes;
}

void removeOwnFile(const std::wstring& longPath) {
    SetFileAttributesW(longPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(longPath.c_str());
}

TransferResult platformFailure(DWORD code) {
    return TransferResult{TransferError::platform, code == ERROR_SUCCESS ? ERROR_GEN_FAILURE : code};
}

TransferResult failure(TransferError error) { return TransferResult{error, ERROR_SUCCESS}; }

PreparedTransfer prepareTransfer(const std::wstring& source, const std::wstring& target) {
    PreparedTransfer p;
    p.from = canonicalLongPath(source);
    p.to = canonicalLongPath(target);
    if (source.empty() || !readSourceInfo(p.from, p.info)) {
        p.result = TransferResult{TransferError::sourceMissing, GetLastError()};
    } else if (target.empty()) {
        p.result = platformFailure(ERROR_INVALID_NAME);
    } else if (CompareStringOrdinal(p.from.c_str(), -1, p.to.c_str(), -1, TRUE) == CSTR_EQUAL) {
        p.result = failure(TransferError::sameItem);
    } else if ((p.info.attributes & FILE_ATTRIBUTE_DIRECTORY) && isSameOrBelow(p.from, p.to)) {
        p.result = failure(TransferError::intoItself);
    } else if (!ensureFolder(parentOf(p.to))) {
        p.result = platformFailure(GetLastError());
    }
    return p;
}

}  // namespace transfer_detail

}  // namespace tarvelo::platform
