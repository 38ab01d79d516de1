#pragma once
// The small drawing primitives every pane shares: solid and gradient fills,
// frames, constant-alpha blends, outlined boxes, and the off-screen buffer
// each pane is drawn into. Colours are COLORREF (0x00BBGGRR).
#include <windows.h>

#include "platform/unique_handle.h"

namespace tarvelo::platform {

void fillSolidRect(HDC dc, const RECT& rect, COLORREF colour);
// A one-pixel frame on the rectangle's edge.
void frameSolidRect(HDC dc, const RECT& rect, COLORREF colour);
// A filled polygon, outline and inside in one colour.
void fillPolygon(HDC dc, const POINT* points, int count, COLORREF colour);

// Two-colour linear gradient: left to right, or top to bottom when vertical.
void gradientRect(HDC dc, const RECT& rect, COLORREF from, COLORREF to, bool vertical);

struct ColourPoint {
    int x = 0;
    int y = 0;
    COLORREF colour = 0;
};
// A triangle shaded between the colours of its three corners.
void gradientTriangle(HDC dc, const ColourPoint& a, const ColourPoint& b, const ColourPoint& c);

// Copies rect from src onto the same place of dst at a constant alpha of
// percent (0..100) * 255 / 100.
bool alphaBlendRect(HDC dst, HDC src, const RECT& rect, int percent);

// Fills rect with colour at a constant alpha of 0..255 over what is there
// (stripes, grid lines and the rubber band of the blended looks).
bool alphaFillRect(HDC dc, const RECT& rect, COLORREF colour, int alpha);

// fillKind 1: solid colour1 inside the rectangle inset by one pixel; 2: the
// inset filled with a horizontal gradient colour1 -> colour2; 3: vertical.
// outlineKind 1: a one-pixel frame; 2: the same frame drawn from four line
// segments; 3: segments with the corners cut by 2 pixels. 0 (or anything
// else): no fill or no outline.
void drawBox(HDC dc, const RECT& rect, int fillKind, COLORREF colour1, COLORREF colour2, COLORREF outlineColour,
             int outlineKind);

// An off-screen 32-bit bitmap selected into its own memory DC.
class BackBuffer {
public:
    BackBuffer() = default;
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // (Re)creates the buffer at width x height; keeps it when the size is
    // already that. False when the size is not positive or GDI refuses.
    bool resize(int width, int height);
    void release();

    bool valid() const { return dc_.get() != nullptr; }
    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    RECT rect() const { return RECT{0, 0, width_, height_}; }

    void fill(COLORREF colour);
    // The whole buffer to (x, y) of the target in one step.
    bool blitTo(HDC target, int x, int y) const;

private:
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace tarvelo::platform
