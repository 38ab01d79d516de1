// A stand-in for one copy of the program at the single-instance gate:
//   tarvelo_gate_probe <name> <announce 0|1> <holdMs> <readyEvent>
// takes the gate under <name>, announces its shutdown when asked, sets the
// named ready event and lives <holdMs> more. Exit code: 1 when it came up as
// a second copy, 0 as the first.
#include <windows.h>

#include <cwchar>
#include <string>

#include "shell/win/instance_gate.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) return 2;
    const bool second = tarvelo::shell::win::acquireInstanceMutex(argv[1]);
    if (std::wcscmp(argv[2], L"1") == 0) tarvelo::shell::win::announceShutdown();
    if (HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[4])) {
        SetEvent(ready);
        CloseHandle(ready);
    }
    Sleep(static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)));
    return second ? 1 : 0;
}
