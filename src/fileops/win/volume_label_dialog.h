#pragma once
// Change Volume Label (32849): every logical drive with its label, file
// system and capacity; the chosen drive gets the typed label.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fileops/win/operation_host.h"
#include "shell/command_table.h"

namespace tarvelo::fileops::win {

struct VolumeFacts {
    std::wstring root;  // "C:\"
    std::wstring label;  // empty when the query fails (no medium)
    std::wstring fileSystem;
    int64_t capacity = 0;  // total bytes, 0 when unknown
};

// The logical drives in the platform's order, each queried once.
std::vector<VolumeFacts> logicalVolumes();

void registerVolumeLabelCommand(shell::CommandTable& table, std::shared_ptr<OperationHost> host);

}  // namespace tarvelo::fileops::win
