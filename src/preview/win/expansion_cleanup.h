#pragma once
#include <string>

namespace tarvelo::preview::win {

// Removes the program's own "_expand_temp_" folder beside it with its
// content, and nothing else: a module folder that is not a plain absolute
// path removes nothing; a file of that name is left alone; a link of that
// name is removed as a link, never what it points to. True when no such
// folder is left.
bool removeExpansionFolder(const std::wstring& moduleFolder);

}  // namespace tarvelo::preview::win
