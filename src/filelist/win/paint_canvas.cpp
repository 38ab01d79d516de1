#include "filelist/win/paint_canvas.h"

#include <algorithm>
#include <climits>

namespace tarvelo::filelist::win {

RECT toRect(const PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

namespace {

int clampedLength(std::wstring_view text) { return static_cast<int>(std::min<size_t>(text.size(), INT_MAX)); }

UINT alignFlag(TextAlign align) {
    switch (align) {
    case TextAlign::Centre: return DT_CENTER;
    case TextAlign::Right: return DT_RIGHT;
    default: return DT_LEFT;
    }
}

}  // namespace

PaintCanvas::PaintCanvas(HDC dc) : dc_(dc) {
    originalFont_ = GetCurrentObject(dc_, OBJ_FONT);
    originalColour_ = GetTextColor(dc_);
    originalMode_ = SetBkMode(dc_, TRANSPARENT);
}

PaintCanvas::~PaintCanvas() {
    SelectObject(dc_, originalFont_);
    SetTextColor(dc_, originalColour_);
    SetBkMode(dc_, originalMode_);
}

void PaintCanvas::useFont(HFONT font) {
    if (font != nullptr && font == font_ && lineHeight_ > 0) return;
    if (font != nullptr) {
        SelectObject(dc_, font);
        font_ = font;
        for (const KnownFont& k : known_) {
            if (k.font == font) {
                lineHeight_ = k.lineHeight;
                return;
            }
        }
    }
    TEXTMETRICW tm{};
    lineHeight_ = GetTextMetricsW(dc_, &tm) ? static_cast<int>(tm.tmHeight) : 0;
    if (font == nullptr) return;
    for (KnownFont& k : known_) {
        if (k.font == nullptr) {
            k = {font, lineHeight_};
            break;
        }
    }
}

int PaintCanvas::textWidth(std::wstring_view text) const {
    if (text.empty()) return 0;
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.data(), clampedLength(text), &size);
    return size.cx;
}

void PaintCanvas::fill(const PixelRect& rect, shell::Colour colour) {
    platform::fillSolidRect(dc_, toRect(rect), colour.value);
}

void PaintCanvas::frame(const PixelRect& rect, shell::Colour colour) {
    platform::frameSolidRect(dc_, toRect(rect), colour.value);
}

void PaintCanvas::gradient(const PixelRect& rect, shell::Colour from, shell::Colour to, bool vertical) {
    platform::gradientRect(dc_, toRect(rect), from.value, to.value, vertical);
}

void PaintCanvas::blend(const PixelRect& rect, shell::Colour colour, int alpha) {
    if (rect.width() <= 0 || rect.height() <= 0 || alpha <= 0) return;
    if (alpha >= 255 || !dot_.resize(1, 1)) {
        fill(rect, colour);
        return;
    }
    dot_.fill(colour.value);
    BLENDFUNCTION blend{};
    blend.BlendOp = AC_SRC_OVER;
    blend.SourceConstantAlpha = static_cast<BYTE>(alpha);
    AlphaBlend(dc_, rect.left, rect.top, rect.width(), rect.height(), dot_.dc(), 0, 0, 1, 1, blend);
}

bool PaintCanvas::text(std::wstring_view text, const TextBox& box, shell::Colour colour) {
    if (text.empty() || box.rect.width() <= 0 || box.rect.height() <= 0) return false;
    const int width = textWidth(text);
    SetTextColor(dc_, colour.value);
    RECT clip = toRect(box.rect);
    if (width <= box.rect.width()) {
        // Fits: place it ourselves, which is much cheaper than DrawText.
        int x = box.rect.left;
        if (box.align == TextAlign::Centre) x += (box.rect.width() - width) / 2;
        if (box.align == TextAlign::Right) x = box.rect.right - width;
        ExtTextOutW(dc_, x, lineTop(box.rect), ETO_CLIPPED, &clip, text.data(), static_cast<UINT>(text.size()),
                    nullptr);
        return false;
    }
    DrawTextW(dc_, text.data(), clampedLength(text), &clip,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | alignFlag(box.align));
    return true;
}

void PaintCanvas::textAt(std::wstring_view text, int x, int y, const PixelRect& clip, shell::Colour colour) {
    if (text.empty()) return;
    SetTextColor(dc_, colour.value);
    RECT r = toRect(clip);
    ExtTextOutW(dc_, x, y, ETO_CLIPPED, &r, text.data(), static_cast<UINT>(text.size()), nullptr);
}

SIZE PaintCanvas::wrappedExtent(std::wstring_view text, int width) const {
    if (text.empty() || width <= 0) return SIZE{0, 0};
    RECT r{0, 0, width, 0};
    DrawTextW(dc_, text.data(), clampedLength(text), &r, DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_CALCRECT);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void PaintCanvas::wrappedText(std::wstring_view text, const PixelRect& rect, shell::Colour colour) {
    if (text.empty() || rect.width() <= 0 || rect.height() <= 0) return;
    SetTextColor(dc_, colour.value);
    RECT r = toRect(rect);
    DrawTextW(dc_, text.data(), clampedLength(text), &r,
              DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT);
}

}  // namespace tarvelo::filelist::win
