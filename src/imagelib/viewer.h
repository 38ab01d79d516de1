#pragma once
// The viewer's arithmetic and drawing behind the exports.
#include <windows.h>

#include "viewer_state.h"

namespace torvi32 {

void panViewer(Torvi32Viewer& v, float dx, float dy, int mode);
void zoomViewer(Torvi32Viewer& v, float factor);
void rotateViewer(Torvi32Viewer& v, float degrees);
// The world transform that puts the image centre at the rectangle's centre
// plus the pan, scaled by zoom and turned clockwise by angle.
XFORM viewerTransform(const Torvi32Viewer& v, const RECT& rect);
void drawViewer(const Torvi32Viewer& v, HDC target, const RECT& rect);

}  // namespace torvi32
