// Another program dragging files onto a point of the screen: it holds the
// left button down on a window of its own, runs the OLE drag loop with a
// CF_HDROP data object and moves the pointer to the point, releasing the
// button only once the window there has accepted the drag.
//   tarvelo_drag_in.exe <x> <y> <path>...
// Exit code: 0 when the target took a copy, 2 when it never accepted the
// drag, 3 when it accepted but the drop performed no copy, 1 on bad use.
#include <windows.h>
#include <ole2.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <thread>
#include <vector>

#include "filelist/win/com_object.h"
#include "filelist/win/drag_source.h"

namespace {

using namespace std::chrono_literals;
using tarvelo::filelist::win::ComRef;
using tarvelo::filelist::win::RefCounted;

std::atomic<DWORD> lastFeedback{DROPEFFECT_NONE};
std::atomic<bool> everAccepted{false};

// Drops when the button goes up; records the effect the target answers.
class RecordingDropSource final : public RefCounted<IDropSource, IID_IDropSource> {
public:
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override {
        if (escapePressed) return DRAGDROP_S_CANCEL;
        return (keyState & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
        lastFeedback = effect;
        if (effect & DROPEFFECT_COPY) everAccepted = true;
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }
};

void sendMouse(DWORD flags, POINT at) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    in.mi.dx = static_cast<LONG>(at.x * 65535LL / (GetSystemMetrics(SM_CXSCREEN) - 1));
    in.mi.dy = static_cast<LONG>(at.y * 65535LL / (GetSystemMetrics(SM_CYSCREEN) - 1));
    SendInput(1, &in, sizeof in);
}

template <typename Pred>
bool waitFor(Pred pred, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!pred()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::atomic<bool> pressed{false};

LRESULT CALLBACK sourceProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LBUTTONDOWN) pressed = true;
    return DefWindowProcW(w, msg, wp, lp);
}

void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fwprintf(stderr, L"usage: tarvelo_drag_in <x> <y> <path>...\n");
        return 1;
    }
    const POINT target{static_cast<LONG>(std::wcstol(argv[1], nullptr, 10)),
                       static_cast<LONG>(std::wcstol(argv[2], nullptr, 10))};
    std::vector<std::wstring> paths(argv + 3, argv + argc);
    if (FAILED(OleInitialize(nullptr))) return 1;

    WNDCLASSW wc{};
    wc.lpfnWndProc = sourceProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = L"TarveloDragInSource";
    RegisterClassW(&wc);
    // Top left, away from the target; topmost so the press lands on it.
    HWND source = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"drag source",
                                  WS_POPUP | WS_VISIBLE, 4, 4, 60, 40, nullptr, nullptr, wc.hInstance, nullptr);
    if (!source) return 1;
    SetForegroundWindow(source);
    const POINT start{34, 24};
    sendMouse(0, start);
    sendMouse(MOUSEEVENTF_LEFTDOWN, start);
    if (!waitFor([] { pump(); return pressed.load(); }, 10s)) {
        std::fwprintf(stderr, L"drag source: the press never reached the source window\n");
        sendMouse(MOUSEEVENTF_LEFTUP, start);
        return 2;
    }

    // The drag loop owns this thread; a second one moves the pointer.
    const DWORD loopThread = GetCurrentThreadId();
    std::thread mover([&] {
        // The loop has begun once its tracker window holds the capture.
        waitFor([&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return GetGUIThreadInfo(loopThread, &info) && info.hwndCapture && info.hwndCapture != source;
        }, 10s);
        for (int step = 1; step <= 12; ++step) {
            sendMouse(0, POINT{start.x + (target.x - start.x) * step / 12, start.y + (target.y - start.y) * step / 12});
            std::this_thread::sleep_for(30ms);
        }
        // Small moves over the target until it says it takes a copy.
        int wiggle = 0;
        waitFor([&] {
            sendMouse(0, POINT{target.x + (wiggle++ % 2), target.y});
            return (lastFeedback.load() & DROPEFFECT_COPY) != 0;
        }, 30s);
        sendMouse(MOUSEEVENTF_LEFTUP, target);
    });

    ComRef<IDataObject> data;
    ComRef<IDropSource> dropSource;
    DWORD effect = DROPEFFECT_NONE;
    HRESULT hr = tarvelo::filelist::win::createFileDataObject(paths, DROPEFFECT_COPY, data.put());
    if (SUCCEEDED(hr)) {
        *dropSource.put() = new RecordingDropSource();
        hr = DoDragDrop(data.get(), dropSource.get(), DROPEFFECT_COPY, &effect);
    }
    mover.join();
    DestroyWindow(source);
    std::fwprintf(stderr, L"drag source: result 0x%08lx, effect %lu, accepted %d\n", static_cast<unsigned long>(hr),
                  static_cast<unsigned long>(effect), everAccepted.load() ? 1 : 0);
    if (!everAccepted) return 2;
    return hr == DRAGDROP_S_DROP && (effect & DROPEFFECT_COPY) ? 0 : 3;
}
