#include "filelist/shortcut_folder_list.h"

#include <gtest/gtest.h>

#include "support/fake_byte_file_system.h"

namespace tarvelo::filelist {
namespace {

using Folders = std::vector<std::wstring>;

constexpr wchar_t kExe[] = L"C:\\Tools\\Tarvelo.exe";

class ShortcutFolderListTest : public ::testing::Test {
protected:
    testing::FakeByteFileSystem files;
    shell::SectionFileStore store{files, kExe};
    ShortcutFolderList list;

    void put(int slot, std::wstring_view value) { store.write(kFolderDataSection, shortcutKey(slot), value); }
    std::wstring stored(int slot) const { return store.read(kFolderDataSection, shortcutKey(slot)); }
    Folders storedFolders() const {
        Folders out;
        for (int i = 0; i < kShortcutSlots; ++i) {
            if (std::wstring v = stored(i); !v.empty()) out.push_back(v);
        }
        return out;
    }
};

TEST(ShortcutKeyTest, TwoDigitsFromOneUpToOneHundred) {
    EXPECT_EQ(shortcutKey(0), L"Folder_01");
    EXPECT_EQ(shortcutKey(8), L"Folder_09");
    EXPECT_EQ(shortcutKey(9), L"Folder_10");
    EXPECT_EQ(shortcutKey(99), L"Folder_100");
}

TEST(NormaliseShortcutPathTest, StoredFormOfPaths) {
    struct Case {
        std::wstring_view in;
        std::wstring_view out;
    } cases[] = {
        {L"c:", L"C:\\"},
        {L"d:\\\\data", L"D:\\data"},
        {L"\\\\server\\share", L"\\\\server\\share"},  // no ':' -> untouched
        {L"C:\\Work", L"C:\\Work"},
        {L"e:\\a\\\\\\b\\", L"E:\\a\\b\\"},           // a run of three collapses to one
        {L"C:\\Wo\r\nrk\n", L"C:\\Work"},              // line breaks removed
        {L"\\\\srv\\a\r\n", L"\\\\srv\\a"},
        {L"z:\\x\\y:", L"Z:\\x\\Y:"},                  // every drive prefix
        {L"C:\\Ärger", L"C:\\Ärger"},                  // only ASCII letters before ':'
        {L"", L""},
        {L"\r\n", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(normaliseShortcutPath(c.in), c.out) << std::wstring(c.in);
        EXPECT_EQ(normaliseShortcutPath(c.out), c.out) << "stable: " << std::wstring(c.out);
    }
}

TEST(SortShortcutFoldersTest, NaturalOrderIgnoringCase) {
    Folders f = {L"C:\\a10", L"C:\\a9", L"C:\\A2"};
    sortShortcutFolders(f);
    EXPECT_EQ(f, (Folders{L"C:\\A2", L"C:\\a9", L"C:\\a10"}));

    // A backslash sorts before letters, so network paths come first.
    Folders g = {L"D:\\", L"\\\\srv\\x", L"C:\\Work", L"C:\\"};
    sortShortcutFolders(g);
    EXPECT_EQ(g, (Folders{L"\\\\srv\\x", L"C:\\", L"C:\\Work", L"D:\\"}));
}

TEST(SameFolderTest, CaseAndTrailingBackslashDoNotMatter) {
    EXPECT_TRUE(sameFolder(L"C:\\Work", L"c:\\work\\"));
    EXPECT_TRUE(sameFolder(L"C:\\", L"c:\\"));
    EXPECT_FALSE(sameFolder(L"C:\\", L"C:"));
    EXPECT_FALSE(sameFolder(L"C:\\Work", L"C:\\Work2"));
}

TEST_F(ShortcutFolderListTest, LoadNormalisesKeepsNonEmptyAndSorts) {
    put(0, L"d:\\\\data");
    put(1, L"");
    put(4, L"c:");
    put(99, L"\\\\server\\share");
    put(50, L"C:\\a10");
    list.loadShortcutFolders(store);
    EXPECT_EQ(list.folders(), (Folders{L"\\\\server\\share", L"C:\\", L"C:\\a10", L"D:\\data"}));
    EXPECT_EQ(list.at(2), L"C:\\a10");
    EXPECT_EQ(list.at(4), L"");
    EXPECT_EQ(list.at(-1), L"");
}

TEST_F(ShortcutFolderListTest, SaveWritesAllHundredKeysPacked) {
    put(7, L"C:\\b");
    put(3, L"C:\\a");
    list.loadShortcutFolders(store);
    ASSERT_TRUE(list.saveShortcutFolders(store));
    EXPECT_EQ(stored(0), L"C:\\a");
    EXPECT_EQ(stored(1), L"C:\\b");
    EXPECT_EQ(stored(7), L"");
    // Every key is present in the file, empty ones included.
    const auto& bytes = files.files.begin()->second;
    std::wstring text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) text.push_back(static_cast<wchar_t>(bytes[i] | (bytes[i + 1] << 8)));
    for (int i = 0; i < kShortcutSlots; ++i) EXPECT_NE(text.find(shortcutKey(i) + L"="), std::wstring::npos) << i;
}

TEST_F(ShortcutFolderListTest, RegisterTwiceLeavesOneEntry) {
    list.loadShortcutFolders(store);
    ASSERT_TRUE(list.registerCurrentFolder(L"C:\\Work", store));
    ASSERT_TRUE(list.registerCurrentFolder(L"C:\\Work", store));
    EXPECT_EQ(list.folders(), (Folders{L"C:\\Work"}));
    EXPECT_EQ(storedFolders(), (Folders{L"C:\\Work"}));

    ASSERT_TRUE(list.registerCurrentFolder(L"C:\\A2", store));
    EXPECT_EQ(list.folders(), (Folders{L"C:\\A2", L"C:\\Work"}));
    EXPECT_EQ(storedFolders(), (Folders{L"C:\\A2", L"C:\\Work"}));
    // The stored form is what Register compares with.
    ASSERT_TRUE(list.registerCurrentFolder(L"c:\\\\A2", store));
    EXPECT_EQ(list.folders(), (Folders{L"C:\\A2", L"C:\\Work"}));
}

TEST_F(ShortcutFolderListTest, RegisterOfNothingChangesNothing) {
    put(0, L"C:\\x");
    list.loadShortcutFolders(store);
    const int writes = files.writes;
    EXPECT_FALSE(list.registerCurrentFolder(L"", store));
    EXPECT_EQ(list.folders(), (Folders{L"C:\\x"}));
    EXPECT_EQ(files.writes, writes);
}

TEST_F(ShortcutFolderListTest, ReleaseOfAnUnregisteredFolderOnlyResortsAndSaves) {
    // Stored out of order by hand: Release still sorts and rewrites them.
    put(0, L"C:\\a10");
    put(1, L"C:\\a9");
    list.loadShortcutFolders(store);
    files.files.clear();
    ASSERT_TRUE(list.releaseCurrentFolder(L"C:\\Elsewhere", store));
    EXPECT_EQ(list.folders(), (Folders{L"C:\\a9", L"C:\\a10"}));
    EXPECT_EQ(storedFolders(), (Folders{L"C:\\a9", L"C:\\a10"}));

    ASSERT_TRUE(list.releaseCurrentFolder(L"C:\\a9", store));
    EXPECT_EQ(list.folders(), (Folders{L"C:\\a10"}));
    EXPECT_EQ(stored(0), L"C:\\a10");
    EXPECT_EQ(stored(1), L"");
}

TEST_F(ShortcutFolderListTest, OnlyTheFirstHundredAreSaved) {
    for (int i = 0; i < kShortcutSlots; ++i) put(i, L"C:\\f" + std::to_wstring(i + 10));
    list.loadShortcutFolders(store);
    ASSERT_EQ(list.count(), 100);
    list.registerCurrentFolder(L"C:\\f0", store);  // sorts first
    EXPECT_EQ(list.count(), 101);
    EXPECT_EQ(stored(0), L"C:\\f0");
    EXPECT_EQ(stored(99), L"C:\\f108");  // C:\f109 dropped from the file
    list.loadShortcutFolders(store);
    EXPECT_EQ(list.count(), 100);
}

TEST_F(ShortcutFolderListTest, FailedWriteIsReported) {
    list.loadShortcutFolders(store);
    files.unwritable.insert(store.filePath(kFolderDataSection));
    EXPECT_FALSE(list.registerCurrentFolder(L"C:\\x", store));
}

TEST_F(ShortcutFolderListTest, FirstStartSeedsTheDriveRootsOnce) {
    EXPECT_TRUE(list.seedIfFirstStart(store, {L"C:\\", L"D:\\"}));
    list.loadShortcutFolders(store);
    EXPECT_EQ(list.folders(), (Folders{L"C:\\", L"D:\\"}));
    EXPECT_EQ(stored(0), L"C:\\");
    EXPECT_EQ(stored(1), L"D:\\");

    // A later start with Folder_01 set leaves the user's list alone.
    list.releaseCurrentFolder(L"C:\\", store);
    EXPECT_FALSE(list.seedIfFirstStart(store, {L"C:\\", L"D:\\", L"E:\\"}));
    list.loadShortcutFolders(store);
    EXPECT_EQ(list.folders(), (Folders{L"D:\\"}));
}

TEST_F(ShortcutFolderListTest, GotoShortcutRemembersAndRestoresPlaces) {
    put(0, L"C:\\A");
    put(1, L"D:\\B");
    put(2, L"E:\\C");
    list.loadShortcutFolders(store);

    // First visit: the folder with no position.
    auto a = list.gotoShortcut(0, L"C:\\Start", 5, 2, L"C:\\Start\\x");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->folder, L"C:\\A");
    EXPECT_EQ(a->topIndex, -1);
    EXPECT_EQ(a->cursorRow, -1);
    EXPECT_EQ(a->cursorPath, L"");

    // Leaving C:\A for D:\B stores where the user was in C:\A.
    auto b = list.gotoShortcut(1, L"C:\\A", 40, 7, L"C:\\A\\file47.txt");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->folder, L"D:\\B");
    EXPECT_EQ(list.position(0).topIndex, 40);
    EXPECT_EQ(list.position(0).cursorRow, 7);

    // Coming back restores it; D:\B's place is stored on the way.
    auto back = list.gotoShortcut(0, L"D:\\B", 3, 1, L"D:\\B\\y");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->folder, L"C:\\A");
    EXPECT_EQ(back->topIndex, 40);
    EXPECT_EQ(back->cursorRow, 7);
    EXPECT_EQ(back->cursorPath, L"C:\\A\\file47.txt");
    EXPECT_EQ(list.position(1).cursorPath, L"D:\\B\\y");

    EXPECT_TRUE(list.gotoShortcut(2, L"C:\\A", 0, 0, L""));
    EXPECT_FALSE(list.gotoShortcut(3, L"C:\\A", 0, 0, L""));  // no entry
    EXPECT_FALSE(list.gotoShortcut(-1, L"C:\\A", 0, 0, L""));
    EXPECT_FALSE(list.gotoShortcut(100, L"C:\\A", 0, 0, L""));

    // A reload of the list forgets every place.
    list.loadShortcutFolders(store);
    EXPECT_EQ(list.position(0).folder, L"");
    auto fresh = list.gotoShortcut(0, L"X:\\", 0, 0, L"");
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->topIndex, -1);
}

TEST_F(ShortcutFolderListTest, GotoShortcutIgnoresEntriesThatAreNotPaths) {
    put(0, L"just text");
    put(1, L"\\\\srv\\share");
    list.loadShortcutFolders(store);
    ASSERT_EQ(list.at(1), L"just text");
    EXPECT_FALSE(list.gotoShortcut(1, L"C:\\", 0, 0, L""));
    auto network = list.gotoShortcut(0, L"C:\\", 0, 0, L"");
    ASSERT_TRUE(network);
    EXPECT_EQ(network->folder, L"\\\\srv\\share");
}

TEST_F(ShortcutFolderListTest, PositionsNeverLeadToAnotherFolderAfterTheListChanged) {
    put(0, L"C:\\B");
    list.loadShortcutFolders(store);
    list.gotoShortcut(0, L"C:\\", 0, 0, L"");
    list.gotoShortcut(0, L"C:\\B", 9, 9, L"C:\\B\\z");  // remembers C:\B at slot 0
    list.registerCurrentFolder(L"C:\\A", store);       // C:\A now takes position 0
    auto t = list.gotoShortcut(0, L"C:\\B", 1, 1, L"");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->folder, L"C:\\A");
    EXPECT_EQ(t->topIndex, -1);
}

TEST_F(ShortcutFolderListTest, EntryHoldingFolderPicksTheClosestAncestor) {
    put(0, L"C:\\");
    put(1, L"C:\\Work");
    put(2, L"C:\\Work2");
    put(3, L"\\\\srv\\share");
    list.loadShortcutFolders(store);
    ASSERT_EQ(list.at(0), L"\\\\srv\\share");
    EXPECT_EQ(list.entryHoldingFolder(L"C:\\Work\\sub"), 2);
    EXPECT_EQ(list.entryHoldingFolder(L"c:\\work"), 2);
    EXPECT_EQ(list.entryHoldingFolder(L"C:\\Work2\\x"), 3);
    EXPECT_EQ(list.entryHoldingFolder(L"C:\\Other"), 1);
    EXPECT_EQ(list.entryHoldingFolder(L"\\\\srv\\share\\d"), 0);
    EXPECT_EQ(list.entryHoldingFolder(L"D:\\"), -1);
    EXPECT_EQ(list.entryHoldingFolder(L""), -1);
}

}  // namespace
}  // namespace tarvelo::filelist
