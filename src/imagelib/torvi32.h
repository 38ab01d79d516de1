#pragma once
// Torvi32.dll: decodes an image file through the Windows Imaging Component
// into a 32-bit top-down DIB section (first frame only), and a small viewer
// object that draws such a bitmap with pan, zoom and rotation.
//
// The calling thread must have COM initialised; the library never does it.
// Not thread-safe beyond the factory: call it from one thread.
#include <windows.h>

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifdef TORVI32_BUILDING
#define TORVI32_API __declspec(dllexport)
#else
#define TORVI32_API __declspec(dllimport)
#endif

typedef struct Torvi32Viewer* Torvi32ViewerHandle;

// Largest image the decoder accepts: each side at most this many pixels and
// the whole bitmap at most TORVI32_MAX_BYTES bytes (32 bits a pixel).
#define TORVI32_MAX_SIDE 32768
#define TORVI32_MAX_BYTES (1024ull * 1024ull * 1024ull)

// The decoded bitmap (caller's, release with Torvi32FreeHBITMAP), or null on
// any failure; width and height are written only on success.
TORVI32_API HBITMAP WINAPI Torvi32LoadImageToHBITMAP(const wchar_t* path, int32_t* width, int32_t* height);
// Non-zero when a non-null handle was deleted.
TORVI32_API BOOL WINAPI Torvi32FreeHBITMAP(HBITMAP bitmap);

TORVI32_API Torvi32ViewerHandle WINAPI Torvi32ViewerCreate(const wchar_t* path);
TORVI32_API void WINAPI Torvi32ViewerDestroy(Torvi32ViewerHandle viewer);
// mode 0: plain offset; mode 1: screen direction, corrected for rotation and zoom.
TORVI32_API void WINAPI Torvi32ViewerPan(Torvi32ViewerHandle viewer, float dx, float dy, int32_t mode);
TORVI32_API void WINAPI Torvi32ViewerZoom(Torvi32ViewerHandle viewer, float factor);
TORVI32_API void WINAPI Torvi32ViewerRotate(Torvi32ViewerHandle viewer, float degrees);
TORVI32_API void WINAPI Torvi32ViewerDraw(Torvi32ViewerHandle viewer, HDC target, const RECT* rect);

// Function pointer types for binding by name at run time.
typedef HBITMAP(WINAPI* Torvi32LoadImageToHBITMAPFn)(const wchar_t*, int32_t*, int32_t*);
typedef BOOL(WINAPI* Torvi32FreeHBITMAPFn)(HBITMAP);
typedef Torvi32ViewerHandle(WINAPI* Torvi32ViewerCreateFn)(const wchar_t*);
typedef void(WINAPI* Torvi32ViewerDestroyFn)(Torvi32ViewerHandle);
typedef void(WINAPI* Torvi32ViewerPanFn)(Torvi32ViewerHandle, float, float, int32_t);
typedef void(WINAPI* Torvi32ViewerZoomFn)(Torvi32ViewerHandle, float);
typedef void(WINAPI* Torvi32ViewerRotateFn)(Torvi32ViewerHandle, float);
typedef void(WINAPI* Torvi32ViewerDrawFn)(Torvi32ViewerHandle, HDC, const RECT*);

#ifdef __cplusplus
}
#endif
