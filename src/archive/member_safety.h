#pragma once
// What an archive member name may be before anything is extracted from the
// archive: a name that climbs out of the destination ("..", a drive, a root
// or a stream) is refused, so extraction writes only below its folder.
#include <string>
#include <string_view>

namespace tarvelo::archive {

// True when the member stays below the destination: not empty, no leading
// slash or backslash, no colon (drive letters and streams), no ".."
// component.
bool isSafeMemberName(std::wstring_view member);

// The member's place under destination (a folder with its trailing
// backslash): forward slashes become backslashes; a folder member's trailing
// separator is dropped.
std::wstring memberTargetPath(std::wstring_view destination, std::wstring_view member);

// A folder member ("docs/"): nothing to overwrite.
bool isFolderMember(std::wstring_view member);

}  // namespace tarvelo::archive
