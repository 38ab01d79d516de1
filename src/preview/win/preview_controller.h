#pragma once
// The preview as the main window holds it: its state, the image library
// binding and the GDI+ session that draws previews. The window calls it at
// creation and destruction, after each list paint and on input.
#include <windows.h>

#include <string>

#include "preview/preview_state.h"
#include "preview/win/archive_preview.h"
#include "preview/win/image_library.h"
#include "preview/win/image_preview.h"

namespace tarvelo::preview::win {

class PreviewController {
public:
    PreviewController() = default;
    ~PreviewController() { stop(); }
    PreviewController(const PreviewController&) = delete;
    PreviewController& operator=(const PreviewController&) = delete;

    // GDI+ first, then the library (loaded from the program's folder).
    void start();
    void stop();

    PreviewState& state() { return state_; }
    const ImageLibrary& library() const { return library_; }

    // After the list was drawn into its buffer: shows the pending preview
    // over it. True when a preview now covers the list.
    bool runPending(HDC dc, int width, int height, const PreviewLook& look);

private:
    void show(HDC dc, int width, int height, const std::wstring& path, const PreviewLook& look);

    PreviewState state_;
    ImageLibrary library_;
    ArchivePreview archive_;
    ULONG_PTR gdiplusToken_ = 0;
};

}  // namespace tarvelo::preview::win
