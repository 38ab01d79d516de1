#include "launch/ext_app_editor_rows.h"

#include <utility>

namespace tarvelo::launch {

namespace {

bool validIndex(int index) { return index >= 0 && index < kExtAppRows; }

std::wstring trimmedCopy(std::wstring_view s) {
    const size_t first = s.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return {};
    const size_t last = s.find_last_not_of(L" \t");
    return std::wstring(s.substr(first, last - first + 1));
}

}  // namespace

void ExtAppEditorRows::load(const std::array<std::wstring, kExtAppRows>& values) {
    for (int i = 0; i < kExtAppRows; ++i) {
        std::wstring text;
        for (wchar_t c : values[static_cast<size_t>(i)]) {
            if (c != L'\r' && c != L'\n') text += c;
        }
        rows_[static_cast<size_t>(i)] = splitExtAppEntry(text).value_or(ExtAppEntry{});
    }
}

const ExtAppEntry& ExtAppEditorRows::row(int index) const {
    static const ExtAppEntry none{};
    return validIndex(index) ? rows_[static_cast<size_t>(index)] : none;
}

bool ExtAppEditorRows::isEmpty(int index) const {
    const ExtAppEntry& r = row(index);
    return r.extensions.empty() && r.program.empty();
}

std::wstring ExtAppEditorRows::number(int index) {
    const int n = index + 1;
    return (n < 10 ? L"0" : L"") + std::to_wstring(n);
}

bool ExtAppEditorRows::regist(int index, std::wstring_view extensions, std::wstring_view program) {
    if (!validIndex(index)) return false;
    std::wstring list;
    for (wchar_t c : extensions) {
        list += c == L'=' ? L' ' : c;
    }
    ExtAppEntry& r = rows_[static_cast<size_t>(index)];
    r.extensions = trimmedCopy(list);
    r.program = r.extensions.empty() ? std::wstring() : trimmedCopy(program);
    return true;
}

bool ExtAppEditorRows::moveUp(int index) {
    if (!validIndex(index) || index == 0) return false;
    std::swap(rows_[static_cast<size_t>(index)], rows_[static_cast<size_t>(index - 1)]);
    return true;
}

bool ExtAppEditorRows::moveDown(int index) {
    if (!validIndex(index) || index == kExtAppRows - 1) return false;
    std::swap(rows_[static_cast<size_t>(index)], rows_[static_cast<size_t>(index + 1)]);
    return true;
}

bool ExtAppEditorRows::clear(int index) {
    if (!validIndex(index)) return false;
    rows_[static_cast<size_t>(index)] = {};
    return true;
}

std::array<std::wstring, kExtAppRows> ExtAppEditorRows::written() const {
    std::array<std::wstring, kExtAppRows> out;
    for (int i = 0; i < kExtAppRows; ++i) out[static_cast<size_t>(i)] = writtenExtAppEntry(rows_[static_cast<size_t>(i)]);
    return out;
}

std::wstring registButtonText(UiLanguage language, int index) {
    const std::wstring n = ExtAppEditorRows::number(index);
    return language == UiLanguage::Japanese ? n + L" に登録" : L"Regist " + n;
}

std::wstring removeRowQuestion(UiLanguage language, int index) {
    const std::wstring n = ExtAppEditorRows::number(index);
    return language == UiLanguage::Japanese ? L"[ No." + n + L" ] のリストを削除します。よろしいですか？"
                                            : L"Delete the listing for [ No." + n + L" ]. Are you sure?";
}

}  // namespace tarvelo::launch
