#pragma once
// The one listing of the current folder: small fixed-size entry records and
// their path texts in storage reserved once for 100,001 of them and backed by
// memory only as far as a load fills it, the display order, the two progress counts the UI thread
// polls while the listing thread fills them, and the selection marks.
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/address_space.h"
#include "filelist/entry_sequence.h"
#include "filelist/file_entry.h"
#include "filelist/folder_reader.h"
#include "filelist/sort_keys.h"
#include "filelist/string_terms.h"

namespace tarvelo::filelist {

inline constexpr int kMaxListedEntries = 100000;
inline constexpr int kEntryStorage = kMaxListedEntries + 1;
// Longest path a record holds whole; items with longer paths are left out
// rather than listed under a cut path that names a different item.
inline constexpr size_t kMaxListedPathLength = kFullPathCapacity - 1;

// A path that begins with "\\?\" or has 260 or more characters.
bool isLongPath(std::wstring_view path);

// Integer settings as the settings store keeps them (section, key, value).
class IntSettings {
public:
    virtual ~IntSettings() = default;
    virtual int readInt(std::wstring_view section, std::wstring_view key, int defaultValue) const = 0;
    virtual void writeInt(std::wstring_view section, std::wstring_view key, int value) = 0;
};

struct ListingTotals {
    int64_t files = 0;
    uint64_t fileBytes = 0;
    int64_t folders = 0;
    int64_t selectedFiles = 0;
    uint64_t selectedFileBytes = 0;
    int64_t selectedFolders = 0;
    std::optional<uint64_t> freeBytes;  // none when no present drive matches
};

// Free bytes of a present drive by its letter 'A'..'Z'; nothing when the
// drive is absent.
using FreeSpaceLookup = std::function<std::optional<uint64_t>(wchar_t driveLetter)>;

class FolderListing final : public EntrySequence {
public:
    // Reserves the storage; storageReady() tells whether that worked.
    explicit FolderListing(common::AddressSpace& space = common::portableAddressSpace());
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;

    bool storageReady() const;

    int sortMode = 0;  // 0 ascending, 1 descending
    int sortItem = 0;  // sort column
    bool subfolderMode = false;
    std::wstring currentFolder;
    std::wstring focusPath;                // cursor target after the next complete load
    std::wstring filterText;               // terms joined by spaces; empty: no filtering
    std::vector<std::wstring> filterTerms;  // "\s" stands for a space

    // Counts to 0, nothing listed, display order empty.
    void clear();
    // Appends the items of `folder` (and, in subfolder mode, of every folder
    // below it). False when stopped early.
    bool enumerate(FolderReader& reader, std::wstring_view folder, StopToken stop = {});
    // Completes size, attributes and times (read again for items the search
    // could not describe, or for all when `rereadAll`), sets loadIndex and
    // raises filledCount to enumeratedCount. False when stopped early.
    bool fillDetails(FolderReader& reader, bool rereadAll = false, StopToken stop = {});
    // Builds every key for `column` in `view` and orders the entries.
    void sort(int column, ListView view);
    // For each path, the first entry in display order with exactly that
    // full path becomes selected.
    void markSelected(std::span<const std::wstring> paths);
    // The load has finished (sorted, marks restored): the listing becomes
    // complete when it holds entries.
    void markLoaded();

    // Display order, for painting and input.
    int count() const override;
    FileEntry& entryAt(int displayIndex) override;
    const FileEntry& entryAt(int displayIndex) const;
    // Enumeration order, for the loader and tests.
    const FileEntry& loadedEntry(int loadIndex) const;
    // The key the last sort ordered the entry at `displayIndex` by (head and
    // full path); empty when that sort used no keys.
    std::wstring sortKeyAt(int displayIndex) const;

    bool isComplete() const;
    int enumeratedCount() const { return enumerated_.load(std::memory_order_acquire); }
    int filledCount() const { return filled_.load(std::memory_order_acquire); }
    // Items of the last load left out because their path does not fit.
    int pathsLeftOut() const { return pathsLeftOut_; }

    ListingTotals totals(const FreeSpaceLookup& freeSpace = {}) const;
    // The parent entry is never selected.
    void selectAll();
    void clearSelection();
    void reverseSelection();
    // Full paths of the selected entries in display order.
    std::vector<std::wstring> selectedPaths() const;

    // Section FolderOption, keys SortMode and SortItem (default 0 each).
    void loadSortSettings(const IntSettings& settings);
    void saveSortSettings(IntSettings& settings) const;

private:
    class Enumerator;
    friend class Enumerator;

    FileEntry* entries() const;
    int32_t* order() const;
    bool passesFilter(std::wstring_view name) const;
    bool append(std::wstring_view prefix, std::wstring_view name, int32_t kind, const FoundItem& item);
    void applyDetails(FileEntry& e, const FileAttributeData& d);

    common::ReservedBlock entryBlock_;
    common::ReservedBlock pathBlock_;    // terminated path texts, one after another
    common::ReservedBlock orderBlock_;
    common::ReservedBlock keyedBlock_;
    common::ReservedBlock headBlock_;
    std::atomic<int> enumerated_{0};
    std::atomic<int> filled_{0};
    std::atomic<int> ordered_{0};
    std::atomic<bool> loaded_{false};
    size_t pathUsed_ = 0;                // code units of pathBlock_ in use
    int keyedCount_ = 0;                 // keyed entries of the last sort, in display order
    int pathsLeftOut_ = 0;
    size_t sharedPrefixLength_ = 0;      // every path begins with the listed folder + "\"
    std::vector<int> detailsPending_;    // items the search could not describe
    TermMatcher filter_;  // the filter terms, prepared once per load
    FileEntry outOfRange_{};             // what a bad display index gets
};

}  // namespace tarvelo::filelist
