#pragma once
// The shell's first icon lookup in a process loads its image lists and icon
// cache, tens of milliseconds. Started at once, a helper thread pays for that
// while the window is being made, and the first list paints sooner.
#include <atomic>
#include <cstdint>

#include "platform/background_thread.h"

namespace tarvelo::platform {

class ShellIconWarmUp {
public:
    ShellIconWarmUp() = default;
    ~ShellIconWarmUp();  // waits for the lookup's end
    ShellIconWarmUp(const ShellIconWarmUp&) = delete;
    ShellIconWarmUp& operator=(const ShellIconWarmUp&) = delete;

    void start();

private:
    std::atomic<uint8_t> state_{0};
    BackgroundThread thread_;
};

}  // namespace tarvelo::platform
