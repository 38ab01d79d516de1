#pragma once
// Where an item goes: the target name in a destination folder, the
// "_copied" name of a copy onto itself, the destination text as typed, the
// refusal of a folder copied or moved into itself, and the paths pasted
// from clipboard text.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo::fileops {

// Base name and extension of a path's last component. The extension starts
// at the last "." unless that dot is the first character (".profile" has
// none).
struct ItemName {
    std::wstring drive;
    std::wstring directory;  // with its trailing separator
    std::wstring base;
    std::wstring extension;  // dot included
};
ItemName splitItemName(std::wstring_view path);

// destination + "\" + name of source (a drive root destination is "C:").
std::wstring targetPath(std::wstring_view destination, std::wstring_view source);

// The same-folder copy's target: "name_copied.ext", or, while that exists,
// "name_copied2.ext", "name_copied3.ext" ... so that an earlier copy is
// never replaced. Empty when no free name is found.
using ExistsQuery = std::function<bool(const std::wstring&)>;
std::wstring copiedTarget(std::wstring_view source, const ExistsQuery& exists);

// The destination a command accepts: not empty and holding ":" or "\\".
bool destinationAccepted(std::wstring_view destination);
// Every "\.." removed; what is then shorter than four characters loses its
// backslashes ("C:\" becomes "C:").
std::wstring normalizeDestination(std::wstring_view destination);

// True when target is source itself or lies below it (letter case ignored):
// a folder copied or moved there would swallow itself.
bool targetInsideSource(std::wstring_view source, std::wstring_view target);

// The clipboard text is a paste candidate only when it holds ":\".
bool pasteAccepted(std::wstring_view text);
// One path per line; line ends are CR, LF or CR LF; surrounding spaces and
// one pair of surrounding double quotes go; empty lines are dropped.
std::vector<std::wstring> splitPastedPaths(std::wstring_view text);

// Case-insensitive (ASCII and Latin letters folded the way the file system
// compares the common cases) equality of two paths.
bool samePathIgnoringCase(std::wstring_view a, std::wstring_view b);

}  // namespace tarvelo::fileops
