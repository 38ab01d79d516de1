#include "fileops/item_rules.h"

#include <cwctype>

#include "common/path_split.h"

namespace tarvelo::fileops {

ItemName splitItemName(std::wstring_view path) {
    common::PathParts parts = common::splitPath(path);
    ItemName n{parts.drive, parts.directory, parts.stem, parts.extension};
    // A name that is only an extension (".profile") is a base name.
    if (n.base.empty() && !n.extension.empty()) {
        n.base = n.extension;
        n.extension.clear();
    }
    return n;
}

std::wstring targetPath(std::wstring_view destination, std::wstring_view source) {
    ItemName n = splitItemName(source);
    std::wstring t(destination);
    t += L'\\';
    t += n.base;
    t += n.extension;
    return t;
}

std::wstring copiedTarget(std::wstring_view source, const ExistsQuery& exists) {
    ItemName n = splitItemName(source);
    const std::wstring head = n.drive + n.directory + n.base + L"_copied";
    for (int i = 1; i < 10000; ++i) {
        std::wstring candidate = head + (i == 1 ? std::wstring() : std::to_wstring(i)) + n.extension;
        if (!exists(candidate)) return candidate;
    }
    return {};
}

bool destinationAccepted(std::wstring_view d) {
    return !d.empty() && (d.find(L':') != std::wstring_view::npos || d.find(L"\\\\") != std::wstring_view::npos);
}

std::wstring normalizeDestination(std::wstring_view destination) {
    std::wstring d(destination);
    for (size_t at; (at = d.find(L"\\..")) != std::wstring::npos;) d.erase(at, 3);
    if (d.size() < 4) std::erase(d, L'\\');
    return d;
}

static wchar_t fold(wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))); }

bool samePathIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

bool targetInsideSource(std::wstring_view source, std::wstring_view target) {
    while (!source.empty() && (source.back() == L'\\' || source.back() == L'/')) source.remove_suffix(1);
    if (source.empty() || target.size() < source.size()) return false;
    if (!samePathIgnoringCase(source, target.substr(0, source.size()))) return false;
    if (target.size() == source.size()) return true;
    const wchar_t next = target[source.size()];
    return next == L'\\' || next == L'/';
}

bool pasteAccepted(std::wstring_view text) { return text.find(L":\\") != std::wstring_view::npos; }

std::vector<std::wstring> splitPastedPaths(std::wstring_view text) {
    std::vector<std::wstring> paths;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring_view::npos) end = text.size();
        std::wstring_view line = text.substr(start, end - start);
        while (!line.empty() && (line.front() == L' ' || line.front() == L'\t')) line.remove_prefix(1);
        while (!line.empty() && (line.back() == L' ' || line.back() == L'\t')) line.remove_suffix(1);
        if (line.size() >= 2 && line.front() == L'"' && line.back() == L'"') line = line.substr(1, line.size() - 2);
        if (!line.empty()) paths.emplace_back(line);
        if (end == text.size()) break;
        start = end + 1;
    }
    return paths;
}

}  // namespace tarvelo::fileops
