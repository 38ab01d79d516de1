// Test-only DLL, never shipped: loaded into a running Tarvelo by the
// end-to-end tests (a remote LoadLibraryW), it starts a thread that writes
// through a null pointer, so the program's crash handler runs as it would
// for a real fault on a background thread. The program itself has no way
// to crash on request.
#include <windows.h>

namespace {

DWORD WINAPI faultNow(void*) {
    volatile int* nowhere = nullptr;
    *nowhere = 1;
    return 0;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        HANDLE thread = CreateThread(nullptr, 0, faultNow, nullptr, 0, nullptr);
        if (thread) CloseHandle(thread);
    }
    return TRUE;
}
