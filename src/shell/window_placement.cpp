#include "shell/window_placement.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

namespace tarvelo::shell {

namespace {

bool isScanBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}

int digitValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return 99;
}

// One number as %i reads it, starting at pos; pos ends after it.
std::optional<int> scanInteger(std::wstring_view text, size_t& pos) {
    while (pos < text.size() && isScanBlank(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
        negative = text[pos] == L'-';
        ++pos;
    }
    int base = 10;
    if (pos < text.size() && text[pos] == L'0') {
        if (pos + 1 < text.size() && (text[pos + 1] == L'x' || text[pos + 1] == L'X')) {
            base = 16;
            pos += 2;
        } else {
            base = 8;  // the leading 0 is itself an octal digit
        }
    }
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
    std::int64_t magnitude = 0;
    size_t digits = 0;
    for (; pos < text.size() && digitValue(text[pos]) < base; ++pos, ++digits) {
        magnitude = magnitude * base + digitValue(text[pos]);
        if (magnitude > limit) return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int saturate(std::int64_t v) {
    if (v < INT_MIN) return INT_MIN;
    if (v > INT_MAX) return INT_MAX;
    return static_cast<int>(v);
}

}  // namespace

std::optional<WindowPlacementValues> parsePosition(std::wstring_view text) {
    std::array<int, 10> n{};
    size_t pos = 0;
    for (size_t i = 0; i < n.size(); ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != L':') return std::nullopt;
            ++pos;
        }
        std::optional<int> value = scanInteger(text, pos);
        if (!value) return std::nullopt;
        n[i] = *value;
    }
    return WindowPlacementValues{n[0], n[1], n[2], n[3], n[4], n[5], {n[6], n[7], n[8], n[9]}};
}

std::wstring formatPosition(const WindowPlacementValues& v) {
    const int n[] = {v.flags,        v.showCommand,      v.minPositionX,      v.minPositionY,
                     v.maxPositionX, v.maxPositionY,     v.restored.left,     v.restored.top,
                     v.restored.right, v.restored.bottom};
    std::wstring text;
    for (int value : n) {
        if (!text.empty()) text += L':';
        text += std::to_wstring(value);
    }
    return text;
}

PlacementRect pullBackOnScreen(const PlacementRect& restored, int screenWidth, int screenHeight,
                               int monitorCount) {
    // 64-bit arithmetic: the stored numbers come from a user-editable file.
    std::int64_t left = restored.left;
    std::int64_t top = restored.top;
    std::int64_t width = static_cast<std::int64_t>(restored.right) - restored.left;
    std::int64_t height = static_cast<std::int64_t>(restored.bottom) - restored.top;
    // An empty or inverted rectangle is a window nobody can see or grab,
    // on any number of monitors: it gets a usable size where it was.
    if (width <= 0) width = std::min(kRepairedWidth, std::max(screenWidth, 1));
    if (height <= 0) height = std::min(kRepairedHeight, std::max(screenHeight, 1));
    if (monitorCount == 1) {
        // Larger than the only screen: its edges and buttons would be out of reach.
        if (screenWidth > 0) width = std::min<std::int64_t>(width, screenWidth);
        if (screenHeight > 0) height = std::min<std::int64_t>(height, screenHeight);
        if (left + width < 135) left = 0;
        if (screenWidth < left + 20) left = static_cast<std::int64_t>(screenWidth) - 50;
        if (top + 20 < 0) top = 0;
        if (screenHeight < top + 60) top = static_cast<std::int64_t>(screenHeight) - 80;
    }
    return {saturate(left), saturate(top), saturate(left + width), saturate(top + height)};
}

PlacementRect fitIntoWorkArea(const PlacementRect& window, const PlacementRect& work) {
    const int workWidth = std::max(0, work.right - work.left);
    const int workHeight = std::max(0, work.bottom - work.top);
    const int width = std::min(std::max(0, window.right - window.left), workWidth);
    const int height = std::min(std::max(0, window.bottom - window.top), workHeight);
    const int left = std::clamp(window.left, work.left, work.right - width);
    const int top = std::clamp(window.top, work.top, work.bottom - height);
    return {left, top, left + width, top + height};
}

}  // namespace tarvelo::shell
