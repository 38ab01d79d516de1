#pragma once
// The main window as the host of search-select and filtering.
#include <memory>

#include "filelist/win/filter_commands.h"

namespace tarvelo::shell::win {

class MainWindow;

std::shared_ptr<filelist::win::FilterHost> makeFilterHost(MainWindow& window);

}  // namespace tarvelo::shell::win
