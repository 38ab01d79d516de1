#include "launch/launch_command_lines.h"

#include "common/path_split.h"

namespace tarvelo::launch {

namespace {

bool fits(const std::wstring& line) { return line.size() < kMaxCommandLine; }

}  // namespace

std::wstring quotedArgument(std::wstring_view argument) {
    size_t trailing = 0;
    while (trailing < argument.size() && argument[argument.size() - 1 - trailing] == L'\\') ++trailing;
    std::wstring out;
    out.reserve(argument.size() + trailing + 2);
    out += L'"';
    out += argument;
    out.append(trailing, L'\\');
    out += L'"';
    return out;
}

std::optional<std::wstring> candidateCommandLine(std::wstring_view program, std::wstring_view path) {
    if (program.empty() || path.empty() || path.find(L'"') != std::wstring_view::npos) return std::nullopt;
    std::wstring line = program.find(L'"') != std::wstring_view::npos ? std::wstring(program)
                                                                      : quotedArgument(program);
    line += L' ';
    line += quotedArgument(path);
    if (!fits(line)) return std::nullopt;
    return line;
}

std::wstring initialCommandText(std::wstring_view cursorPath, int cursorIndex, int entryCount) {
    if (cursorIndex > 0 && cursorIndex < entryCount && !cursorPath.empty()) {
        // Offered quoted when it has blanks, so that running it as offered
        // starts that file and not the first word of its path.
        if (cursorPath.find_first_of(L" \t") != std::wstring_view::npos) return quotedArgument(cursorPath);
        return std::wstring(cursorPath);
    }
    return L"cmd";
}

std::optional<std::wstring> typedCommandLine(std::wstring_view typed) {
    // Only the whole marker stands for the empty field; "***" inside a typed
    // line belongs to the user.
    std::wstring line = typed == L"***" ? std::wstring() : std::wstring(typed);
    const size_t first = line.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return std::wstring(L"cmd");
    if (!fits(line)) return std::nullopt;
    return line;
}

std::wstring shortcutPath(std::wstring_view desktopFolder, std::wstring_view itemPath) {
    std::wstring out(desktopFolder);
    if (!out.empty() && out.back() != L'\\') out += L'\\';
    out += common::fileName(itemPath);
    out += L".lnk";
    return out;
}

}  // namespace tarvelo::launch
