#pragma once
// File Copy (32823), File Move (32824), Paste (32796), the drop menu
// (32791 copy here, 32792 move here, 32793 cancel, 32794 open) and Delete
// (32798), joined to the main window's command table.
#include <memory>

#include "fileops/win/operation_host.h"
#include "shell/command_table.h"

namespace tarvelo::fileops::win {

void registerFileCommands(shell::CommandTable& table, std::shared_ptr<OperationHost> host);

}  // namespace tarvelo::fileops::win
