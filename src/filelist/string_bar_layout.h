#pragma once
// Where the search and filtering fields go at the right end of the drive
// bar: two rows, each half the bar's height, as wide as the wider text and
// ending at the bar's right edge, each with a 14-pixel check box from 21
// to 7 pixels left of the fields. Pure arithmetic on measured widths.
#include "shell/pixel_rect.h"

namespace tarvelo::filelist {

using shell::PixelRect;

struct StringBarLayout {
    bool shown = false;
    PixelRect searchField;
    PixelRect filterField;
    PixelRect searchBox;
    PixelRect filterBox;
    // The drive buttons stay left of this x.
    int buttonsRight = 0;
};

// The fields for a bar of width x height whose two texts measure the given
// widths. They are left out (shown false, buttonsRight = width) when both
// texts are empty or the bar is too narrow to keep half of it for the drive buttons; a long text is
// cut to that half.
StringBarLayout layoutStringFields(int width, int height, int dpi, int searchTextWidth, int filterTextWidth);

enum class StringBarPart { None, SearchField, FilterField, SearchBox, FilterBox };

StringBarPart stringBarPartAt(const StringBarLayout& layout, int x, int y);

}  // namespace tarvelo::filelist
