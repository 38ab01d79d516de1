#include "fileops/win/operation_worker.h"

#include <mutex>

#include "fileops/item_rules.h"
#include "fileops/win/item_transfer.h"
#include "shell/run_flags.h"

namespace tarvelo::fileops::win {

namespace {

// The operation critical section: one item touches the disk at a time.
std::mutex& operationLock() {
    static std::mutex lock;
    return lock;
}

struct Job {
    std::function<bool()> body;
    bool result = false;
    std::atomic<bool> running{true};
};

DWORD WINAPI workerMain(void* param) {
    Job& job = *static_cast<Job*>(param);
    shell::runFlags().operationThread = shell::kThreadRunning;
    {
        std::lock_guard<std::mutex> hold(operationLock());
        job.result = job.body();
    }
    shell::runFlags().operationThread = shell::kThreadIdle;
    job.running = false;
    return 0;
}

}  // namespace

OperationWorker::OperationWorker(HWND owner, std::function<void()> pump)
    : owner_(owner), pump_(pump ? std::move(pump) : std::function<void()>(&OperationWorker::pumpPending)) {}

void OperationWorker::pumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Keep the quit for the window's own loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool OperationWorker::run(const std::function<bool()>& body) {
    if (shell::runFlags().operationThread != shell::kThreadIdle) return false;
    Job job;
    job.body = body;
    HANDLE thread = CreateThread(nullptr, 0, &workerMain, &job, CREATE_SUSPENDED, nullptr);
    if (!thread) return false;
    // Marked busy before it runs so that no second item can start meanwhile.
    shell::runFlags().operationThread = shell::kThreadRunning;
    SetThreadPriority(thread, THREAD_PRIORITY_HIGHEST);
    ResumeThread(thread);
    // Wake for every message and at least every 10 ms until the item is done.
    while (job.running) {
        const DWORD wait = MsgWaitForMultipleObjects(1, &thread, FALSE, 10, QS_ALLINPUT);
        if (wait == WAIT_OBJECT_0) break;
        pump_();
    }
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return job.result;
}

bool OperationWorker::copyItem(const std::wstring& source, const std::wstring& target) {
    return run([&] { return copyOneItem(owner_, source, target); });
}

bool OperationWorker::moveItem(const std::wstring& source, const std::wstring& target) {
    return run([&] { return moveOneItem(owner_, source, target); });
}

bool OperationWorker::deleteItem(const std::wstring& folder, bool toRecycleBin) {
    return run([&] { return deleteOneFolder(owner_, folder, toRecycleBin); });
}

}  // namespace tarvelo::fileops::win
