#include "preview/win/expansion_cleanup.h"

#include <windows.h>

#include "platform/folder_removal.h"
#include "preview/expansion_folder.h"

namespace tarvelo::preview::win {

bool removeExpansionFolder(const std::wstring& moduleFolder) {
    const std::wstring folder = expansionFolderFor(moduleFolder);
    if (folder.empty()) return false;
    const std::wstring path = folder.substr(0, folder.size() - 1);
    const DWORD a = GetFileAttributesW(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return true;
    if (!(a & FILE_ATTRIBUTE_DIRECTORY)) return false;
    if (a & FILE_ATTRIBUTE_REPARSE_POINT) return RemoveDirectoryW(path.c_str()) != FALSE;
    return platform::removeFolderTree(path);
}

}  // namespace tarvelo::preview::win
