#pragma once
// Timestamp (32804), Attribute (32805), the four time copies (32841-32844)
// and the volume label (32849), joined to the main window's table.
#include <memory>

#include "fileops/win/operation_host.h"
#include "shell/command_table.h"

namespace tarvelo::fileops::win {

void registerTimesCommands(shell::CommandTable& table, std::shared_ptr<OperationHost> host);

}  // namespace tarvelo::fileops::win
