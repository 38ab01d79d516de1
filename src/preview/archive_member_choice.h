#pragma once
// Which member of an archive the preview shows, what its strip says and
// what the extracted copy is called in the expansion folder.
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo::preview {

// The member's own file name: what follows its last '/' or '\' (empty for
// a folder member such as "pics/").
std::wstring memberBareName(std::wstring_view member);

// An image the preview can draw: the bare name carries one of the image
// extensions (any case) and is not a device name ("CON.jpg", "lpt1.png"),
// which would not land in a file.
bool isImageMemberName(std::wstring_view member);

// The index to show among `count` members, given which ones may be shown.
// `requested` is clamped to 0 .. count - 1; a showable member there is
// taken. Otherwise the nearest showable member in the direction of the
// step from `previous` (the index shown last for this archive, -1 for
// none) is taken, else the nearest one the other way; without a step the
// nearest one, the later on a tie. -1 when nothing may be shown.
int chooseArchiveMember(const std::vector<bool>& showable, int requested, int previous);

// "a.zip /  pics/b.jpg  /  Compressed Files: 2" (or the Japanese row).
std::wstring archiveTitleText(const std::wstring& archiveFileName, const std::wstring& member, int memberCount,
                              bool japanese);

// The extracted copy's name: the archive's base name with the member's
// extension ("a" and "pics/b.JPG" give "a.JPG").
std::wstring expandedPreviewName(const std::wstring& archiveStem, std::wstring_view member);

}  // namespace tarvelo::preview
