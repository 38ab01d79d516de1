#include "platform/folder_removal.h"

#include <windows.h>

#include "platform/unique_handle.h"

namespace tarvelo::platform {

namespace {

std::wstring withLongPrefix(const std::wstring& path) {
    if (path.rfind(L"\\\\?\\", 0) == 0 || path.size() < 248) return path;
    if (path.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + path.substr(2);
    return L"\\\\?\\" + path;
}

bool removeTree(const std::wstring& folder) {
    bool ok = true;
    WIN32_FIND_DATAW data;
    UniqueFindHandle find(FindFirstFileExW(withLongPrefix(folder + L"\\*").c_str(), FindExInfoBasic, &data,
                                           FindExSearchNameMatch, nullptr, 0));
    if (find) {
        do {
            std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = folder + L"\\" + name;
            std::wstring target = withLongPrefix(path);
            const bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            const bool isLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
                SetFileAttributesW(target.c_str(), data.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
            }
            if (isFolder && isLink) {
                ok = RemoveDirectoryW(target.c_str()) != FALSE && ok;
            } else if (isFolder) {
                ok = removeTree(path) && ok;
            } else {
                ok = DeleteFileW(target.c_str()) != FALSE && ok;
            }
        } while (FindNextFileW(find.get(), &data));
    }
    return RemoveDirectoryW(withLongPrefix(folder).c_str()) != FALSE && ok;
}

}  // namespace

bool removeFolderTree(const std::wstring& folder) {
    std::wstring path = folder;
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    DWORD attributes = GetFileAttributesW(withLongPrefix(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;  // nothing to remove
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return RemoveDirectoryW(withLongPrefix(path).c_str()) != FALSE;
    return removeTree(path);
}

}  // namespace tarvelo::platform
