#include "shell/win/crash_handler.h"

#include <atomic>

#include "resource_ids.h"
#include "shell/crash_report.h"
#include "shell/run_flags.h"
#include "shell/shell_texts.h"

namespace tarvelo::shell::win {

namespace {

constexpr size_t kPathChars = 5200;

// Prepared at installation: the handler itself allocates nothing.
struct CrashState {
    std::atomic<HWND> window{nullptr};
    wchar_t exePath[kPathChars] = L"";
    wchar_t logPath[kPathChars] = L"";
    wchar_t restartLine[kPathChars + 32] = L"";
    uint32_t startTickMs = 0;
    bool startedByCrashRestart = false;
    // Set by the first fault: a fault inside the handler ends the process
    // at once, without a second line, box or restart.
    std::atomic<bool> entered{false};
};

CrashState gCrash;

template <size_t N>
bool copyInto(wchar_t (&dst)[N], const std::wstring& src) {
    if (src.size() + 1 > N) return false;
    for (size_t i = 0; i < src.size(); ++i) dst[i] = src[i];
    dst[src.size()] = 0;
    return true;
}

void appendLogLine(const CrashLogLine& line) {
    HANDLE log = CreateFileW(gCrash.logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) return;  // no line; the box still shows
    DWORD written = 0;
    WriteFile(log, line.c_str(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(log);
}

bool startRestartedCopy() {
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, gCrash.restartLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        return false;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

LONG WINAPI onUnhandledFault(EXCEPTION_POINTERS* info) {
    if (gCrash.entered.exchange(true)) return EXCEPTION_EXECUTE_HANDLER;
    const uint32_t pid = GetCurrentProcessId();
    // The clock the start tick was taken with; nothing is loaded inside the filter.
    const uint32_t now = GetTickCount();
    const UpTime up = upTimeFrom(gCrash.startTickMs, now);
    const uint64_t address = info && info->ExceptionRecord
                                 ? reinterpret_cast<uint64_t>(info->ExceptionRecord->ExceptionAddress)
                                 : 0;
    SYSTEMTIME t;
    GetLocalTime(&t);
    const CrashStamp stamp{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
    appendLogLine(crashLogLine(stamp, pid, up, address));

    HWND window = gCrash.window.load();
    if (!window || !IsWindow(window)) return EXCEPTION_EXECUTE_HANDLER;

    const RunFlags& f = runFlags();
    const CrashThreadStatus status{f.uiBusy.load(), f.listingThread.load(), f.watchThread.load(),
                                   f.operationThread.load(), f.reserved1.load(), f.reserved2.load()};
    const bool offer = restartAllowed(gCrash.startedByCrashRestart, now - gCrash.startTickMs + 1);
    const CrashMessage text = crashMessage(status, pid, address, up, offer);
    const int answer =
        MessageBoxW(window, text.c_str(), kAppCaption, (offer ? MB_OKCANCEL : MB_OK) | MB_ICONERROR);
    if (!offer || answer != IDOK) return EXCEPTION_EXECUTE_HANDLER;

    // The window saves into a copy and swaps it in. A UI thread that does not
    // answer within a few seconds is stuck; the restart goes on without it.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_SYSCOMMAND, IDM_SYS_SAVE_SETTINGS, 0, SMTO_NORMAL, 5000, &ignored);
    if (!startRestartedCopy()) {
        MessageBoxW(nullptr, L"Forced Restart Failed.", kAppCaption, MB_OK | MB_ICONERROR);
    }
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

void installCrashHandler(const CrashSetup& setup) {
    const std::wstring& exe = setup.modulePath;
    const size_t dot = exe.find_last_of(L'.');
    const size_t slash = exe.find_last_of(L"\\/");
    const std::wstring stem = (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash))
                                  ? exe.substr(0, dot)
                                  : exe;
    copyInto(gCrash.exePath, exe);
    copyInto(gCrash.logPath, stem + L"_ExceptionError.log");
    copyInto(gCrash.restartLine, L"\"" + exe + L"\" /w " + std::to_wstring(GetCurrentProcessId()));
    gCrash.startTickMs = setup.startTickMs;
    gCrash.startedByCrashRestart = setup.startedByCrashRestart;
    gCrash.window.store(setup.mainWindow);
    SetUnhandledExceptionFilter(onUnhandledFault);
}

void crashHandlerWindowGone() { gCrash.window.store(nullptr); }

}  // namespace tarvelo::shell::win
