#pragma once
// A worker thread the way the program runs all of them: created suspended at
// the highest priority, resumed, never self-deleting, and stopped through its
// state byte (0 idle, 1 running, 2 stop requested).
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>

#include "platform/unique_handle.h"

namespace tarvelo::platform {

class BackgroundThread {
public:
    BackgroundThread() = default;
    ~BackgroundThread();  // stops and waits
    BackgroundThread(const BackgroundThread&) = delete;
    BackgroundThread& operator=(const BackgroundThread&) = delete;

    // Runs work on a new thread. The state byte is set to 1 before work runs
    // and back to 0 when it returns; work should end soon after it reads 2.
    // False when the thread could not be created (the state stays 0).
    bool start(std::atomic<uint8_t>& state, std::function<void()> work);

    // The stop protocol: ask for a stop (2), pump the calling thread's window
    // messages with 10 ms pauses until the thread reports 0, then wait for
    // the thread to end without limit.
    void stop();

    bool started() const { return static_cast<bool>(thread_); }
    // True once the thread has ended (or none was started).
    bool finished() const;

private:
    static DWORD WINAPI entry(LPVOID self);

    UniqueKernelHandle thread_;
    std::atomic<uint8_t>* state_ = nullptr;
    std::function<void()> work_;
};

// Pumps the calling thread's pending window messages once.
void pumpPendingMessages();

}  // namespace tarvelo::platform
