#pragma once
// The main window as the file commands' host.
#include <memory>

#include "fileops/win/operation_host.h"

namespace tarvelo::shell::win {

class MainWindow;

std::shared_ptr<fileops::win::OperationHost> makeOperationHost(MainWindow& window);

}  // namespace tarvelo::shell::win
