#pragma once
// The temporary expansion folder of archive previews: "_expand_temp_"
// beside the program. Only that folder is ever cleaned up at exit.
#include <string>

namespace tarvelo::preview {

// moduleFolder (the program's drive and folder, ending in a backslash) plus
// "_expand_temp_\", or empty when moduleFolder is not a plain absolute
// folder path: relative, with "." or ".." parts, forward slashes, wildcard
// or stream characters, or no trailing backslash. An empty result means
// nothing may be removed.
std::wstring expansionFolderFor(const std::wstring& moduleFolder);

}  // namespace tarvelo::preview
