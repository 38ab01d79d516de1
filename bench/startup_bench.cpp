// Start-up figures, in a group of their own (it needs a display):
//   startup_ms           Tarvelo.exe started on a folder (--folder=, 1,000
//                        files) to its first painted complete list
//   startup_bare_ms      a bare Win32 dialog program started to its first paint
//   startup_ratio        startup_ms / startup_bare_ms, taken pair by pair
//   startup_icon_dialog_ratio  the same bare program drawing one shell file
//                        icon too, against the bare one: what the shell's
//                        icons cost a first picture on their own
// Every program sets the event named in TARVELO_FIRST_PAINT_EVENT at that
// moment. Options: --tarvelo=, --bare=, --icon= (programs), --folder=, --runs=.
// Tarvelo runs from a copy in a fresh temp folder, so its settings files
// are written there; every started process is ended after its figure, and
// the next one starts on a desktop that has settled.
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

constexpr DWORD kTimeoutMs = 60000;
constexpr DWORD kSettleMs = 400;

// Milliseconds from CreateProcess to the event; -1 when it never came.
double timeToFirstPaint(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder, int run) {
    const std::wstring eventName = L"tarvelo_bench_paint_" + std::to_wstring(::GetCurrentProcessId()) + L"_" +
                                   std::to_wstring(run);
    platform::UniqueKernelHandle event(::CreateEventW(nullptr, TRUE, FALSE, eventName.c_str()));
    if (!event) return -1;
    ::SetEnvironmentVariableW(L"TARVELO_FIRST_PAINT_EVENT", eventName.c_str());
    std::wstring line = L"\"" + exe + L"\"";
    if (!arguments.empty()) line += L" " + arguments;
    std::vector<wchar_t> mutableLine(line.begin(), line.end());
    mutableLine.push_back(0);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    const double t0 = nowMs();
    if (!::CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &si, &pi)) {
        return -1;
    }
    platform::UniqueKernelHandle process(pi.hProcess);
    platform::UniqueKernelHandle thread(pi.hThread);
    const DWORD waited = ::WaitForSingleObject(event.get(), kTimeoutMs);
    const double elapsed = nowMs() - t0;
    ::TerminateProcess(process.get(), 0);
    ::WaitForSingleObject(process.get(), 10000);
    // Under Wine a program started right after another one ended takes some
    // 50 ms longer, whichever it is (the bare dialog: 90-135 ms back to back,
    // 39-46 ms after a pause of 200 ms or more): the figures would measure
    // the ended one's leave-taking.
    ::Sleep(kSettleMs);
    ::SetEnvironmentVariableW(L"TARVELO_FIRST_PAINT_EVENT", nullptr);
    return waited == WAIT_OBJECT_0 ? elapsed : -1;
}

std::wstring sandboxCopy(const std::wstring& exe) {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"tarvelo-bench-startup-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring copy = folder + L"\\Tarvelo.exe";
    return ::CopyFileW(exe.c_str(), copy.c_str(), FALSE) ? copy : std::wstring();
}

void runStartupBench(const bench::Report& report) {
    const int runs = std::max(1, std::atoi(bench::option("runs", "5").c_str()));
    const std::wstring tarvelo = sandboxCopy(bench::widen(bench::option("tarvelo")));
    const std::wstring bare = bench::widen(bench::option("bare"));
    const std::wstring icon = bench::widen(bench::option("icon"));
    std::wstring folder = bench::widen(bench::option("folder"));
    if (tarvelo.empty() || bare.empty() || folder.empty()) {
        std::fprintf(stderr, "startup: --tarvelo=, --bare= and --folder= are needed\n");
        return;
    }
    if (folder.back() != L'\\') folder.push_back(L'\\');
    const std::wstring sandbox = tarvelo.substr(0, tarvelo.rfind(L'\\'));
    // Uncounted first starts: Wine's first process in a prefix loads more.
    timeToFirstPaint(bare, L"", L"", -1);
    timeToFirstPaint(tarvelo, L"\"" + folder + L"\"", sandbox, -2);
    std::vector<double> app;
    std::vector<double> baseline;
    std::vector<double> ratio;
    std::vector<double> iconRatio;
    for (int i = 0; i < runs; ++i) {
        const double b = timeToFirstPaint(bare, L"", L"", 3 * i);
        const double a = timeToFirstPaint(tarvelo, L"\"" + folder + L"\"", sandbox, 3 * i + 1);
        if (a < 0 || b < 0) {
            std::fprintf(stderr, "startup: run %d saw no first paint (%.0f / %.0f)\n", i, a, b);
            continue;
        }
        app.push_back(a);
        baseline.push_back(b);
        ratio.push_back(a / b);
        if (!icon.empty()) {
            const double c = timeToFirstPaint(icon, L"", L"", 3 * i + 2);
            if (c > 0) iconRatio.push_back(c / b);
        }
    }
    report("startup_ms", median(app));
    report("startup_bare_ms", median(baseline));
    report("startup_ratio", median(ratio));
    if (!iconRatio.empty()) report("startup_icon_dialog_ratio", median(iconRatio));
}

bench::GroupRegistration startupGroup("startup-only", runStartupBench);

}  // namespace
