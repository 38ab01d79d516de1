#pragma once
// The program's binding of Torvi32.dll: all eight exports or none. Loaded
// when the main window is created, freed when it is destroyed; without it
// the program previews what GDI+ reads and skips the library's own types.
#include <windows.h>

#include <string>

#include "imagelib/torvi32.h"
#include "platform/unique_handle.h"

namespace tarvelo::preview::win {

class ImageLibrary {
public:
    ImageLibrary() = default;
    ~ImageLibrary() { unload(); }
    ImageLibrary(const ImageLibrary&) = delete;
    ImageLibrary& operator=(const ImageLibrary&) = delete;

    // Loads the library at path and looks up the eight exports; when one is
    // missing the module is freed again and nothing is bound. No message.
    bool load(const std::wstring& path);
    void unload();
    bool loaded() const { return loaded_; }

    Torvi32LoadImageToHBITMAPFn loadImage = nullptr;
    Torvi32FreeHBITMAPFn freeBitmap = nullptr;
    Torvi32ViewerCreateFn viewerCreate = nullptr;
    Torvi32ViewerDestroyFn viewerDestroy = nullptr;
    Torvi32ViewerPanFn viewerPan = nullptr;
    Torvi32ViewerZoomFn viewerZoom = nullptr;
    Torvi32ViewerRotateFn viewerRotate = nullptr;
    Torvi32ViewerDrawFn viewerDraw = nullptr;

private:
    void clear();
    platform::UniqueModule module_;
    bool loaded_ = false;
};

// "Torvi32.dll" in the program's own folder. Taken by full path: the
// program changes its current directory to every folder it lists, and a
// library of that name in a browsed folder must never be loaded.
std::wstring imageLibraryPath();

}  // namespace tarvelo::preview::win
