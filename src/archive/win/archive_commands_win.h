#pragma once
// Compress (32829, P and Shift+P), Expand (32830, U) and the archiver
// libraries' Help-menu entries (34900, 34901), joined to the main window's
// command table.
#include <memory>

#include "fileops/win/operation_host.h"
#include "shell/command_table.h"

namespace tarvelo::archive::win {

void registerArchiveCommands(shell::CommandTable& table, std::shared_ptr<fileops::win::OperationHost> host);

}  // namespace tarvelo::archive::win
