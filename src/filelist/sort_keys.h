#pragma once
// The sort keys of both list views. A key is the entry's kind prefix, the
// column's content and the entry's full path:
//   "%04X %ls"          name           (prefix, path)
//   "%04X %04X %ls"     selection      (prefix, selected, path)
//   "%04X %ls %ls"      extension, size ("%015llu"), a time
//                       ("%05d-%02d-%02d %02d:%02d:%02d"), attributes ("%04X")
// and keys are ordered by naturalCompare (descending: its negation). Keys are
// formatted by hand: the sort builds 100,000 of them per load.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "filelist/file_entry.h"
#include "shell/list_metrics.h"

namespace tarvelo::filelist {

using shell::ListView;

enum class KeyContent : uint8_t {
    None,  // column outside the view: every key stays empty
    Selection,
    Name,
    Extension,
    Size,
    Created,
    Modified,
    Accessed,
    Attributes,
};

// Column numbers (sortItem): multi-column 0 selection, 1 name, 2 extension,
// 3 size, 4 last modified, 5 attribute; three-times 0 selection, 1 name,
// 2 size, 3 created, 4 last modified, 5 accessed, 6 attribute.
KeyContent keyContent(int column, ListView view);
int lastSortColumn(ListView view);

// Ascending: 0xFFFF - kind (file FFFF, folder FFFE, parent 10000);
// descending: kind + 10 (file 000A, folder 000B), the parent entry 0x64.
// In subfolder mode kind is the depth, so the deepest group comes first.
uint32_t kindPrefix(int32_t kind, int sortMode);

// The extension as the runtime's path splitting gives it: from the last dot
// of the last component, dot included; empty when there is none.
std::wstring_view extensionOf(std::wstring_view path);

// Longest key part before the path: prefix, separators, the longest content
// (an extension as long as the longest stored path).
inline constexpr size_t kKeyHeadCapacity = 16 + kFullPathCapacity + 32;

// Writes the key up to (not including) the full path, e.g. "FFFF " or
// "FFFE 000000000001234 "; returns its length. Nothing for KeyContent::None.
size_t writeKeyHead(const FileEntry& entry, KeyContent content, int sortMode, wchar_t* out);

// The whole key (head + full path); empty for KeyContent::None.
std::wstring sortKeyText(const FileEntry& entry, KeyContent content, int sortMode);

// One entry while sorting: its key is head + path, and every path of the
// listing begins with the same `shared` folder prefix.
struct KeyedEntry {
    const wchar_t* head;
    const wchar_t* path;
    uint32_t headLength;
    uint32_t pathLength;
    int32_t index;  // into the listing's entries
};

// naturalCompare of the two whole keys. The shared folder prefix of the two
// paths (`sharedLength` code units, ending in a backslash) is skipped when
// both keys reach it together, which is what makes sorting 100,000 keys
// cheap; the result is the same as comparing the whole texts.
int compareKeyed(const KeyedEntry& a, const KeyedEntry& b, size_t sharedLength);

}  // namespace tarvelo::filelist
