// The single-instance gate across real processes: a copy started while the
// first one is closing waits for it and becomes the first copy itself; a
// copy started beside a running one is the second copy at once.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

struct Probe {
    HANDLE process = nullptr;
    ~Probe() {
        if (process) {
            TerminateProcess(process, 3);
            CloseHandle(process);
        }
    }
};

std::wstring probePath() {
    wchar_t path[MAX_PATH * 2];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L'\\') + 1) + L"tarvelo_gate_probe.exe";
}

// Starts a probe and waits until it has passed the gate.
bool startProbe(Probe& probe, const std::wstring& name, bool announce, int holdMs, int serial) {
    const std::wstring ready = name + L"_ready_" + std::to_wstring(serial);
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, ready.c_str());
    std::wstring line = L"\"" + probePath() + L"\" " + name + (announce ? L" 1 " : L" 0 ") +
                        std::to_wstring(holdMs) + L" " + ready;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(event);
        return false;
    }
    CloseHandle(pi.hThread);
    probe.process = pi.hProcess;
    HANDLE waits[2] = {event, pi.hProcess};
    const DWORD r = WaitForMultipleObjects(2, waits, FALSE, 60000);
    CloseHandle(event);
    return r == WAIT_OBJECT_0;
}

DWORD exitCodeAfter(Probe& probe, DWORD timeoutMs) {
    if (WaitForSingleObject(probe.process, timeoutMs) != WAIT_OBJECT_0) return 99;
    DWORD code = 99;
    GetExitCodeProcess(probe.process, &code);
    return code;
}

struct GateCase {
    const char* what;
    bool firstAnnouncesShutdown;
    DWORD expectedCode;          // of the copy started next: 0 first copy, 1 second copy
    bool waitsForTheFirst;       // the next copy passes the gate only after the first one ended
    int firstHoldMs;             // how long the first copy lives after the gate
};

TEST(InstanceGate, NextCopyWaitsOnlyForAPredecessorThatIsClosing) {
    const GateCase cases[] = {
        {"first copy closing", true, 0, true, 1500},
        // Long enough to still run once the next copy is up on a loaded machine.
        {"first copy running", false, 1, false, 20000},
    };
    int serial = 0;
    for (const GateCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::wstring name = L"TarveloGateTest" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                                  std::to_wstring(serial);
        Probe first;
        ASSERT_TRUE(startProbe(first, name, c.firstAnnouncesShutdown, c.firstHoldMs, serial++));
        Probe next;
        ASSERT_TRUE(startProbe(next, name, false, 0, serial++));
        // Past the gate: the next copy's answer is final now.
        const bool firstStillRuns = WaitForSingleObject(first.process, 0) == WAIT_TIMEOUT;
        EXPECT_EQ(firstStillRuns, !c.waitsForTheFirst);
        EXPECT_EQ(exitCodeAfter(next, 30000), c.expectedCode);
        if (c.waitsForTheFirst) {
            EXPECT_EQ(exitCodeAfter(first, 0), 0u);
        }
    }
}

}  // namespace
