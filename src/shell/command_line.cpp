#include "shell/command_line.h"

#include "common/path_split.h"

#include <vector>

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

std::vector<std::wstring> splitArguments(std::wstring_view line) {
    std::vector<std::wstring> args;
    size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == L' ' || line[i] == L'\t')) ++i;
        if (i >= line.size()) break;
        std::wstring arg;
        bool quoted = false;
        while (i < line.size()) {
            const wchar_t c = line[i];
            if (c == L'\\') {
                size_t run = 0;
                while (i < line.size() && line[i] == L'\\') ++run, ++i;
                if (i < line.size() && line[i] == L'"') {
                    // 2n backslashes and a quote: n backslashes, the quote
                    // delimits; 2n+1: n backslashes and a literal quote.
                    arg.append(run / 2, L'\\');
                    if (run % 2 == 1) {
                        arg.push_back(L'"');
                        ++i;
                    }
                } else {
                    arg.append(run, L'\\');
                }
                continue;
            }
            if (c == L'"') {
                if (quoted && i + 1 < line.size() && line[i + 1] == L'"') {
                    arg.push_back(L'"');  // "" inside quotes is one literal quote
                    i += 2;
                    continue;
                }
                quoted = !quoted;
                ++i;
                continue;
            }
            if (!quoted && (c == L' ' || c == L'\t')) break;
            arg.push_back(c);
            ++i;
        }
        args.push_back(std::move(arg));
    }
    return args;
}

std::wstring startFolderFromCommandLine(std::wstring_view commandLine) {
    // The arguments as every Windows program reads them. Without a quote
    // the rules change nothing but the splitting at blanks, and an unquoted
    // path with blanks is meant whole: the line is taken as it is.
    std::wstring text;
    if (commandLine.find(L'"') == std::wstring_view::npos) {
        text = commandLine;
    } else {
        for (std::wstring& arg : splitArguments(commandLine)) {
            // A quoted folder with its trailing backslash ("C:\a b\") leaves a
            // literal quote where the backslash was meant: it is the backslash.
            if (!arg.empty() && arg.back() == L'"') arg.back() = L'\\';
            if (!text.empty()) text += L' ';
            text += arg;
        }
    }
    std::erase(text, L'"');
    while (!text.empty() && isBlank(text.back())) text.pop_back();
    size_t lead = 0;
    while (lead < text.size() && isBlank(text[lead])) ++lead;
    text.erase(0, lead);
    if (text.find(L':') == std::wstring::npos) return {};
    // Runs of backslashes become one, except a network path's leading pair.
    {
        const size_t keep = text.rfind(L"\\\\", 0) == 0 ? 2 : 0;
        std::wstring single = text.substr(0, keep);
        for (size_t i = keep; i < text.size(); ++i) {
            if (text[i] == L'\\' && !single.empty() && single.back() == L'\\') continue;
            single.push_back(text[i]);
        }
        text.swap(single);
    }

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
