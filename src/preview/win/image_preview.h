#pragma once
// Draws an image preview over the list pane's back buffer: the list dimmed,
// the image fitted into the band between two strips, the title and the
// status text in the strips.
#include <windows.h>

#include <string>

#include "preview/win/image_library.h"

namespace tarvelo::preview::win {

struct PreviewLook {
    COLORREF background = 0;  // the list background (the dimming layer)
    COLORREF stripFrom = 0;   // strip gradient, top to bottom
    COLORREF stripTo = 0;
    COLORREF text = 0;
    HFONT titleFont = nullptr;
    HFONT statusFont = nullptr;
    bool enlargeSmall = false;  // Magnification setting
    bool japanese = false;
};

// Draws path into dc (width x height, the list area). With `library` bound
// the image comes from Torvi32, otherwise from GDI+. False when nothing was
// drawn (the library could not decode the file); the GDI+ path draws an
// empty band with sizes 0 for a file it cannot read and returns true.
bool drawImagePreview(HDC dc, int width, int height, const std::wstring& path, const std::wstring& title,
                      const ImageLibrary* library, const PreviewLook& look);

}  // namespace tarvelo::preview::win
