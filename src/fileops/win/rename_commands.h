#pragma once
// Make Folder / Make File (32799) and Rename (32800), joined to the main
// window's table together with the batch renames, the timestamp, attribute
// and time-copy commands and the volume label.
#include <memory>

#include "fileops/win/operation_host.h"
#include "shell/command_table.h"

namespace tarvelo::fileops::win {

void registerRenameCommands(shell::CommandTable& table, std::shared_ptr<OperationHost> host);

}  // namespace tarvelo::fileops::win
