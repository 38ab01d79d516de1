#include "launch/ext_app_entry.h"

#include <algorithm>
#include <cstdint>

#include "common/natural_compare.h"

namespace tarvelo::launch {

namespace {

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view trimmed(std::wstring_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool isHighSurrogate(uint32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(uint32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

bool isUsableEntryText(std::wstring_view text) {
    if (text.size() > kMaxExtAppEntryLength) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<uint32_t>(text[i]);
        if ((c < 0x20 && c != L'\t') || c == 0x7F) return false;
        if (isHighSurrogate(c)) {
            if (i + 1 >= text.size() || !isLowSurrogate(static_cast<uint32_t>(text[i + 1]))) return false;
            ++i;
        } else if (isLowSurrogate(c)) {
            return false;
        }
    }
    return true;
}

std::optional<ExtAppEntry> splitExtAppEntry(std::wstring_view text) {
    if (!isUsableEntryText(text)) return std::nullopt;
    const size_t eq = text.find(L'=');
    if (eq == std::wstring_view::npos) return std::nullopt;
    return ExtAppEntry{std::wstring(trimmed(text.substr(0, eq))), std::wstring(trimmed(text.substr(eq + 1)))};
}

std::wstring writtenExtAppEntry(const ExtAppEntry& entry) {
    if (entry.extensions.empty()) return {};
    return entry.extensions + L" = " + entry.program;
}

bool sameExtension(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (common::foldCase(static_cast<uint32_t>(a[i])) != common::foldCase(static_cast<uint32_t>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::vector<std::wstring> findCandidates(std::span<const std::wstring> entries, std::wstring_view extension,
                                         bool isFolder) {
    std::vector<std::wstring> found;
    if (isFolder || extension.empty()) return found;
    for (const std::wstring& text : entries) {
        const std::optional<ExtAppEntry> entry = splitExtAppEntry(text);
        if (!entry || entry->program.empty()) continue;
        bool matches = sameExtension(entry->extensions, extension);
        if (!matches) {
            std::wstring_view rest = entry->extensions;
            // Runs of blanks separate like one blank.
            int taken = 0;
            while (taken < kMaxExtensionsPerEntry && !rest.empty() && !matches) {
                const size_t blank = rest.find(L' ');
                const std::wstring_view one = trimmed(rest.substr(0, blank));
                rest = blank == std::wstring_view::npos ? std::wstring_view{} : rest.substr(blank + 1);
                if (one.empty()) continue;
                ++taken;
                matches = sameExtension(one, extension);
            }
        }
        if (matches) found.push_back(entry->program);
    }
    return found;
}

}  // namespace tarvelo::launch
