#pragma once
#include <string>

namespace tarvelo::platform {

// Deletes a folder with everything in it. Links inside it (junctions,
// symbolic links) are removed as links: what they point to is never
// touched. False when something could not be removed.
bool removeFolderTree(const std::wstring& folder);

}  // namespace tarvelo::platform
