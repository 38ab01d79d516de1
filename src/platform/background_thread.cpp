#include "platform/background_thread.h"

#include <process.h>
#include <windows.h>

#include <memory>

namespace tarvelo::platform {
namespace {

struct ThreadStart {
    std::atomic<uint8_t>* state;
    std::function<void()> body;
};

unsigned __stdcall threadMain(void* parameter) {
    std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
    start->body();
    start->state->store(0, std::memory_order_release);
    return 0;
}

}  // namespace

void pumpSentAndPaintMessages() {
    MSG msg;
    // Sent messages are delivered by the peek itself; paint messages are
    // dispatched. Keys, mouse input and posted commands stay queued.
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_SENDMESSAGE | PM_QS_PAINT)) {
        ::DispatchMessageW(&msg);
    }
}

BackgroundThread::~BackgroundThread() { stop(); }

bool BackgroundThread::start(std::atomic<uint8_t>& state, std::function<void()> body) {
    if (handle_) {
        if (state_ != nullptr && state_->load(std::memory_order_acquire) != 0) return false;
        join();
    }
    auto parameter = std::make_unique<ThreadStart>(ThreadStart{&state, std::move(body)});
    const uintptr_t raw = ::_beginthreadex(nullptr, 0, threadMain, parameter.get(), CREATE_SUSPENDED, nullptr);
    if (raw == 0) return false;
    parameter.release();
    handle_.reset(reinterpret_cast<HANDLE>(raw));
    state_ = &state;
    ::SetThreadPriority(handle_.get(), THREAD_PRIORITY_HIGHEST);
    // Running before it runs: a stop requested right after start() is seen
    // by the thread and never overwritten by it.
    state.store(1, std::memory_order_release);
    ::ResumeThread(handle_.get());
    return true;
}

void BackgroundThread::stop() {
    if (!handle_) return;
    uint8_t running = 1;
    state_->compare_exchange_strong(running, 2, std::memory_order_acq_rel);
    while (state_->load(std::memory_order_acquire) == 2) {
        pumpSentAndPaintMessages();
        ::Sleep(10);
    }
    join();
}

bool BackgroundThread::waitFor(unsigned ms) const {
    if (!handle_) return true;
    return ::WaitForSingleObject(handle_.get(), ms) == WAIT_OBJECT_0;
}

void BackgroundThread::join() {
    if (!handle_) return;
    ::WaitForSingleObject(handle_.get(), INFINITE);
    handle_.reset();
    state_ = nullptr;
}

}  // namespace tarvelo::platform
