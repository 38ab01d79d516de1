#pragma once
#include <string>

#include "archive/archiver_status.h"

namespace tarvelo::archive::win {

// Loads the library by name, reads its version and frees it again.
std::wstring probeArchiverStatus(ArchiverLibrary library);

}  // namespace tarvelo::archive::win
