#pragma once
// One item of Compress or Expand, without any dialog: what the commands run
// per item and what the tests drive over real folders. A failure comes back
// as the report's line for that item.
#include <optional>
#include <string>

#include "archive/archive_plan.h"
#include "archive/win/archiver_bridge.h"
#include "shell/ui_language.h"

namespace tarvelo::archive::win {

// item: full path of a file or folder in currentFolder (with its trailing
// backslash). Nothing on success, else the report line.
std::optional<std::wstring> compressItem(ArchiverBridge& bridge, const std::wstring& item,
                                         const std::wstring& currentFolder, CompressMode mode, ArchiveType type,
                                         const std::wstring& archiveName, int levelIndex, UiLanguage language);

// Lists the archive first and extracts only when every member stays inside
// the destination and no existing file would be overwritten. Items no
// available library serves are passed over (nothing returned).
std::optional<std::wstring> expandItem(ArchiverBridge& bridge, const std::wstring& archive, bool intoFolder,
                                       UiLanguage language);

}  // namespace tarvelo::archive::win
