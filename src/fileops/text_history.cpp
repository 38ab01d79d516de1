#include "fileops/text_history.h"

#include <algorithm>
#include <cwchar>

namespace tarvelo::fileops {

std::wstring historyKey(std::wstring_view prefix, int index) {
    wchar_t digits[16];
    std::swprintf(digits, 16, L"%02d", index);
    return std::wstring(prefix) + digits;
}

TextHistory TextHistory::load(const Reader& read, std::wstring_view prefix, int capacity) {
    TextHistory h;
    h.capacity_ = capacity;
    for (int i = 1; i <= capacity; ++i) {
        std::wstring value = read(historyKey(prefix, i));
        std::erase_if(value, [](wchar_t c) { return c == L'\r' || c == L'\n'; });
        if (value.empty() || std::find(h.entries_.begin(), h.entries_.end(), value) != h.entries_.end()) continue;
        h.entries_.push_back(std::move(value));
    }
    return h;
}

void TextHistory::add(std::wstring_view text) {
    if (text.empty() || std::find(entries_.begin(), entries_.end(), text) != entries_.end()) return;
    entries_.insert(entries_.begin(), std::wstring(text));
}

bool TextHistory::remove(std::wstring_view text) {
    auto it = std::find(entries_.begin(), entries_.end(), text);
    if (it == entries_.end()) return false;
    entries_.erase(it);
    return true;
}

std::vector<TextHistory::KeyValue> TextHistory::stored(std::wstring_view prefix) const {
    std::vector<KeyValue> out;
    for (int i = 0; i < capacity_; ++i) {
        out.push_back({historyKey(prefix, i + 1),
                       i < static_cast<int>(entries_.size()) ? entries_[static_cast<size_t>(i)] : std::wstring()});
    }
    return out;
}

}  // namespace tarvelo::fileops
