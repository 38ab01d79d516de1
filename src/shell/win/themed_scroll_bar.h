#pragma once
// The themed vertical scroll bar that can stand in for the standard bars of
// the list and the side bar: two arrow buttons and a thumb in the palette's
// colours, double-buffered, reporting user moves to its parent as
// WM_VSCROLL / SB_THUMBPOSITION with the position in the high word.
#include <windows.h>

#include <utility>

#include "platform/gdi_draw.h"
#include "shell/scroll_bar_model.h"
#include "shell/theme_palette.h"

namespace tarvelo::shell::win {

class ThemedScrollBar final : private ScrollBarHost {
public:
    // Auto-repeat timer of the bar's own window.
    static constexpr UINT_PTR kRepeatTimerId = 1;
    static constexpr UINT kRepeatMs = 30;

    ThemedScrollBar() = default;
    ~ThemedScrollBar() override;
    ThemedScrollBar(const ThemedScrollBar&) = delete;
    ThemedScrollBar& operator=(const ThemedScrollBar&) = delete;

    // A child window of parent with the given control id, created hidden
    // (the layout shows it). False when the window cannot be made.
    bool create(HWND parent, int controlId);
    void destroy();
    HWND hwnd() const { return hwnd_; }

    // None of these tell the parent; setPos does when notify is set.
    void setRange(int minPos, int maxPos);
    std::pair<int, int> getRange() const { return {model_.range().minPos, model_.range().maxPos}; }
    void setPageSize(int pageSize);
    int pageSize() const { return model_.range().pageSize; }
    void setPos(int pos, bool notify);
    int pos() const { return model_.pos(); }

    // backColour = effective B0, thumbColour = B11, dragColour = B12.
    void setColours(COLORREF back, COLORREF thumb, COLORREF drag);
    void setColours(const ThemePalette& palette);
    // Scales the buttons, thumb minimum and insets; repaints.
    void setDpi(int dpi);

    // The model, for tests and for reading the hover/drag state.
    const ScrollBarModel& model() const { return model_; }

    // Draws the whole bar into target at (0, 0) through the back buffer
    // (WM_PAINT does this; tests read the pixels).
    void paint(HDC target);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void syncClient();

    // ScrollBarHost
    void positionChanged(int pos, bool notify) override;
    void repaint() override;
    void startRepeatTimer() override;
    void stopRepeatTimer() override;
    void releaseCapture() override;
    void trackPointerLeave() override;

    HWND hwnd_ = nullptr;
    ScrollBarModel model_{*this};
    platform::BackBuffer buffer_;
    COLORREF backColour_ = RGB(0xF0, 0xF0, 0xF0);
    COLORREF thumbColour_ = RGB(0x78, 0x78, 0x78);
    COLORREF dragColour_ = RGB(0x96, 0x96, 0x96);
    int dpi_ = 96;
};

}  // namespace tarvelo::shell::win
