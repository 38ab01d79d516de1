#include "shell/wheel_rules.h"

#include <algorithm>

namespace tarvelo::shell {

int wheelStep(int delta) {
    if (delta >= 120) return 1;
    if (delta <= -120) return -1;
    return 0;
}

WheelAction wheelAction(WheelTarget target, WheelModifiers mods) {
    switch (target) {
    case WheelTarget::SideBar: return WheelAction::ScrollSideBar;
    case WheelTarget::List:
        if (mods.shift) return WheelAction::LineHeight;
        if (mods.alt) return WheelAction::Contrast;
        if (mods.ctrl) return WheelAction::FontSize;
        return WheelAction::MoveCursor;
    case WheelTarget::None: break;
    }
    return WheelAction::None;
}

int stepLineHeight(int lineHeight, int step) {
    if (step > 0) return lineHeight + 2 <= 48 ? lineHeight + 2 : std::max(lineHeight, 48);
    if (step < 0) return lineHeight - 2 >= 0 ? lineHeight - 2 : std::min(lineHeight, 0);
    return lineHeight;
}

int stepContrast(int contrast, int step) {
    if (step > 0) return contrast + 2 <= 60 ? contrast + 2 : std::max(contrast, 60);
    if (step < 0) return contrast - 2 >= -60 ? contrast - 2 : std::min(contrast, -60);
    return contrast;
}

int stepFontSize(int size, int step) {
    if (step > 0) return size + 1 <= 48 ? size + 1 : std::max(size, 48);
    if (step < 0) return size - 1 >= 6 ? size - 1 : std::min(size, 6);
    return size;
}

int stepSideBarTop(int top, int step, int count, int visibleRows) {
    const int maxTop = std::max(0, count - visibleRows);
    int next = top + (step > 0 ? -1 : step < 0 ? 1 : 0);  // wheel up shows earlier rows
    return std::clamp(next, 0, maxTop);
}

}  // namespace tarvelo::shell
