#pragma once
// Attribute (32805) and the four time copies (32841-32844), joined to the
// main window's table.
#include <memory>

#include "fileops/win/operation_host.h"
#include "shell/command_table.h"

namespace tarvelo::fileops::win {

void registerTimesCommands(shell::CommandTable& table, std::shared_ptr<OperationHost> host);

}  // namespace tarvelo::fileops::win
