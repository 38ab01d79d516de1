#pragma once
// What a finished operation tells the user: the completion signal, the one
// failure report, and the progress bar under the list while items run.
#include <windows.h>

#include "fileops/operation_texts.h"
#include "shell/theme_palette.h"

namespace tarvelo::fileops::win {

// The configured sound (or the default beep) and two taskbar flashes.
void signalCompletion(HWND window, bool soundOnComplete);

// One message box listing the failed items; nothing when none failed.
void showReport(HWND owner, const wchar_t* caption, const wchar_t* failurePattern, const OperationReport& report);

// Progress counters of the one running operation (0 and 0: none).
struct ProgressState {
    int current = 0;
    int total = 0;
};
ProgressState& operationProgress();

// Starts / stops timer 10006, which draws the bar under the list of window
// every 90 ms with the palette's track (B7) and done (B6) colours and the
// current item pulsing between them.
void startProgressTimer(HWND window, const shell::ThemePalette& palette);
void stopProgressTimer(HWND window);

// The bar's pixels inside a client area of width x height: x from 12 to
// width - 12, 6 pixels high, its bottom 3 pixels above the bottom.
RECT progressBarRect(int clientWidth, int clientHeight);
void drawProgressBar(HDC dc, const RECT& bar, const shell::ThemePalette& palette, int current, int total,
                     unsigned long long tickMs);

}  // namespace tarvelo::fileops::win
