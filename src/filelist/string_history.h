#pragma once
// The histories of the string dialog (data files SearchData and
// FilteringData, keys String_01 ... String_20). Stored values are shown
// sorted; a newly entered string goes to the top. So the file holds the
// newest string first and the others in alphabetical order, and a full
// history gives up its alphabetically last old string.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo::filelist {

inline constexpr int kStringHistorySize = 20;
inline constexpr const wchar_t* kSearchDataSection = L"SearchData";
inline constexpr const wchar_t* kFilteringDataSection = L"FilteringData";

// 7 -> "String_07".
std::wstring stringHistoryKey(int index);

// The order the list shows stored strings in: letters without regard to
// case, then by code unit so that the order is total.
bool historyOrder(std::wstring_view a, std::wstring_view b);

class StringHistory {
public:
    using Reader = std::function<std::wstring(const std::wstring& key)>;

    // String_01 ... String_20: line breaks removed, repeats and empty
    // values dropped, the rest sorted.
    static StringHistory load(const Reader& read);

    const std::vector<std::wstring>& items() const { return items_; }
    bool contains(std::wstring_view text) const;
    // OK: the text becomes the first item unless it is empty or listed.
    void enter(std::wstring_view text);
    // The "-" button: removes the item equal to text; false when none is.
    bool remove(std::wstring_view text);

    struct KeyValue {
        std::wstring key;
        std::wstring value;
    };
    // All twenty keys: the first twenty items in list order, then empty values.
    std::vector<KeyValue> stored() const;

private:
    std::vector<std::wstring> items_;
};

}  // namespace tarvelo::filelist
