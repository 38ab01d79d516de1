#pragma once
// What a screen reader says for a list row: the entry's name, its kind and,
// for files, its size ("report.txt, File, 1,234 bytes"). Attributes follow
// only when they matter to the user (read-only, hidden, system).
#include <string>

#include "filelist/cell_texts.h"
#include "filelist/file_entry.h"

namespace tarvelo::filelist {

// `context.view` is ignored: the name is always the whole file name.
std::wstring accessibleRowName(const FileEntry& entry, const CellContext& context);

// The list's own name: the folder it shows.
std::wstring accessibleListName(std::wstring_view currentFolder, UiLanguage language);

}  // namespace tarvelo::filelist
