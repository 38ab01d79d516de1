#pragma once
// The command lines sent to the two archiver libraries, composed from paths
// that were already converted to the 8-bit code page, and the small rules
// around them: which library serves an archive, the level mapping, the
// order of listed members.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/archiver_status.h"

namespace tarvelo::archive {

// Decided by the extension alone (case-insensitive): ".zip"/".7z" belong to
// 7-ZIP32.DLL, ".rar" to UNRAR32.DLL, anything else to none.
std::optional<ArchiverLibrary> libraryForArchive(std::wstring_view path);

// ".zip" (any case) selects the zip format; every other name 7z.
bool isZipArchiveName(std::wstring_view path);

// Dialog level index 0..5 to the library's level; out of range gives 5.
int compressionLevel(int levelIndex);

// member: empty for all members (folder structure kept under destination).
std::string sevenZipExtractCommand(std::string_view archive, std::string_view destination, std::string_view member);
std::string unrarExtractCommand(std::string_view archive, std::string_view destination, std::string_view member);

// The format follows the archive's extension (given here already decided).
std::string sevenZipCompressCommand(std::string_view archive, std::string_view source, bool zip, int levelIndex,
                                    bool recurse);

// Ascending by plain code units (case-sensitive, no locale); equal names
// keep their order.
void sortMemberNames(std::vector<std::wstring>& names);

}  // namespace tarvelo::archive
