#include "preview/win/image_preview.h"

#include <objidl.h>
#include <gdiplus.h>

#include <memory>

#include "platform/gdi_draw.h"
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

}  // namespace

bool drawImagePreview(HDC dc, int width, int height, const std::wstring& path, const std::wstring& title,
                      const ImageLibrary* library, const PreviewLook& look) {
    int w = 0;
    int h = 0;
    std::unique_ptr<Gdiplus::Bitmap> image;
    HBITMAP decoded = nullptr;
    if (library && library->loaded()) {
        int32_t iw = 0;
        int32_t ih = 0;
        decoded = library->loadImage(path.c_str(), &iw, &ih);
        if (!decoded) return false;
        w = iw;
        h = ih;
        // The section's own pixels, straight: the alpha the decoder gave
        // is kept (a GDI+ copy of the handle would drop it).
        DIBSECTION ds{};
        if (GetObjectW(decoded, sizeof(ds), &ds) == sizeof(ds) && ds.dsBm.bmBits) {
            image = std::make_unique<Gdiplus::Bitmap>(w, h, ds.dsBm.bmWidthBytes, PixelFormat32bppARGB,
                                                      static_cast<BYTE*>(ds.dsBm.bmBits));
        }
    } else {
        image = std::make_unique<Gdiplus::Bitmap>(path.c_str());
        if (image->GetLastStatus() == Gdiplus::Ok) {
            w = static_cast<int>(image->GetWidth());
            h = static_cast<int>(image->GetHeight());
        } else {
            image.reset();
        }
    }
    const PreviewPlacement at = fitImage(w, h, width, height, look.enlargeSmall);
    dimList(dc, width, height, look.background);
    drawBitmap(dc, image.get(), at);
    image.reset();
    if (decoded) library->freeBitmap(decoded);
    drawStrips(dc, width, height, title, imageStatusText(w, h, at, look.japanese), look);
    return true;
}

}  // namespace tarvelo::preview::win
