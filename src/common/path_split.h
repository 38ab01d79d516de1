#pragma once
// Splitting a Windows path into drive, directory, stem and extension, the
// way the C runtime's path splitting does (usable off Windows too).
#include <string>
#include <string_view>

namespace tarvelo::common {

struct PathParts {
    std::wstring drive;      // "C:" or empty
    std::wstring directory;  // up to and including the last separator
    std::wstring stem;       // file name without its extension
    std::wstring extension;  // from the last dot, dot included; empty when none
};

PathParts splitPath(std::wstring_view path);

// Stem and extension joined: the last component of the path.
std::wstring fileName(std::wstring_view path);

}  // namespace tarvelo::common
