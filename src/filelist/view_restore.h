#pragma once
// Where the cursor goes after a load: the reload keeps page and row, the
// navigation puts it on the folder the user came from, and each drive
// remembers its own place (DriveMemory).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "filelist/entry_sequence.h"
#include "filelist/list_cursor.h"

namespace tarvelo::filelist {

// The parent entry's path is the folder followed by "\..". A ".." counts
// only as a whole path component, so a folder named "..old" is not one.
bool hasParentStep(std::wstring_view path);
// The path with every "\.." component removed ("C:\a\.." -> "C:\a").
std::wstring removeParentSteps(std::wstring_view path);

// Applies the restore requests of a completed load, in this order: the
// pending first row, the pending cursor row, then the focus path. Each
// request is consumed (pendingTop / pendingRow back to -1, focusPath
// emptied, found or not). Does nothing on an empty sequence; the requests
// then wait for the next complete load.
void restoreView(ListCursor& c, int& pendingTop, int& pendingRow, std::wstring& focusPath,
                 EntrySequence& seq);

// Drive numbers run 1 (A:) ... 26 (Z:); present drives are given as a bit
// mask with bit 0 for A: (the shape of the platform's logical-drive mask).
inline constexpr int kDriveSlots = 26;

struct DriveSlot {
    std::wstring folder;      // remembered folder; empty: never visited
    int topIndex = -1;
    int cursorRow = -1;
    std::wstring cursorPath;  // full path of the cursor entry when the drive was left
};

// What a drive command loads next.
struct DriveTarget {
    std::wstring currentFolder;
    std::wstring focusPath;
    int pendingTop = -1;
    int pendingRow = -1;
};

// The first present drive (in letter order) whose root "X:\" occurs in the
// folder, 1..26; 0 when none does. The letter is matched ignoring case.
int driveOfFolder(std::wstring_view folder, uint32_t presentMask);

class DriveMemory {
public:
    // drive 1..26; nullptr outside that range.
    DriveSlot* slot(int drive);
    const DriveSlot* slot(int drive) const;

    // A load starts: every present drive whose root occurs in the folder
    // remembers it as its folder.
    void noteLoad(std::wstring_view currentFolder, uint32_t presentMask);

    // The drive command for `drive` (1..26), whose root path is `root`
    // (empty when the drive is absent). Nothing happens (nullopt) when the
    // drive number is out of range or the root is empty or has no ':'.
    // Otherwise the place being left is remembered by the first present
    // drive whose root occurs in the current folder (folder, page, row and
    // the cursor entry's path, empty when there is none), and the target's
    // remembered place is returned; a first visit starts at its root with no
    // pending position.
    std::optional<DriveTarget> switchTo(int drive, std::wstring_view root,
                                        std::wstring_view currentFolder, uint32_t presentMask,
                                        const ListCursor& c, std::wstring_view cursorPath);

private:
    std::array<DriveSlot, kDriveSlots> slots_{};
};

}  // namespace tarvelo::filelist
