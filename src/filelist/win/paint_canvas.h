#pragma once
// A device context as the list painter uses it for one paint: the selected
// font and its line height, solid, gradient and constant-alpha fills, and
// single-line or wrapped text in a box. Restores the context's font, text
// colour and background mode when it goes.
#include <windows.h>

#include <string_view>

#include "filelist/row_layout.h"
#include "platform/gdi_draw.h"
#include "shell/colour.h"

namespace tarvelo::filelist::win {

class PaintCanvas {
public:
    explicit PaintCanvas(HDC dc);
    ~PaintCanvas();
    PaintCanvas(const PaintCanvas&) = delete;
    PaintCanvas& operator=(const PaintCanvas&) = delete;

    HDC dc() const { return dc_; }

    // Selects the font (nullptr keeps the current one) and reads its height.
    void useFont(HFONT font);
    HFONT font() const { return font_; }
    int lineHeight() const { return lineHeight_; }
    int textWidth(std::wstring_view text) const;

    void fill(const PixelRect& rect, shell::Colour colour);
    void frame(const PixelRect& rect, shell::Colour colour);
    void gradient(const PixelRect& rect, shell::Colour from, shell::Colour to, bool vertical);
    // colour laid over what is there at alpha (0..255); 255 is a plain fill.
    void blend(const PixelRect& rect, shell::Colour colour, int alpha);

    // One line, vertically centred in the box, aligned as the box says, no
    // prefix processing, cut with an ellipsis at the end. Returns whether it
    // had to be cut. The text's top is stored for underlines.
    bool text(std::wstring_view text, const TextBox& box, shell::Colour colour);
    // Where text() puts the line's top in box.
    int lineTop(const PixelRect& box) const { return box.top + (box.height() - lineHeight_) / 2; }
    // Plain text at (x, y), clipped to clip.
    void textAt(std::wstring_view text, int x, int y, const PixelRect& clip, shell::Colour colour);

    // Size of the block of text wrapped at words in width pixels.
    SIZE wrappedExtent(std::wstring_view text, int width) const;
    // Wrapped text in rect, clipped to it, cut with an ellipsis at the end.
    void wrappedText(std::wstring_view text, const PixelRect& rect, shell::Colour colour);

private:
    HDC dc_;
    HGDIOBJ originalFont_ = nullptr;
    HFONT font_ = nullptr;
    COLORREF originalColour_ = 0;
    int originalMode_ = 0;
    int lineHeight_ = 0;
    struct KnownFont {
        HFONT font = nullptr;
        int lineHeight = 0;
    };
    KnownFont known_[4];  // line heights already read, so switching fonts per row stays cheap
    platform::BackBuffer dot_;  // one pixel, stretched for constant-alpha fills
};

RECT toRect(const PixelRect& r);

}  // namespace tarvelo::filelist::win
