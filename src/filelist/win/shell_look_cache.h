#pragma once
// The small shell icon and the attribute bits of the folders the bars show,
// looked up once per path and kept until forgotten. A path that may keep
// the caller waiting (network, absent drive) gets the generic folder icon
// and no attributes without touching it.
#include <windows.h>

#include <cstdint>
#include <string>
#include <unordered_map>

#include "platform/unique_handle.h"

namespace tarvelo::filelist::win {

struct ShellLook {
    HICON icon = nullptr;     // owned by the cache
    uint32_t attributes = 0;  // 0 when unknown
};

class ShellLookCache {
public:
    // mayTouch false: the generic folder icon, attributes 0. A path first
    // seen untouched is looked up properly once it may be touched.
    ShellLook look(const std::wstring& path, bool mayTouch);
    void forget() { entries_.clear(); }
    // While held, looks carry no icon and nothing is kept: the first shell
    // icon lookup costs tens of milliseconds, so start-up shows the list
    // before the bars fetch theirs.
    void holdIcons(bool held) { iconsHeld_ = held; }
    size_t size() const { return entries_.size(); }

private:
    struct Entry {
        platform::UniqueIcon icon;
        uint32_t attributes = 0;
        bool touched = false;
    };
    std::unordered_map<std::wstring, Entry> entries_;
    bool iconsHeld_ = false;
};

}  // namespace tarvelo::filelist::win
