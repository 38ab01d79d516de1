#include "filelist/string_bar_layout.h"

#include <algorithm>

#include "shell/dpi_scale.h"

namespace tarvelo::filelist {

namespace {

// 96-DPI sizes.
constexpr int kBoxWidth = 14;
constexpr int kBoxFromField = 21;  // the box's left edge, left of the fields
constexpr int kTextPadding = 4;    // either side of a field's text
constexpr int kButtonGap = 8;      // between the last drive button and the boxes

}  // namespace

StringBarLayout layoutStringFields(int width, int height, int dpi, int searchTextWidth, int filterTextWidth) {
    auto px = [dpi](int size) { return shell::scalePx(size, dpi); };
    StringBarLayout out;
    out.buttonsRight = width;
    const int half = height / 2;
    if (half <= 0 || width <= 0 || std::max(searchTextWidth, filterTextWidth) <= 0) return out;
    const int wanted = std::max({searchTextWidth, filterTextWidth, 0}) + 2 * px(kTextPadding);
    const int room = width / 2 - px(kBoxFromField) - px(kButtonGap);
    if (room < px(kBoxWidth) * 4) return out;
    const int fieldWidth = std::min(wanted, room);
    const int fieldLeft = width - fieldWidth;
    out.shown = true;
    out.searchField = {fieldLeft, 0, width, half};
    out.filterField = {fieldLeft, half, width, 2 * half};
    const int boxLeft = fieldLeft - px(kBoxFromField);
    const int side = std::min(px(kBoxWidth), half);
    const int inset = (half - side) / 2;
    out.searchBox = {boxLeft, inset, boxLeft + px(kBoxWidth), inset + side};
    out.filterBox = {boxLeft, half + inset, boxLeft + px(kBoxWidth), half + inset + side};
    out.buttonsRight = boxLeft - px(kButtonGap);
    return out;
}

StringBarPart stringBarPartAt(const StringBarLayout& layout, int x, int y) {
    if (!layout.shown) return StringBarPart::None;
    if (layout.searchField.contains(x, y)) return StringBarPart::SearchField;
    if (layout.filterField.contains(x, y)) return StringBarPart::FilterField;
    if (layout.searchBox.contains(x, y)) return StringBarPart::SearchBox;
    if (layout.filterBox.contains(x, y)) return StringBarPart::FilterBox;
    return StringBarPart::None;
}

}  // namespace tarvelo::filelist
