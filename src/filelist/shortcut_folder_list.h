#pragma once
// The user's shortcut folders shown in the side bar: kept in normal form and
// natural order, persisted as Folder_01 ... Folder_100 of the FolderData data
// file, plus a small memory of where the user was in each of them.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/section_file_store.h"

namespace tarvelo::filelist {

inline constexpr int kShortcutSlots = 100;
inline constexpr std::wstring_view kFolderDataSection = L"FolderData";

// "Folder_01" ... "Folder_100" for slot 0 ... 99.
std::wstring shortcutKey(int slot);

// The stored form of a path: line breaks removed; a drive path (one holding
// ':') gets upper-case drive letters, a bare "X:" gets its backslash, and
// runs of backslashes collapse to one; a network path is left as it is.
std::wstring normaliseShortcutPath(std::wstring_view path);

// Whether two folder paths name the same folder: letter case and a trailing
// backslash (other than a root's) do not matter.
bool sameFolder(std::wstring_view a, std::wstring_view b);

// Ascending by the program's natural comparison (case-blind, digit runs by
// value); a total order, so equal-looking paths keep a fixed order too.
void sortShortcutFolders(std::vector<std::wstring>& folders);

// Where the user was in one shortcut folder; -1 positions when unknown.
struct ShortcutPosition {
    std::wstring folder;  // empty: slot unused
    int cursorRow = -1;
    int topIndex = -1;
    std::wstring cursorPath;
};

// What a jump to a shortcut folder loads: the folder and the place to put
// the cursor back to (pendingTop / pendingRow / focusPath of the listing).
struct ShortcutTarget {
    std::wstring folder;
    int topIndex = -1;
    int cursorRow = -1;
    std::wstring cursorPath;
};

class ShortcutFolderList {
public:
    const std::vector<std::wstring>& folders() const { return folders_; }
    int count() const { return static_cast<int>(folders_.size()); }
    // Entry n, or an empty text when there is none.
    std::wstring_view at(int n) const;

    // Reads the 100 keys (one read of the file), keeps the non-empty ones in
    // normal form, sorts, and forgets the position memory. A file that exists
    // but cannot be read leaves the list empty and read-only for the run.
    shell::DataFileState loadShortcutFolders(const shell::SectionFileStore& store);
    // Writes all 100 keys: the first 100 entries, then empty values. False
    // when a write failed.
    bool saveShortcutFolders(shell::SectionFileStore& store) const;

    // First start: when the file holds no entry at all (or is missing) the
    // list becomes the given drive roots (in the order given) and is saved.
    // True when it seeded. An unreadable file is never seeded.
    bool seedIfFirstStart(shell::SectionFileStore& store, const std::vector<std::wstring>& driveRoots);
    // Start-up in one read: load, and seed when there was nothing to load.
    bool loadOrSeed(shell::SectionFileStore& store, const std::vector<std::wstring>& driveRoots);

    // The list could not be read at start: changes are refused (false, the
    // store notes the refusal so the user can be told once).
    bool readOnly() const { return readOnly_; }

    // Register: the first equal entry goes, the folder is appended, the list
    // is sorted and saved. An empty folder changes nothing (false).
    bool registerCurrentFolder(std::wstring_view currentFolder, shell::SectionFileStore& store);
    // Release: the first equal entry goes, the list is sorted and saved.
    bool releaseCurrentFolder(std::wstring_view currentFolder, shell::SectionFileStore& store);

    // The jump to entry n (the side bar's n-th folder). Nothing when there is
    // no entry n or it is neither a drive path nor a network path. Otherwise
    // the place in the current folder is remembered by the slot that holds
    // it, and entry n's remembered place (a first visit: the folder with no
    // position) is returned.
    std::optional<ShortcutTarget> gotoShortcut(int n, std::wstring_view currentFolder, int topIndex,
                                               int cursorRow, std::wstring_view cursorPath);

    // Slot 0..99 of the position memory (an unused slot outside).
    const ShortcutPosition& position(int slot) const;

    // The entry the current folder lies in: the longest entry equal to it or
    // an ancestor of it (letter case ignored); -1 when none.
    int entryHoldingFolder(std::wstring_view currentFolder) const;

private:
    void replaceAll(std::vector<std::wstring> folders);
    void clearPositions();

    // Refuses a change while the list is read-only (see readOnly()).
    bool refusedAsReadOnly(shell::SectionFileStore& store) const;

    std::vector<std::wstring> folders_;
    bool readOnly_ = false;
    std::array<ShortcutPosition, kShortcutSlots> positions_{};
};

}  // namespace tarvelo::filelist
