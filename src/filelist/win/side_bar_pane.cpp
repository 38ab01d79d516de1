#include "filelist/win/side_bar_pane.h"

#include <algorithm>

#include <string>

#include "resource_ids.h"
#include "shell/wheel_rules.h"

namespace tarvelo::filelist::win {

void SideBarPane::paint(platform::BackBuffer& buffer, const BarLook& look, const ShortcutFolderList& folders,
                        std::wstring_view currentFolder, const DriveTable& drives, UiLanguage language) {
    layout_ = SideBarLayout(buffer.width(), buffer.height(), look.dpi);
    count_ = folders.count();
    firstVisible_ = clampFirstVisible(firstVisible_, count_, layout_.visibleRows());
    if (!buffer.valid() || look.palette == nullptr) return;
    const shell::ThemePalette& palette = *look.palette;
    HDC dc = buffer.dc();

    platform::gradientRect(dc, buffer.rect(), colourRef(palette, kBarBackground),
                           colourRef(palette, kBarBackgroundEnd), true);

    const struct {
        SideBarPart part;
        PixelRect rect;
        const wchar_t* label;
    } buttons[] = {
        {SideBarPart::Register, layout_.registerButton(), registerButtonText(language)},
        {SideBarPart::Release, layout_.releaseButton(), releaseButtonText(language)},
    };
    for (const auto& b : buttons) {
        const bool hovered = hover_.part == b.part;
        drawBarOutline(dc, b.rect, colourRef(palette, hovered ? kBarHoverOutline : kBarOutline));
        drawBarText(dc, look.buttonFont, colourRef(palette, kBarButtonText), b.label, b.rect, DT_CENTER);
    }

    const int rows = layout_.visibleRows();
    for (int r = 0; r < rows && firstVisible_ + r < count_; ++r) {
        const int index = firstVisible_ + r;
        const std::wstring path(folders.at(index));
        const PixelRect row = layout_.row(r);
        if (sameFolder(path, currentFolder)) platform::fillSolidRect(dc, toRect(row), colourRef(palette, kBarHighlight));
        if (hover_.part == SideBarPart::Folder && hover_.index == index)
            drawBarOutline(dc, row, colourRef(palette, kBarHoverOutline));

        const ShellLook shellLook = looks_.look(path, drives.isQuickToReach(path));
        drawBarIcon(dc, shellLook.icon, layout_.iconRect(row));
        drawBarText(dc, look.textFont, colourRef(palette, folderTextRole(path, shellLook.attributes)), path,
                    layout_.textRect(row), DT_LEFT | DT_PATH_ELLIPSIS | DT_END_ELLIPSIS);
    }
}

SideBarScroll SideBarPane::scroll() const {
    SideBarScroll s;
    s.needed = sideBarNeedsScroll(count_, layout_.visibleRows());
    s.maxPos = count_ > 0 ? count_ - 1 : 0;
    s.page = layout_.visibleRows();
    s.pos = firstVisible_;
    return s;
}

bool SideBarPane::pointerMove(POINT pt) {
    const SideBarHit hit = layout_.hitTest(pt.x, pt.y, firstVisible_, count_);
    if (hit == hover_) return false;
    hover_ = hit;
    return true;
}

bool SideBarPane::clearHover() {
    if (hover_.part == SideBarPart::None) return false;
    hover_ = {};
    return true;
}

BarClick SideBarPane::click(POINT pt) const {
    const SideBarHit hit = layout_.hitTest(pt.x, pt.y, firstVisible_, count_);
    switch (hit.part) {
    case SideBarPart::Register: return {BarAction::Register, 0};
    case SideBarPart::Release: return {BarAction::Release, 0};
    case SideBarPart::Folder:
        if (hit.index >= 0 && hit.index <= IDM_SIDEBAR_LAST - IDM_SIDEBAR_FIRST)
            return {BarAction::Command, IDM_SIDEBAR_FIRST + hit.index};
        return {};
    case SideBarPart::None: break;
    }
    return {};
}

bool SideBarPane::wheel(int step) {
    const int next = shell::stepSideBarTop(firstVisible_, step, count_, layout_.visibleRows());
    if (next == firstVisible_) return false;
    firstVisible_ = next;
    return true;
}

bool SideBarPane::scrollTo(int firstVisible) {
    const int next = clampFirstVisible(firstVisible, count_, layout_.visibleRows());
    if (next == firstVisible_) return false;
    firstVisible_ = next;
    return true;
}

bool SideBarPane::reveal(int n) {
    if (n < 0 || n >= count_) return false;
    const int rows = std::max(1, layout_.visibleRows());
    int target = firstVisible_;
    if (n < firstVisible_) target = n;
    if (n >= firstVisible_ + rows) target = n - rows + 1;
    return scrollTo(target);
}

}  // namespace tarvelo::filelist::win
