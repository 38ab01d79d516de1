#include "platform/win32_folder_reader.h"

#include <windows.h>

#include "filelist/file_time.h"
#include "platform/unique_handle.h"
#include "platform/win32_file_info.h"

namespace tarvelo::platform {
namespace {

uint64_t ticks(const FILETIME& t) { return (uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; }

bool hasLongPrefix(std::wstring_view path) { return path.substr(0, 4) == LR"(\\?\)"; }

}  // namespace

int64_t currentLocalBias() {
    FILETIME now{};
    FILETIME local{};
    ::GetSystemTimeAsFileTime(&now);
    if (!::FileTimeToLocalFileTime(&now, &local)) return 0;
    return static_cast<int64_t>(ticks(local) - ticks(now));
}

std::wstring searchPattern(std::wstring_view folder) {
    std::wstring pattern(folder);
    if (pattern.empty() || (pattern.back() != L'\\' && pattern.back() != L'/')) pattern.push_back(L'\\');
    // "*" matches what "*.*" matches on Windows, including names without a dot.
    pattern.push_back(L'*');
    if (pattern.size() >= MAX_PATH && !hasLongPrefix(pattern)) return filelist::withLongPathPrefix(pattern);
    return pattern;
}

bool Win32FolderReader::enterFolder(std::wstring_view folder) {
    const std::wstring path(folder);
    if (path.empty()) return false;
    if (::SetCurrentDirectoryW(path.c_str())) return true;
    if (path.size() < MAX_PATH - 2 || hasLongPrefix(path)) return false;
    const DWORD attributes = ::GetFileAttributesW(filelist::withLongPathPrefix(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void Win32FolderReader::listItems(std::wstring_view folder, filelist::ItemSink& sink) {
    const std::wstring pattern = searchPattern(folder);
    WIN32_FIND_DATAW data{};
    UniqueFindHandle find(::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                             nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return;
    const int64_t bias = currentLocalBias();
    filelist::FoundItem item;
    item.detailsKnown = true;
    do {
        item.name = data.cFileName;
        item.attributes = data.dwFileAttributes;
        item.details.attributes = data.dwFileAttributes;
        item.details.size = (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
        item.details.created = filelist::localStamp(ticks(data.ftCreationTime), bias);
        item.details.accessed = filelist::localStamp(ticks(data.ftLastAccessTime), bias);
        item.details.modified = filelist::localStamp(ticks(data.ftLastWriteTime), bias);
        if (!sink.take(item)) return;
    } while (::FindNextFileW(find.get(), &data));
}

std::optional<filelist::FileAttributeData> Win32FolderReader::readDetails(std::wstring_view fullPath) {
    return readFileAttributeData(fullPath);
}

}  // namespace tarvelo::platform
