#include "filelist/describe_file.h"

#include <cwchar>

#include "filelist/display_format.h"

namespace tarvelo::filelist {

namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kUncTail = L"UNC\\";

// Paths this long need the long-path form to be read at all.
constexpr size_t kLongPathLength = 260;

bool hasLongPrefix(std::wstring_view path) { return path.substr(0, 4) == kLongPrefix; }

bool isUncTail(std::wstring_view rest) {
    if (rest.size() < 4) return false;
    auto up = [](wchar_t c) { return (c >= L'a' && c <= L'z') ? wchar_t(c - L'a' + L'A') : c; };
    return up(rest[0]) == L'U' && up(rest[1]) == L'N' && up(rest[2]) == L'C' && rest[3] == L'\\';
}

}  // namespace

DescriptionParts splitForDescription(std::wstring_view path) {
    std::wstring p;
    if (hasLongPrefix(path)) {
        if (isUncTail(path.substr(4))) {
            p = L"\\\\";
            p.append(path.substr(8));
        } else {
            p.assign(path.substr(4));
        }
    } else {
        p.assign(path);
    }

    DescriptionParts parts;
    size_t rootEnd = 0;
    if (p.size() >= 2 && p[1] == L':') {
        rootEnd = 2;
    } else if (p.size() >= 2 && p[0] == L'\\' && p[1] == L'\\') {
        // Up to the backslash that ends the share name.
        size_t afterServer = p.find(L'\\', 2);
        size_t afterShare = afterServer == std::wstring::npos ? std::wstring::npos
                                                              : p.find(L'\\', afterServer + 1);
        rootEnd = afterShare == std::wstring::npos ? p.size() : afterShare;
    }
    parts.root = p.substr(0, rootEnd);
    std::wstring_view rest = std::wstring_view(p).substr(rootEnd);

    size_t lastSep = rest.find_last_of(L'\\');
    if (lastSep != std::wstring_view::npos) {
        parts.folder.assign(rest.substr(0, lastSep + 1));
        rest.remove_prefix(lastSep + 1);
    }
    size_t dot = rest.find_last_of(L'.');
    if (dot != std::wstring_view::npos) {
        parts.stem.assign(rest.substr(0, dot));
        parts.extension.assign(rest.substr(dot));
    } else {
        parts.stem.assign(rest);
    }
    return parts;
}

std::wstring withLongPathPrefix(std::wstring_view path) {
    if (hasLongPrefix(path)) return std::wstring(path);
    std::wstring out(kLongPrefix);
    if (path.size() >= 2 && path[0] == L'\\' && path[1] == L'\\') {
        // "\\?\\\srv\..." names nothing: network paths take the UNC form.
        out.append(kUncTail);
        out.append(path.substr(2));
    } else {
        out.append(path);
    }
    return out;
}

std::wstring describeFile(std::wstring_view path, const FileAttributeReader& reader) {
    std::wstring readPath(path);
    if (!hasLongPrefix(path) && path.size() >= kLongPathLength) readPath = withLongPathPrefix(path);

    std::optional<FileAttributeData> data = reader.read(readPath);
    if (!data) return {};

    uint64_t size = (data->attributes & kAttrDirectory) ? 0 : data->size;
    const DescriptionParts parts = splitForDescription(readPath);
    const std::wstring grouped =
        groupDigits(size > uint64_t(INT64_MAX) ? INT64_MAX : static_cast<int64_t>(size));
    const LocalStamp& m = data->modified;

    wchar_t stamp[96];
    int n = std::swprintf(stamp, 96, L"%04d/%02d/%02d %02d:%02d:%02d", m.year, m.month, m.day,
                          m.hour, m.minute, m.second);
    std::wstring text = parts.root + parts.folder + L"\r\n" + parts.stem + parts.extension +
                        L"\r\n" + grouped + L" Byte\r\n";
    if (n > 0) text.append(stamp, static_cast<size_t>(n));
    text += L"\r\n";
    return text;
}

}  // namespace tarvelo::filelist
