#pragma once
// What the owner-drawn scroll bar does with clicks, drags, auto-repeat,
// hover and the wheel, with the window left to a small host interface.
#include "shell/scroll_geometry.h"

namespace tarvelo::shell {

// The window side of the bar.
class ScrollBarHost {
public:
    virtual ~ScrollBarHost() = default;
    // pos changed: repaint at once, and tell the parent when notify is set.
    virtual void positionChanged(int pos, bool notify) = 0;
    virtual void repaint() = 0;
    virtual void startRepeatTimer() = 0;
    virtual void stopRepeatTimer() = 0;
    virtual void releaseCapture() = 0;
    // Ask to be told when the pointer leaves the bar.
    virtual void trackPointerLeave() = 0;
};

class ScrollBarModel {
public:
    explicit ScrollBarModel(ScrollBarHost& host) : host_(host) {}
    ScrollBarModel(const ScrollBarModel&) = delete;
    ScrollBarModel& operator=(const ScrollBarModel&) = delete;

    // Set by the owner of the content; none of these notify.
    void setRange(int minPos, int maxPos);
    void setPageSize(int pageSize);
    // Clamps; returns whether the position changed.
    bool setPos(long long p, bool notify);
    // The client area's vertical extent and the DPI-scaled sizes.
    void setClient(int top, int bottom);
    void setSizes(ScrollSizes sizes);

    // User input, in client coordinates.
    void leftDown(int y, bool shift);
    void leftUp();
    void rightDown(int y);
    void pointerMove(int y);
    void pointerLeft();
    void wheel(int delta);
    void repeatTick();
    void captureLost();

    const ScrollRange& range() const { return range_; }
    int pos() const { return range_.pos; }
    ScrollGeometry geometry() const;
    bool hovered() const { return hovered_; }
    bool dragging() const { return dragging_; }
    int repeatDir() const { return repeatDir_; }
    bool repeatActive() const { return repeatActive_; }

private:
    void startRepeat(int dir);
    void stopRepeat();
    int positionAt(int y) const;

    ScrollBarHost& host_;
    ScrollRange range_;
    ScrollSizes sizes_;
    int top_ = 0;
    int bottom_ = 0;
    bool hovered_ = false;
    bool dragging_ = false;
    int dragStartY_ = 0;
    int dragStartPos_ = 0;
    int repeatDir_ = 0;  // -1 line up, +1 line down, -2 page up, +2 page down
    bool repeatActive_ = false;
    int lastPointerY_ = 0;
};

}  // namespace tarvelo::shell
