#pragma once
// One listed item and its local-time stamps: small fixed-size records, so
// that the listing can keep all of them in one reserved block and reuse it
// per load. The path text lives in the listing's text storage beside them.
#include <cstdint>
#include <string_view>

namespace tarvelo::filelist {

// A point in local time; all zeros means "unknown".
struct LocalStamp {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;

    bool unknown() const { return day == 0; }
    friend bool operator==(const LocalStamp&, const LocalStamp&) = default;
};

inline constexpr uint32_t kAttrReadOnly = 0x1;
inline constexpr uint32_t kAttrHidden = 0x2;
inline constexpr uint32_t kAttrSystem = 0x4;
inline constexpr uint32_t kAttrDirectory = 0x10;
inline constexpr uint32_t kAttrArchive = 0x20;

inline constexpr int32_t kKindParent = -1;
inline constexpr int32_t kKindFile = 0;
inline constexpr int32_t kKindFolder = 1;

// Longest stored path in code units, terminator included.
inline constexpr size_t kFullPathCapacity = 520;

struct FileEntry {
    // Text of pathLength code units followed by a terminator, owned by
    // whoever filled the record (the listing's text storage); never null.
    const wchar_t* fullPath = L"";
    uint64_t size;
    LocalStamp created;
    LocalStamp modified;
    LocalStamp accessed;
    uint32_t pathLength = 0;
    uint32_t attributes;
    // -1 parent entry, 1 folder, 0 file; in subfolder mode the depth below
    // the chosen folder (every entry is then a file).
    int32_t kind;
    int32_t loadIndex;
    uint8_t selected;
    uint8_t inBand;
    uint8_t nameTruncated;

    std::wstring_view path() const { return {fullPath, pathLength}; }
    // `text` must stay alive and be followed by a terminator.
    void setPath(std::wstring_view text) {
        fullPath = text.data();
        pathLength = static_cast<uint32_t>(text.size());
    }
};

}  // namespace tarvelo::filelist
