#pragma once
// Open, Edit File, Property, Create Shortcut on Desktop, Command Execution,
// Associated Execution with its candidates (34700-34730), its editor, New
// Process and the network drive dialogs, joined to the main window's table.
#include <memory>

#include "launch/win/launch_host.h"
#include "shell/command_table.h"

namespace tarvelo::launch::win {

void registerLaunchCommands(shell::CommandTable& table, std::shared_ptr<LaunchHost> host);

}  // namespace tarvelo::launch::win
