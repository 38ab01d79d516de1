#pragma once
// What the program's command line asks for: a crash restart wait ("/w" and a
// process id) or a start folder.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo::shell {

// The restart form written by the crash handler: "\"exe\" /w <pid>".
// Returns the id to wait for when the line contains "/w" and splits into at
// least two blank-separated tokens; the id is the second token's number
// (0 when it is not a number, which then matches no process).
std::optional<uint32_t> restartWaitProcessId(std::wstring_view commandLine);

// The arguments of a command line by the rules of CommandLineToArgvW (and
// of the C runtime): blanks separate, quotes group, 2n backslashes before a
// quote give n, 2n+1 give n and a literal quote, "" inside quotes is a quote.
std::vector<std::wstring> splitArguments(std::wstring_view line);

// The start folder named on the command line: the arguments joined by one
// blank, a stray trailing quote read as the backslash it stood for, runs of
// backslashes made one (a network path keeps its leading pair); when a colon
// remains, the drive and directory part (up to the last backslash) with
// every drive letter upper-cased. "c:\data\report.txt" -> "C:\data\",
// "d:\music" -> "D:\". Empty when the line names no drive path.
std::wstring startFolderFromCommandLine(std::wstring_view commandLine);

}  // namespace tarvelo::shell

namespace tarvelo::shell {

// The arguments of a full process command line: what follows the program
// name, which may be quoted ("C:\Program Files\x.exe" a b -> "a b").
std::wstring argumentsAfterProgramName(std::wstring_view fullCommandLine);

}  // namespace tarvelo::shell
