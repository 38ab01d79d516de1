#pragma once
// The archive preview: lists the archive through the archiver bridge,
// extracts the chosen image member alone into the expansion folder beside
// the program and draws it like an image preview, titled with the archive.
#include <windows.h>

#include <string>

#include "preview/win/image_library.h"
#include "preview/win/image_preview.h"

namespace tarvelo::preview::win {

struct ArchivePreviewOutcome {
    bool drawn = false;    // an image now covers the list
    bool endWalk = false;  // no member to show: the walk through files ends
    int memberIndex = 0;   // the member shown (or the clamped request)
};

class ArchivePreview {
public:
    // `library` null when Torvi32 is not loaded; `owner` owns the bridge's
    // "Not Found" box should a library vanish before the extraction.
    ArchivePreviewOutcome show(HDC dc, int width, int height, const std::wstring& archive, int memberIndex,
                               const ImageLibrary* library, const PreviewLook& look, HWND owner);

private:
    std::wstring lastArchive_;  // the archive and member shown last, for the step direction
    int lastIndex_ = -1;
};

// The expansion folder beside the running program ("...\_expand_temp_\"),
// empty when the program's folder is not a plain path.
std::wstring expansionFolder();

}  // namespace tarvelo::preview::win
