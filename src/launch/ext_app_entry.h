#pragma once
// One association entry "extensions = program" and the matching of a file's
// extension against the whole table.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo::launch {

// An entry longer than this is not used: with the quoted file path it would
// not fit the 4096-character command line anyway.
inline constexpr size_t kMaxExtAppEntryLength = 2048;
// Extensions of one blank-separated list that take part in matching.
inline constexpr int kMaxExtensionsPerEntry = 16;

struct ExtAppEntry {
    std::wstring extensions;  // trimmed, e.g. ".bat .cmd"
    std::wstring program;     // trimmed, may be empty
};

// Whether the text can be used at all: not over-long, no line breaks or
// other control characters, no unpaired surrogate.
bool isUsableEntryText(std::wstring_view text);

// Splits at the first "="; nothing for a text without one or one that is not
// usable (see isUsableEntryText).
std::optional<ExtAppEntry> splitExtAppEntry(std::wstring_view text);

// The stored form: "%s = %s", "%s = " for an empty program, "" for an empty
// extension list.
std::wstring writtenExtAppEntry(const ExtAppEntry& entry);

// Equal ignoring letter case (ASCII and the Latin letters the natural order
// folds).
bool sameExtension(std::wstring_view a, std::wstring_view b);

// The programs, in table order and each entry at most once, whose extension
// list names `extension` (with its dot). A folder matches nothing.
std::vector<std::wstring> findCandidates(std::span<const std::wstring> entries, std::wstring_view extension,
                                         bool isFolder);

}  // namespace tarvelo::launch
