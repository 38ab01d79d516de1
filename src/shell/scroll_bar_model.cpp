#include "shell/scroll_bar_model.h"

namespace tarvelo::shell {

void ScrollBarModel::setRange(int minPos, int maxPos) {
    range_.minPos = minPos;
    range_.maxPos = maxPos;
    host_.repaint();
}

void ScrollBarModel::setPageSize(int pageSize) {
    range_.pageSize = pageSize > 0 ? pageSize : 1;
    host_.repaint();
}

bool ScrollBarModel::setPos(long long p, bool notify) {
    const int clamped = clampScrollPos(range_, p);
    if (clamped == range_.pos) return false;
    range_.pos = clamped;
    host_.positionChanged(clamped, notify);
    return true;
}

void ScrollBarModel::setClient(int top, int bottom) {
    top_ = top;
    bottom_ = bottom;
}

void ScrollBarModel::setSizes(ScrollSizes sizes) { sizes_ = sizes; }

ScrollGeometry ScrollBarModel::geometry() const { return scrollGeometry(range_, top_, bottom_, sizes_); }

int ScrollBarModel::positionAt(int y) const { return positionFromPointer(range_, geometry(), y); }

void ScrollBarModel::startRepeat(int dir) {
    repeatDir_ = dir;
    repeatActive_ = true;
    host_.startRepeatTimer();
}

void ScrollBarModel::stopRepeat() {
    if (repeatActive_) host_.stopRepeatTimer();
    repeatActive_ = false;
    repeatDir_ = 0;
}

void ScrollBarModel::leftDown(int y, bool shift) {
    lastPointerY_ = y;
    const ScrollGeometry g = geometry();
    const long long pos = range_.pos;
    switch (scrollHitTest(g, y)) {
    case ScrollHit::UpButton:
        setPos(pos - 1, true);
        startRepeat(-1);
        return;
    case ScrollHit::DownButton:
        setPos(pos + 1, true);
        startRepeat(+1);
        return;
    case ScrollHit::Thumb:
        dragging_ = true;
        dragStartY_ = y;
        dragStartPos_ = range_.pos;
        host_.repaint();
        return;
    case ScrollHit::TrackAbove:
    case ScrollHit::TrackBelow:
        break;
    }
    if (shift) {
        setPos(positionAt(y), true);
        return;
    }
    const bool above = scrollHitTest(g, y) == ScrollHit::TrackAbove;
    setPos(above ? pos - range_.pageSize : pos + range_.pageSize, true);
    startRepeat(above ? -2 : +2);
}

void ScrollBarModel::repeatTick() {
    if (repeatDir_ == 0) {
        stopRepeat();
        return;
    }
    const long long step = (repeatDir_ == 1 || repeatDir_ == -1) ? 1 : range_.pageSize;
    setPos(range_.pos + (repeatDir_ < 0 ? -step : step), true);
    const int anchor = positionAt(lastPointerY_);
    if (repeatReachedPointer(range_.pos, anchor, range_.pageSize)) {
        setPos(anchor, true);
        stopRepeat();
        dragging_ = false;
        host_.releaseCapture();
    }
}

void ScrollBarModel::pointerMove(int y) {
    lastPointerY_ = y;
    if (dragging_) {
        if (auto p = dragPosition(range_, geometry(), dragStartY_, dragStartPos_, y)) setPos(*p, true);
    }
    if (!hovered_) {
        hovered_ = true;
        host_.trackPointerLeave();
        host_.repaint();
    }
}

void ScrollBarModel::pointerLeft() {
    hovered_ = false;
    host_.repaint();
}

void ScrollBarModel::leftUp() {
    stopRepeat();
    const bool wasDragging = dragging_;
    dragging_ = false;
    host_.releaseCapture();
    // The thumb loses its drag colour.
    if (wasDragging) host_.repaint();
}

void ScrollBarModel::rightDown(int y) {
    lastPointerY_ = y;
    setPos(positionAt(y), true);
    stopRepeat();
    dragging_ = false;
    host_.repaint();
    host_.releaseCapture();
}

void ScrollBarModel::wheel(int delta) {
    const int step = scrollWheelStep(range_.pageSize);
    setPos(static_cast<long long>(range_.pos) + (delta > 0 ? -step : step), true);
}

void ScrollBarModel::captureLost() {
    stopRepeat();
    const bool wasDragging = dragging_;
    dragging_ = false;
    host_.releaseCapture();
    if (wasDragging) host_.repaint();
}

}  // namespace tarvelo::shell
