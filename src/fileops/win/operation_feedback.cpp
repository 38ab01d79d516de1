#include "fileops/win/operation_feedback.h"

#include <mmsystem.h>

#include "platform/unique_handle.h"
#include "resource_ids.h"
#include "shell/colour.h"

namespace tarvelo::fileops::win {

namespace {

const shell::ThemePalette* gPalette = nullptr;

bool alertSoundAvailable() {
    OSVERSIONINFOEXW v{};
    v.dwOSVersionInfoSize = sizeof(v);
    v.dwBuildNumber = 10240;
    v.dwMajorVersion = 10;
    DWORDLONG mask = 0;
    VER_SET_CONDITION(mask, VER_MAJORVERSION, VER_GREATER_EQUAL);
    VER_SET_CONDITION(mask, VER_BUILDNUMBER, VER_GREATER_EQUAL);
    return VerifyVersionInfoW(&v, VER_MAJORVERSION | VER_BUILDNUMBER, mask) != FALSE;
}

void fill(HDC dc, RECT r, shell::Colour c) {
    if (r.right <= r.left) return;
    platform::UniqueBrush brush(CreateSolidBrush(c.value));
    FillRect(dc, &r, brush.get());
}

void CALLBACK onProgressTick(HWND window, UINT, UINT_PTR, DWORD) {
    const ProgressState& s = operationProgress();
    if (!gPalette || s.current <= 0 || s.total <= 0) return;
    RECT client;
    GetClientRect(window, &client);
    // Over the children: the list pane reaches into the band the bar uses.
    if (HDC dc = GetDCEx(window, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS)) {
        drawProgressBar(dc, progressBarRect(client.right, client.bottom), *gPalette, s.current, s.total,
                        GetTickCount64());
        ReleaseDC(window, dc);
    }
}

}  // namespace

void signalCompletion(HWND window, bool soundOnComplete) {
    if (soundOnComplete) {
        const bool played = alertSoundAvailable() &&
                            PlaySoundW(L"Notification.Reminder", nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT);
        if (!played) MessageBeep(0);
    }
    FLASHWINFO flash{};
    flash.cbSize = sizeof(flash);
    flash.hwnd = window;
    flash.dwFlags = FLASHW_TRAY;
    flash.uCount = 2;
    flash.dwTimeout = 200;
    FlashWindowEx(&flash);
}

void showReport(HWND owner, const wchar_t* caption, const wchar_t* failurePattern, const OperationReport& report) {
    if (report.failureCount <= 0) return;
    const std::wstring text = reportText(failurePattern, report);
    MessageBoxW(owner, text.c_str(), caption, MB_OK | MB_ICONEXCLAMATION);
}

ProgressState& operationProgress() {
    static ProgressState state;
    return state;
}

void startProgressTimer(HWND window, const shell::ThemePalette& palette) {
    gPalette = &palette;
    KillTimer(window, TIMER_OPERATION);
    SetTimer(window, TIMER_OPERATION, 90, &onProgressTick);
}

void stopProgressTimer(HWND window) { KillTimer(window, TIMER_OPERATION); }

RECT progressBarRect(int clientWidth, int clientHeight) {
    return RECT{12, clientHeight - 9, clientWidth - 12, clientHeight - 3};
}

void drawProgressBar(HDC dc, const RECT& bar, const shell::ThemePalette& palette, int current, int total,
                     unsigned long long tickMs) {
    if (current <= 0 || total <= 0 || bar.right <= bar.left) return;
    const shell::Colour track = palette[shell::Role::B7];
    const shell::Colour done = palette[shell::Role::B6];
    const shell::Colour pulse = shell::pulseColour(track, done, 380, tickMs);
    fill(dc, bar, track);
    const long long width = bar.right - bar.left;
    if (total < 2) {
        fill(dc, bar, pulse);
        return;
    }
    if (current > total) current = total;
    const LONG doneRight = bar.left + static_cast<LONG>(width * current / total);
    const LONG currentLeft = bar.left + static_cast<LONG>(width * (current - 1) / total);
    fill(dc, RECT{bar.left, bar.top, doneRight, bar.bottom}, done);
    fill(dc, RECT{currentLeft, bar.top, doneRight, bar.bottom}, pulse);
}

}  // namespace tarvelo::fileops::win
