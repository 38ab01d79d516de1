#pragma once
// Where the drive bar's buttons go: one per present drive in letter order,
// from the left, as wide as their text allows, until the bar is full. Text
// widths come from a measuring function, so this is pure arithmetic.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "filelist/drive_table.h"
#include "shell/pixel_rect.h"

namespace tarvelo::filelist {

using shell::PixelRect;
using MeasureBarText = std::function<int(std::wstring_view)>;

struct DriveButton {
    int drive = 0;  // 1..26
    PixelRect box;
    PixelRect icon;  // 16 x 16 at (x + 8, y + 6)
    PixelRect text;  // right of the icon; the text is centred in it
    std::wstring label;
};

// The buttons that fit into a bar of width x height. Each is the label's
// width plus four "%" widths plus 24, at most 500; a button reaching past
// the right edge less 8 ends the row, except the first, which is shortened.
std::vector<DriveButton> layoutDriveButtons(const DriveTable& drives, int width, int height, int dpi,
                                            const MeasureBarText& measure);

// The drive whose button holds the point, 0 when none.
int driveButtonAt(const std::vector<DriveButton>& buttons, int x, int y);

}  // namespace tarvelo::filelist
