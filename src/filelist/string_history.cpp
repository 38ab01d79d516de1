#include "filelist/string_history.h"

#include <algorithm>
#include <cwchar>

namespace tarvelo::filelist {

namespace {

wchar_t foldAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

std::wstring withoutLineBreaks(std::wstring text) {
    std::erase_if(text, [](wchar_t c) { return c == L'\r' || c == L'\n'; });
    return text;
}

}  // namespace

std::wstring stringHistoryKey(int index) {
    wchar_t key[24];
    std::swprintf(key, 24, L"String_%02d", index);
    return key;
}

bool historyOrder(std::wstring_view a, std::wstring_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const wchar_t x = foldAscii(a[i]);
        const wchar_t y = foldAscii(b[i]);
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

StringHistory StringHistory::load(const Reader& read) {
    StringHistory h;
    for (int i = 1; i <= kStringHistorySize; ++i) {
        std::wstring value = withoutLineBreaks(read(stringHistoryKey(i)));
        if (value.empty() || h.contains(value)) continue;
        h.items_.push_back(std::move(value));
    }
    std::sort(h.items_.begin(), h.items_.end(),
              [](const std::wstring& a, const std::wstring& b) { return historyOrder(a, b); });
    return h;
}

bool StringHistory::contains(std::wstring_view text) const {
    return std::find(items_.begin(), items_.end(), text) != items_.end();
}

void StringHistory::enter(std::wstring_view text) {
    // An empty string would take a place and push a real one out.
    if (text.empty() || contains(text)) return;
    items_.insert(items_.begin(), std::wstring(text));
}

bool StringHistory::remove(std::wstring_view text) {
    if (text.empty()) return false;
    auto it = std::find(items_.begin(), items_.end(), text);
    if (it == items_.end()) return false;
    items_.erase(it);
    return true;
}

std::vector<StringHistory::KeyValue> StringHistory::stored() const {
    std::vector<KeyValue> out;
    out.reserve(kStringHistorySize);
    for (int i = 0; i < kStringHistorySize; ++i) {
        const size_t at = static_cast<size_t>(i);
        out.push_back({stringHistoryKey(i + 1), at < items_.size() ? withoutLineBreaks(items_[at]) : std::wstring()});
    }
    return out;
}

}  // namespace tarvelo::filelist
