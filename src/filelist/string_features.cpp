#include "filelist/string_features.h"

#include "filelist/string_terms.h"

namespace tarvelo::filelist {

void StringFeatures::acceptSearch(std::wstring_view typed) {
    searchTerms_ = splitTerms(typed);
    searchText_ = joinTerms(searchTerms_);
    searchHighlight_ = !searchText_.empty();
}

void StringFeatures::toggleHighlight() { searchHighlight_ = !searchHighlight_ && !searchText_.empty(); }

void StringFeatures::acceptFiltering(std::wstring_view typed) {
    filteringTerms_ = splitTerms(typed);
    filteringText_ = joinTerms(filteringTerms_);
    filteringOn_ = !filteringText_.empty();
}

bool StringFeatures::toggleFiltering() {
    if (filteringText_.empty()) {
        filteringOn_ = false;
        return false;
    }
    filteringOn_ = !filteringOn_;
    return true;
}

std::span<const std::wstring> StringFeatures::searchMarks() const {
    if (!searchHighlight_ || searchText_.empty()) return {};
    return searchTerms_;
}

std::span<const std::wstring> StringFeatures::filterMarks() const {
    if (!filteringOn_ || filteringText_.empty()) return {};
    return filteringTerms_;
}

void StringFeatures::loadTerms(std::wstring& text, std::vector<std::wstring>& terms) const {
    if (filteringOn_ && !filteringText_.empty()) {
        text = filteringText_;
        terms = filteringTerms_;
    } else {
        text.clear();
        terms.clear();
    }
}

namespace {

std::wstring fieldText(const wchar_t* label, const std::wstring& text) {
    std::wstring out(label);
    out.push_back(L' ');
    if (!text.empty()) {
        out += text;
        out.push_back(L' ');
    }
    return out;
}

}  // namespace

std::wstring searchFieldText(const StringFeatures& features, UiLanguage language) {
    return fieldText(pick(language, L"Search-String:", L"検索文字列:"), features.searchText());
}

std::wstring filteringFieldText(const StringFeatures& features, UiLanguage language) {
    return fieldText(pick(language, L"Filtering-String:", L"フィルタリング文字列:"), features.filteringText());
}

}  // namespace tarvelo::filelist
