#pragma once
// The last-chance handler for faults nothing else handles, on any thread:
// one appended line in "<exe>_ExceptionError.log", the message, the
// settings saved (system command 32874), a fresh copy started with
// "/w <pid>" that waits for this one, and the end of this process.
#include <windows.h>

#include <cstdint>
#include <string>

namespace tarvelo::shell::win {

struct CrashSetup {
    HWND mainWindow = nullptr;          // owner of the box, receiver of the save command
    std::wstring modulePath;            // full path of the executable
    uint32_t startTickMs = 0;           // for the up-time
    bool startedByCrashRestart = false; // this copy came from an earlier crash
};

// Copies what the handler needs into fixed storage and installs it; once,
// during main-window initialisation.
void installCrashHandler(const CrashSetup& setup);

// The window is gone (late in shut-down): a fault then only logs its line.
void crashHandlerWindowGone();

}  // namespace tarvelo::shell::win
