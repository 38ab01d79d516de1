#include "filelist/view_restore.h"

#include <algorithm>
#include <cwctype>

namespace tarvelo::filelist {

namespace {

constexpr std::wstring_view kParentStep = L"\\..";

// Position of the next "\.." that is a whole component, from `from` on.
size_t findParentStep(std::wstring_view path, size_t from) {
    for (size_t pos = path.find(kParentStep, from); pos != std::wstring_view::npos;
         pos = path.find(kParentStep, pos + 1)) {
        const size_t end = pos + kParentStep.size();
        if (end == path.size() || path[end] == L'\\') return pos;
    }
    return std::wstring_view::npos;
}

bool containsRoot(std::wstring_view folder, int drive) {
    const wchar_t letter = static_cast<wchar_t>(L'A' + drive - 1);
    for (size_t pos = folder.find(L":\\"); pos != std::wstring_view::npos;
         pos = folder.find(L":\\", pos + 1)) {
        if (pos >= 1 && static_cast<wchar_t>(std::towupper(folder[pos - 1])) == letter) return true;
    }
    return false;
}

bool present(uint32_t mask, int drive) { return ((mask >> (drive - 1)) & 1u) != 0; }

}  // namespace

bool hasParentStep(std::wstring_view path) {
    return findParentStep(path, 0) != std::wstring_view::npos;
}

std::wstring removeParentSteps(std::wstring_view path) {
    std::wstring out(path);
    for (size_t pos = findParentStep(out, 0); pos != std::wstring::npos;
         pos = findParentStep(out, pos)) {
        out.erase(pos, kParentStep.size());
    }
    return out;
}

void restoreView(ListCursor& c, int& pendingTop, int& pendingRow, std::wstring& focusPath,
                 EntrySequence& seq) {
    const int n = seq.count();
    if (n <= 0) return;
    c.lastRow = std::max(c.lastRow, 0);
    const int lastRow = c.lastRow;

    if (pendingTop != -1) {
        const int v = pendingTop;
        int top = v;
        if (v != 0) {
            if (lastRow >= n)
                top = 0;
            else if (v >= n - lastRow - 1)
                top = n - lastRow - 1;
        }
        c.topIndex = std::max(top, 0);
        pendingTop = -1;
    }

    if (pendingRow != -1) {
        c.cursorRow = pendingRow;
        // Entries were deleted: the cursor goes to the last one.
        if (c.topIndex + pendingRow >= n) c.cursorRow = n - 1 - c.topIndex;
        pendingRow = -1;
    }
    // The window may have shrunk while loading: keep the cursor on the page.
    clampCursor(c, n);

    if (!focusPath.empty()) {
        const std::wstring target = removeParentSteps(focusPath);
        int found = -1;
        for (int i = 0; i < n; ++i) {
            if (seq.entryAt(i).path() == target) {
                found = i;
                break;
            }
        }
        if (found >= 0) {
            const int i = found;
            const bool offPage = c.topIndex >= i || c.topIndex + lastRow < i;
            if (i > lastRow) {
                if (offPage) {
                    c.topIndex = i - lastRow;
                    c.cursorRow = lastRow;
                } else {
                    c.cursorRow = i - c.topIndex;
                }
            } else {
                if (c.topIndex != 0 && offPage) c.topIndex = 0;
                c.cursorRow = i - c.topIndex;
            }
        }
        focusPath.clear();
    }
}

int driveOfFolder(std::wstring_view folder, uint32_t presentMask) {
    for (int d = 1; d <= kDriveSlots; ++d) {
        if (present(presentMask, d) && containsRoot(folder, d)) return d;
    }
    return 0;
}

DriveSlot* DriveMemory::slot(int drive) {
    if (drive < 1 || drive > kDriveSlots) return nullptr;
    return &slots_[static_cast<size_t>(drive - 1)];
}

const DriveSlot* DriveMemory::slot(int drive) const {
    if (drive < 1 || drive > kDriveSlots) return nullptr;
    return &slots_[static_cast<size_t>(drive - 1)];
}

void DriveMemory::noteLoad(std::wstring_view currentFolder, uint32_t presentMask) {
    for (int d = 1; d <= kDriveSlots; ++d) {
        if (present(presentMask, d) && containsRoot(currentFolder, d))
            slot(d)->folder = std::wstring(currentFolder);
    }
}

std::optional<DriveTarget> DriveMemory::switchTo(int drive, std::wstring_view root,
                                                 std::wstring_view currentFolder,
                                                 uint32_t presentMask, const ListCursor& c,
                                                 std::wstring_view cursorPath) {
    DriveSlot* target = slot(drive);
    if (target == nullptr || root.empty() || root.find(L':') == std::wstring_view::npos)
        return std::nullopt;

    if (DriveSlot* leaving = slot(driveOfFolder(currentFolder, presentMask))) {
        leaving->folder = std::wstring(currentFolder);
        leaving->topIndex = c.topIndex;
        leaving->cursorRow = c.cursorRow;
        leaving->cursorPath = std::wstring(cursorPath);
    }

    if (target->folder.empty()) {
        target->folder = std::wstring(root);
        target->cursorPath.clear();
        target->topIndex = -1;
        target->cursorRow = -1;
    }
    return DriveTarget{target->folder, target->cursorPath, target->topIndex, target->cursorRow};
}

}  // namespace tarvelo::filelist
