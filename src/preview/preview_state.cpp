#include "preview/preview_state.h"

#include <utility>

namespace tarvelo::preview {

namespace {

// Virtual-key codes (the platform's values).
constexpr int kReturn = 0x0D;
constexpr int kEscape = 0x1B;
constexpr int kSpace = 0x20;
constexpr int kPageUp = 0x21;
constexpr int kPageDown = 0x22;
constexpr int kEnd = 0x23;
constexpr int kHome = 0x24;
constexpr int kLeft = 0x25;
constexpr int kUp = 0x26;
constexpr int kRight = 0x27;
constexpr int kDown = 0x28;

bool walksOn(int vk) {
    switch (vk) {
    case kUp: case kDown: case kLeft: case kRight: case kPageUp: case kPageDown: case kHome: case kEnd: case kSpace:
        return true;
    default: return false;
    }
}

}  // namespace

void PreviewState::request(const std::wstring& path, int memberIndex) {
    pendingPath_ = path;
    memberIndex_ = memberIndex < 0 ? 0 : memberIndex;
}

std::wstring PreviewState::takePending() {
    if (!pendingPath_.empty()) lastPath_ = pendingPath_;
    return std::exchange(pendingPath_, std::wstring());
}

bool PreviewState::firstInput(PreviewInput kind, int vk) {
    if (!showing_) return false;
    showing_ = false;
    if (kind != PreviewInput::Key) {
        mode_ = false;
        return false;
    }
    if (vk == kEscape || vk == kReturn) {
        mode_ = false;
        return true;
    }
    mode_ = walksOn(vk);
    return false;
}

bool PreviewState::pageKey(int vk, const std::wstring& cursorPath) {
    if (!mode_ || cursorPath.empty()) return false;
    int index = memberIndex_;
    switch (vk) {
    case kPageUp: index = index > 0 ? index - 1 : 0; break;
    case kPageDown: index = index < kLastMember ? index + 1 : kLastMember; break;
    case kHome: index = 0; break;
    case kEnd: index = kLastMember; break;
    default: return false;
    }
    request(cursorPath, index);
    return true;
}

void PreviewState::cursorMoved(const std::wstring& path, bool isFolder, bool isParent) {
    if (!mode_) return;
    if (isParent) {
        mode_ = false;
        pendingPath_.clear();
        return;
    }
    if (isFolder || path.empty()) return;
    request(path, 0);
}

}  // namespace tarvelo::preview
