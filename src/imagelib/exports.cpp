// The eight exports: thin C entry points over the decoder and the viewer.
#include <new>

#include "torvi32.h"
#include "viewer.h"
#include "wic_decoder.h"

extern "C" {

HBITMAP WINAPI Torvi32LoadImageToHBITMAP(const wchar_t* path, int32_t* width, int32_t* height) {
    return torvi32::decodeFirstFrame(path, width, height);
}

BOOL WINAPI Torvi32FreeHBITMAP(HBITMAP bitmap) {
    if (!bitmap) return FALSE;
    return DeleteObject(bitmap) ? TRUE : FALSE;
}

Torvi32ViewerHandle WINAPI Torvi32ViewerCreate(const wchar_t* path) {
    int32_t w = 0;
    int32_t h = 0;
    HBITMAP bitmap = torvi32::decodeFirstFrame(path, &w, &h);
    if (!bitmap) return nullptr;
    Torvi32Viewer* v = new (std::nothrow) Torvi32Viewer;
    if (!v) {
        DeleteObject(bitmap);
        return nullptr;
    }
    v->bitmap = bitmap;
    v->width = w;
    v->height = h;
    return v;
}

void WINAPI Torvi32ViewerDestroy(Torvi32ViewerHandle viewer) {
    if (!viewer) return;
    if (viewer->bitmap) DeleteObject(viewer->bitmap);
    delete viewer;
}

void WINAPI Torvi32ViewerPan(Torvi32ViewerHandle viewer, float dx, float dy, int32_t mode) {
    if (viewer) torvi32::panViewer(*viewer, dx, dy, mode);
}

void WINAPI Torvi32ViewerZoom(Torvi32ViewerHandle viewer, float factor) {
    if (viewer) torvi32::zoomViewer(*viewer, factor);
}

void WINAPI Torvi32ViewerRotate(Torvi32ViewerHandle viewer, float degrees) {
    if (viewer) torvi32::rotateViewer(*viewer, degrees);
}

void WINAPI Torvi32ViewerDraw(Torvi32ViewerHandle viewer, HDC target, const RECT* rect) {
    if (viewer && target && rect) torvi32::drawViewer(*viewer, target, *rect);
}

}  // extern "C"
