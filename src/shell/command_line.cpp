#include "shell/command_line.h"

#include "common/path_split.h"

namespace tarvelo::shell {

namespace {

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

// Next blank-separated token starting at pos; empty when none is left.
std::wstring_view nextToken(std::wstring_view s, size_t& pos) {
    while (pos < s.size() && isBlank(s[pos])) ++pos;
    size_t start = pos;
    while (pos < s.size() && !isBlank(s[pos])) ++pos;
    return s.substr(start, pos - start);
}

uint32_t parseProcessId(std::wstring_view token) {
    // Decimal digits after an optional sign, as the C library reads them;
    // anything else (or an overflow) names no process.
    size_t i = 0;
    if (i < token.size() && (token[i] == L'+' || token[i] == L'-')) ++i;
    uint64_t value = 0;
    size_t digits = 0;
    for (; i < token.size() && token[i] >= L'0' && token[i] <= L'9'; ++i, ++digits) {
        value = value * 10 + static_cast<uint64_t>(token[i] - L'0');
        if (value > 0xFFFFFFFFull) return 0;
    }
    if (digits == 0 || token[0] == L'-') return 0;
    return static_cast<uint32_t>(value);
}

}  // namespace

std::optional<uint32_t> restartWaitProcessId(std::wstring_view commandLine) {
    if (commandLine.find(L"/w") == std::wstring_view::npos) return std::nullopt;
    size_t pos = 0;
    std::wstring_view first = nextToken(commandLine, pos);
    std::wstring_view second = nextToken(commandLine, pos);
    if (first.empty() || second.empty()) return std::nullopt;
    return parseProcessId(second);
}

std::wstring startFolderFromCommandLine(std::wstring_view commandLine) {
    std::wstring text;
    text.reserve(commandLine.size());
    for (wchar_t c : commandLine) {
        if (c != L'"') text.push_back(c);
    }
    // Trim the blanks a shell leaves around a quoted argument.
    while (!text.empty() && isBlank(text.back())) text.pop_back();
    size_t lead = 0;
    while (lead < text.size() && isBlank(text[lead])) ++lead;
    text.erase(0, lead);
    if (text.find(L':') == std::wstring::npos) return {};

    common::PathParts parts = common::splitPath(text);
    std::wstring folder = parts.drive + parts.directory;
    for (size_t i = 0; i + 1 < folder.size(); ++i) {
        if (folder[i] >= L'a' && folder[i] <= L'z' && folder[i + 1] == L':') {
            folder[i] = static_cast<wchar_t>(folder[i] - L'a' + L'A');
        }
    }
    // A bare "X:" would mean "the current directory of X:", which the user
    // never sees; the drive root is what was asked for.
    if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
    return folder;
}

}  // namespace tarvelo::shell

namespace tarvelo::shell {

std::wstring argumentsAfterProgramName(std::wstring_view s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == L' ' || s[i] == L'\t')) ++i;
    if (i < s.size() && s[i] == L'"') {
        size_t close = s.find(L'"', i + 1);
        i = close == std::wstring_view::npos ? s.size() : close + 1;
    }
    while (i < s.size() && s[i] != L' ' && s[i] != L'\t') ++i;
    while (i < s.size() && (s[i] == L' ' || s[i] == L'\t')) ++i;
    return std::wstring(s.substr(i));
}

}  // namespace tarvelo::shell
