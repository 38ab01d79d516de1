#pragma once
// The typed-text histories of the Replace and Append dialogs (data files
// ReplaceData and AppendData), and the names of the last values the batch
// renames keep in SaveData.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo::fileops {

// "String1_" + 7 -> "String1_07".
std::wstring historyKey(std::wstring_view prefix, int index);

// Newest first. The combo boxes show the entries sorted; the stored order is
// by recency so that a full history drops its oldest entry, not the one
// that sorts last.
class TextHistory {
public:
    using Reader = std::function<std::wstring(const std::wstring& key)>;

    // Keys prefix01..prefixNN: CR and LF removed, empty entries and repeats
    // dropped.
    static TextHistory load(const Reader& read, std::wstring_view prefix, int capacity);

    const std::vector<std::wstring>& entries() const { return entries_; }
    // The text becomes the newest entry unless it is empty or already listed.
    void add(std::wstring_view text);
    // Removes the entry equal to text; false when there is none.
    bool remove(std::wstring_view text);

    struct KeyValue {
        std::wstring key;
        std::wstring value;
    };
    // Every key prefix01..prefixNN: the first capacity entries, the rest empty.
    std::vector<KeyValue> stored(std::wstring_view prefix) const;

private:
    int capacity_ = 0;
    std::vector<std::wstring> entries_;
};

// Data-file sections and keys of the batch renames.
inline constexpr const wchar_t* kSaveData = L"SaveData";
inline constexpr const wchar_t* kReplaceData = L"ReplaceData";
inline constexpr const wchar_t* kAppendData = L"AppendData";
inline constexpr const wchar_t* kReplaceSearchPrefix = L"String1_";
inline constexpr const wchar_t* kReplaceWithPrefix = L"String2_";
inline constexpr const wchar_t* kAppendPrefix = L"String_";
inline constexpr int kReplaceHistorySize = 20;
inline constexpr int kAppendHistorySize = 30;
// The serial text offered when none is stored.
inline constexpr const wchar_t* kDefaultSerial = L"001";

}  // namespace tarvelo::fileops
