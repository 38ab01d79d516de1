#include "platform/win32_file_info.h"

#include <string>

namespace tarvelo::platform {

namespace {

std::optional<filelist::FileAttributeData> readOnce(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA raw{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &raw)) return std::nullopt;
    filelist::FileAttributeData data;
    data.size = (static_cast<uint64_t>(raw.nFileSizeHigh) << 32) | raw.nFileSizeLow;
    data.attributes = raw.dwFileAttributes;
    data.created = localStampFromFileTime(raw.ftCreationTime);
    data.accessed = localStampFromFileTime(raw.ftLastAccessTime);
    data.modified = localStampFromFileTime(raw.ftLastWriteTime);
    return data;
}

}  // namespace

filelist::LocalStamp localStampFromFileTime(const FILETIME& utc) {
    FILETIME local{};
    SYSTEMTIME st{};
    if (!::FileTimeToLocalFileTime(&utc, &local) || !::FileTimeToSystemTime(&local, &st)) return {};
    // FileTimeToSystemTime gives years up to 30827: every field fits.
    auto field = [](WORD value) { return static_cast<int16_t>(value); };
    return {field(st.wYear), field(st.wMonth), field(st.wDay), field(st.wHour), field(st.wMinute), field(st.wSecond)};
}

std::optional<filelist::FileAttributeData> readFileAttributeData(std::wstring_view path) {
    if (path.empty()) return std::nullopt;
    std::wstring plain(path);
    if (auto data = readOnce(plain)) return data;
    if (plain.rfind(L"\\\\?\\", 0) == 0) return std::nullopt;
    return readOnce(filelist::withLongPathPrefix(plain));
}

}  // namespace tarvelo::platform
