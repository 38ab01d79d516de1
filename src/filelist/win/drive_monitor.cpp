#include "filelist/win/drive_monitor.h"

#include <array>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "platform/drive_probe.h"

namespace tarvelo::filelist::win {

namespace detail {

struct DriveMonitorState {
    struct Letter {
        bool answered = false;
        bool inFlight = false;
        std::chrono::steady_clock::time_point answeredAt{};
        uint64_t epoch = 0;  // bumped when the letter disappears; older answers are dropped
        std::optional<DriveFacts> facts;
    };

    explicit DriveMonitorState(DriveMonitor::Probe p) : probe(std::move(p)) {}

    DriveMonitor::Probe probe;
    mutable std::mutex mutex;
    std::condition_variable answered;
    std::array<Letter, kDriveCount> letters{};
};

}  // namespace detail

namespace {

struct ProbeJob {
    std::shared_ptr<detail::DriveMonitorState> state;
    int drive = 0;
    uint64_t epoch = 0;
};

DWORD WINAPI runProbeJob(void* context) {
    std::unique_ptr<ProbeJob> job(static_cast<ProbeJob*>(context));
    auto& state = *job->state;
    std::optional<DriveFacts> facts = state.probe(job->drive);
    {
        std::lock_guard lock(state.mutex);
        auto& letter = state.letters[static_cast<size_t>(job->drive - 1)];
        letter.inFlight = false;
        if (letter.epoch == job->epoch) {
            letter.answered = true;
            letter.answeredAt = std::chrono::steady_clock::now();
            letter.facts = std::move(facts);
        }
    }
    state.answered.notify_all();
    return 0;
}

}  // namespace

DriveMonitor::DriveMonitor() : DriveMonitor(platform::logicalDriveMask, platform::probeDrive) {}

DriveMonitor::DriveMonitor(MaskSource mask, Probe probe)
    : state_(std::make_shared<detail::DriveMonitorState>(std::move(probe))), mask_(std::move(mask)) {}

// Probes still running keep the shared state alive; they finish on their own.
DriveMonitor::~DriveMonitor() = default;

int DriveMonitor::refreshDrives(DriveTable& table, std::chrono::milliseconds maxWait) {
    const uint32_t mask = mask_ ? mask_() : 0;
    const auto now = std::chrono::steady_clock::now();
    const auto deadline = now + maxWait;
    std::vector<int> started;

    std::unique_lock lock(state_->mutex);
    for (int d = 1; d <= kDriveCount; ++d) {
        auto& letter = state_->letters[static_cast<size_t>(d - 1)];
        if (!(mask & (1u << (d - 1)))) {
            if (letter.answered || letter.inFlight) {
                ++letter.epoch;
                letter.answered = false;
                letter.facts.reset();
            }
            continue;
        }
        if (letter.inFlight) continue;
        // An answer this young is as good as a new one: navigating right
        // after a refresh probes nothing again.
        if (letter.answered && now - letter.answeredAt < kFreshFor) continue;
        auto job = std::make_unique<ProbeJob>(ProbeJob{state_, d, letter.epoch});
        letter.inFlight = true;
        if (QueueUserWorkItem(runProbeJob, job.get(), WT_EXECUTELONGFUNCTION)) {
            job.release();
            started.push_back(d);
        } else {
            letter.inFlight = false;
        }
    }

    state_->answered.wait_until(lock, deadline, [&] {
        for (int d : started) {
            if (state_->letters[static_cast<size_t>(d - 1)].inFlight) return false;
        }
        return true;
    });

    std::array<std::optional<DriveFacts>, kDriveCount> facts;
    for (int d = 1; d <= kDriveCount; ++d) {
        const auto& letter = state_->letters[static_cast<size_t>(d - 1)];
        if ((mask & (1u << (d - 1))) && letter.answered) facts[static_cast<size_t>(d - 1)] = letter.facts;
    }
    lock.unlock();
    return table.rebuild(facts);
}

int DriveMonitor::probesInFlight() const {
    std::lock_guard lock(state_->mutex);
    int n = 0;
    for (const auto& letter : state_->letters) n += letter.inFlight ? 1 : 0;
    return n;
}

}  // namespace tarvelo::filelist::win
