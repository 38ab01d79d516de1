#include "platform/first_paint_signal.h"

#include <windows.h>

namespace tarvelo::platform {
namespace {

// UI thread only.
bool bufferComplete = false;
bool signalled = false;

}  // namespace

void noteListBufferPainted(bool complete) { bufferComplete = complete; }

void noteListShown() {
    if (signalled || !bufferComplete) return;
    signalled = true;
    wchar_t name[128];
    const DWORD n = ::GetEnvironmentVariableW(L"TARVELO_FIRST_PAINT_EVENT", name, 128);
    if (n == 0 || n >= 128) return;
    if (HANDLE event = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, name)) {
        ::SetEvent(event);
        ::CloseHandle(event);
    }
}

}  // namespace tarvelo::platform
