#include "fileops/name_rules.h"

namespace tarvelo::fileops {

bool hasInvalidNameChar(std::wstring_view text) {
    return text.find_first_of(kInvalidNameChars) != std::wstring_view::npos;
}

std::wstring withoutInvalidNameChars(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        if (c != L'\t' && kInvalidNameChars.find(c) == std::wstring_view::npos) out.push_back(c);
    }
    return out;
}

std::wstring withoutTabs(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        if (c != L'\t') out.push_back(c);
    }
    return out;
}

std::wstring withoutEmptyMarker(std::wstring_view text) {
    std::wstring out(text);
    for (size_t at = out.find(kEmptyMarker); at != std::wstring::npos; at = out.find(kEmptyMarker, at)) {
        out.erase(at, kEmptyMarker.size());
    }
    return out;
}

std::wstring markEmpty(std::wstring_view text) {
    return text.empty() ? std::wstring(kEmptyMarker) : std::wstring(text);
}

std::wstring typedName(std::wstring_view returned) {
    std::wstring out;
    for (wchar_t c : withoutEmptyMarker(returned)) {
        if (c != L'\\') out.push_back(c);
    }
    return out;
}

}  // namespace tarvelo::fileops
