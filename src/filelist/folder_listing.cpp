#include "filelist/folder_listing.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "common/natural_compare.h"
#include "filelist/subfolder_walk.h"

namespace tarvelo::filelist {
namespace {

constexpr uint32_t kAttrReparsePoint = 0x400;

std::wstring folderPrefix(std::wstring_view folder) {
    std::wstring prefix(folder);
    if (prefix.empty() || (prefix.back() != L'\\' && prefix.back() != L'/')) prefix.push_back(L'\\');
    return prefix;
}

bool isDotEntry(std::wstring_view name) { return name == L"." || name == L".."; }

}  // namespace

bool isLongPath(std::wstring_view path) {
    return path.size() >= 260 || path.substr(0, 4) == LR"(\\?\)";
}

// Receives one folder's items from the reader and appends them; in
// subfolder mode it keeps the subfolders' paths for the descent.
class FolderListing::Enumerator final : public ItemSink {
public:
    Enumerator(FolderListing& listing, std::wstring_view folder, int depth, StopToken stop)
        : listing_(listing), prefix_(folderPrefix(folder)), depth_(depth), stop_(stop) {}

    bool stopped() const { return stopped_; }
    std::vector<std::wstring> takeSubfolders() { return std::move(subfolders_); }

    bool take(const FoundItem& item) override {
        if (stop_.requested()) {
            stopped_ = true;
            return false;
        }
        const bool isFolder = (item.attributes & kAttrDirectory) != 0;
        if (isFolder && isDotEntry(item.name)) {
            // Only ".." becomes the parent entry; "." is never listed.
            if (!listing_.subfolderMode && item.name == L"..") {
                listing_.append(prefix_, item.name, kKindParent, item);
            }
        } else if (!isFolder) {
            if (listing_.passesFilter(item.name)) listing_.append(prefix_, item.name, depth_, item);
        } else if (listing_.subfolderMode) {
            // A junction or link may lead back up the tree: list real
            // folders only, so no item is listed twice.
            if ((item.attributes & kAttrReparsePoint) == 0) {
                std::wstring sub = prefix_;
                sub.append(item.name);
                subfolders_.push_back(std::move(sub));
            }
        } else {
            listing_.append(prefix_, item.name, kKindFolder, item);
        }
        return listing_.enumeratedCount() < kMaxListedEntries;
    }

private:
    FolderListing& listing_;
    std::wstring prefix_;
    int depth_;
    StopToken stop_;
    bool stopped_ = false;
    std::vector<std::wstring> subfolders_;
};

FolderListing::FolderListing(common::AddressSpace& space)
    : entryBlock_(space, sizeof(FileEntry) * kEntryStorage),
      pathBlock_(space, sizeof(wchar_t) * kFullPathCapacity * kEntryStorage),
      orderBlock_(space, sizeof(int32_t) * kEntryStorage),
      keyedBlock_(space, sizeof(KeyedEntry) * kEntryStorage),
      headBlock_(space, sizeof(wchar_t) * kKeyHeadCapacity * kEntryStorage) {}

bool FolderListing::storageReady() const {
    return entryBlock_.valid() && pathBlock_.valid() && orderBlock_.valid() && keyedBlock_.valid() && headBlock_.valid();
}

FileEntry* FolderListing::entries() const { return reinterpret_cast<FileEntry*>(entryBlock_.data()); }
int32_t* FolderListing::order() const { return reinterpret_cast<int32_t*>(orderBlock_.data()); }

void FolderListing::clear() {
    loaded_.store(false, std::memory_order_release);
    ordered_.store(0, std::memory_order_release);
    filled_.store(0, std::memory_order_release);
    enumerated_.store(0, std::memory_order_release);
    pathsLeftOut_ = 0;
    pathUsed_ = 0;
    keyedCount_ = 0;
    sharedPrefixLength_ = 0;
    detailsPending_.clear();
}

bool FolderListing::passesFilter(std::wstring_view name) const {
    return filterText.empty() || filter_.matches(name);
}

bool FolderListing::append(std::wstring_view prefix, std::wstring_view name, int32_t kind,
                           const FoundItem& item) {
    const int n = enumerated_.load(std::memory_order_relaxed);
    if (n >= kMaxListedEntries) return false;
    const size_t length = prefix.size() + name.size();
    if (length > kMaxListedPathLength) {
        ++pathsLeftOut_;
        return false;
    }
    if (!entryBlock_.ensure(sizeof(FileEntry) * static_cast<size_t>(n + 1))) return false;
    if (!pathBlock_.ensure(sizeof(wchar_t) * (pathUsed_ + length + 1))) return false;
    // The path goes to the end of the text storage, the record is rebuilt
    // in place and points at it.
    wchar_t* text = reinterpret_cast<wchar_t*>(pathBlock_.data()) + pathUsed_;
    std::memcpy(text, prefix.data(), prefix.size() * sizeof(wchar_t));
    std::memcpy(text + prefix.size(), name.data(), name.size() * sizeof(wchar_t));
    text[length] = L'\0';
    pathUsed_ += length + 1;
    FileEntry* e = new (entries() + n) FileEntry;
    e->setPath({text, length});
    e->size = 0;
    e->attributes = 0;
    e->kind = kind;
    e->loadIndex = n;
    e->selected = 0;
    e->inBand = 0;
    e->nameTruncated = 0;
    if (item.detailsKnown) {
        applyDetails(*e, item.details);
    } else {
        detailsPending_.push_back(n);
    }
    enumerated_.store(n + 1, std::memory_order_release);
    return true;
}

void FolderListing::applyDetails(FileEntry& e, const FileAttributeData& d) {
    e.attributes = d.attributes;
    e.size = (d.attributes & kAttrDirectory) != 0 ? 0 : d.size;
    e.created = d.created;
    e.modified = d.modified;
    e.accessed = d.accessed;
}

bool FolderListing::enumerate(FolderReader& reader, std::wstring_view folder, StopToken stop) {
    filter_ = filterText.empty() ? TermMatcher() : TermMatcher(filterTerms);
    const std::wstring prefix = folderPrefix(folder);
    if (enumeratedCount() == 0) {
        sharedPrefixLength_ = prefix.size();
    } else {
        // A second folder in one load: keep only the part both share, up
        // to a separator.
        const FileEntry& first = entries()[0];
        size_t n = 0;
        while (n < sharedPrefixLength_ && n < prefix.size() && first.fullPath[n] == prefix[n]) ++n;
        while (n > 0 && prefix[n - 1] != L'\\' && prefix[n - 1] != L'/') --n;
        sharedPrefixLength_ = n;
    }
    const std::wstring top(folder);
    if (!reader.enterFolder(top)) return true;
    if (!subfolderMode) {
        Enumerator sink(*this, top, 0, stop);
        reader.listItems(top, sink);
        return !sink.stopped();
    }
    // Each folder's own files, then its subfolders' trees in order.
    // Subfolders are read by their full paths without being entered: the
    // listed folder stays the current one. One that cannot be read adds
    // nothing.
    SubfolderWalk walk(reader, reader.companion(), stop);
    walk.add({top}, 0);
    SubfolderWalk::Folder next;
    while (walk.next(next)) {
        Enumerator sink(*this, next.path, next.depth, stop);
        walk.list(sink);
        // A copy read ahead ends early on a stop without the sink seeing it.
        if (sink.stopped() || stop.requested()) return false;
        if (enumeratedCount() >= kMaxListedEntries) return true;
        walk.add(sink.takeSubfolders(), next.depth + 1);
    }
    return true;
}

bool FolderListing::fillDetails(FolderReader& reader, bool rereadAll, StopToken stop) {
    const int n = enumeratedCount();
    if (rereadAll) filled_.store(0, std::memory_order_release);
    size_t pending = 0;
    FileEntry* all = entries();
    for (int i = 0; i < n; ++i) {
        FileEntry& e = all[i];
        const bool reread = rereadAll || (pending < detailsPending_.size() && detailsPending_[pending] == i);
        if (pending < detailsPending_.size() && detailsPending_[pending] == i) ++pending;
        if (reread) {
            if (stop.requested()) return false;
            e.size = 0;
            e.attributes = 0;
            e.created = e.modified = e.accessed = LocalStamp{};
            if (auto details = reader.readDetails(e.path())) applyDetails(e, *details);
        }
        e.loadIndex = i;
        filled_.store(i + 1, std::memory_order_release);
    }
    detailsPending_.clear();
    return true;
}

void FolderListing::sort(int column, ListView view) {
    const int n = filledCount();
    if (!orderBlock_.ensure(sizeof(int32_t) * static_cast<size_t>(n))) return;
    FileEntry* all = entries();
    int32_t* ord = order();
    const KeyContent content = keyContent(column, view);
    keyedCount_ = 0;
    if (content == KeyContent::None || n == 0) {
        for (int i = 0; i < n; ++i) ord[i] = i;
        ordered_.store(n, std::memory_order_release);
        return;
    }
    if (!keyedBlock_.ensure(sizeof(KeyedEntry) * static_cast<size_t>(n))) return;
    KeyedEntry* keyed = reinterpret_cast<KeyedEntry*>(keyedBlock_.data());
    wchar_t* texts = reinterpret_cast<wchar_t*>(headBlock_.data());
    const size_t sharedLength = sharedPrefixLength_;
    const std::wstring_view shared(all[0].fullPath, sharedLength);
    HeadSummary summary;
    bool summarised = summary.prepare(all, n, content, sortMode);
    FolderPartRanks folderRanks;
    const bool rankedFolders = summarised && subfolderMode && folderRanks.prepare(all, n, sharedLength);
    size_t used = 0;
    for (int i = 0; i < n; ++i) {
        FileEntry& e = all[i];
        if (!headBlock_.ensure(sizeof(wchar_t) * (used + kKeyHeadCapacity))) return;
        wchar_t* text = texts + used;
        const size_t headLength = writeKeyHead(e, content, sortMode, text);
        const size_t tailLength = e.pathLength - sharedLength;
        used += headLength;
        KeyedEntry& k = keyed[i];
        k.headRank = 0;
        k.headValue = 0;
        k.text = text;
        k.tailText = e.fullPath + sharedLength;
        k.headLength = static_cast<uint16_t>(headLength);
        k.tailLength = static_cast<uint16_t>(tailLength);
        k.index = i;
        if (summarised) {
            summarised = summary.summarize(e, k);
            k.tail = rankedFolders ? folderRanks.summarize(i, {k.tailText, tailLength})
                                   : common::naturalSummary({k.tailText, tailLength});
        }
    }
    sortKeyed(keyed, n, summarised, sortMode, shared);
    for (int i = 0; i < n; ++i) ord[i] = keyed[i].index;
    keyedCount_ = n;
    ordered_.store(n, std::memory_order_release);
    // Memory follows use: a smaller folder gives back what a bigger one took.
    entryBlock_.trim(sizeof(FileEntry) * static_cast<size_t>(n));
    pathBlock_.trim(sizeof(wchar_t) * pathUsed_);
    keyedBlock_.trim(sizeof(KeyedEntry) * static_cast<size_t>(n));
    headBlock_.trim(sizeof(wchar_t) * used);
}

void FolderListing::markSelected(std::span<const std::wstring> paths) {
    if (paths.empty()) return;
    std::vector<std::wstring_view> wanted(paths.begin(), paths.end());
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
    std::vector<bool> used(wanted.size(), false);
    const int n = ordered_.load(std::memory_order_acquire);
    for (int i = 0; i < n; ++i) {
        FileEntry& e = entries()[order()[i]];
        const std::wstring_view path = e.path();
        auto it = std::lower_bound(wanted.begin(), wanted.end(), path);
        if (it == wanted.end() || *it != path) continue;
        const size_t k = static_cast<size_t>(it - wanted.begin());
        if (used[k]) continue;
        used[k] = true;
        if (e.kind != kKindParent) e.selected = 1;
    }
}

void FolderListing::markLoaded() { loaded_.store(true, std::memory_order_release); }

bool FolderListing::isComplete() const {
    const int n = enumeratedCount();
    return loaded_.load(std::memory_order_acquire) && n >= 1 && filledCount() == n;
}

int FolderListing::count() const { return ordered_.load(std::memory_order_acquire); }

FileEntry& FolderListing::entryAt(int displayIndex) {
    if (displayIndex < 0 || displayIndex >= count()) {
        outOfRange_ = FileEntry{};
        return outOfRange_;
    }
    return entries()[order()[displayIndex]];
}

const FileEntry& FolderListing::entryAt(int displayIndex) const {
    return const_cast<FolderListing*>(this)->entryAt(displayIndex);
}

std::wstring FolderListing::sortKeyAt(int displayIndex) const {
    if (displayIndex < 0 || displayIndex >= std::min(keyedCount_, count())) return {};
    const KeyedEntry& k = reinterpret_cast<const KeyedEntry*>(keyedBlock_.data())[displayIndex];
    std::wstring key(k.text, k.headLength);
    key.append(entries()[0].fullPath, sharedPrefixLength_);
    key.append(k.tailText, k.tailLength);
    return key;
}

const FileEntry& FolderListing::loadedEntry(int loadIndex) const {
    if (loadIndex < 0 || loadIndex >= enumeratedCount()) {
        return const_cast<FolderListing*>(this)->entryAt(-1);
    }
    return entries()[loadIndex];
}

ListingTotals FolderListing::totals(const FreeSpaceLookup& freeSpace) const {
    ListingTotals t;
    const int n = count();
    for (int i = 0; i < n; ++i) {
        const FileEntry& e = entryAt(i);
        const bool isFile = subfolderMode || e.kind == kKindFile;
        const bool isFolder = !subfolderMode && e.kind == kKindFolder;
        if (isFile) {
            ++t.files;
            t.fileBytes += e.size;
            if (e.selected) {
                ++t.selectedFiles;
                t.selectedFileBytes += e.size;
            }
        } else if (isFolder) {
            ++t.folders;
            if (e.selected) ++t.selectedFolders;
        }
    }
    if (freeSpace) {
        for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
            auto bytes = freeSpace(letter);
            if (!bytes) continue;
            const wchar_t root[] = {letter, L':', L'\\', L'\0'};
            const wchar_t lower[] = {static_cast<wchar_t>(letter - L'A' + L'a'), L':', L'\\', L'\0'};
            if (currentFolder.find(root) != std::wstring::npos || currentFolder.find(lower) != std::wstring::npos) {
                t.freeBytes = *bytes;
                break;
            }
        }
    }
    return t;
}

void FolderListing::selectAll() {
    for (int i = 0, n = count(); i < n; ++i) {
        FileEntry& e = entryAt(i);
        e.selected = e.kind == kKindParent ? 0 : 1;
    }
}

void FolderListing::clearSelection() {
    for (int i = 0, n = count(); i < n; ++i) entryAt(i).selected = 0;
}

void FolderListing::reverseSelection() {
    for (int i = 0, n = count(); i < n; ++i) {
        FileEntry& e = entryAt(i);
        e.selected = (e.kind == kKindParent || e.selected) ? 0 : 1;
    }
}

std::vector<std::wstring> FolderListing::selectedPaths() const {
    std::vector<std::wstring> paths;
    for (int i = 0, n = count(); i < n; ++i) {
        const FileEntry& e = entryAt(i);
        if (e.selected) paths.emplace_back(e.path());
    }
    return paths;
}

void FolderListing::loadSortSettings(const IntSettings& settings) {
    const int mode = settings.readInt(L"FolderOption", L"SortMode", 0);
    const int item = settings.readInt(L"FolderOption", L"SortItem", 0);
    sortMode = mode == 1 ? 1 : 0;
    sortItem = (item >= 0 && item <= 6) ? item : 0;
}

void FolderListing::saveSortSettings(IntSettings& settings) const {
    settings.writeInt(L"FolderOption", L"SortMode", sortMode);
    settings.writeInt(L"FolderOption", L"SortItem", sortItem);
}

}  // namespace tarvelo::filelist
