#include "preview/win/preview_controller.h"

#include <objidl.h>
#include <gdiplus.h>

#include "common/path_split.h"
#include "preview/preview_fit.h"

namespace tarvelo::preview::win {

void PreviewController::start(HINSTANCE instance, HWND owner) {
    instance_ = instance;
    owner_ = owner;
    if (!gdiplusToken_) {
        Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr) != Gdiplus::Ok) gdiplusToken_ = 0;
    }
    library_.load(imageLibraryPath());
}

void PreviewController::stop() {
    player_.close();
    library_.unload();
    if (gdiplusToken_) {
        Gdiplus::GdiplusShutdown(gdiplusToken_);
        gdiplusToken_ = 0;
    }
}

bool PreviewController::runPending(HDC dc, int width, int height, const PreviewLook& look) {
    const std::wstring path = state_.takePending();
    if (!path.empty()) show(dc, width, height, path, look);
    return state_.showing();
}

void PreviewController::show(HDC dc, int width, int height, const std::wstring& path, const PreviewLook& look) {
    // Long paths are never previewed.
    if (path.rfind(L"\\\\?\\", 0) == 0 || path.size() >= 260) return;
    const common::PathParts parts = common::splitPath(path);
    const std::wstring title = parts.stem + parts.extension;
    switch (previewType(parts.extension)) {
    case 1:
        if (!gdiplusToken_) return;
        if (drawImagePreview(dc, width, height, path, title, library_.loaded() ? &library_ : nullptr, look)) {
            state_.shown();
        }
        break;
    case 3:
        if (gdiplusToken_ && library_.loaded() && drawImagePreview(dc, width, height, path, title, &library_, look)) {
            state_.shown();
        }
        break;
    case 2: {
        if (!gdiplusToken_) return;
        const ArchivePreviewOutcome r = archive_.show(dc, width, height, path, state_.memberIndex(),
                                                      library_.loaded() ? &library_ : nullptr, look, GetActiveWindow());
        state_.settleMemberIndex(r.memberIndex);
        if (r.endWalk) state_.endMode();
        if (r.drawn) state_.shown();
        break;
    }
    case 4:
        // The open player takes the new file; otherwise one is opened.
        player_.play(instance_, owner_, path);
        break;
    default:
        state_.endMode();
        break;
    }
}

}  // namespace tarvelo::preview::win
