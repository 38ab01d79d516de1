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

#include <functional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "common/natural_compare.h"
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

// One entry while sorting. Its key is head + shared + tail, where `shared`
// is the folder prefix every path of the listing begins with (ending in a
// backslash); `text` is the head, `tailText` points into the entry's own
// path, so the sort copies no path.
struct KeyedEntry {
    // With summarised heads: the head as two words in key order (kind
    // prefix rank, then the column's value); else both 0.
    uint64_t headRank;
    uint64_t headValue;
    common::NaturalSummary tail;  // of the tail, valid when heads are equal
    const wchar_t* text;
    const wchar_t* tailText;
    uint16_t headLength;  // both below kKeyHeadCapacity + kFullPathCapacity
    uint16_t tailLength;
    int32_t index;  // into the listing's entries
};

// naturalCompare of the two whole keys, done piece by piece: when both
// heads end together the shared prefix is skipped.
int compareKeyed(const KeyedEntry& a, const KeyedEntry& b, std::wstring_view shared);

// Turns the heads of one sort into numbers where that is exact: the kind
// prefixes, attribute and extension texts are ranked in natural order once,
// sizes and times are their values. Sets of texts that do not compare
// cleanly (one a natural prefix of another, too many) stay texts.
class HeadSummary {
public:
    // False: heads must be compared as texts for this sort.
    bool prepare(const FileEntry* entries, int count, KeyContent content, int sortMode);
    // Sets headRank/headValue; false when this entry's head cannot be
    // summarised (the whole sort then compares texts).
    bool summarize(const FileEntry& entry, KeyedEntry& keyed) const;

private:
    static bool rankTexts(std::vector<std::pair<uint32_t, std::wstring>>& texts,
                          std::vector<std::pair<uint32_t, uint32_t>>& ranks);
    static bool lookup(const std::vector<std::pair<uint32_t, uint32_t>>& ranks, uint32_t value, uint32_t& rank);

    KeyContent content_ = KeyContent::None;
    int sortMode_ = 0;
    std::vector<std::pair<uint32_t, uint32_t>> prefixRanks_;     // prefix value -> rank
    std::vector<std::pair<uint32_t, uint32_t>> attributeRanks_;  // attributes -> rank
    struct TextHash {
        using is_transparent = void;
        size_t operator()(std::wstring_view text) const { return std::hash<std::wstring_view>{}(text); }
    };
    std::unordered_map<std::wstring, uint32_t, TextHash, std::equal_to<>> extensionRanks_;
};

// Subfolder mode: each tail is a folder part ("sub\deeper\", empty for the
// listed folder's own files) and a name. Ranked once in natural order, the
// folder parts of one kind (one depth) stand for themselves, and a tail's
// summary becomes its folder's rank followed by the name's summary: the
// summary then tells apart names of different folders instead of spending
// its symbols on the folder part.
class FolderPartRanks {
public:
    // False when some folder parts of one kind run into each other (one a
    // natural prefix of another); tails are then summarised whole.
    bool prepare(const FileEntry* entries, int count, size_t sharedLength);
    // The summary of entry `index`'s tail (its path past the shared prefix).
    common::NaturalSummary summarize(int index, std::wstring_view tail) const;

private:
    std::vector<uint32_t> rankOf_;  // by entry index
    std::vector<uint16_t> partLength_;  // of each entry's folder part
    int rankBits_ = 16;
};

// Sorts `count` keyed entries in key order (descending: reversed).
void sortKeyed(KeyedEntry* entries, int count, bool summarisedHeads, int sortMode, std::wstring_view shared);

}  // namespace tarvelo::filelist
