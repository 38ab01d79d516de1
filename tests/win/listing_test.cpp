#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "filelist/describe_file.h"
#include "filelist/folder_listing.h"
#include "filelist/win/listing_thread.h"
#include "platform/virtual_address_space.h"
#include "platform/win32_file_info.h"
#include "platform/win32_folder_reader.h"
#include "support/fake_folder_reader.h"
#include "support/temp_tree.h"

namespace tarvelo::filelist::win {
namespace {

struct Loaded {
    std::map<std::wstring, FileEntry> byPath;
    std::vector<std::wstring> order;
};

Loaded snapshot(const FolderListing& listing) {
    Loaded out;
    for (int i = 0; i < listing.count(); ++i) {
        const FileEntry& e = listing.entryAt(i);
        out.order.emplace_back(e.fullPath);
        out.byPath[e.fullPath] = e;
    }
    return out;
}

using test::TempTree;

class ListingOnThread : public ::testing::Test {
protected:
    platform::Win32FolderReader reader;
    std::atomic<uint8_t> state{0};
    std::unique_ptr<FolderListing> listing = std::make_unique<FolderListing>(platform::virtualAddressSpace());

    void loadAndWait(ListingLoader& loader, const std::wstring& folder, LoadRequest request = {}) {
        listing->currentFolder = folder;
        ASSERT_TRUE(loader.start(*listing, std::move(request)));
        loader.wait();
        EXPECT_EQ(state.load(), 0);
    }
};

TEST_F(ListingOnThread, ListsARealFolderWithItsData) {
    TempTree tree(L"data");
    ASSERT_TRUE(tree.folder(L"Sub"));
    ASSERT_TRUE(tree.file(L"b10.txt", 10));
    ASSERT_TRUE(tree.file(L"b9.txt", 9));
    ASSERT_TRUE(tree.file(L"hidden.bin", 3, FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(tree.file(L"system.bin", 4, FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(tree.file(L"\u65e5\u672c\u8a9e\u30d5\u30a1\u30a4\u30eb.txt", 5));
    ListingLoader loader(reader, state);
    listing->sortItem = 1;
    loadAndWait(loader, tree.root());
    ASSERT_TRUE(listing->isComplete());
    const Loaded l = snapshot(*listing);
    EXPECT_EQ(l.order, (std::vector<std::wstring>{tree.path(L".."), tree.path(L"Sub"), tree.path(L"b9.txt"),
                                                  tree.path(L"b10.txt"), tree.path(L"hidden.bin"),
                                                  tree.path(L"system.bin"),
                                                  tree.path(L"\u65e5\u672c\u8a9e\u30d5\u30a1\u30a4\u30eb.txt")}));
    EXPECT_EQ(l.byPath.at(tree.path(L"..")).kind, kKindParent);
    EXPECT_EQ(l.byPath.at(tree.path(L"Sub")).kind, kKindFolder);
    EXPECT_EQ(l.byPath.at(tree.path(L"Sub")).size, 0u);
    EXPECT_EQ(l.byPath.at(tree.path(L"b10.txt")).size, 10u);
    EXPECT_NE(l.byPath.at(tree.path(L"hidden.bin")).attributes & kAttrHidden, 0u);
    EXPECT_NE(l.byPath.at(tree.path(L"system.bin")).attributes & kAttrSystem, 0u);
    EXPECT_NE(l.byPath.at(tree.path(L"system.bin")).attributes & kAttrReadOnly, 0u);
    // The times from the search agree with the platform's own conversion.
    for (const auto& [path, e] : l.byPath) {
        if (e.kind == kKindParent) continue;
        const auto direct = platform::readFileAttributeData(path);
        ASSERT_TRUE(direct.has_value()) << testing::PrintToString(path);
        EXPECT_EQ(e.modified, direct->modified) << testing::PrintToString(path);
        EXPECT_EQ(e.created, direct->created);
        EXPECT_EQ(e.attributes, direct->attributes);
    }
    // The listed folder is the current directory.
    wchar_t current[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(std::wstring(current), tree.root());
}

TEST_F(ListingOnThread, PathsBeyond260CharactersAreListedWhole) {
    TempTree tree(L"long");
    const std::wstring deep = std::wstring(120, L'd');
    ASSERT_TRUE(tree.folder(deep));
    ASSERT_TRUE(tree.folder(deep + L"\\" + std::wstring(120, L'e')));
    const std::wstring inner = deep + L"\\" + std::wstring(120, L'e');
    const std::wstring name = std::wstring(100, L'n') + L".txt";
    ASSERT_TRUE(tree.file(deep + L"\\" + name, 7));
    ASSERT_TRUE(tree.file(inner + L"\\" + name, 8));
    ListingLoader loader(reader, state);
    listing->sortItem = 1;

    loadAndWait(loader, tree.path(deep));
    ASSERT_TRUE(listing->isComplete());
    Loaded l = snapshot(*listing);
    const std::wstring longFile = tree.path(deep + L"\\" + name);
    ASSERT_TRUE(l.byPath.count(longFile));
    EXPECT_GE(longFile.size(), 260u);
    EXPECT_TRUE(isLongPath(longFile));
    EXPECT_EQ(l.byPath.at(longFile).size, 7u);

    // A folder whose own path is beyond the limit is listed through its
    // long-path form.
    ASSERT_GE(tree.path(inner).size(), 260u);
    loadAndWait(loader, tree.path(inner));
    ASSERT_TRUE(listing->isComplete());
    l = snapshot(*listing);
    ASSERT_TRUE(l.byPath.count(tree.path(inner + L"\\" + name)));
    EXPECT_EQ(l.byPath.at(tree.path(inner + L"\\" + name)).size, 8u);
}

TEST_F(ListingOnThread, ReloadKeepsTheSelectionAndTheCursorRequest) {
    TempTree tree(L"reload");
    for (const wchar_t* name : {L"a.txt", L"b.txt", L"c.txt"}) ASSERT_TRUE(tree.file(name));
    ListingLoader loader(reader, state);
    listing->sortItem = 1;
    loadAndWait(loader, tree.root());
    ASSERT_EQ(listing->count(), 4);
    listing->entryAt(1).selected = 1;  // a
    listing->entryAt(3).selected = 1;  // c
    listing->focusPath = tree.path(L"b.txt");
    // c is renamed by someone else; a stays.
    ASSERT_TRUE(::MoveFileW(tree.path(L"c.txt").c_str(), tree.path(L"C2.txt").c_str()));
    ASSERT_TRUE(tree.file(L"C2.txt"));  // registered for removal
    loadAndWait(loader, tree.root());
    ASSERT_TRUE(listing->isComplete());
    EXPECT_EQ(listing->selectedPaths(), (std::vector<std::wstring>{tree.path(L"a.txt")}));
    EXPECT_TRUE(loader.rememberedSelection().empty());
    EXPECT_EQ(listing->focusPath, tree.path(L"b.txt"));
}

TEST_F(ListingOnThread, FolderThatCannotBeEnteredListsNothing) {
    ListingLoader loader(reader, state);
    loadAndWait(loader, L"C:\\no such folder here");
    EXPECT_EQ(listing->enumeratedCount(), 0);
    EXPECT_FALSE(listing->isComplete());
}

// A reader that reports one item every millisecond, for a load that runs
// long enough to be stopped.
class SlowReader : public test::FakeFolderReader {
public:
    std::atomic<int> reported{0};
    void listItems(std::wstring_view folder, ItemSink& sink) override {
        class Slow : public ItemSink {
        public:
            Slow(ItemSink& inner, std::atomic<int>& count) : inner_(inner), count_(count) {}
            bool take(const FoundItem& item) override {
                ::Sleep(1);
                ++count_;
                return inner_.take(item);
            }
        private:
            ItemSink& inner_;
            std::atomic<int>& count_;
        };
        Slow slow(sink, reported);
        FakeFolderReader::listItems(folder, slow);
    }
};

TEST_F(ListingOnThread, StopEndsALoadMidWayAndLeavesTheListingEmpty) {
    SlowReader slow;
    auto& items = slow.addFolder(L"C:\\slow");
    for (int i = 0; i < 20000; ++i) items.push_back({L"f" + std::to_wstring(i), 0x20, 1});
    ListingLoader loader(slow, state);
    listing->currentFolder = L"C:\\slow";
    ASSERT_TRUE(loader.start(*listing, {}));
    EXPECT_EQ(state.load(), 1);
    while (slow.reported.load() < 50) ::Sleep(1);
    EXPECT_FALSE(loader.start(*listing, {}));  // refused while running
    loader.stop();
    EXPECT_EQ(state.load(), 0);
    EXPECT_FALSE(loader.running());
    EXPECT_LT(slow.reported.load(), 20002);
    EXPECT_EQ(listing->enumeratedCount(), 0);
    EXPECT_FALSE(listing->isComplete());
}

TEST_F(ListingOnThread, CountsGrowWhileTheThreadWorks) {
    SlowReader slow;
    auto& items = slow.addFolder(L"C:\\slow");
    for (int i = 0; i < 300; ++i) items.push_back({L"f" + std::to_wstring(i), 0x20, 1});
    ListingLoader loader(slow, state);
    listing->currentFolder = L"C:\\slow";
    std::atomic<int> started{0};
    std::atomic<int> ended{0};
    LoadRequest request;
    request.onJobStart = [&] { ++started; };
    request.onJobEnd = [&] { ++ended; };
    ASSERT_TRUE(loader.start(*listing, std::move(request)));
    int seenEnumerating = 0;
    while (loader.running()) {
        const int e = listing->enumeratedCount();
        const int f = listing->filledCount();
        if (e > 0 && f == 0) ++seenEnumerating;
        EXPECT_LE(f, e);
        ::Sleep(2);
    }
    loader.wait();
    EXPECT_GT(seenEnumerating, 0);
    EXPECT_TRUE(listing->isComplete());
    EXPECT_EQ(listing->count(), 301);  // 300 files and the parent entry
    EXPECT_EQ(started.load(), 1);
    EXPECT_EQ(ended.load(), 1);
}

TEST(Win32FolderReader, PatternUsesTheLongFormOnlyWhenNeeded) {
    EXPECT_EQ(platform::searchPattern(L"C:\\x"), L"C:\\x\\*");
    EXPECT_EQ(platform::searchPattern(L"C:\\"), L"C:\\*");
    const std::wstring deep = L"C:\\" + std::wstring(300, L'a');
    EXPECT_EQ(platform::searchPattern(deep), L"\\\\?\\" + deep + L"\\*");
    EXPECT_EQ(platform::searchPattern(L"\\\\srv\\" + std::wstring(300, L's')),
              L"\\\\?\\UNC\\srv\\" + std::wstring(300, L's') + L"\\*");
}

TEST(Win32FolderReader, DriveRootHasNoParentEntry) {
    platform::Win32FolderReader reader;
    FolderListing listing(platform::virtualAddressSpace());
    listing.enumerate(reader, L"C:\\");
    bool parent = false;
    for (int i = 0; i < listing.enumeratedCount(); ++i) parent |= listing.loadedEntry(i).kind == kKindParent;
    EXPECT_GT(listing.enumeratedCount(), 0);
    EXPECT_FALSE(parent);
}

}  // namespace
}  // namespace tarvelo::filelist::win
