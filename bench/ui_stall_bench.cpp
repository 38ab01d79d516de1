// How long the main window takes to answer while a File Copy of one 1 GiB
// file runs in the real program, started as a user starts it and driven by
// keyboard (C, a folder name, Enter):
//   ui_stall_copy_max_ms     longest SendMessageTimeout(WM_NULL) answer, probed
//                            every 20 ms from the Enter that starts the copy
//                            until the copy is whole
//   ui_stall_copy_probes     probes taken in that time (a figure from a handful
//                            means the copy was not watched)
//   ui_stall_copy_ms         Enter to the copy whole
// Fixture (made by scripts/bench): --stallfolder= holds big1g.bin (1 GiB) and
// an empty folder out. Needs a display. Group "ui-stall-only".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "bench_util.h"
#include "support/e2e_driver.h"

namespace {

using namespace tarvelo;
using namespace std::chrono_literals;
using bench::nowMs;

constexpr unsigned long long kBigSize = 1ull << 30;

// Whole: the copy's size and, set only after the last byte, the source's
// last-write time (a target may get its full length before its bytes).
bool isWholeCopy(const std::wstring& source, const std::wstring& copy) {
    WIN32_FILE_ATTRIBUTE_DATA from{}, to{};
    return GetFileAttributesExW(source.c_str(), GetFileExInfoStandard, &from) &&
           GetFileAttributesExW(copy.c_str(), GetFileExInfoStandard, &to) && from.nFileSizeLow == to.nFileSizeLow &&
           from.nFileSizeHigh == to.nFileSizeHigh && CompareFileTime(&from.ftLastWriteTime, &to.ftLastWriteTime) == 0;
}

unsigned long long sizeOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA d{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &d)) return 0;
    return (static_cast<unsigned long long>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
}

void runUiStallBench(const bench::Report& report) {
    const std::wstring folder = bench::widen(bench::option("stallfolder"));
    if (folder.empty() || sizeOf(folder + L"\\big1g.bin") != kBigSize) {
        std::fprintf(stderr, "ui-stall: --stallfolder= names a folder with big1g.bin (scripts/bench makes it)\n");
        return;
    }
    const std::wstring target = folder + L"\\out\\big1g.bin";
    DeleteFileW(target.c_str());
    CreateDirectoryW((folder + L"\\out").c_str(), nullptr);

    e2e::Sandbox box(L"bench-ui-stall");
    e2e::TarveloApp app(box, L"\"" + folder + L"\\\"");
    HWND main = app.waitForMainWindow();
    if (!main) {
        std::fprintf(stderr, "ui-stall: the program did not start\n");
        return;
    }
    HWND dialog = nullptr;
    // Keys are dropped while the start-up listing runs: press again until the dialog comes.
    for (int attempt = 0; attempt < 10 && !dialog; ++attempt) {
        e2e::bringToFront(main);
        e2e::pressKey(VK_END);  // out, big1g.bin: the one file is last
        e2e::pressKey('C');
        e2e::waitUntil([&] { return (dialog = app.findMessageBox()) != nullptr; }, 3s);
    }
    if (!dialog) {
        std::fprintf(stderr, "ui-stall: no folder dialog\n");
        return;
    }
    e2e::typeText(L"out");
    e2e::pressKey(VK_RETURN);  // a bare name is first shown below the current folder
    HWND combo = GetDlgItem(dialog, 1015);
    e2e::waitUntil([&] { return e2e::windowText(combo) == folder + L"\\out"; }, 5s);
    e2e::pressKey(VK_RETURN);

    const double started = nowMs();
    double longest = 0;
    int probes = 0;
    double whole = -1;
    while (nowMs() - started < 300000) {
        const double asked = nowMs();
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &ignored)) {
            std::fprintf(stderr, "ui-stall: the window did not answer within 20 s\n");
            longest = 20000;
            break;
        }
        const double answered = nowMs();
        longest = std::max(longest, answered - asked);
        ++probes;
        if (!IsWindow(dialog) && isWholeCopy(folder + L"\\big1g.bin", target)) {
            whole = answered - started;
            break;
        }
        const double next = asked + 20;
        if (next > nowMs()) Sleep(static_cast<DWORD>(next - nowMs()));
    }
    report("ui_stall_copy_max_ms", longest);
    report("ui_stall_copy_probes", probes);
    report("ui_stall_copy_ms", whole);
    // Let the command finish before the process is ended.
    e2e::waitUntil([&] { return app.responsive() && app.findMessageBox() == nullptr; }, 30s);
    DeleteFileW(target.c_str());
}

}  // namespace

bench::GroupRegistration uiStallGroup("ui-stall-only", runUiStallBench);
