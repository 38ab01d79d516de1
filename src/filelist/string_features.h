#pragma once
// The state of search-select and filtering by strings (memory only, off and
// empty at every start) and what each command and click does to it.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/ui_language.h"

namespace tarvelo::filelist {

class StringFeatures {
public:
    const std::vector<std::wstring>& searchTerms() const { return searchTerms_; }
    const std::wstring& searchText() const { return searchText_; }
    bool searchHighlight() const { return searchHighlight_; }
    const std::vector<std::wstring>& filteringTerms() const { return filteringTerms_; }
    const std::wstring& filteringText() const { return filteringText_; }
    bool filteringOn() const { return filteringOn_; }

    // OK in the search dialog: the typed text becomes the search terms; a
    // non-empty text switches highlighting on, an empty one off.
    void acceptSearch(std::wstring_view typed);
    // De-emphasize: highlighting flips; it stays off without search text.
    void toggleHighlight();
    // OK in the filtering dialog: the typed text becomes the filtering
    // terms; a non-empty text switches filtering on, an empty one off.
    void acceptFiltering(std::wstring_view typed);
    // F2: filtering flips; it stays off without filtering text. True when
    // the list must be reloaded to show the change.
    bool toggleFiltering();

    // The terms the painter marks: empty while the feature is off.
    std::span<const std::wstring> searchMarks() const;
    std::span<const std::wstring> filterMarks() const;
    // The filtering in force for the next load: text and terms, or both
    // empty while filtering is off.
    void loadTerms(std::wstring& text, std::vector<std::wstring>& terms) const;

private:
    std::vector<std::wstring> searchTerms_;
    std::wstring searchText_;
    bool searchHighlight_ = false;
    std::vector<std::wstring> filteringTerms_;
    std::wstring filteringText_;
    bool filteringOn_ = false;
};

// The two fields at the right end of the drive bar: "label text " or
// "label " while the text is empty.
std::wstring searchFieldText(const StringFeatures& features, UiLanguage language);
std::wstring filteringFieldText(const StringFeatures& features, UiLanguage language);

}  // namespace tarvelo::filelist
