#include "shell/layout.h"

#include <algorithm>

namespace tarvelo::shell {

namespace {
int scaled(int px, int dpi) {
    if (dpi == 96 || dpi <= 0) return px;
    // 64-bit and saturated: the position comes from a user-editable file.
    const int64_t v = (static_cast<int64_t>(px) * dpi + 48) / 96;
    return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}
}  // namespace

int driveBarHeightFor(bool driveBarOn, int dpi) {
    return driveBarOn ? scaled(44, dpi) : 0;
}

MainLayout computeLayout(const LayoutInput& in) {
    MainLayout out;
    const int W = in.clientWidth;
    const int H = in.clientHeight;
    const int S = in.scrollBarWidth;
    const int T = driveBarHeightFor(in.driveBarOn, in.dpi);
    const int gap = scaled(3, in.dpi);
    out.driveBarHeight = T;
    out.driveBar = {0, 0, W, T};
    if (in.sideBarOn) {
        // The stored position is held inside the window, so the list keeps
        // its minimum width and the split bar stays reachable.
        const int most = W - S - gap - scaled(kMinListWidth, in.dpi);
        const int least = 2 * gap + S;
        const int P = std::max(least, std::min(scaled(in.splitBarPos, in.dpi), most));
        const int M = H - T;
        out.sideBarWidth = P;
        if (in.sideBarNeedsScroll) {
            out.sideBarScrollVisible = true;
            out.sideBarScroll = {P - S - gap, T, S, M};
            out.sideBar = {0, T, P - S - gap, M};
        } else {
            out.sideBar = {0, T, P - gap, M};
        }
        out.splitBar = {P - gap, T, 2 * gap, M};
        out.listScroll = {W - S, T, S, M};
        out.list = {P + gap, T, W - (P + gap) - S, M};
    } else {
        out.sideBar = {};
        out.splitBar = {};
        out.listScroll = {W - S, T, S, H - T};
        out.list = {0, T, W - S, H - T};
    }
    return out;
}

bool isOnSplitBar(int x, int y, const MainLayout& layout, int dpi) {
    if (layout.splitBar.empty()) return false;
    // Where the bar is drawn, which a narrow window may have moved.
    const int P = layout.splitBar.x + layout.splitBar.width / 2;
    const int zone = scaled(3, dpi);
    return x >= P - zone && x <= P + zone && y >= layout.splitBar.y && y < layout.splitBar.bottom();
}

}  // namespace tarvelo::shell
