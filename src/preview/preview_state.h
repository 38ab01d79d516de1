#pragma once
// The preview's state between list paints: what to show next, whether the
// user walks through files with it, whether one covers the list, and what
// the first input after a shown preview does.
#include <string>

namespace tarvelo::preview {

enum class PreviewInput { Key, MouseButton, Wheel };

class PreviewState {
public:
    // Enter (or a cursor move in preview mode) on a file.
    void request(const std::wstring& path, int memberIndex);
    // Taken by the list paint; empties the pending path.
    std::wstring takePending();
    const std::wstring& pending() const { return pendingPath_; }
    int memberIndex() const { return memberIndex_; }
    // The archive preview's clamped or chosen member: the next Page Up or
    // Page Down steps from the member on screen.
    void settleMemberIndex(int index) { memberIndex_ = index < 0 ? 0 : index; }

    void shown() { showing_ = true; }
    bool showing() const { return showing_; }
    bool mode() const { return mode_; }
    void endMode() { mode_ = false; }

    // The first key, button or wheel input while a preview is shown hides
    // it and decides the mode. True when the input is consumed (Esc, Enter).
    bool firstInput(PreviewInput kind, int virtualKey);

    // In preview mode Page Up/Down, Home and End re-preview the cursor's
    // file with another member index instead of moving the cursor. True
    // when the key was taken.
    bool pageKey(int virtualKey, const std::wstring& cursorPath);

    // In preview mode, the cursor came to another entry.
    void cursorMoved(const std::wstring& path, bool isFolder, bool isParent);

private:
    std::wstring pendingPath_;
    std::wstring lastPath_;
    int memberIndex_ = 0;
    bool mode_ = false;
    bool showing_ = false;
};

// The last member shown by End: clamped to the archive's last member.
constexpr int kLastMember = 999999;

}  // namespace tarvelo::preview
