#pragma once
// Make Folder / Make File (32799), Rename (32800), Replace Rename (32808)
// and the case renames (32806, 32807), joined to the main window's table
// together with the attribute and time-copy commands.
#include <memory>

#include "fileops/win/operation_host.h"
#include "shell/command_table.h"

namespace tarvelo::fileops::win {

void registerRenameCommands(shell::CommandTable& table, std::shared_ptr<OperationHost> host);

}  // namespace tarvelo::fileops::win
