#include "platform/background_thread.h"

namespace tarvelo::platform {

void pumpPendingMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

BackgroundThread::~BackgroundThread() { stop(); }

DWORD WINAPI BackgroundThread::entry(LPVOID param) {
    auto* self = static_cast<BackgroundThread*>(param);
    self->work_();
    self->state_->store(0);
    return 0;
}

bool BackgroundThread::start(std::atomic<uint8_t>& state, std::function<void()> work) {
    stop();
    state_ = &state;
    work_ = std::move(work);
    state.store(1);
    HANDLE h = CreateThread(nullptr, 0, &BackgroundThread::entry, this, CREATE_SUSPENDED, nullptr);
    if (!h) {
        state.store(0);
        return false;
    }
    thread_.reset(h);
    SetThreadPriority(h, THREAD_PRIORITY_HIGHEST);
    ResumeThread(h);
    return true;
}

void BackgroundThread::stop() {
    if (!thread_) return;
    uint8_t running = 1;
    // Only a running thread is asked; one that just finished keeps its 0.
    if (state_->compare_exchange_strong(running, 2)) {
        while (state_->load() == 2 && WaitForSingleObject(thread_.get(), 0) != WAIT_OBJECT_0) {
            pumpPendingMessages();
            Sleep(10);
        }
    }
    WaitForSingleObject(thread_.get(), INFINITE);
    thread_.reset();
}

bool BackgroundThread::finished() const {
    return !thread_ || WaitForSingleObject(thread_.get(), 0) == WAIT_OBJECT_0;
}

}  // namespace tarvelo::platform
