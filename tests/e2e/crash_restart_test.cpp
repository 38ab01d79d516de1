// A fault made on purpose (a test-only DLL loaded into the running program):
// one log line, the message, a fresh copy that takes over, and no second
// restart for a fault within a minute of the first.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "support/e2e_driver.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

std::wstring testBinFolder() {
    wchar_t path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L'\\') + 1);
}

// Loads the crash DLL into process `pid` on a thread of that process.
bool crashOnPurpose(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_VM_OPERATION | PROCESS_VM_WRITE |
                                     PROCESS_VM_READ | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!process) return false;
    const std::wstring dll = testBinFolder() + L"tarvelo_crash_on_purpose.dll";
    const SIZE_T bytes = (dll.size() + 1) * sizeof(wchar_t);
    void* remote = VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    bool ok = remote && WriteProcessMemory(process, remote, dll.c_str(), bytes, nullptr);
    if (ok) {
        auto load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
        HANDLE thread = CreateRemoteThread(process, nullptr, 0, load, remote, 0, nullptr);
        ok = thread != nullptr;
        if (thread) CloseHandle(thread);
    }
    CloseHandle(process);
    return ok;
}

struct Found {
    DWORD excludePid;
    DWORD onlyPid;
    bool wantMain;
    HWND window;
};

BOOL CALLBACK findTarveloWindow(HWND w, LPARAM lp) {
    auto* f = reinterpret_cast<Found*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == f->excludePid || (f->onlyPid && pid != f->onlyPid) || !IsWindowVisible(w)) return TRUE;
    wchar_t cls[64] = L"";
    GetClassNameW(w, cls, 64);
    if (std::wstring(cls) != L"#32770") return TRUE;
    const bool isMain = GetDlgItem(w, 1000) != nullptr && windowText(w).rfind(L"Tarvelo", 0) == 0;
    if (isMain == f->wantMain) {
        f->window = w;
        return FALSE;
    }
    return TRUE;
}

HWND findWindow(DWORD excludePid, DWORD onlyPid, bool wantMain) {
    Found f{excludePid, onlyPid, wantMain, nullptr};
    EnumWindows(findTarveloWindow, reinterpret_cast<LPARAM>(&f));
    return f.window;
}

size_t lineCount(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

TEST(CrashRestart, FaultLogsRestartsOnceAndNeverLoops) {
    Sandbox box(L"crash");
    const std::wstring log = box.file(L"Tarvelo_ExceptionError.log");
    TarveloApp app(box);
    ASSERT_NE(app.waitForMainWindow(), nullptr);
    std::this_thread::sleep_for(1s);  // past the start folder's listing
    ASSERT_TRUE(crashOnPurpose(app.processId()));

    HWND message = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (message = findWindow(0, app.processId(), false)) != nullptr; }, 15s));
    const std::wstring text = dialogStaticText(message);
    EXPECT_EQ(text.rfind(L"Terminated due to Fatal ERROR!!\nRestart the Application. Are you sure?\n\n", 0), 0u);
    EXPECT_NE(text.find(L"Thread Status (PID)   "), std::wstring::npos);
    screenshot(message, L"crash-message");
    // The line is written before the box shows.
    std::string lines = readFileBytes(log);
    EXPECT_EQ(lineCount(lines), 1u) << lines;
    EXPECT_NE(lines.find(" , PID="), std::string::npos);
    EXPECT_NE(lines.find(" , Addr=0x"), std::string::npos);
    clickButton(message, IDOK);
    ASSERT_TRUE(app.waitForExit(15s));

    // The new copy waits for the old one and is the first copy again.
    HWND second = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (second = findWindow(app.processId(), 0, true)) != nullptr; }, 30s));
    EXPECT_EQ(windowText(second).find(L"(#2)"), std::wstring::npos) << std::string(windowText(second).begin(), windowText(second).end());
    DWORD secondPid = 0;
    GetWindowThreadProcessId(second, &secondPid);
    HANDLE secondProcess = OpenProcess(SYNCHRONIZE, FALSE, secondPid);
    ASSERT_NE(secondProcess, nullptr);

    // A second fault within the minute: reported, not restarted.
    std::this_thread::sleep_for(1s);
    ASSERT_TRUE(crashOnPurpose(secondPid));
    HWND report = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (report = findWindow(0, secondPid, false)) != nullptr; }, 15s));
    const std::wstring reportText = dialogStaticText(report);
    EXPECT_EQ(reportText.rfind(L"Terminated due to Fatal ERROR!!\n\n", 0), 0u);
    EXPECT_EQ(reportText.find(L"Restart"), std::wstring::npos);
    clickButton(report, IDOK);
    EXPECT_EQ(WaitForSingleObject(secondProcess, 15000), WAIT_OBJECT_0);
    CloseHandle(secondProcess);
    EXPECT_FALSE(waitUntil([&] { return findWindow(secondPid, 0, true) != nullptr; }, 3s));
    EXPECT_EQ(lineCount(readFileBytes(log)), 2u);
}

}  // namespace
}  // namespace tarvelo::e2e
