#include "platform/win32_folder_reader.h"

#include <windows.h>

#include <memory>
#include <new>

#include "filelist/file_time.h"
#include "platform/unique_handle.h"
#include "platform/win32_file_info.h"

namespace tarvelo::platform {
namespace {

uint64_t ticks(const FILETIME& t) { return (uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; }
uint64_t ticks(const LARGE_INTEGER& t) { return static_cast<uint64_t>(t.QuadPart); }

bool hasLongPrefix(std::wstring_view path) { return path.substr(0, 4) == LR"(\\?\)"; }

// CreateFileW's limit on a folder path, leaving room for nothing else.
constexpr size_t kOpenLimit = MAX_PATH - 1;

template <typename Time>
void describe(filelist::FoundItem& item, uint32_t attributes, uint64_t size, const Time& created,
              const Time& accessed, const Time& modified, int64_t bias) {
    item.attributes = attributes;
    item.details.attributes = attributes;
    item.details.size = size;
    item.details.created = filelist::localStamp(ticks(created), bias);
    item.details.accessed = filelist::localStamp(ticks(accessed), bias);
    item.details.modified = filelist::localStamp(ticks(modified), bias);
}

bool runningUnderWine() {
    static const bool wine = [] {
        const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
        return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }();
    return wine;
}

// Wine keeps the whole name list of the folder it read last (about 100 bytes
// per item) until another folder is searched; a 100,000-item folder holds
// ~10 MB through the sort that follows. Searching the folder's own name in
// its parent replaces that list with one of a single name. Small folders
// (each folder of a subfolder-mode descent) are not worth the extra call.
constexpr int kWineCacheWorthReleasing = 4096;

void releaseWineFolderCache(std::wstring_view folder) {
    if (!runningUnderWine()) return;
    while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) folder.remove_suffix(1);
    if (folder.size() <= 2 || folder.find_first_of(L"*?") != std::wstring_view::npos) return;
    WIN32_FIND_DATAW data{};
    UniqueFindHandle find(::FindFirstFileExW(openablePath(folder).c_str(), FindExInfoBasic, &data,
                                             FindExSearchNameMatch, nullptr, 0));
}

class CountingSink final : public filelist::ItemSink {
public:
    explicit CountingSink(filelist::ItemSink& inner) : inner_(inner) {}
    int items = 0;
    bool take(const filelist::FoundItem& item) override {
        ++items;
        return inner_.take(item);
    }

private:
    filelist::ItemSink& inner_;
};

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

std::wstring openablePath(std::wstring_view folder) {
    if (folder.size() >= kOpenLimit && !hasLongPrefix(folder)) return filelist::withLongPathPrefix(folder);
    return std::wstring(folder);
}

Win32FolderReader::Win32FolderReader(ReadMethod method, size_t bulkBufferBytes)
    : method_(method), bufferBytes_(bulkBufferBytes < 4096 ? 4096 : bulkBufferBytes) {}

std::unique_ptr<filelist::FolderReader> Win32FolderReader::companion() const {
    return std::make_unique<Win32FolderReader>(method_, bufferBytes_);
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
    const int64_t bias = currentLocalBias();
    CountingSink counted(sink);
    if (method_ == ReadMethod::Bulk && listBulk(folder, counted, bias)) {
        lastMethod_ = ReadMethod::Bulk;
    } else {
        lastMethod_ = ReadMethod::Classic;
        listClassic(folder, counted, bias);
    }
    if (counted.items >= kWineCacheWorthReleasing) releaseWineFolderCache(folder);
}

bool Win32FolderReader::listBulk(std::wstring_view folder, filelist::ItemSink& sink, int64_t bias) {
    if (folder.empty()) return false;
    // Every sharing mode: the folder stays renamable and deletable by
    // others while it is read, as with a search handle.
    UniqueKernelHandle dir(::CreateFileW(openablePath(folder).c_str(), FILE_LIST_DIRECTORY,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!dir) return false;
    // Items are 8-byte aligned inside the buffer.
    const size_t words = bufferBytes_ / sizeof(uint64_t);
    std::unique_ptr<uint64_t[]> buffer(new (std::nothrow) uint64_t[words]);
    if (!buffer) return false;
    const DWORD bytes = static_cast<DWORD>(words * sizeof(uint64_t));
    // The full class carries all the listing needs; where a file system
    // only answers the class with ids and short names, that one serves.
    FILE_INFO_BY_HANDLE_CLASS infoClass = FileFullDirectoryInfo;
    bool first = true;
    filelist::FoundItem item;
    item.detailsKnown = true;
    for (;;) {
        if (!::GetFileInformationByHandleEx(dir.get(), infoClass, buffer.get(), bytes)) {
            const DWORD error = ::GetLastError();
            // An empty drive root has no items at all.
            if (error == ERROR_NO_MORE_FILES) return true;
            if (first && infoClass == FileFullDirectoryInfo) {
                infoClass = FileIdBothDirectoryInfo;
                continue;
            }
            // Refused at once: the classic search reads the folder. Later
            // failures (the folder vanished, the network went away) end the
            // read with what was reported, as a failing search does.
            return !first;
        }
        first = false;
        const std::byte* at = reinterpret_cast<const std::byte*>(buffer.get());
        for (;;) {
            DWORD next = 0;
            if (infoClass == FileFullDirectoryInfo) {
                const auto* info = reinterpret_cast<const FILE_FULL_DIR_INFO*>(at);
                item.name = std::wstring_view(info->FileName, info->FileNameLength / sizeof(wchar_t));
                describe(item, info->FileAttributes, ticks(info->EndOfFile), info->CreationTime,
                         info->LastAccessTime, info->LastWriteTime, bias);
                next = info->NextEntryOffset;
            } else {
                const auto* info = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(at);
                item.name = std::wstring_view(info->FileName, info->FileNameLength / sizeof(wchar_t));
                describe(item, info->FileAttributes, ticks(info->EndOfFile), info->CreationTime,
                         info->LastAccessTime, info->LastWriteTime, bias);
                next = info->NextEntryOffset;
            }
            if (!sink.take(item)) return true;
            if (next == 0) break;
            at += next;
        }
    }
}

void Win32FolderReader::listClassic(std::wstring_view folder, filelist::ItemSink& sink, int64_t bias) {
    const std::wstring pattern = searchPattern(folder);
    WIN32_FIND_DATAW data{};
    UniqueFindHandle find(::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                             nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return;
    filelist::FoundItem item;
    item.detailsKnown = true;
    do {
        item.name = data.cFileName;
        describe(item, data.dwFileAttributes, (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow,
                 data.ftCreationTime, data.ftLastAccessTime, data.ftLastWriteTime, bias);
        if (!sink.take(item)) return;
    } while (::FindNextFileW(find.get(), &data));
}

std::optional<filelist::FileAttributeData> Win32FolderReader::readDetails(std::wstring_view fullPath) {
    return readFileAttributeData(fullPath);
}

}  // namespace tarvelo::platform
