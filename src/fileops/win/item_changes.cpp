#include "fileops/win/item_changes.h"

#include "filelist/describe_file.h"
#include "platform/unique_handle.h"
#include "platform/win32_file_info.h"

namespace tarvelo::fileops::win {

namespace {

bool hasPrefix(const std::wstring& path) { return path.rfind(L"\\\\?\\", 0) == 0; }

// Runs call with the path, then with its long-path form when that differs.
template <typename Call>
bool eitherForm(const std::wstring& path, Call call) {
    if (call(path)) return true;
    return !hasPrefix(path) && call(filelist::withLongPathPrefix(path));
}

bool toFileTime(const LocalStamp& s, FILETIME& out) {
    if (!isValidStamp(s)) return false;
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(s.year);
    st.wMonth = static_cast<WORD>(s.month);
    st.wDay = static_cast<WORD>(s.day);
    st.wHour = static_cast<WORD>(s.hour);
    st.wMinute = static_cast<WORD>(s.minute);
    st.wSecond = static_cast<WORD>(s.second);
    FILETIME local{};
    return ::SystemTimeToFileTime(&st, &local) && ::LocalFileTimeToFileTime(&local, &out);
}

}  // namespace

DWORD itemAttributes(const std::wstring& path) {
    DWORD a = ::GetFileAttributesW(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES && !hasPrefix(path)) {
        a = ::GetFileAttributesW(filelist::withLongPathPrefix(path).c_str());
    }
    return a;
}

bool isFolder(const std::wstring& path) {
    const DWORD a = itemAttributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32RenameDisk::exists(const std::wstring& path) {
    return itemAttributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool Win32RenameDisk::move(const std::wstring& from, const std::wstring& to) {
    if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
    if (hasPrefix(from) && hasPrefix(to)) return false;
    return ::MoveFileExW(filelist::withLongPathPrefix(from).c_str(), filelist::withLongPathPrefix(to).c_str(),
                         MOVEFILE_WRITE_THROUGH) != 0;
}

std::wstring Win32RenameDisk::key(const std::wstring& path) const {
    std::wstring k = path;
    if (!k.empty()) ::CharUpperBuffW(k.data(), static_cast<DWORD>(k.size()));
    return k;
}

std::optional<ItemTimes> readItemTimes(const std::wstring& path) {
    auto data = platform::readFileAttributeData(path);
    if (!data) return std::nullopt;
    return ItemTimes{data->created, data->modified, data->accessed};
}

bool writeItemTimes(const std::wstring& path, const ItemTimes& times, const std::array<bool, 3>& which) {
    FILETIME created{}, accessed{}, modified{};
    if ((which[kCreated] && !toFileTime(times.created, created)) ||
        (which[kAccessed] && !toFileTime(times.accessed, accessed)) ||
        (which[kModified] && !toFileTime(times.modified, modified))) {
        return false;
    }
    const DWORD attributes = itemAttributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    // Attribute-write access with full sharing works for files and folders
    // alike and does not fail because another program has the item open.
    const DWORD flags = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? FILE_FLAG_BACKUP_SEMANTICS : 0;
    return eitherForm(path, [&](const std::wstring& p) {
        platform::UniqueKernelHandle h(::CreateFileW(p.c_str(), FILE_WRITE_ATTRIBUTES,
                                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                     OPEN_EXISTING, flags, nullptr));
        return h && ::SetFileTime(h.get(), which[kCreated] ? &created : nullptr,
                                  which[kAccessed] ? &accessed : nullptr,
                                  which[kModified] ? &modified : nullptr) != 0;
    });
}

bool setItemAttributes(const std::wstring& path, DWORD value) {
    return eitherForm(path, [&](const std::wstring& p) { return ::SetFileAttributesW(p.c_str(), value) != 0; });
}

}  // namespace tarvelo::fileops::win
