#pragma once
// The decisions around a load that the main window's timers and commands
// take: whether a folder is enumerated at all, what start-up does, and what
// the load-progress timer does on each tick.
#include <cstdint>
#include <string_view>

namespace tarvelo::filelist {

// A folder worth enumerating names a drive (":") or a network path ("\\");
// otherwise a load only refills and re-sorts what is listed.
bool folderCanBeEnumerated(std::wstring_view currentFolder);

enum class StartupAction { Nothing, ListFolder, SelectFolder };
// Start-up (the one-shot timer): list the restored folder when it exists,
// otherwise open the folder dialog; nothing when no folder was restored.
StartupAction startupAction(std::wstring_view currentFolder, bool existsAsFolder);

inline constexpr int kLoadProgressIntervalMs = 45;
inline constexpr int kLoadProgressFinalPauseMs = 50;

// One tick of the load-progress timer.
struct LoadProgressStep {
    bool killTimer = false;
    bool drawProgress = false;  // draw the load progress bar and post a paint message
    int pauseMs = 0;            // pause after drawing
    bool rearm = false;         // re-arm with kLoadProgressIntervalMs
};

// listingThread is the RunFlags byte (0 idle, 1 running, 2 stop requested).
// A complete listing stops the timer (a last bar while the thread still
// finishes); a running load draws while details are being filled; a load
// that ended without a complete listing (nothing found, stopped) stops it.
LoadProgressStep loadProgressStep(bool listingComplete, bool uiBusy, uint8_t listingThread, int enumeratedCount,
                                  int filledCount);

}  // namespace tarvelo::filelist
