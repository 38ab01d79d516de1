#include "filelist/string_terms.h"

#include "filelist/folder_listing.h"

namespace tarvelo::filelist {

namespace {

std::wstring_view trimSpaces(std::wstring_view s) {
    const size_t first = s.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return {};
    const size_t last = s.find_last_not_of(L' ');
    return s.substr(first, last - first + 1);
}

std::wstring withEscapes(std::wstring_view term) {
    std::wstring out;
    out.reserve(term.size());
    for (size_t i = 0; i < term.size(); ++i) {
        if (term[i] == L'\\' && i + 1 < term.size() && term[i + 1] == L's') {
            out.push_back(L' ');
            ++i;
        } else {
            out.push_back(term[i]);
        }
    }
    return out;
}

// The name part of a listed path: after the last separator.
std::wstring_view nameOf(std::wstring_view path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::vector<std::wstring> splitTerms(std::wstring_view text) {
    std::wstring cleaned(text);
    for (size_t at = cleaned.find(L"***"); at != std::wstring::npos; at = cleaned.find(L"***", at)) {
        cleaned.erase(at, 3);
    }
    std::wstring_view rest = trimSpaces(cleaned);
    std::vector<std::wstring> terms;
    while (!rest.empty() && static_cast<int>(terms.size()) < kMaxTerms) {
        const size_t space = rest.find(L' ');
        if (space == std::wstring_view::npos) {
            terms.emplace_back(rest);
            break;
        }
        terms.emplace_back(rest.substr(0, space));
        rest = trimSpaces(rest.substr(space + 1));
    }
    return terms;
}

std::wstring joinTerms(std::span<const std::wstring> terms) {
    std::wstring out;
    for (const std::wstring& t : terms) {
        if (!out.empty()) out.push_back(L' ');
        out += t;
    }
    return out;
}

TermMatcher::TermMatcher(std::span<const std::wstring> terms) {
    for (const std::wstring& raw : terms) {
        std::wstring t = withEscapes(trimSpaces(raw));
        if (!t.empty()) terms_.push_back(std::move(t));
    }
}

bool TermMatcher::matches(std::wstring_view text) const {
    for (const std::wstring& t : terms_) {
        if (text.find(t) == std::wstring_view::npos) return false;
    }
    return true;
}

TypedTerms cleanTypedTerms(std::wstring_view text) {
    constexpr std::wstring_view kForbidden = L"/:*?\"><|";
    TypedTerms out;
    out.text.reserve(text.size());
    for (wchar_t c : text) {
        if (c == L'\t') {
            out.changed = true;
        } else if (kForbidden.find(c) != std::wstring_view::npos) {
            out.changed = true;
            out.hadForbidden = true;
        } else {
            out.text.push_back(c);
        }
    }
    return out;
}

const wchar_t* forbiddenTermCharsText(UiLanguage language) {
    return pick(language, L" / : * ? \" > < | \n\nThese characters cannot be used.",
                L" / : * ? \" > < | \n\nこれらの文字は使用できません。");
}

int selectByTerms(FolderListing& listing, std::span<const std::wstring> terms) {
    const TermMatcher matcher(terms);
    if (matcher.empty()) return 0;
    const bool wholePath = listing.subfolderMode;
    int selected = 0;
    const int n = listing.count();
    for (int i = 0; i < n; ++i) {
        FileEntry& e = listing.entryAt(i);
        const bool hit = e.kind != -1 && matcher.matches(wholePath ? e.path() : nameOf(e.path()));
        e.selected = hit ? 1 : 0;
        selected += hit ? 1 : 0;
    }
    return selected;
}

}  // namespace tarvelo::filelist
