#include "fileops/folder_spec_rules.h"

#include <algorithm>

namespace tarvelo::fileops {

namespace {
constexpr std::wstring_view kForbidden = L"/*?\"><|";
}

bool isValidFolderText(std::wstring_view text) {
    return text.size() >= 3 && text.size() <= 259 && text.find_first_of(kForbidden) == std::wstring_view::npos;
}

TypedText cleanTypedText(std::wstring_view text) {
    TypedText r;
    for (wchar_t c : text) {
        if (c == L'\t') {
            r.changed = true;
        } else if (kForbidden.find(c) != std::wstring_view::npos) {
            r.changed = true;
            r.hadForbidden = true;
        } else {
            r.text += c;
        }
    }
    return r;
}

std::wstring upperDriveLetters(std::wstring_view text) {
    std::wstring t(text);
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        if (t[i + 1] == L':' && t[i] >= L'a' && t[i] <= L'z') t[i] = static_cast<wchar_t>(t[i] - L'a' + L'A');
    }
    return t;
}

OkResult folderSpecOk(std::wstring_view text, std::wstring_view baseFolder) {
    const bool colon = text.find(L':') != std::wstring_view::npos;
    const bool backslash = text.find(L'\\') != std::wstring_view::npos;
    if (text.empty()) return {OkAction::Browse, {}};
    if (!colon && !backslash) {
        std::wstring t = upperDriveLetters(std::wstring(baseFolder) + L"\\" + std::wstring(text));
        for (size_t at; (at = t.find(L"\\\\")) != std::wstring::npos;) t.erase(at, 1);
        return {OkAction::ShowAndStay, t};
    }
    if (text.size() <= 2 && colon && !backslash) return {OkAction::ShowAndStay, upperDriveLetters(text) + L"\\"};
    if (isValidFolderText(text)) return {OkAction::Accept, std::wstring(text)};
    return {OkAction::ShowAndStay, std::wstring(baseFolder)};
}

std::vector<std::wstring> folderHistory(const std::vector<std::wstring>& stored) {
    std::vector<std::wstring> values;
    for (const std::wstring& raw : stored) {
        std::wstring v;
        for (wchar_t c : raw) {
            if (c != L'\r' && c != L'\n') v += c;
        }
        if (v.find(L':') != std::wstring::npos) {
            v = upperDriveLetters(v);
            if (v.size() == 2) v += L'\\';
        }
        if (!isValidFolderText(v)) continue;
        if (v.find(L':') == std::wstring::npos && v.find(L"\\\\") == std::wstring::npos) continue;
        // Of equal values only the last stays.
        std::erase(values, v);
        values.push_back(std::move(v));
    }
    return values;
}

}  // namespace tarvelo::fileops
