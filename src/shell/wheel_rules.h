#pragma once
// What one mouse-wheel message does: one step per message, whatever its size.

namespace tarvelo::shell {

// +1 a step up (delta >= 120), -1 a step down (delta <= -120), 0 nothing.
int wheelStep(int delta);

enum class WheelTarget { None, SideBar, List };
enum class WheelAction { None, ScrollSideBar, LineHeight, Contrast, FontSize, MoveCursor };

struct WheelModifiers {
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
};

// Modifiers are checked in this order: Shift, Alt, Ctrl, none.
WheelAction wheelAction(WheelTarget target, WheelModifiers mods);

// Each value moves by its step and stops at its limits.
int stepLineHeight(int lineHeight, int step);  // +-2 within 0..48
int stepContrast(int contrast, int step);      // +-2 within -60..60
int stepFontSize(int size, int step);          // +-1 within 6..48
// The side bar's first visible row, kept within 0..count-visible (0 when all fit).
int stepSideBarTop(int top, int step, int count, int visibleRows);

}  // namespace tarvelo::shell
