// Exit figures of the whole program, started in a private folder as a user
// starts it and closed with WM_CLOSE once its start folder is listed.
//   close_ms  close request to the main window gone
//   exit_ms   main window gone to the process gone
// Both are medians (--runs=, default 5). Needs a display (scripts/bench
// starts Xvfb for this group). Group "exit-only" runs only when named.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_util.h"
#include "platform/unique_handle.h"

namespace {

using namespace tarvelo;
using bench::median;
using bench::nowMs;

std::wstring ownFolder() {
    wchar_t path[MAX_PATH * 2];
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L'\\') + 1);
}

struct Find {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK findMain(HWND window, LPARAM lp) {
    auto* f = reinterpret_cast<Find*>(lp);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid == f->pid && ::IsWindowVisible(window) && ::GetDlgItem(window, 1000) != nullptr) {
        f->found = window;
        return FALSE;
    }
    return TRUE;
}

bool waitFor(double timeoutMs, const auto& pred) {
    const double end = nowMs() + timeoutMs;
    while (!pred()) {
        if (nowMs() > end) return false;
        ::Sleep(1);
    }
    return true;
}

struct ExitTimes {
    double closeMs = -1;
    double exitMs = -1;
};

ExitTimes measureOnce(const std::wstring& exe, const std::wstring& folder) {
    ExitTimes t;
    std::wstring line = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) {
        std::fprintf(stderr, "exit: cannot start %ls (%lu)\n", exe.c_str(), ::GetLastError());
        return t;
    }
    platform::UniqueKernelHandle process(pi.hProcess);
    platform::UniqueKernelHandle thread(pi.hThread);
    Find f{pi.dwProcessId, nullptr};
    if (!waitFor(30000, [&] {
            f.found = nullptr;
            ::EnumWindows(findMain, reinterpret_cast<LPARAM>(&f));
            return f.found != nullptr;
        })) {
        ::TerminateProcess(process.get(), 1);
        return t;
    }
    // Past the one-shot start-folder timer: the listing ran and the window idles.
    ::Sleep(1500);
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(f.found, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    const double asked = nowMs();
    if (bench::option("close") == "altf4") {
        ::SetForegroundWindow(f.found);
        ::Sleep(150);
        INPUT keys[4]{};
        const WORD vks[4] = {VK_MENU, VK_F4, VK_F4, VK_MENU};
        for (int i = 0; i < 4; ++i) {
            keys[i].type = INPUT_KEYBOARD;
            keys[i].ki.wVk = vks[i];
            keys[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
        }
        ::SendInput(4, keys, sizeof(INPUT));
    } else {
        ::PostMessageW(f.found, WM_CLOSE, 0, 0);
    }
    if (!waitFor(15000, [&] { return !::IsWindow(f.found); })) {
        ::TerminateProcess(process.get(), 1);
        return t;
    }
    const double closed = nowMs();
    ::WaitForSingleObject(process.get(), 15000);
    const double gone = nowMs();
    t.closeMs = closed - asked;
    t.exitMs = gone - closed;
    return t;
}

void runExitBench(const bench::Report& report) {
    const std::wstring exe = bench::widen(bench::option("exe")).empty() ? ownFolder() + L"Tarvelo.exe"
                                                                         : bench::widen(bench::option("exe"));
    // A private folder: the settings and data files land beside the copy.
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"tarvelo-bench-exit\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring copy = folder + L"Tarvelo.exe";
    if (!::CopyFileW(exe.c_str(), copy.c_str(), FALSE)) {
        std::fprintf(stderr, "exit: cannot copy %ls\n", exe.c_str());
        return;
    }
    const int runs = std::max(1, std::stoi(bench::option("runs", "5")));
    std::vector<double> closes;
    std::vector<double> exits;
    for (int i = 0; i < runs; ++i) {
        const ExitTimes t = measureOnce(copy, folder);
        if (t.exitMs < 0) continue;
        closes.push_back(t.closeMs);
        exits.push_back(t.exitMs);
    }
    report("close_ms", median(closes));
    report("exit_ms", median(exits));
}

}  // namespace

bench::GroupRegistration exitGroup("exit-only", runExitBench);
