#pragma once
// One listed item and its local-time stamps: small fixed-size records, so
// that the listing can keep all of them in one reserved block and reuse it
// per load. The path text lives in the listing's text storage beside them.
#include <cstdint>
#include <string_view>

namespace tarvelo::filelist {

// A point in local time; all zeros means "unknown". Eight bytes: a listing
// keeps three per entry, 100,000 entries at a time.
struct LocalStamp {
    int16_t year = 0;
    uint8_t month = 0;
    uint8_t day = 0;
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;

    constexpr LocalStamp() = default;
    // Out-of-range parts (a bad dialog value, a corrupt stamp) are cut to
    // the field's width, never spill into the next field.
    constexpr LocalStamp(int y, int mo, int d, int h, int mi, int s)
        : year(static_cast<int16_t>(y)),
          month(static_cast<uint8_t>(mo)),
          day(static_cast<uint8_t>(d)),
          hour(static_cast<uint8_t>(h)),
          minute(static_cast<uint8_t>(mi)),
          second(static_cast<uint8_t>(s)) {}

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

static_assert(sizeof(LocalStamp) == 8);

// 56 bytes: the listing holds up to 100,001 of them.
struct FileEntry {
    // Text of pathLength code units followed by a terminator, owned by
    // whoever filled the record (the listing's text storage); never null.
    const wchar_t* fullPath = L"";
    uint64_t size;
    LocalStamp created;
    LocalStamp modified;
    LocalStamp accessed;
    uint32_t attributes;
    int32_t loadIndex;
    uint16_t pathLength = 0;  // below kFullPathCapacity
    // -1 parent entry, 1 folder, 0 file; in subfolder mode the depth below
    // the chosen folder (every entry is then a file).
    int16_t kind;
    uint8_t selected;
    uint8_t inBand;
    uint8_t nameTruncated;

    std::wstring_view path() const { return {fullPath, pathLength}; }
    // `text` must stay alive and be followed by a terminator.
    void setPath(std::wstring_view text) {
        fullPath = text.data();
        pathLength = static_cast<uint16_t>(text.size() < kFullPathCapacity ? text.size() : kFullPathCapacity - 1);
    }
};
static_assert(sizeof(FileEntry) <= 56);

}  // namespace tarvelo::filelist
