#pragma once
// The main window as the launching commands' host.
#include <memory>

#include "launch/win/launch_host.h"

namespace tarvelo::shell::win {

class MainWindow;

std::shared_ptr<launch::win::LaunchHost> makeLaunchHost(MainWindow& window);

}  // namespace tarvelo::shell::win
