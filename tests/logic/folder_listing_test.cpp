#include "filelist/folder_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "support/fake_folder_reader.h"

namespace tarvelo::filelist {
namespace {

using test::FakeFolderReader;

// A whole load as the listing thread runs it, on the calling thread.
void load(FolderListing& listing, FakeFolderReader& reader, const std::wstring& folder,
          ListView view = ListView::MultiColumn, std::vector<std::wstring> remembered = {}) {
    listing.clear();
    listing.currentFolder = folder;
    listing.enumerate(reader, folder);
    if (listing.enumeratedCount() > 0) {
        listing.fillDetails(reader);
        listing.sort(listing.sortItem, view);
        listing.markSelected(remembered);
        if (listing.sortItem == 0) listing.sort(0, view);
    }
    listing.markLoaded();
}

std::vector<std::wstring> displayed(const FolderListing& listing) {
    std::vector<std::wstring> out;
    for (int i = 0; i < listing.count(); ++i) out.emplace_back(listing.entryAt(i).fullPath);
    return out;
}

std::vector<int> kinds(const FolderListing& listing) {
    std::vector<int> out;
    for (int i = 0; i < listing.count(); ++i) out.push_back(listing.entryAt(i).kind);
    return out;
}

class FolderListingTest : public ::testing::Test {
protected:
    std::unique_ptr<FolderListing> listing = std::make_unique<FolderListing>();
    FakeFolderReader reader;
};

TEST_F(FolderListingTest, StorageIsReserved) { EXPECT_TRUE(listing->storageReady()); }

TEST_F(FolderListingTest, DriveRootListsNoParentEntry) {
    reader.addFile(L"C:\\", L"b.txt");
    reader.addSubfolder(L"C:\\", L"Zeta");
    reader.addFile(L"C:\\", L"a.txt");
    reader.addSubfolder(L"C:\\", L"alpha");
    load(*listing, reader, L"C:\\");
    ASSERT_TRUE(listing->isComplete());
    EXPECT_EQ(displayed(*listing),
              (std::vector<std::wstring>{L"C:\\alpha", L"C:\\Zeta", L"C:\\a.txt", L"C:\\b.txt"}));
}

TEST_F(FolderListingTest, EmptyFolderHoldsOnlyTheParentEntry) {
    reader.addFolder(L"C:\\empty");
    load(*listing, reader, L"C:\\empty");
    EXPECT_TRUE(listing->isComplete());
    ASSERT_EQ(listing->count(), 1);
    EXPECT_STREQ(listing->entryAt(0).fullPath, L"C:\\empty\\..");
    EXPECT_EQ(listing->entryAt(0).kind, kKindParent);
}

TEST_F(FolderListingTest, FolderThatCannotBeEnteredStaysEmpty) {
    reader.addFile(L"C:\\locked", L"a");
    reader.unenterable.insert(L"C:\\locked");
    load(*listing, reader, L"C:\\locked");
    EXPECT_EQ(listing->enumeratedCount(), 0);
    EXPECT_FALSE(listing->isComplete());
    EXPECT_EQ(listing->count(), 0);
}

TEST_F(FolderListingTest, CountsShowTheTwoPhases) {
    reader.addFile(L"C:\\d", L"x");
    reader.addFile(L"C:\\d", L"y");
    listing->enumerate(reader, L"C:\\d");
    EXPECT_EQ(listing->enumeratedCount(), 3);
    EXPECT_EQ(listing->filledCount(), 0);
    EXPECT_FALSE(listing->isComplete());
    listing->fillDetails(reader);
    EXPECT_EQ(listing->filledCount(), 3);
    // Filled but not yet sorted: not complete for the UI thread.
    EXPECT_FALSE(listing->isComplete());
    listing->sort(1, ListView::MultiColumn);
    listing->markLoaded();
    EXPECT_TRUE(listing->isComplete());
    listing->clear();
    EXPECT_FALSE(listing->isComplete());
    EXPECT_EQ(listing->count(), 0);
}

TEST_F(FolderListingTest, CapsTheListingAt100000) {
    struct Case {
        int files;
        int expected;
    };
    for (const Case c : {Case{99998, 99999}, Case{100004, 100000}}) {
        FakeFolderReader big;
        auto& items = big.addFolder(L"C:\\big");
        for (int i = 0; i < c.files; ++i) items.push_back({L"f" + std::to_wstring(i), 0x20, 1});
        listing->clear();
        listing->enumerate(big, L"C:\\big");
        EXPECT_EQ(listing->enumeratedCount(), c.expected) << c.files;
        // The first 100,000 reported are the ones kept (the parent came first).
        EXPECT_STREQ(listing->loadedEntry(c.expected - 1).fullPath,
                     (L"C:\\big\\f" + std::to_wstring(c.expected - 2)).c_str());
    }
    listing->fillDetails(reader);
    listing->sort(-1, ListView::MultiColumn);  // no keys: enumeration order
    listing->markLoaded();
    EXPECT_TRUE(listing->isComplete());
    EXPECT_EQ(listing->count(), kMaxListedEntries);
}

TEST_F(FolderListingTest, CapAppliesAcrossSubfolders) {
    listing->subfolderMode = true;
    for (int f = 0; f < 3; ++f) {
        std::wstring sub = L"s" + std::to_wstring(f);
        reader.addSubfolder(L"C:\\top", sub);
        auto& items = reader.addFolder(L"C:\\top\\" + sub);
        for (int i = 0; i < 40000; ++i) items.push_back({L"f" + std::to_wstring(i), 0x20, 1});
    }
    listing->enumerate(reader, L"C:\\top");
    EXPECT_EQ(listing->enumeratedCount(), kMaxListedEntries);
    EXPECT_STREQ(listing->loadedEntry(kMaxListedEntries - 1).fullPath, L"C:\\top\\s2\\f19999");
}

TEST_F(FolderListingTest, FilterTermsKeepFilesThatContainEveryTerm) {
    struct Case {
        std::vector<std::wstring> terms;
        std::vector<std::wstring> kept;  // file names, in name order
    };
    const std::vector<Case> cases = {
        {{L"a\\sb"}, {L"data b.txt"}},
        {{L"TXT"}, {L"X.TXT"}},  // case-sensitive
        {{L"data", L".txt"}, {L"data b.txt", L"datab.txt"}},
        {{L"\\s"}, {L"data b.txt"}},
        {{L"zzz"}, {}},
    };
    reader.addFile(L"C:\\f", L"data b.txt");
    reader.addFile(L"C:\\f", L"datab.txt");
    reader.addFile(L"C:\\f", L"a.txt");
    reader.addFile(L"C:\\f", L"X.TXT");
    reader.addSubfolder(L"C:\\f", L"sub");
    for (const Case& c : cases) {
        listing->filterTerms = c.terms;
        listing->filterText = L"non-empty";
        load(*listing, reader, L"C:\\f");
        std::vector<std::wstring> expected = {L"C:\\f\\..", L"C:\\f\\sub"};  // never filtered
        for (const auto& name : c.kept) expected.push_back(L"C:\\f\\" + name);
        EXPECT_EQ(displayed(*listing), expected) << c.terms[0];
    }
    // Terms without filter text do not filter.
    listing->filterText.clear();
    load(*listing, reader, L"C:\\f");
    EXPECT_EQ(listing->count(), 6);
}

TEST_F(FolderListingTest, SubfolderModeListsFilesWithTheirDepth) {
    listing->subfolderMode = true;
    reader.addFile(L"C:\\t", L"top.txt");
    reader.addSubfolder(L"C:\\t", L"a");
    reader.addFile(L"C:\\t\\a", L"one.txt");
    reader.addSubfolder(L"C:\\t\\a", L"b");
    reader.addFile(L"C:\\t\\a\\b", L"two.txt");
    reader.addSubfolder(L"C:\\t", L"locked");
    reader.addFile(L"C:\\t\\locked", L"secret.txt");
    reader.unenterable.insert(L"C:\\t\\locked");
    reader.unreadable.insert(L"C:\\t\\locked");
    reader.addSubfolder(L"C:\\t", L"c");
    reader.addFile(L"C:\\t\\c", L"three.txt");
    auto& link = reader.addSubfolder(L"C:\\t", L"loop");
    link.attributes |= 0x400;  // a junction is not followed
    reader.addFile(L"C:\\t\\loop", L"again.txt");
    load(*listing, reader, L"C:\\t");
    // Deepest group first, each group by path.
    EXPECT_EQ(displayed(*listing), (std::vector<std::wstring>{L"C:\\t\\a\\b\\two.txt", L"C:\\t\\a\\one.txt",
                                                               L"C:\\t\\c\\three.txt", L"C:\\t\\top.txt"}));
    EXPECT_EQ(kinds(*listing), (std::vector<int>{2, 1, 1, 0}));
    // Only the listed folder is entered: it stays the current one.
    EXPECT_EQ(reader.entered, std::vector<std::wstring>{L"C:\\t"});
    listing->sortMode = 1;
    listing->sort(1, ListView::MultiColumn);
    EXPECT_EQ(displayed(*listing), (std::vector<std::wstring>{L"C:\\t\\a\\b\\two.txt", L"C:\\t\\c\\three.txt",
                                                               L"C:\\t\\a\\one.txt", L"C:\\t\\top.txt"}));
}

std::vector<std::wstring> loadOrder(const FolderListing& listing) {
    std::vector<std::wstring> out;
    for (int i = 0; i < listing.enumeratedCount(); ++i) out.emplace_back(listing.loadedEntry(i).fullPath);
    return out;
}

// The descent lists each folder's files, then its subfolders' trees in
// order, whether a second thread reads folders ahead or not; a stop during
// a read ahead ends the load as unfinished.
TEST_F(FolderListingTest, SubfolderDescentOrderWithAndWithoutReadAhead) {
    listing->subfolderMode = true;
    std::vector<std::wstring> expected;
    std::function<void(const std::wstring&, int)> grow = [&](const std::wstring& folder, int level) {
        for (int f = 0; f < 3 + level; ++f) {
            const std::wstring name = L"f" + std::to_wstring(f) + L".txt";
            reader.addFile(folder, name);
            expected.push_back(folder + L"\\" + name);
        }
        if (level == 3) return;
        const int subs = level == 0 ? 12 : 3;
        std::vector<std::wstring> children;
        for (int d = 0; d < subs; ++d) {
            children.push_back(folder + L"\\d" + std::to_wstring(d));
            reader.addSubfolder(folder, L"d" + std::to_wstring(d));
        }
        for (const auto& child : children) grow(child, level + 1);
    };
    grow(L"C:\\t", 0);
    for (bool companions : {false, true}) {
        reader.companions = companions;
        for (int run = 0; run < 8; ++run) {
            listing->clear();
            ASSERT_TRUE(listing->enumerate(reader, L"C:\\t"));
            ASSERT_EQ(loadOrder(*listing), expected) << companions;
        }
    }
    std::atomic<uint8_t> state{1};
    reader.onList = [&](const std::wstring& folder) {
        if (folder == L"C:\\t\\d11\\d2") state = 2;
    };
    listing->clear();
    EXPECT_FALSE(listing->enumerate(reader, L"C:\\t", StopToken{&state}));
    EXPECT_LT(listing->enumeratedCount(), static_cast<int>(expected.size()));
}

TEST_F(FolderListingTest, ItemWithoutReadableDataKeepsZeros) {
    auto& hidden = reader.addFile(L"C:\\d", L"gone.bin", 77);
    hidden.detailsInSearch = false;
    hidden.readable = false;
    hidden.modified = {2024, 1, 2, 3, 4, 5};
    auto& later = reader.addFile(L"C:\\d", L"later.bin", 99);
    later.detailsInSearch = false;
    later.modified = {2023, 6, 7, 8, 9, 10};
    auto& plain = reader.addFile(L"C:\\d", L"plain.bin", 5);
    plain.modified = {2022, 1, 1, 0, 0, 0};
    load(*listing, reader, L"C:\\d");
    EXPECT_EQ(reader.detailReads, 2);  // only the items the search could not describe
    std::map<std::wstring, const FileEntry*> byPath;
    for (int i = 0; i < listing->count(); ++i) byPath[listing->entryAt(i).fullPath] = &listing->entryAt(i);
    const FileEntry& g = *byPath.at(L"C:\\d\\gone.bin");
    EXPECT_EQ(g.size, 0u);
    EXPECT_EQ(g.attributes, 0u);
    EXPECT_EQ(g.modified, LocalStamp{});
    EXPECT_EQ(g.created, LocalStamp{});
    EXPECT_EQ(byPath.at(L"C:\\d\\later.bin")->size, 99u);
    EXPECT_EQ(byPath.at(L"C:\\d\\later.bin")->modified, (LocalStamp{2023, 6, 7, 8, 9, 10}));
    EXPECT_EQ(byPath.at(L"C:\\d\\plain.bin")->modified, (LocalStamp{2022, 1, 1, 0, 0, 0}));
    // loadIndex is the enumeration position.
    for (int i = 0; i < listing->enumeratedCount(); ++i) EXPECT_EQ(listing->loadedEntry(i).loadIndex, i);
    // Re-reading all details goes to the reader for every entry.
    reader.detailReads = 0;
    listing->fillDetails(reader, true);
    EXPECT_EQ(reader.detailReads, 4);
}

TEST_F(FolderListingTest, FolderSizeIsZero) {
    reader.addSubfolder(L"C:\\d", L"sub").size = 4096;
    load(*listing, reader, L"C:\\d");
    EXPECT_EQ(listing->entryAt(1).size, 0u);
    EXPECT_EQ(listing->entryAt(1).attributes, kAttrDirectory);
}

TEST_F(FolderListingTest, PathsThatDoNotFitAreLeftOutNotCut) {
    const std::wstring folder = L"C:\\d";
    const std::wstring fits(kMaxListedPathLength - folder.size() - 1, L'f');
    const std::wstring tooLong = fits + L"x";
    reader.addFile(folder, fits);
    reader.addFile(folder, tooLong);
    load(*listing, reader, folder);
    EXPECT_EQ(listing->count(), 2);
    EXPECT_EQ(listing->pathsLeftOut(), 1);
    const std::wstring whole = folder + L"\\" + fits;
    EXPECT_EQ(std::wstring(listing->entryAt(1).fullPath), whole);
    EXPECT_TRUE(isLongPath(whole));
}

TEST_F(FolderListingTest, ReloadKeepsMarksOnlyForUnchangedPaths) {
    reader.addFile(L"C:\\d", L"keep.txt");
    reader.addFile(L"C:\\d", L"Case.txt");
    reader.addFile(L"C:\\d", L"renamed.txt");
    load(*listing, reader, L"C:\\d");
    for (int i = 0; i < listing->count(); ++i) listing->entryAt(i).selected = 1;
    std::vector<std::wstring> remembered = listing->selectedPaths();
    ASSERT_EQ(remembered.size(), 4u);  // the parent was set by hand here
    auto& items = reader.folders[L"C:\\d"];
    items[3].name = L"case.txt";     // only the letter case changed
    items[4].name = L"renamed2.txt";
    load(*listing, reader, L"C:\\d", ListView::MultiColumn, remembered);
    std::map<std::wstring, int> marks;
    for (int i = 0; i < listing->count(); ++i) marks[listing->entryAt(i).fullPath] = listing->entryAt(i).selected;
    EXPECT_EQ(marks, (std::map<std::wstring, int>{{L"C:\\d\\..", 0},
                                                  {L"C:\\d\\keep.txt", 1},
                                                  {L"C:\\d\\case.txt", 0},
                                                  {L"C:\\d\\renamed2.txt", 0}}));
}

TEST_F(FolderListingTest, SelectionColumnIsSortedAgainAfterTheMarks) {
    listing->sortItem = 0;
    for (const wchar_t* name : {L"a", L"b", L"c", L"d"}) reader.addFile(L"C:\\d", name);
    load(*listing, reader, L"C:\\d", ListView::MultiColumn, {L"C:\\d\\b", L"C:\\d\\d"});
    EXPECT_EQ(displayed(*listing), (std::vector<std::wstring>{L"C:\\d\\..", L"C:\\d\\a", L"C:\\d\\c", L"C:\\d\\b",
                                                               L"C:\\d\\d"}));
    listing->sortMode = 1;
    listing->sort(0, ListView::MultiColumn);
    EXPECT_EQ(displayed(*listing), (std::vector<std::wstring>{L"C:\\d\\..", L"C:\\d\\d", L"C:\\d\\b", L"C:\\d\\c",
                                                               L"C:\\d\\a"}));
}

TEST_F(FolderListingTest, SelectionCommandsLeaveTheParentAlone) {
    reader.addFile(L"C:\\d", L"a");
    reader.addFile(L"C:\\d", L"b");
    reader.addSubfolder(L"C:\\d", L"s");
    load(*listing, reader, L"C:\\d");
    auto marks = [&] {
        std::string s;
        for (int i = 0; i < listing->count(); ++i) s += listing->entryAt(i).selected ? 'x' : '.';
        return s;
    };
    listing->selectAll();
    EXPECT_EQ(marks(), ".xxx");
    listing->entryAt(2).selected = 0;
    listing->reverseSelection();
    EXPECT_EQ(marks(), "..x.");
    listing->clearSelection();
    EXPECT_EQ(marks(), "....");
}

TEST_F(FolderListingTest, TotalsCountFilesFoldersAndTheirBytes) {
    reader.addFile(L"C:\\d", L"a", 5'000'000'000ull);
    reader.addFile(L"C:\\d", L"b", 7);
    reader.addSubfolder(L"C:\\d", L"s");
    load(*listing, reader, L"C:\\d");
    listing->selectAll();
    listing->entryAt(3).selected = 0;  // b
    auto freeSpace = [](wchar_t letter) -> std::optional<uint64_t> {
        if (letter == L'C') return 1234;
        if (letter == L'A') return 1;
        return std::nullopt;
    };
    ListingTotals t = listing->totals(freeSpace);
    EXPECT_EQ(t.files, 2);
    EXPECT_EQ(t.fileBytes, 5'000'000'007ull);
    EXPECT_EQ(t.folders, 1);
    EXPECT_EQ(t.selectedFiles, 1);
    EXPECT_EQ(t.selectedFileBytes, 5'000'000'000ull);
    EXPECT_EQ(t.selectedFolders, 1);
    EXPECT_EQ(t.freeBytes, std::optional<uint64_t>(1234));
    listing->currentFolder = L"\\\\server\\share";
    EXPECT_FALSE(listing->totals(freeSpace).freeBytes.has_value());
    EXPECT_FALSE(listing->totals().freeBytes.has_value());
    // Subfolder mode: every entry is a file, folders count 0.
    listing->subfolderMode = true;
    reader.addFile(L"C:\\d\\s", L"deep", 3);
    load(*listing, reader, L"C:\\d");
    t = listing->totals();
    EXPECT_EQ(t.files, 3);
    EXPECT_EQ(t.fileBytes, 5'000'000'010ull);
    EXPECT_EQ(t.folders, 0);
}

TEST_F(FolderListingTest, OutOfRangeIndexGivesABlankEntry) {
    reader.addFile(L"C:\\d", L"a");
    load(*listing, reader, L"C:\\d");
    EXPECT_STREQ(listing->entryAt(2).fullPath, L"");
    EXPECT_STREQ(listing->entryAt(-1).fullPath, L"");
    EXPECT_STREQ(listing->entryAt(1).fullPath, L"C:\\d\\a");
}

TEST_F(FolderListingTest, ABigLoadThenASmallOneReusesTheStorage) {
    FakeFolderReader big;
    auto& items = big.addFolder(L"C:\\big");
    for (int i = 0; i < 5000; ++i) items.push_back({L"n" + std::to_wstring(i), 0x20, uint64_t(i)});
    load(*listing, big, L"C:\\big");
    EXPECT_EQ(listing->count(), 5001);
    EXPECT_STREQ(listing->entryAt(5000).fullPath, L"C:\\big\\n4999");
    reader.addFile(L"C:\\small", L"only");
    load(*listing, reader, L"C:\\small");
    EXPECT_EQ(displayed(*listing), (std::vector<std::wstring>{L"C:\\small\\..", L"C:\\small\\only"}));
    load(*listing, big, L"C:\\big");
    EXPECT_EQ(listing->count(), 5001);
    EXPECT_STREQ(listing->entryAt(10).fullPath, L"C:\\big\\n9");
}

// Counts what the listing commits, on top of the portable address space.
class CountingAddressSpace final : public common::AddressSpace {
public:
    size_t committed = 0;
    size_t peak = 0;
    void* reserve(size_t bytes) override { return inner_.reserve(bytes); }
    bool commit(void* address, size_t bytes) override {
        committed += bytes;
        peak = std::max(peak, committed);
        return inner_.commit(address, bytes);
    }
    void decommit(void* address, size_t bytes) override {
        committed -= bytes;
        inner_.decommit(address, bytes);
    }
    void release(void* base, size_t bytes) override { inner_.release(base, bytes); }
    size_t granularity() const override { return inner_.granularity(); }

private:
    common::AddressSpace& inner_ = common::portableAddressSpace();
};

TEST(FolderListingMemory, FollowsTheEntriesInUse) {
    CountingAddressSpace space;
    FolderListing listing(space);
    ASSERT_TRUE(listing.storageReady());
    EXPECT_EQ(space.committed, 0u);  // reserving costs no memory

    FakeFolderReader big;
    auto& items = big.addFolder(L"C:\\Users\\someone\\Pictures\\Camera Roll");
    for (int i = 0; i < kMaxListedEntries; ++i) {
        items.push_back({L"IMG_" + std::to_wstring(20240000 + i) + L".jpg", 0x20, uint64_t(i)});
    }
    load(listing, big, L"C:\\Users\\someone\\Pictures\\Camera Roll");
    ASSERT_EQ(listing.count(), kMaxListedEntries);  // the parent entry and 99,999 files
    const std::wstring last = L"C:\\Users\\someone\\Pictures\\Camera Roll\\IMG_20339998.jpg";
    EXPECT_EQ(std::wstring(listing.entryAt(kMaxListedEntries - 1).path()), last);
    // Records, path texts, order and keys together cost about the path text
    // twice plus a small record, not a record sized for the longest path.
    const size_t perEntry = 256 + 2 * sizeof(wchar_t) * last.size();
    EXPECT_LT(space.peak, size_t{kMaxListedEntries} * perEntry);

    FakeFolderReader small;
    small.addFile(L"C:\\small", L"only");
    load(listing, small, L"C:\\small");
    EXPECT_EQ(displayed(listing), (std::vector<std::wstring>{L"C:\\small\\..", L"C:\\small\\only"}));
    // Each block keeps at most a little slack after a small folder.
    EXPECT_LT(space.committed, size_t{12} << 20);
}

class FakeIntSettings : public IntSettings {
public:
    std::map<std::wstring, int> values;
    int readInt(std::wstring_view section, std::wstring_view key, int def) const override {
        auto it = values.find(std::wstring(section) + L"/" + std::wstring(key));
        return it == values.end() ? def : it->second;
    }
    void writeInt(std::wstring_view section, std::wstring_view key, int value) override {
        values[std::wstring(section) + L"/" + std::wstring(key)] = value;
    }
};

TEST(SortSettings, LoadClampsAndSaveWritesBothKeys) {
    struct Case {
        std::map<std::wstring, int> stored;
        int mode;
        int item;
    };
    const Case cases[] = {
        {{}, 0, 0},
        {{{L"FolderOption/SortMode", 1}, {L"FolderOption/SortItem", 6}}, 1, 6},
        {{{L"FolderOption/SortMode", 7}, {L"FolderOption/SortItem", 9}}, 0, 0},
        {{{L"FolderOption/SortMode", -1}, {L"FolderOption/SortItem", -3}}, 0, 0},
    };
    for (const Case& c : cases) {
        FakeIntSettings s;
        s.values = c.stored;
        FolderListing listing;
        listing.loadSortSettings(s);
        EXPECT_EQ(listing.sortMode, c.mode);
        EXPECT_EQ(listing.sortItem, c.item);
    }
    FakeIntSettings out;
    FolderListing listing;
    listing.sortMode = 1;
    listing.sortItem = 4;
    listing.saveSortSettings(out);
    EXPECT_EQ(out.values, (std::map<std::wstring, int>{{L"FolderOption/SortMode", 1}, {L"FolderOption/SortItem", 4}}));
}

TEST(LongPath, PrefixOrLength) {
    EXPECT_TRUE(isLongPath(L"\\\\?\\C:\\a"));
    EXPECT_TRUE(isLongPath(std::wstring(260, L'a')));
    EXPECT_FALSE(isLongPath(std::wstring(259, L'a')));
    EXPECT_FALSE(isLongPath(L"\\\\server\\share"));
}

}  // namespace
}  // namespace tarvelo::filelist
