#pragma once
// The one 8-bit boundary of the program: paths and member names handed to
// the archiver libraries. A character the code page cannot carry makes the
// conversion fail; it is never replaced by a look-alike or a '?', which
// would send the library to a different (or no) file.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace tarvelo::archive::win {

inline constexpr size_t kAnsiPathBytes = 2600;     // terminator included
inline constexpr size_t kMemberNameChars = 5200;

// Nothing when a character is not representable or the text needs
// capacity bytes or more.
std::optional<std::string> toAnsi(std::wstring_view text, UINT codePage = CP_ACP, size_t capacity = kAnsiPathBytes);

// At most maxChars characters.
std::wstring fromAnsi(std::string_view text, UINT codePage = CP_ACP, size_t maxChars = kMemberNameChars);

}  // namespace tarvelo::archive::win
