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
#include "preview/win/media_player.h"

namespace tarvelo::preview::win {

class PreviewController {
public:
    PreviewController() = default;
    ~PreviewController() { stop(); }
    PreviewController(const PreviewController&) = delete;
    PreviewController& operator=(const PreviewController&) = delete;

    // GDI+ first, then the library (loaded from the program's folder). The
    // media player is made from instance's template and owned by owner.
    void start(HINSTANCE instance, HWND owner);
    void stop();

    PreviewState& state() { return state_; }
    const ImageLibrary& library() const { return library_; }

    // After the list was drawn into its buffer: shows the pending preview
    // over it. True when a preview now covers the list.
    bool runPending(HDC dc, int width, int height, const PreviewLook& look);

    // The media player window, opened by a media file.
    bool mediaPlayerOpen() const { return player_.open(); }
    HWND mediaPlayerWindow() const { return player_.window(); }
    void closeMediaPlayer() { player_.close(); }

private:
    void show(HDC dc, int width, int height, const std::wstring& path, const PreviewLook& look);

    PreviewState state_;
    ImageLibrary library_;
    MediaPlayer player_;
    HINSTANCE instance_ = nullptr;
    HWND owner_ = nullptr;
    ArchivePreview archive_;
    ULONG_PTR gdiplusToken_ = 0;
};

}  // namespace tarvelo::preview::win
