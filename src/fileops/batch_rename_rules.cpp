#include "fileops/batch_rename_rules.h"

#include <cwchar>

namespace tarvelo::fileops {

std::wstring replaceAll(std::wstring_view name, std::wstring_view from, std::wstring_view to) {
    if (from.empty()) return std::wstring(name);
    std::wstring out;
    size_t pos = 0;
    for (size_t at = name.find(from); at != std::wstring_view::npos; at = name.find(from, pos)) {
        out.append(name.substr(pos, at - pos));
        out.append(to);
        pos = at + from.size();
    }
    out.append(name.substr(pos));
    return out;
}

std::wstring appendName(bool isFolder, AppendPart part, AppendPosition position, std::wstring_view base,
                        std::wstring_view extension, std::wstring_view text) {
    std::wstring whole = std::wstring(base) + std::wstring(extension);
    if (isFolder) {
        if (part == AppendPart::Extension) return whole;
        return position == AppendPosition::Head ? std::wstring(text) + whole : whole + std::wstring(text);
    }
    if (part == AppendPart::FileName) {
        if (position == AppendPosition::Head) return std::wstring(text) + whole;
        return std::wstring(base) + std::wstring(text) + std::wstring(extension);
    }
    if (position == AppendPosition::Last) return whole + std::wstring(text);
    if (extension.empty()) return whole;
    return std::wstring(base) + L"." + std::wstring(text) + std::wstring(extension.substr(1));
}

std::optional<SerialSpec> parseSerial(std::wstring_view serialText) {
    const int width = static_cast<int>(serialText.size());
    if (width < 1 || width > 8) return std::nullopt;
    size_t i = 0;
    while (i < serialText.size() && (serialText[i] == L' ' || serialText[i] == L'\t')) ++i;
    if (i < serialText.size() && (serialText[i] == L'+' || serialText[i] == L'-')) ++i;
    int64_t value = 0;
    while (i < serialText.size() && serialText[i] >= L'0' && serialText[i] <= L'9') {
        value = value * 10 + (serialText[i] - L'0');
        ++i;
    }
    return SerialSpec{width, value};
}

std::wstring serialName(bool isFolder, std::wstring_view prefix, int64_t number, int width,
                        std::wstring_view suffix, std::wstring_view extension) {
    std::wstring digits = std::to_wstring(number < 0 ? -number : number);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, static_cast<size_t>(width) - digits.size(), L'0');
    std::wstring out = std::wstring(prefix) + digits + std::wstring(suffix);
    if (!isFolder) out += extension;
    return out;
}

std::wstring betweenReplace(std::wstring_view name, std::wstring_view startDelimiter,
                            std::wstring_view endDelimiter, std::wstring_view replacement, int matchIndex) {
    std::wstring out(name);
    if (startDelimiter.empty()) return out;
    if (!endDelimiter.empty()) {
        int count = 0;
        size_t pos = 0;
        for (;;) {
            const size_t f = out.find(startDelimiter, pos);
            if (f == std::wstring::npos) break;
            const size_t e = out.find(endDelimiter, f + startDelimiter.size());
            if (e == std::wstring::npos) break;
            const size_t end = e + endDelimiter.size();
            ++count;
            if (matchIndex != 0 && count != matchIndex) {
                pos = end;
                continue;
            }
            out.replace(f, end - f, replacement);
            if (matchIndex != 0) break;
            pos = f + replacement.size();
        }
        return out;
    }
    // Only the start delimiter: the last occurrence first. Index 0 goes on
    // leftwards over the occurrences the name had, never into text a
    // replacement put in (which could otherwise repeat forever).
    size_t f = out.rfind(startDelimiter);
    while (f != std::wstring::npos) {
        out.replace(f, startDelimiter.size(), replacement);
        if (matchIndex != 0 || f < startDelimiter.size()) break;
        f = out.rfind(startDelimiter, f - startDelimiter.size());
    }
    return out;
}

std::wstring mapCase(std::wstring_view name, const std::function<wchar_t(wchar_t)>& map) {
    std::wstring out;
    out.reserve(name.size());
    for (wchar_t c : name) out.push_back(map(c));
    return out;
}

}  // namespace tarvelo::fileops
