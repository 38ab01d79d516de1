#include "platform/win32_folder_reader.h"

#include <windows.h>

#include <string>

#include "platform/unique_handle.h"
#include "platform/win32_file_info.h"

namespace tarvelo::platform {

namespace {

// Folders deeper than the classic limit need the long-path form for the
// search itself.
std::wstring searchPattern(std::wstring_view folder) {
    std::wstring pattern(folder);
    if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
    pattern += L"*.*";
    if (pattern.size() >= MAX_PATH && pattern.rfind(L"\\\\?\\", 0) != 0) {
        pattern = pattern.rfind(L"\\\\", 0) == 0 ? L"\\\\?\\UNC\\" + pattern.substr(2) : L"\\\\?\\" + pattern;
    }
    return pattern;
}

}  // namespace

bool Win32FolderReader::enterFolder(std::wstring_view folder) {
    std::wstring path(folder);
    if (SetCurrentDirectoryW(path.c_str())) return true;
    // Deep folders cannot be made current on every system; the search can
    // still list them through the long-path form.
    DWORD attributes = GetFileAttributesW(filelist::withLongPathPrefix(path).c_str());
    return path.size() >= MAX_PATH - 12 && attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void Win32FolderReader::listItems(std::wstring_view folder, filelist::ItemSink& sink) {
    WIN32_FIND_DATAW data;
    UniqueFindHandle find(FindFirstFileExW(searchPattern(folder).c_str(), FindExInfoBasic, &data,
                                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return;
    do {
        filelist::FoundItem item;
        item.name = data.cFileName;
        item.attributes = data.dwFileAttributes;
        item.detailsKnown = true;
        item.details.attributes = data.dwFileAttributes;
        item.details.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        item.details.created = localStampFromFileTime(data.ftCreationTime);
        item.details.accessed = localStampFromFileTime(data.ftLastAccessTime);
        item.details.modified = localStampFromFileTime(data.ftLastWriteTime);
        if (!sink.take(item)) break;
    } while (FindNextFileW(find.get(), &data));
}

std::optional<filelist::FileAttributeData> Win32FolderReader::readDetails(std::wstring_view fullPath) {
    return readFileAttributeData(fullPath);
}

}  // namespace tarvelo::platform
