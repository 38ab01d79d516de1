#include "filelist/shortcut_folder_list.h"

#include <algorithm>

#include "common/natural_compare.h"

namespace tarvelo::filelist {

namespace {

bool isLowerAsciiLetter(wchar_t c) { return c >= L'a' && c <= L'z'; }

// A path without its trailing backslash, unless that backslash makes it a
// root ("C:\") or it is the whole path.
std::wstring_view withoutTrailingSeparator(std::wstring_view path) {
    if (path.size() > 1 && path.back() == L'\\' && !(path.size() == 3 && path[1] == L':')) {
        path.remove_suffix(1);
    }
    return path;
}

bool equalFolded(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (common::foldCase(static_cast<uint32_t>(a[i])) != common::foldCase(static_cast<uint32_t>(b[i])))
            return false;
    }
    return true;
}

// True when folder is path itself or one of its ancestors.
bool holdsFolder(std::wstring_view folder, std::wstring_view path) {
    folder = withoutTrailingSeparator(folder);
    path = withoutTrailingSeparator(path);
    if (folder.empty() || folder.size() > path.size()) return false;
    if (!equalFolded(folder, path.substr(0, folder.size()))) return false;
    return folder.size() == path.size() || folder.back() == L'\\' || path[folder.size()] == L'\\';
}

const ShortcutPosition kUnusedPosition{};

}  // namespace

std::wstring shortcutKey(int slot) {
    const int number = slot + 1;
    std::wstring key = L"Folder_";
    if (number < 10) key += L'0';
    key += std::to_wstring(number);
    return key;
}

std::wstring normaliseShortcutPath(std::wstring_view path) {
    std::wstring out;
    out.reserve(path.size() + 1);
    for (wchar_t c : path) {
        if (c != L'\r' && c != L'\n') out.push_back(c);
    }
    if (out.find(L':') == std::wstring::npos) return out;  // a network path stays as it is

    for (size_t i = 0; i + 1 < out.size(); ++i) {
        if (out[i + 1] == L':' && isLowerAsciiLetter(out[i])) out[i] = static_cast<wchar_t>(out[i] - L'a' + L'A');
    }
    if (out.size() == 2 && out[1] == L':') out.push_back(L'\\');

    // A run of any length becomes one backslash, so the result is stable
    // when normalised again.
    std::wstring collapsed;
    collapsed.reserve(out.size());
    for (wchar_t c : out) {
        if (c == L'\\' && !collapsed.empty() && collapsed.back() == L'\\') continue;
        collapsed.push_back(c);
    }
    return collapsed;
}

bool sameFolder(std::wstring_view a, std::wstring_view b) {
    return equalFolded(withoutTrailingSeparator(a), withoutTrailingSeparator(b));
}

void sortShortcutFolders(std::vector<std::wstring>& folders) {
    std::sort(folders.begin(), folders.end(), common::NaturalLess{});
}

std::wstring_view ShortcutFolderList::at(int n) const {
    if (n < 0 || n >= count()) return {};
    return folders_[static_cast<size_t>(n)];
}

void ShortcutFolderList::replaceAll(std::vector<std::wstring> folders) {
    sortShortcutFolders(folders);
    folders_ = std::move(folders);
}

void ShortcutFolderList::clearPositions() {
    positions_.fill(ShortcutPosition{});
}

namespace {

std::vector<std::wstring> allShortcutKeys() {
    std::vector<std::wstring> keys;
    keys.reserve(kShortcutSlots);
    for (int slot = 0; slot < kShortcutSlots; ++slot) keys.push_back(shortcutKey(slot));
    return keys;
}

}  // namespace

shell::DataFileState ShortcutFolderList::loadShortcutFolders(const shell::SectionFileStore& store) {
    const shell::SectionValues got = store.readMany(kFolderDataSection, allShortcutKeys());
    std::vector<std::wstring> loaded;
    for (const std::wstring& value : got.values) {
        std::wstring folder = normaliseShortcutPath(value);
        if (!folder.empty()) loaded.push_back(std::move(folder));
    }
    // An unreadable file is not an empty list: nothing from memory may be
    // written over it in this run.
    readOnly_ = got.state == shell::DataFileState::Unreadable;
    replaceAll(std::move(loaded));
    clearPositions();
    return got.state;
}

bool ShortcutFolderList::refusedAsReadOnly(shell::SectionFileStore& store) const {
    if (!readOnly_ && !store.isReadOnly(kFolderDataSection)) return false;
    // The store refuses the write and keeps the note for the user.
    const shell::SectionFileStore::KeyValue probe{shortcutKey(0), std::wstring()};
    store.writeMany(kFolderDataSection, std::span(&probe, 1));
    return true;
}

bool ShortcutFolderList::saveShortcutFolders(shell::SectionFileStore& store) const {
    // One rewrite of the file for all 100 keys.
    std::vector<shell::SectionFileStore::KeyValue> pairs;
    pairs.reserve(kShortcutSlots);
    for (int slot = 0; slot < kShortcutSlots; ++slot) {
        std::wstring value = slot < count() ? normaliseShortcutPath(folders_[static_cast<size_t>(slot)])
                                            : std::wstring();
        pairs.push_back({shortcutKey(slot), std::move(value)});
    }
    return store.writeMany(kFolderDataSection, pairs);
}

bool ShortcutFolderList::seedIfFirstStart(shell::SectionFileStore& store,
                                          const std::vector<std::wstring>& driveRoots) {
    const shell::SectionValues got = store.readMany(kFolderDataSection, allShortcutKeys());
    if (got.state == shell::DataFileState::Unreadable) {
        readOnly_ = true;
        return false;
    }
    // Only a list with no entry at all is a first start: a hand-edited file
    // whose first key is empty still holds the user's folders.
    for (const std::wstring& value : got.values) {
        if (!normaliseShortcutPath(value).empty()) return false;
    }
    std::vector<std::wstring> roots;
    for (const std::wstring& root : driveRoots) {
        std::wstring folder = normaliseShortcutPath(root);
        if (!folder.empty()) roots.push_back(std::move(folder));
    }
    replaceAll(std::move(roots));
    clearPositions();
    saveShortcutFolders(store);
    return true;
}

bool ShortcutFolderList::loadOrSeed(shell::SectionFileStore& store, const std::vector<std::wstring>& driveRoots) {
    if (loadShortcutFolders(store) == shell::DataFileState::Unreadable || count() > 0) return false;
    std::vector<std::wstring> roots;
    for (const std::wstring& root : driveRoots) {
        std::wstring folder = normaliseShortcutPath(root);
        if (!folder.empty()) roots.push_back(std::move(folder));
    }
    replaceAll(std::move(roots));
    clearPositions();
    saveShortcutFolders(store);
    return true;
}

bool ShortcutFolderList::registerCurrentFolder(std::wstring_view currentFolder, shell::SectionFileStore& store) {
    std::wstring folder = normaliseShortcutPath(currentFolder);
    if (folder.empty() || refusedAsReadOnly(store)) return false;
    std::vector<std::wstring> next = folders_;
    if (auto it = std::find(next.begin(), next.end(), folder); it != next.end()) next.erase(it);
    next.push_back(std::move(folder));
    replaceAll(std::move(next));
    return saveShortcutFolders(store);
}

bool ShortcutFolderList::releaseCurrentFolder(std::wstring_view currentFolder, shell::SectionFileStore& store) {
    const std::wstring folder = normaliseShortcutPath(currentFolder);
    if (refusedAsReadOnly(store)) return false;
    std::vector<std::wstring> next = folders_;
    if (auto it = std::find(next.begin(), next.end(), folder); it != next.end()) next.erase(it);
    replaceAll(std::move(next));
    return saveShortcutFolders(store);
}

std::optional<ShortcutTarget> ShortcutFolderList::gotoShortcut(int n, std::wstring_view currentFolder,
                                                               int topIndex, int cursorRow,
                                                               std::wstring_view cursorPath) {
    if (n < 0 || n >= kShortcutSlots) return std::nullopt;
    const std::wstring_view target = at(n);
    if (target.empty() ||
        (target.find(L':') == std::wstring_view::npos && target.find(L"\\\\") == std::wstring_view::npos)) {
        return std::nullopt;
    }

    if (!currentFolder.empty()) {
        for (ShortcutPosition& slot : positions_) {
            if (slot.folder == currentFolder) {
                slot.cursorRow = cursorRow;
                slot.topIndex = topIndex;
                slot.cursorPath = std::wstring(cursorPath);
                break;
            }
        }
    }

    // The memory is kept by list position; after a Register or Release the
    // folder at a position can change, and a slot remembering another folder
    // must not send the user there.
    ShortcutPosition& slot = positions_[static_cast<size_t>(n)];
    if (slot.folder != target) {
        slot = ShortcutPosition{};
        slot.folder = std::wstring(target);
    }
    return ShortcutTarget{slot.folder, slot.topIndex, slot.cursorRow, slot.cursorPath};
}

const ShortcutPosition& ShortcutFolderList::position(int slot) const {
    if (slot < 0 || slot >= kShortcutSlots) return kUnusedPosition;
    return positions_[static_cast<size_t>(slot)];
}

int ShortcutFolderList::entryHoldingFolder(std::wstring_view currentFolder) const {
    int best = -1;
    size_t bestLength = 0;
    for (int i = 0; i < count(); ++i) {
        const std::wstring& folder = folders_[static_cast<size_t>(i)];
        if (holdsFolder(folder, currentFolder) && (best < 0 || folder.size() > bestLength)) {
            best = i;
            bestLength = folder.size();
        }
    }
    return best;
}

}  // namespace tarvelo::filelist
