#pragma once
// Keeps the DriveTable current without letting a slow or absent drive stall
// the UI thread: each drive is probed on a pool thread, and a refresh takes
// the latest answers, waiting only a few milliseconds for fresh ones. A
// drive counts as present once a probe found that it can be entered; a
// drive whose probe hangs keeps its last answer and is not probed again
// until that probe returns.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "filelist/drive_table.h"

namespace tarvelo::filelist::win {

namespace detail {
struct DriveMonitorState;  // shared with the probes running on pool threads
}

class DriveMonitor {
public:
    using MaskSource = std::function<uint32_t()>;
    using Probe = std::function<std::optional<DriveFacts>(int drive)>;

    // What the periodic refresh and the Drive menu may wait.
    static constexpr std::chrono::milliseconds kUiWait{5};
    // What opening the Drive menu may wait for a drive's first answer.
    static constexpr std::chrono::milliseconds kMenuWait{250};
    // What start-up may wait, so the first picture (and the seeding of the
    // side bar) sees every drive that answers promptly.
    static constexpr std::chrono::milliseconds kStartupWait{1000};
    // An answer younger than this is used without probing the drive again.
    static constexpr std::chrono::milliseconds kFreshFor{1000};

    // The system's drives (logical-drive mask, platform::probeDrive).
    DriveMonitor();
    // Other sources, for tests.
    DriveMonitor(MaskSource mask, Probe probe);
    ~DriveMonitor();
    DriveMonitor(const DriveMonitor&) = delete;
    DriveMonitor& operator=(const DriveMonitor&) = delete;

    // Starts a probe of every lettered drive not already being probed (nor
    // answered within kFreshFor), waits at most maxWait for them, and
    // rebuilds the table from the latest answers (a letter never answered
    // yet counts as absent).
    // Returns the number of present drives.
    int refreshDrives(DriveTable& table, std::chrono::milliseconds maxWait = kUiWait);

    // Probes still running (a hanging drive keeps its probe running).
    int probesInFlight() const;

private:
    std::shared_ptr<detail::DriveMonitorState> state_;
    MaskSource mask_;
};

}  // namespace tarvelo::filelist::win
