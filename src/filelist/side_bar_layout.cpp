#include "filelist/side_bar_layout.h"

#include <algorithm>

#include "shell/dpi_scale.h"

namespace tarvelo::filelist {

namespace {

// 96-DPI sizes.
constexpr int kOuterMargin = 12;
constexpr int kButtonTop = 13;
constexpr int kButtonBottom = 37;
constexpr int kFirstRowTop = 43;
constexpr int kRowHeight = 26;
constexpr int kRowPitch = 27;
constexpr int kBottomMargin = 25;
constexpr int kIconLeft = 8;
constexpr int kIconTop = 6;
constexpr int kIconSize = 16;
constexpr int kTextLeft = 35;
constexpr int kTextRightMargin = 5;

constexpr uint32_t kReadOnly = 0x1;
constexpr uint32_t kHidden = 0x2;
constexpr uint32_t kSystem = 0x4;

int visibleRowsFor(int height, int dpi) {
    const int top = shell::scalePx(kFirstRowTop, dpi);
    const int rowHeight = shell::scalePx(kRowHeight, dpi);
    const int pitch = shell::scalePx(kRowPitch, dpi);
    const int room = height - shell::scalePx(kBottomMargin, dpi) - top - rowHeight;
    return room < 0 ? 0 : room / pitch + 1;
}

}  // namespace

SideBarLayout::SideBarLayout(int width, int height, int dpi)
    : width_(std::max(0, width)), height_(std::max(0, height)), dpi_(dpi <= 0 ? shell::kBaseDpi : dpi) {}

int SideBarLayout::px(int size) const { return shell::scalePx(size, dpi_); }

PixelRect SideBarLayout::registerButton() const {
    const int left = px(kOuterMargin);
    return {left, px(kButtonTop), std::max(left, width_ / 2), px(kButtonBottom)};
}

PixelRect SideBarLayout::releaseButton() const {
    const int left = width_ / 2;
    return {left, px(kButtonTop), std::max(left, width_ - px(kOuterMargin)), px(kButtonBottom)};
}

int SideBarLayout::visibleRows() const { return visibleRowsFor(height_, dpi_); }

PixelRect SideBarLayout::row(int visibleRow) const {
    const int top = px(kFirstRowTop) + visibleRow * px(kRowPitch);
    const int left = px(kOuterMargin);
    return {left, top, std::max(left, width_ - px(kOuterMargin)), top + px(kRowHeight)};
}

PixelRect SideBarLayout::iconRect(const PixelRect& r) const {
    const int left = r.left + px(kIconLeft);
    const int top = r.top + px(kIconTop);
    return {left, top, left + px(kIconSize), top + px(kIconSize)};
}

PixelRect SideBarLayout::textRect(const PixelRect& r) const {
    const int left = r.left + px(kTextLeft);
    return {left, r.top, std::max(left, r.right - px(kTextRightMargin)), r.bottom};
}

SideBarHit SideBarLayout::hitTest(int x, int y, int firstVisible, int count) const {
    if (registerButton().contains(x, y)) return {SideBarPart::Register, -1};
    if (releaseButton().contains(x, y)) return {SideBarPart::Release, -1};
    const int rows = visibleRows();
    const int first = clampFirstVisible(firstVisible, count, rows);
    for (int r = 0; r < rows && first + r < count; ++r) {
        if (row(r).contains(x, y)) return {SideBarPart::Folder, first + r};
    }
    return {};
}

int clampFirstVisible(int firstVisible, int count, int visibleRows) {
    const int last = std::max(0, count - std::max(0, visibleRows));
    return std::clamp(firstVisible, 0, last);
}

bool sideBarNeedsScroll(int count, int visibleRows) { return count > 0 && visibleRows < count; }

bool sideBarNeedsScroll(int count, int barHeight, int dpi) {
    return sideBarNeedsScroll(count, visibleRowsFor(std::max(0, barHeight), dpi <= 0 ? shell::kBaseDpi : dpi));
}

shell::Role folderTextRole(std::wstring_view path, uint32_t attributes) {
    if (path.size() <= 3) return shell::Role::D12;
    shell::Role role = shell::Role::D14;
    if (attributes & kReadOnly) role = shell::Role::D15;
    if (attributes & kHidden) role = shell::Role::D16;
    if (attributes & kSystem) role = shell::Role::D17;
    return role;
}

}  // namespace tarvelo::filelist
