// Stopping a background thread from the UI thread, as the exit does: what
// the thread sends to a window is answered (no deadlock), while keys and
// posted commands stay queued instead of running under a closing window.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

#include "platform/background_thread.h"

namespace tarvelo::platform {
namespace {

constexpr UINT kAskedByThread = WM_APP + 1;

std::atomic<int> gSentHandled{0};
std::atomic<int> gOtherHandled{0};

LRESULT CALLBACK countingProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kAskedByThread) {
        ++gSentHandled;
        return 7;
    }
    if (msg == WM_KEYUP || msg == WM_SYSKEYUP || msg == WM_COMMAND) ++gOtherHandled;
    return DefWindowProcW(window, msg, wp, lp);
}

TEST(BackgroundThreadStop, AnswersSentMessagesAndLeavesInputAndCommandsQueued) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = countingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TarveloStopProbe";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                                  nullptr);
    ASSERT_NE(window, nullptr);
    gSentHandled = 0;
    gOtherHandled = 0;

    // Queued before the stop, as an Alt release and a posted command are
    // when Alt+F4 starts the exit.
    PostMessageW(window, WM_SYSKEYUP, VK_MENU, 0);
    PostMessageW(window, WM_COMMAND, 32776, 0);

    std::atomic<uint8_t> state{0};
    std::atomic<LRESULT> answer{0};
    BackgroundThread thread;
    ASSERT_TRUE(thread.start(state, [&] {
        while (state.load() == 1) Sleep(1);
        // Only once the stop was asked: a reply now needs the stop's pump.
        answer = SendMessageW(window, kAskedByThread, 0, 0);
    }));
    thread.stop();

    EXPECT_EQ(state.load(), 0);
    EXPECT_EQ(answer.load(), 7);
    EXPECT_EQ(gSentHandled.load(), 1);
    EXPECT_EQ(gOtherHandled.load(), 0);
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, window, WM_SYSKEYUP, WM_SYSKEYUP, PM_REMOVE));
    EXPECT_TRUE(PeekMessageW(&msg, window, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    DestroyWindow(window);
}

}  // namespace
}  // namespace tarvelo::platform
