#include "filelist/win/drive_bar_pane.h"

#include <string>

#include "filelist/side_bar_layout.h"
#include "resource_ids.h"

namespace tarvelo::filelist::win {

void DriveBarPane::paint(platform::BackBuffer& buffer, const BarLook& look, const DriveTable& drives,
                         std::wstring_view currentFolder) {
    buttons_.clear();
    if (!buffer.valid() || look.palette == nullptr) return;
    const shell::ThemePalette& palette = *look.palette;
    HDC dc = buffer.dc();
    buffer.fill(colourRef(palette, shell::kRoleBackground));

    buttons_ = layoutDriveButtons(drives, buffer.width(), buffer.height(), look.dpi,
                                  [&](std::wstring_view text) { return measureBarText(dc, look.textFont, text); });
    const int currentDrive = drives.driveOfFolder(currentFolder);
    for (const DriveButton& b : buttons_) {
        const DriveInfo* info = drives.slot(b.drive);
        if (b.drive == currentDrive) platform::fillSolidRect(dc, toRect(b.box), colourRef(palette, kBarHighlight));
        drawBarOutline(dc, b.box, colourRef(palette, b.drive == hoverDrive_ ? kBarHoverOutline : kBarOutline));

        drawBarIcon(dc, looks_.look(info->root, drives.isQuickToReach(info->root)).icon, b.icon);
        // "???" stands for no folder: it takes the roots' colour.
        const uint32_t attributes =
            b.label == info->lastFolder ? looks_.look(info->lastFolder, drives.isQuickToReach(info->lastFolder)).attributes
                                        : 0;
        drawBarText(dc, look.textFont, colourRef(palette, folderTextRole(b.label, attributes)), b.label, b.text,
                    DT_CENTER | DT_END_ELLIPSIS);
    }
}

bool DriveBarPane::pointerMove(POINT pt) {
    const int drive = driveButtonAt(buttons_, pt.x, pt.y);
    if (drive == hoverDrive_) return false;
    hoverDrive_ = drive;
    return true;
}

bool DriveBarPane::clearHover() {
    if (hoverDrive_ == 0) return false;
    hoverDrive_ = 0;
    return true;
}

BarClick DriveBarPane::click(POINT pt) const {
    const int drive = driveButtonAt(buttons_, pt.x, pt.y);
    if (drive == 0) return {};
    return {BarAction::Command, IDM_SHORTCUT_FOLDER + drive};
}

}  // namespace tarvelo::filelist::win
