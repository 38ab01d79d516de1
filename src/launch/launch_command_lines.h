#pragma once
// The command lines handed to process creation, built so that a program or
// file path with blanks or Japanese characters stays one argument.
#include <optional>
#include <string>
#include <string_view>

namespace tarvelo::launch {

// Process creation takes at most this many characters, terminator included.
inline constexpr size_t kMaxCommandLine = 4096;

// One argument in double quotes, read back whole by the usual argument
// splitting: backslashes before the closing quote are doubled (a folder
// path "C:\" would otherwise swallow the quote).
std::wstring quotedArgument(std::wstring_view argument);

// "%s \"%s\"" when the program text already holds a double quote (it is
// then taken as written: a quoted path with options), else both quoted.
// Nothing when either is empty, the path holds a double quote, or the line
// would not fit: a cut line would name a different file.
std::optional<std::wstring> candidateCommandLine(std::wstring_view program, std::wstring_view path);

// Command Execution: the text first offered (the entry's path when the
// cursor is on an entry other than the first, quoted when it has blanks;
// else "cmd").
std::wstring initialCommandText(std::wstring_view cursorPath, int cursorIndex, int entryCount);
// The typed text as the line to run: the dialog's "***" (empty field)
// marker removed, an empty result becomes "cmd". Nothing when it is too
// long to start whole.
std::optional<std::wstring> typedCommandLine(std::wstring_view typed);

// The desktop shortcut for an item: "<desktop>\<file name>.lnk".
std::wstring shortcutPath(std::wstring_view desktopFolder, std::wstring_view itemPath);

}  // namespace tarvelo::launch
