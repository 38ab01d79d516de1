#pragma once
// The typed text of search-select and filtering as terms, and matching
// names against them. Matching is case-sensitive; "\s" in a term stands for
// a space, because a plain space separates terms.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/ui_language.h"

namespace tarvelo::filelist {

inline constexpr int kMaxTerms = 16;

// "***" removed, spaces trimmed, split at spaces; terms past the sixteenth
// are ignored. An empty text gives no terms.
std::vector<std::wstring> splitTerms(std::wstring_view text);

// The terms joined by single spaces (no trailing space).
std::wstring joinTerms(std::span<const std::wstring> terms);

// The terms prepared once ("\s" made a space, empty terms dropped), then
// tested against any number of names without allocating.
class TermMatcher {
public:
    TermMatcher() = default;
    explicit TermMatcher(std::span<const std::wstring> terms);

    bool empty() const { return terms_.empty(); }
    // True when every term occurs in text; also for no terms.
    bool matches(std::wstring_view text) const;

private:
    std::vector<std::wstring> terms_;
};

// What the string dialog keeps of a typed text: tabs dropped and the eight
// characters / : * ? " > < | removed. The backslash stays: it is the start
// of the "\s" escape.
struct TypedTerms {
    std::wstring text;
    bool hadForbidden = false;
    bool changed = false;
};
TypedTerms cleanTypedTerms(std::wstring_view text);

// The "Attention" message for the removed characters.
const wchar_t* forbiddenTermCharsText(UiLanguage language);

class FolderListing;

// Search-select: every entry's selection mark becomes whether its name
// (the whole path in subfolder mode) holds all terms. The parent entry is
// never selected. Returns the number of selected entries. No terms: the
// selection is left alone and 0 returned.
int selectByTerms(FolderListing& listing, std::span<const std::wstring> terms);

}  // namespace tarvelo::filelist
