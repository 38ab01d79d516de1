#pragma once
// The batch renames: Replace (32808), Append (32809), Serial Number
// (32810), Between (32851) and the case renames (32806, 32807). Every run
// is planned whole first, so no new name ever replaces another item.
#include <memory>

#include "fileops/win/operation_host.h"
#include "shell/command_table.h"

namespace tarvelo::fileops::win {

void registerBatchRenameCommands(shell::CommandTable& table, std::shared_ptr<OperationHost> host);

}  // namespace tarvelo::fileops::win
