#include "filelist/drive_bar_layout.h"

#include <algorithm>

#include "shell/dpi_scale.h"

namespace tarvelo::filelist {

namespace {

// 96-DPI sizes.
constexpr int kFirstLeft = 12;
constexpr int kGap = 8;
constexpr int kVerticalInset = 8;
constexpr int kRightMargin = 8;
constexpr int kExtraWidth = 24;
constexpr int kMaxWidth = 500;
constexpr int kIconLeft = 8;
constexpr int kIconTop = 6;
constexpr int kIconSize = 16;

}  // namespace

std::vector<DriveButton> layoutDriveButtons(const DriveTable& drives, int width, int height, int dpi,
                                            const MeasureBarText& measure) {
    auto px = [dpi](int size) { return shell::scalePx(size, dpi); };
    std::vector<DriveButton> buttons;
    const int top = px(kVerticalInset);
    const int bottom = height - px(kVerticalInset);
    const int limit = width - px(kRightMargin);
    if (bottom <= top) return buttons;

    const int percent = measure ? std::max(0, measure(L"%")) : 0;
    int x = px(kFirstLeft);
    for (int d = 1; d <= kDriveCount; ++d) {
        const DriveInfo* info = drives.slot(d);
        if (info == nullptr || !info->present) continue;
        std::wstring label = driveButtonText(*info);
        const int textWidth = measure ? std::max(0, measure(label)) : 0;
        int w = std::min(textWidth + 4 * percent + px(kExtraWidth), px(kMaxWidth));
        if (x + w > limit) {
            if (!buttons.empty()) break;
            w = limit - x;  // the first button is shortened to fit
            if (w <= 0) break;
        }
        DriveButton b;
        b.drive = d;
        b.box = {x, top, x + w, bottom};
        const int iconLeft = x + px(kIconLeft);
        const int iconTop = top + px(kIconTop);
        b.icon = {iconLeft, iconTop, iconLeft + px(kIconSize), iconTop + px(kIconSize)};
        b.text = {std::min(b.icon.right, b.box.right), top, b.box.right, bottom};
        b.label = std::move(label);
        buttons.push_back(std::move(b));
        x += w + px(kGap);
    }
    return buttons;
}

int driveButtonAt(const std::vector<DriveButton>& buttons, int x, int y) {
    for (const DriveButton& b : buttons) {
        if (b.box.contains(x, y)) return b.drive;
    }
    return 0;
}

}  // namespace tarvelo::filelist
