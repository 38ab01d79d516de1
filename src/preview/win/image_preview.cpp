#include "preview/win/image_preview.h"

#include <objidl.h>
#include <gdiplus.h>

#include <memory>
#include <vector>

#include "platform/gdi_draw.h"
#include "preview/image_reduce.h"
#include "preview/preview_fit.h"

namespace tarvelo::preview::win {

namespace {

// The dimming: the list background over the list at 68 % (alpha 173).
void dimList(HDC dc, int width, int height, COLORREF background) {
    platform::alphaFillRect(dc, RECT{0, 0, width, height}, background, 173);
}

void drawStripText(HDC dc, const RECT& strip, const std::wstring& text, HFONT font) {
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    RECT r{strip.left + 12, strip.top, strip.right - 12, strip.bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    if (old) SelectObject(dc, old);
}

void drawStrips(HDC dc, int width, int height, const std::wstring& title, const std::wstring& status,
                const PreviewLook& look) {
    const RECT top{0, 0, width, kStripHeight};
    const RECT bottom{0, height - kStripHeight, width, height};
    platform::gradientRect(dc, top, look.stripFrom, look.stripTo, true);
    platform::gradientRect(dc, bottom, look.stripFrom, look.stripTo, true);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, look.text);
    drawStripText(dc, top, title, look.titleFont);
    drawStripText(dc, bottom, status, look.statusFont);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

void drawBitmap(HDC dc, Gdiplus::Bitmap* bitmap, const PreviewPlacement& at) {
    if (!bitmap || at.width <= 0 || at.height <= 0) return;
    Gdiplus::Graphics g(dc);
    g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    g.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    Gdiplus::ImageAttributes clampEdges;
    clampEdges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);  // no dark seam at the edges
    g.DrawImage(bitmap, Gdiplus::Rect(at.x, at.y, at.width, at.height), 0, 0,
                static_cast<INT>(bitmap->GetWidth()), static_cast<INT>(bitmap->GetHeight()), Gdiplus::UnitPixel,
                &clampEdges);
}

// A picture shown smaller than it is: reduced once to the shown size, so
// the draw is a plain one-to-one blend of a small bitmap (resampling the
// whole decoded picture inside the draw costs as much as decoding it).
struct Reduced {
    std::vector<uint8_t> pixels;
    std::unique_ptr<Gdiplus::Bitmap> bitmap;
};

bool shrinks(int w, int h, const PreviewPlacement& at) {
    return at.width > 0 && at.height > 0 && at.width < w && at.height < h;
}

bool reduceTo(const uint8_t* bits, int w, int h, size_t stride, const PreviewPlacement& at, Reduced& out) {
    const size_t outStride = static_cast<size_t>(at.width) * 4;
    out.pixels.resize(outStride * static_cast<size_t>(at.height));
    if (!reduceBgra(bits, w, h, stride, out.pixels.data(), at.width, at.height, outStride)) return false;
    out.bitmap = std::make_unique<Gdiplus::Bitmap>(at.width, at.height, static_cast<INT>(outStride),
                                                   PixelFormat32bppARGB, out.pixels.data());
    return out.bitmap->GetLastStatus() == Gdiplus::Ok;
}

// The GDI+ path's picture, read out as 32-bit rows for the reduction.
bool reduceGdiplus(Gdiplus::Bitmap& image, int w, int h, const PreviewPlacement& at, Reduced& out) {
    Gdiplus::BitmapData data{};
    Gdiplus::Rect all(0, 0, w, h);
    if (image.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok) return false;
    const bool ok = data.Stride > 0 &&
                    reduceTo(static_cast<const uint8_t*>(data.Scan0), w, h, static_cast<size_t>(data.Stride), at, out);
    image.UnlockBits(&data);
    return ok;
}

}  // namespace

bool drawImagePreview(HDC dc, int width, int height, const std::wstring& path, const std::wstring& title,
                      const ImageLibrary* library, const PreviewLook& look) {
    int w = 0;
    int h = 0;
    std::unique_ptr<Gdiplus::Bitmap> image;
    Reduced reduced;
    PreviewPlacement at;
    if (library && library->loaded()) {
        int32_t iw = 0;
        int32_t ih = 0;
        HBITMAP decoded = library->loadImage(path.c_str(), &iw, &ih);
        if (!decoded) return false;
        w = iw;
        h = ih;
        at = fitImage(w, h, width, height, look.enlargeSmall);
        // The section's own pixels, straight: the alpha the decoder gave
        // is kept (a GDI+ copy of the handle would drop it).
        DIBSECTION ds{};
        if (GetObjectW(decoded, sizeof(ds), &ds) == sizeof(ds) && ds.dsBm.bmBits) {
            const auto* bits = static_cast<const uint8_t*>(ds.dsBm.bmBits);
            const size_t stride = static_cast<size_t>(ds.dsBm.bmWidthBytes);
            if (!shrinks(w, h, at) || !reduceTo(bits, w, h, stride, at, reduced)) {
                reduced = Reduced();
                image = std::make_unique<Gdiplus::Bitmap>(w, h, static_cast<INT>(stride), PixelFormat32bppARGB,
                                                          const_cast<BYTE*>(bits));
            }
        }
        dimList(dc, width, height, look.background);
        drawBitmap(dc, reduced.bitmap ? reduced.bitmap.get() : image.get(), at);
        image.reset();
        library->freeBitmap(decoded);
    } else {
        image = std::make_unique<Gdiplus::Bitmap>(path.c_str());
        if (image->GetLastStatus() == Gdiplus::Ok) {
            w = static_cast<int>(image->GetWidth());
            h = static_cast<int>(image->GetHeight());
        } else {
            image.reset();
        }
        at = fitImage(w, h, width, height, look.enlargeSmall);
        if (image && shrinks(w, h, at) && !reduceGdiplus(*image, w, h, at, reduced)) reduced = Reduced();
        dimList(dc, width, height, look.background);
        drawBitmap(dc, reduced.bitmap ? reduced.bitmap.get() : image.get(), at);
    }
    drawStrips(dc, width, height, title, imageStatusText(w, h, at, look.japanese), look);
    return true;
}

}  // namespace tarvelo::preview::win
