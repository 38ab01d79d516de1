#pragma once
// What the system says about drive letters. The mask is cheap; probing one
// drive may wait on a slow medium or a network, so callers on the UI thread
// probe through filelist::win::DriveMonitor instead.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "filelist/drive_table.h"

namespace tarvelo::platform {

// Drives without a medium answer with an error instead of the system's
// "insert a disk" box, for the whole process. Start-up calls this once.
void suppressCriticalErrorBoxes();

// Bit 0 for A: ... bit 25 for Z: (the letters that name a drive at all).
uint32_t logicalDriveMask();

// Blocking: nothing when drive 1..26 cannot be entered (no medium, an
// unreachable share, no such letter); otherwise its type, space and volume.
// Never changes the process's current directory.
std::optional<filelist::DriveFacts> probeDrive(int drive);

}  // namespace tarvelo::platform
