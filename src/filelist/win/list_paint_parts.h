#pragma once
// Shared by the pane painter and the row painter: what one paint knows.
#include "filelist/cell_texts.h"
#include "filelist/list_geometry.h"
#include "filelist/win/list_painter.h"
#include "filelist/win/paint_canvas.h"
#include "shell/theme_palette.h"

namespace tarvelo::filelist::win {

struct PaintPass {
    const ListPaintInput& in;
    const shell::ThemePalette& palette;
    PaintCanvas& canvas;
    ColumnLayout columns;
    CellContext cells;
};

// Step 10 of a paint: the rows of a complete listing from topIndex, with the
// cursor row's tool tip state.
void paintRows(PaintPass& pass, ListPaintOutput& out);

}  // namespace tarvelo::filelist::win
