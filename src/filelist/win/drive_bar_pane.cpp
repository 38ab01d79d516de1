#include "filelist/win/drive_bar_pane.h"

#include <algorithm>
#include <string>

#include "filelist/side_bar_layout.h"
#include "resource_ids.h"
#include "shell/dpi_scale.h"

namespace tarvelo::filelist::win {

void DriveBarPane::paint(platform::BackBuffer& buffer, const BarLook& look, const DriveTable& drives,
                         std::wstring_view currentFolder) {
    buttons_.clear();
    if (!buffer.valid() || look.palette == nullptr) return;
    const shell::ThemePalette& palette = *look.palette;
    HDC dc = buffer.dc();
    buffer.fill(colourRef(palette, shell::kRoleBackground));

    auto measure = [&](std::wstring_view text) { return measureBarText(dc, look.textFont, text); };
    stringLayout_ = layoutStringFields(buffer.width(), buffer.height(), look.dpi, measure(fields_.searchText),
                                       measure(fields_.filterText));
    paintStringFields(dc, look);
    // The drive buttons end before the fields' check boxes.
    buttons_ = layoutDriveButtons(drives, stringLayout_.buttonsRight, buffer.height(), look.dpi, measure);
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

void DriveBarPane::paintStringFields(HDC dc, const BarLook& look) {
    if (!stringLayout_.shown) return;
    const shell::ThemePalette& palette = *look.palette;
    const COLORREF fill = colourRef(palette, shell::Role::D0);
    const COLORREF frame = colourRef(palette, shell::Role::D4);
    const COLORREF text = colourRef(palette, shell::Role::D3);
    const COLORREF mark = colourRef(palette, shell::Role::D2);
    const int pad = shell::scalePx(4, look.dpi);
    auto field = [&](const shell::PixelRect& r, const std::wstring& label) {
        platform::fillSolidRect(dc, toRect(r), fill);
        platform::drawBox(dc, toRect(r), 0, 0, 0, frame, 1);
        drawBarText(dc, look.textFont, text, label, {r.left + pad, r.top, r.right - pad, r.bottom}, DT_END_ELLIPSIS);
    };
    auto box = [&](const shell::PixelRect& r, bool enabled, bool checked) {
        const COLORREF edge = enabled ? text : frame;
        platform::fillSolidRect(dc, toRect(r), fill);
        platform::drawBox(dc, toRect(r), 0, 0, 0, edge, 1);
        if (!checked) return;
        // A filled square inside the frame: readable at any size and theme.
        const int inset = std::max(2, r.width() / 4);
        const RECT inner{r.left + inset, r.top + inset, r.right - inset, r.bottom - inset};
        platform::fillSolidRect(dc, inner, enabled ? mark : frame);
    };
    field(stringLayout_.searchField, fields_.searchText);
    field(stringLayout_.filterField, fields_.filterText);
    box(stringLayout_.searchBox, fields_.searchEnabled, fields_.searchChecked);
    box(stringLayout_.filterBox, fields_.filterEnabled, fields_.filterChecked);
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
    switch (stringBarPartAt(stringLayout_, pt.x, pt.y)) {
    case StringBarPart::SearchField: return {BarAction::Command, IDM_SEARCH_SELECT};
    case StringBarPart::FilterField: return {BarAction::Command, IDM_FILTERING};
    case StringBarPart::SearchBox: return {BarAction::Command, IDM_DEEMPHASIZE};
    case StringBarPart::FilterBox: return {BarAction::ToggleFiltering, 0};
    case StringBarPart::None: break;
    }
    const int drive = driveButtonAt(buttons_, pt.x, pt.y);
    if (drive == 0) return {};
    return {BarAction::Command, IDM_SHORTCUT_FOLDER + drive};
}

}  // namespace tarvelo::filelist::win
