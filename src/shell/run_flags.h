#pragma once
// Process-wide busy and thread-state bytes, read from every thread.
#include <atomic>
#include <cstdint>

namespace tarvelo::shell {

// Thread states: 0 idle, 1 running, 2 stop requested.
inline constexpr uint8_t kThreadIdle = 0;
inline constexpr uint8_t kThreadRunning = 1;
inline constexpr uint8_t kThreadStopRequested = 2;

struct RunFlags {
    std::atomic<uint8_t> uiBusy{0};
    std::atomic<uint8_t> listingThread{0};
    std::atomic<uint8_t> watchThread{0};
    std::atomic<uint8_t> operationThread{0};
    // Reserved for the crash report; cleared at start and never set.
    std::atomic<uint8_t> reserved1{0};
    std::atomic<uint8_t> reserved2{0};
};

// The one instance of the process.
RunFlags& runFlags();

}  // namespace tarvelo::shell
