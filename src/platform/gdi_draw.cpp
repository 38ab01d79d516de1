#include "platform/gdi_draw.h"

#include <algorithm>

namespace tarvelo::platform {
namespace {

TRIVERTEX vertex(int x, int y, COLORREF c) {
    TRIVERTEX v{};
    v.x = x;
    v.y = y;
    v.Red = static_cast<COLOR16>(GetRValue(c) << 8);
    v.Green = static_cast<COLOR16>(GetGValue(c) << 8);
    v.Blue = static_cast<COLOR16>(GetBValue(c) << 8);
    v.Alpha = 0;
    return v;
}

// Selects an object for one scope and puts the previous one back.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ obj) : dc_(dc), previous_(SelectObject(dc, obj)) {}
    ~Selected() { SelectObject(dc_, previous_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

void drawSegments(HDC dc, const POINT* points, int count, COLORREF colour) {
    UniquePen pen(CreatePen(PS_SOLID, 1, colour));
    if (!pen) return;
    Selected usePen(dc, pen.get());
    Polyline(dc, points, count);
}

}  // namespace

void fillSolidRect(HDC dc, const RECT& rect, COLORREF colour) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    // ExtTextOut with an opaque rectangle fills without creating a brush.
    COLORREF old = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

void frameSolidRect(HDC dc, const RECT& rect, COLORREF colour) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    fillSolidRect(dc, RECT{rect.left, rect.top, rect.right, rect.top + 1}, colour);
    fillSolidRect(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    fillSolidRect(dc, RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    fillSolidRect(dc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void fillPolygon(HDC dc, const POINT* points, int count, COLORREF colour) {
    if (count < 3) return;
    UniqueBrush brush(CreateSolidBrush(colour));
    UniquePen pen(CreatePen(PS_SOLID, 1, colour));
    if (!brush || !pen) return;
    Selected useBrush(dc, brush.get());
    Selected usePen(dc, pen.get());
    Polygon(dc, points, count);
}

void gradientRect(HDC dc, const RECT& rect, COLORREF from, COLORREF to, bool vertical) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    TRIVERTEX v[2] = {vertex(rect.left, rect.top, from), vertex(rect.right, rect.bottom, to)};
    GRADIENT_RECT r{0, 1};
    GradientFill(dc, v, 2, &r, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

void gradientTriangle(HDC dc, const ColourPoint& a, const ColourPoint& b, const ColourPoint& c) {
    TRIVERTEX v[3] = {vertex(a.x, a.y, a.colour), vertex(b.x, b.y, b.colour), vertex(c.x, c.y, c.colour)};
    GRADIENT_TRIANGLE t{0, 1, 2};
    GradientFill(dc, v, 3, &t, 1, GRADIENT_FILL_TRIANGLE);
}

bool alphaBlendRect(HDC dst, HDC src, const RECT& rect, int percent) {
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return false;
    BLENDFUNCTION blend{};
    blend.BlendOp = AC_SRC_OVER;
    blend.SourceConstantAlpha = static_cast<BYTE>(std::clamp(percent, 0, 100) * 255 / 100);
    return AlphaBlend(dst, rect.left, rect.top, w, h, src, rect.left, rect.top, w, h, blend) != FALSE;
}

bool alphaFillRect(HDC dc, const RECT& rect, COLORREF colour, int alpha) {
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return false;
    alpha = std::clamp(alpha, 0, 255);
    if (alpha == 255) {
        fillSolidRect(dc, rect, colour);
        return true;
    }
    // One source pixel stretched over the rectangle.
    BackBuffer pixel;
    if (!pixel.resize(1, 1)) return false;
    pixel.fill(colour);
    BLENDFUNCTION blend{};
    blend.BlendOp = AC_SRC_OVER;
    blend.SourceConstantAlpha = static_cast<BYTE>(alpha);
    return AlphaBlend(dc, rect.left, rect.top, w, h, pixel.dc(), 0, 0, 1, 1, blend) != FALSE;
}

void drawBox(HDC dc, const RECT& rect, int fillKind, COLORREF colour1, COLORREF colour2, COLORREF outlineColour,
             int outlineKind) {
    const RECT inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    switch (fillKind) {
    case 1: fillSolidRect(dc, inner, colour1); break;
    case 2: gradientRect(dc, inner, colour1, colour2, false); break;
    case 3: gradientRect(dc, inner, colour1, colour2, true); break;
    default: break;
    }
    if (rect.right - rect.left < 1 || rect.bottom - rect.top < 1) return;
    const int l = rect.left;
    const int t = rect.top;
    const int r = rect.right - 1;  // last pixel column
    const int b = rect.bottom - 1; // last pixel row
    switch (outlineKind) {
    case 1: frameSolidRect(dc, rect, outlineColour); break;
    case 2: {
        // Polyline leaves out its end point: close on the start pixel.
        const POINT pts[] = {{l, t}, {r, t}, {r, b}, {l, b}, {l, t}, {l, t + 1}};
        drawSegments(dc, pts, 6, outlineColour);
        break;
    }
    case 3: {
        const int cut = std::min({2, (r - l) / 2, (b - t) / 2});
        const POINT pts[] = {{l + cut, t}, {r - cut, t}, {r, t + cut}, {r, b - cut}, {r - cut, b},
                             {l + cut, b}, {l, b - cut}, {l, t + cut}, {l + cut, t}, {l + cut + 1, t}};
        drawSegments(dc, pts, 10, outlineColour);
        break;
    }
    default: break;
    }
}

BackBuffer::~BackBuffer() { release(); }

void BackBuffer::release() {
    if (dc_ && previous_) SelectObject(dc_.get(), previous_);
    previous_ = nullptr;
    bitmap_.reset();
    dc_.reset();
    width_ = 0;
    height_ = 0;
}

bool BackBuffer::resize(int width, int height) {
    if (width <= 0 || height <= 0) {
        release();
        return false;
    }
    if (valid() && width == width_ && height == height_) return true;
    release();
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return false;
    previous_ = SelectObject(dc.get(), bitmap.get());
    dc_ = std::move(dc);
    bitmap_ = std::move(bitmap);
    width_ = width;
    height_ = height;
    return true;
}

void BackBuffer::fill(COLORREF colour) {
    if (valid()) fillSolidRect(dc_.get(), rect(), colour);
}

bool BackBuffer::blitTo(HDC target, int x, int y) const {
    if (!valid()) return false;
    return BitBlt(target, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY) != FALSE;
}

}  // namespace tarvelo::platform
