#include "filelist/win/shell_look_cache.h"

#include <shellapi.h>

namespace tarvelo::filelist::win {

namespace {

platform::UniqueIcon smallIcon(const std::wstring& path, bool mayTouch) {
    SHFILEINFOW info{};
    UINT flags = SHGFI_ICON | SHGFI_SMALLICON;
    DWORD attributes = 0;
    if (!mayTouch) {
        flags |= SHGFI_USEFILEATTRIBUTES;
        attributes = FILE_ATTRIBUTE_DIRECTORY;
    }
    if (!SHGetFileInfoW(path.c_str(), attributes, &info, sizeof(info), flags)) return {};
    return platform::UniqueIcon(info.hIcon);
}

}  // namespace

ShellLook ShellLookCache::look(const std::wstring& path, bool mayTouch) {
    if (iconsHeld_) {
        const DWORD attributes = mayTouch ? GetFileAttributesW(path.c_str()) : INVALID_FILE_ATTRIBUTES;
        return ShellLook{nullptr, attributes == INVALID_FILE_ATTRIBUTES ? 0u : static_cast<uint32_t>(attributes)};
    }
    auto it = entries_.find(path);
    if (it == entries_.end() || (mayTouch && !it->second.touched)) {
        Entry entry;
        entry.touched = mayTouch;
        entry.icon = smallIcon(path, mayTouch);
        if (!entry.icon && mayTouch) entry.icon = smallIcon(path, false);  // gone: still a folder to show
        if (mayTouch) {
            const DWORD attributes = GetFileAttributesW(path.c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES) entry.attributes = attributes;
        }
        it = entries_.insert_or_assign(path, std::move(entry)).first;
    }
    return ShellLook{it->second.icon.get(), it->second.attributes};
}

}  // namespace tarvelo::filelist::win
