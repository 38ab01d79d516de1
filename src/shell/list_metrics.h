#pragma once
// Where the list pane draws: header band, rows area and status band, the row
// pitch of both views, how many rows a page holds, and the four font heights.
// All values are physical pixels for the given DPI; at 96 DPI they are the
// plain sizes.
#include "shell/dpi_scale.h"
#include "shell/pixel_rect.h"

namespace tarvelo::shell {

// The values of the ViewMode setting.
enum class ListView : int { ThreeTimes = 0, MultiColumn = 1 };

inline constexpr int kListMargin = 12;   // around header, rows and status
inline constexpr int kListBandEdge = 38; // header bottom / status top from the edges
inline constexpr int kLastRowSearchLimit = 4095;

// Multi-column: lineHeight + size + 8. Three-times: lineHeight +
// trunc(2.5 * (size + 8)). Formed at 96 DPI, then scaled.
int rowHeight(ListView view, int lineHeight, int fontSize, int dpi);

// The smallest n >= 0 with (n + 2) * rowHeight >= rowAreaHeight, searched up
// to 4095; 0 when none fits. A page shows rows 0..lastRow.
int lastRowFor(int rowAreaHeight, int rowHeight);

struct FontHeights {
    int list = 0;   // size
    int bar = 0;    // size clamped to 10..20
    int large = 0;  // size + 2
    int small = 0;  // (size clamped to 10..20) - 1
};

// Heights in pixels for the LOGFONT of each font; fontSize is the stored
// (96-DPI) Size setting.
FontHeights fontHeights(int fontSize, int dpi);

struct ListMetrics {
    PixelRect header;   // (12, 12) .. (R - 12, 38)
    PixelRect rows;     // (12, 38) .. (R - 12, B - 38)
    PixelRect status;   // (12, B - 38) .. (R - 12, B - 12)
    int rowAreaHeight = 0;
    int rowHeight = 0;
    int lastRow = 0;
};

// For a list client area of width x height pixels.
ListMetrics listMetrics(int width, int height, ListView view, int lineHeight, int fontSize, int dpi);

}  // namespace tarvelo::shell
