#include "filelist/load_rules.h"

namespace tarvelo::filelist {

bool folderCanBeEnumerated(std::wstring_view currentFolder) {
    return currentFolder.find_first_of(L":\\") != std::wstring_view::npos;
}

StartupAction startupAction(std::wstring_view currentFolder, bool existsAsFolder) {
    if (currentFolder.empty() || !folderCanBeEnumerated(currentFolder)) return StartupAction::Nothing;
    return existsAsFolder ? StartupAction::ListFolder : StartupAction::SelectFolder;
}

LoadProgressStep loadProgressStep(bool listingComplete, bool uiBusy, uint8_t listingThread, int enumeratedCount,
                                  int filledCount) {
    LoadProgressStep step;
    const bool threadActive = listingThread != 0;
    if (listingComplete) {
        step.killTimer = true;
        if (!uiBusy && threadActive) {
            step.drawProgress = true;
            step.pauseMs = kLoadProgressFinalPauseMs;
        }
        return step;
    }
    if (!threadActive) {
        step.killTimer = true;
        return step;
    }
    step.drawProgress = !uiBusy && filledCount > 0 && filledCount < enumeratedCount;
    step.rearm = true;
    return step;
}

}  // namespace tarvelo::filelist
