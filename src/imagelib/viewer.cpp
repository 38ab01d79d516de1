#include "viewer.h"

#include <math.h>

namespace torvi32 {

namespace {

constexpr float kPi = 3.1415927f;

void sinCos(float degrees, float& s, float& c) {
    const float a = degrees * kPi / 180.0f;
    s = static_cast<float>(sin(static_cast<double>(a)));
    c = static_cast<float>(cos(static_cast<double>(a)));
}

}  // namespace

void panViewer(Torvi32Viewer& v, float dx, float dy, int mode) {
    if (mode == 0) {
        v.panX += dx;
        v.panY += dy;
    } else if (mode == 1) {
        float s = 0;
        float c = 0;
        sinCos(v.angle, s, c);
        v.panX += (c * dx + s * dy) / v.zoom;
        v.panY += (c * dy - s * dx) / v.zoom;
    }
}

void zoomViewer(Torvi32Viewer& v, float factor) {
    if (factor > 0.0f) v.zoom *= factor;  // also refuses NaN
}

void rotateViewer(Torvi32Viewer& v, float degrees) { v.angle += degrees; }

XFORM viewerTransform(const Torvi32Viewer& v, const RECT& rect) {
    const float hw = static_cast<float>(v.width) * 0.5f;
    const float hh = static_cast<float>(v.height) * 0.5f;
    float s = 0;
    float c = 0;
    sinCos(v.angle, s, c);
    const float w = static_cast<float>(rect.right - rect.left);
    const float h = static_cast<float>(rect.bottom - rect.top);
    XFORM x{};
    x.eM11 = v.zoom * c;
    x.eM12 = v.zoom * s;
    x.eM21 = -v.zoom * s;
    x.eM22 = v.zoom * c;
    // The rectangle's own origin is added so that a rectangle away from the
    // device origin is drawn where it is (a client rectangle starts at 0, 0).
    x.eDx = static_cast<float>(rect.left) + w * 0.5f - v.zoom * (c * hw - s * hh) + v.panX;
    x.eDy = static_cast<float>(rect.top) + h * 0.5f - v.zoom * (c * hh + s * hw) + v.panY;
    return x;
}

void drawViewer(const Torvi32Viewer& v, HDC target, const RECT& rect) {
    if (!v.bitmap) return;
    // The caller's mode and transform come back afterwards.
    const int oldMode = GetGraphicsMode(target);
    XFORM oldTransform{1, 0, 0, 1, 0, 0};
    if (oldMode == GM_ADVANCED) GetWorldTransform(target, &oldTransform);
    if (!SetGraphicsMode(target, GM_ADVANCED)) return;
    const XFORM x = viewerTransform(v, rect);
    if (SetWorldTransform(target, &x)) {
        if (HDC memory = CreateCompatibleDC(target)) {
            HGDIOBJ previous = SelectObject(memory, v.bitmap);
            const int oldStretch = SetStretchBltMode(target, HALFTONE);
            BitBlt(target, 0, 0, v.width, v.height, memory, 0, 0, SRCCOPY);
            if (oldStretch) SetStretchBltMode(target, oldStretch);
            SelectObject(memory, previous);
            DeleteDC(memory);
        }
    }
    if (oldMode == GM_ADVANCED) {
        SetWorldTransform(target, &oldTransform);
    } else {
        ModifyWorldTransform(target, nullptr, MWT_IDENTITY);
        SetGraphicsMode(target, oldMode);
    }
}

}  // namespace torvi32
