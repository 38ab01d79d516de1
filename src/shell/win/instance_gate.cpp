#include "shell/win/instance_gate.h"

#include <windows.h>

#include "platform/unique_handle.h"

namespace tarvelo::shell::win {

namespace {

constexpr DWORD kPredecessorWaitMs = 5000;

platform::UniqueKernelHandle gMutex;
// Owned by the first copy only; set when its exit begins.
platform::UniqueKernelHandle gExiting;

std::wstring exitingEventName(const std::wstring& baseName) { return baseName + L"_Exiting"; }

}  // namespace

bool acquireInstanceMutex(const std::wstring& baseName) {
    gMutex.reset(CreateMutexW(nullptr, TRUE, baseName.c_str()));
    bool second = GetLastError() == ERROR_ALREADY_EXISTS;
    if (second && gMutex) {
        platform::UniqueKernelHandle exiting(OpenEventW(SYNCHRONIZE, FALSE, exitingEventName(baseName).c_str()));
        if (exiting && WaitForSingleObject(exiting.get(), 0) == WAIT_OBJECT_0) {
            // The first copy is closing: its end abandons the mutex to us.
            const DWORD r = WaitForSingleObject(gMutex.get(), kPredecessorWaitMs);
            second = !(r == WAIT_OBJECT_0 || r == WAIT_ABANDONED);
        }
    }
    if (!second) gExiting.reset(CreateEventW(nullptr, TRUE, FALSE, exitingEventName(baseName).c_str()));
    return second;
}

void announceShutdown() {
    if (gExiting) SetEvent(gExiting.get());
}

}  // namespace tarvelo::shell::win
