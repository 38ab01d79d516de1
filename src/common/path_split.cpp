#include "common/path_split.h"

namespace tarvelo::common {

PathParts splitPath(std::wstring_view path) {
    PathParts parts;
    std::wstring_view rest = path;
    if (rest.size() >= 2 && rest[1] == L':') {
        parts.drive.assign(rest.substr(0, 2));
        rest.remove_prefix(2);
    }
    size_t lastSep = rest.find_last_of(L"\\/");
    if (lastSep != std::wstring_view::npos) {
        parts.directory.assign(rest.substr(0, lastSep + 1));
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

std::wstring fileName(std::wstring_view path) {
    PathParts p = splitPath(path);
    return p.stem + p.extension;
}

}  // namespace tarvelo::common
