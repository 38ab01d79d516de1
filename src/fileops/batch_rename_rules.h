#pragma once
// The name rules of the batch renames. Each takes an item's current name
// (base name B and extension E, E with its leading dot or empty) and gives
// the new name; none touches the disk.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelo::fileops {

// Every occurrence of from replaced by to, left to right without overlap,
// letter case significant. An empty from leaves the name unchanged.
std::wstring replaceAll(std::wstring_view name, std::wstring_view from, std::wstring_view to);

enum class AppendPart { FileName = 0, Extension = 1 };
enum class AppendPosition { Head = 0, Last = 1 };

// Text added to the file name or the extension, at its head or at its end.
// Folders keep their whole name as the "file name" and have no extension
// part. Adding at the head of a file's empty extension leaves the name as it
// was (there is no extension to prefix).
std::wstring appendName(bool isFolder, AppendPart part, AppendPosition position, std::wstring_view base,
                        std::wstring_view extension, std::wstring_view text);

struct SerialSpec {
    int width = 0;        // digits at least, 1..8
    int64_t start = 0;    // the first item's number
};

// The serial text as typed: width = its length, start = the absolute value
// of its leading decimal number (blanks and a sign allowed). Empty when the
// width is outside 1..8: the run is refused.
std::optional<SerialSpec> parseSerial(std::wstring_view serialText);

// prefix + number (zero-padded to width, never cut) + suffix, and the
// extension kept for files.
std::wstring serialName(bool isFolder, std::wstring_view prefix, int64_t number, int width,
                        std::wstring_view suffix, std::wstring_view extension);

// Replaces text between a start and an end delimiter (both included).
// index 0 replaces every match, n the n-th match only. With an empty end
// delimiter the start delimiter alone is replaced: index 0 every occurrence
// the name had, from the right (text a replacement inserts is never
// searched again, so a replacement containing the delimiter cannot loop),
// any other index the last occurrence only. An empty start delimiter leaves the name unchanged.
std::wstring betweenReplace(std::wstring_view name, std::wstring_view startDelimiter,
                            std::wstring_view endDelimiter, std::wstring_view replacement, int matchIndex);

// The whole name mapped character by character (the caller supplies the
// platform's mapping for the interface locale).
std::wstring mapCase(std::wstring_view name, const std::function<wchar_t(wchar_t)>& map);

}  // namespace tarvelo::fileops
