#pragma once
// The viewer object behind the opaque handle. Shared with the library's
// white-box tests; callers only ever see Torvi32ViewerHandle.
#include <windows.h>

#include <stdint.h>

struct Torvi32Viewer {
    HBITMAP bitmap = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    float zoom = 1.0f;
    float panX = 0.0f;
    float panY = 0.0f;
    float angle = 0.0f;  // degrees, clockwise on screen; never wrapped
};
