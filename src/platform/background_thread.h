#pragma once
// A background thread as the program runs them all: created suspended at the
// highest priority, resumed, owned (not self-deleting) and stopped through
// its state byte (0 idle, 1 running, 2 stop requested).
#include <atomic>
#include <cstdint>
#include <functional>

#include "platform/unique_handle.h"

namespace tarvelo::platform {

class BackgroundThread {
public:
    BackgroundThread() = default;
    ~BackgroundThread();  // stops a running thread and waits for it
    BackgroundThread(const BackgroundThread&) = delete;
    BackgroundThread& operator=(const BackgroundThread&) = delete;

    // Sets `state` to 1 and runs `body` on a new thread, which sets `state`
    // back to 0 when the body returns. The body should return early once
    // `state` reads 2. False (state untouched) while an earlier thread is
    // still owned and running, or when the thread cannot be created.
    bool start(std::atomic<uint8_t>& state, std::function<void()> body);

    // The stop protocol: set the byte to 2, pump window messages with 10 ms
    // pauses until the thread has set it to 0, then wait for the thread's
    // end without limit. Only sent and paint messages are handled while it
    // waits: the stop runs inside the exit, and an Alt key release or a
    // posted command handled there would open the menu loop or a command
    // under a window that is closing.
    void stop();

    // Waits without limit for the thread's end (no pumping) and closes it.
    void join();
    // Waits up to `ms` for the thread's end (no pumping); true when it has
    // ended or none is owned. The handle stays owned until join().
    bool waitFor(unsigned ms) const;

    bool owned() const { return static_cast<bool>(handle_); }

private:
    UniqueKernelHandle handle_;
    std::atomic<uint8_t>* state_ = nullptr;
};

// Delivers messages sent to the calling thread's windows by other threads
// and dispatches paint messages; input and posted messages stay queued.
void pumpSentAndPaintMessages();

}  // namespace tarvelo::platform
