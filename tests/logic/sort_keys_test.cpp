#include "filelist/sort_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/natural_compare.h"
#include "filelist/folder_listing.h"
#include "support/fake_folder_reader.h"

namespace tarvelo::filelist {
namespace {

std::unique_ptr<FileEntry> makeEntry(const wchar_t* path, int32_t kind) {
    auto e = std::make_unique<FileEntry>();
    *e = FileEntry{};
    e->setPath(path);
    e->kind = kind;
    return e;
}

TEST(SortKeys, EveryContentWritesItsPattern) {
    auto e = makeEntry(L"C:\\d\\Photo 01.JPG", kKindFile);
    e->size = 5'000'000'000ull;
    e->attributes = 0x2021;
    e->selected = 1;
    e->created = {2023, 12, 31, 23, 59, 58};
    e->modified = {2024, 3, 1, 9, 5, 7};
    e->accessed = {1601, 1, 1, 0, 0, 0};
    struct Case {
        KeyContent content;
        int mode;
        const wchar_t* key;
    };
    const Case cases[] = {
        {KeyContent::Name, 0, L"FFFF C:\\d\\Photo 01.JPG"},
        {KeyContent::Name, 1, L"000A C:\\d\\Photo 01.JPG"},
        {KeyContent::Selection, 0, L"FFFF 0001 C:\\d\\Photo 01.JPG"},
        {KeyContent::Extension, 0, L"FFFF .JPG C:\\d\\Photo 01.JPG"},
        {KeyContent::Size, 0, L"FFFF 000005000000000 C:\\d\\Photo 01.JPG"},
        {KeyContent::Created, 0, L"FFFF 02023-12-31 23:59:58 C:\\d\\Photo 01.JPG"},
        {KeyContent::Modified, 1, L"000A 02024-03-01 09:05:07 C:\\d\\Photo 01.JPG"},
        {KeyContent::Accessed, 0, L"FFFF 01601-01-01 00:00:00 C:\\d\\Photo 01.JPG"},
        {KeyContent::Attributes, 0, L"FFFF 2021 C:\\d\\Photo 01.JPG"},
        {KeyContent::None, 0, L""},
    };
    for (const Case& c : cases) EXPECT_EQ(sortKeyText(*e, c.content, c.mode), c.key) << int(c.content);

    e->size = 123456789012345678ull;  // wider than 15 digits: printed whole
    EXPECT_EQ(sortKeyText(*e, KeyContent::Size, 0), L"FFFF 123456789012345678 C:\\d\\Photo 01.JPG");
    e->attributes = 0x12345;
    EXPECT_EQ(sortKeyText(*e, KeyContent::Attributes, 0), L"FFFF 12345 C:\\d\\Photo 01.JPG");
    e->modified = {};
    EXPECT_EQ(sortKeyText(*e, KeyContent::Modified, 0), L"FFFF 00000-00-00 00:00:00 C:\\d\\Photo 01.JPG");
}

TEST(SortKeys, KindPrefixes) {
    struct Case {
        int kind;
        int mode;
        uint32_t prefix;
    };
    const Case cases[] = {{kKindFile, 0, 0xFFFF},  {kKindFolder, 0, 0xFFFE}, {kKindParent, 0, 0x10000},
                          {kKindFile, 1, 0x000A},  {kKindFolder, 1, 0x000B}, {kKindParent, 1, 0x64},
                          {2, 0, 0xFFFD},          {2, 1, 0x000C}};
    for (const Case& c : cases) EXPECT_EQ(kindPrefix(c.kind, c.mode), c.prefix) << c.kind << "/" << c.mode;
    auto parent = makeEntry(L"C:\\d\\..", kKindParent);
    EXPECT_EQ(sortKeyText(*parent, KeyContent::Name, 0), L"10000 C:\\d\\..");
    EXPECT_EQ(sortKeyText(*parent, KeyContent::Name, 1), L"0064 C:\\d\\..");
    EXPECT_EQ(sortKeyText(*parent, KeyContent::Extension, 0), L"10000 . C:\\d\\..");
}

TEST(SortKeys, ExtensionAsPathSplittingGivesIt) {
    struct Case {
        const wchar_t* path;
        const wchar_t* ext;
    };
    const Case cases[] = {{L"C:\\a\\b.txt", L".txt"},        {L"C:\\a.d\\noext", L""},
                          {L"C:\\a\\archive.tar.gz", L".gz"}, {L"C:\\a\\.profile", L".profile"},
                          {L"C:\\a\\..", L"."},               {L"C:x.y", L".y"},
                          {L"name.", L"."}};
    for (const Case& c : cases) EXPECT_EQ(extensionOf(c.path), c.ext) << c.path;
}

TEST(SortKeys, ColumnsOfBothViews) {
    using K = KeyContent;
    const K multi[] = {K::Selection, K::Name, K::Extension, K::Size, K::Modified, K::Attributes, K::None};
    const K three[] = {K::Selection, K::Name, K::Size, K::Created, K::Modified, K::Accessed, K::Attributes};
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(keyContent(c, ListView::MultiColumn), multi[c]) << c;
        EXPECT_EQ(keyContent(c, ListView::ThreeTimes), three[c]) << c;
    }
    EXPECT_EQ(keyContent(-1, ListView::MultiColumn), K::None);
    EXPECT_EQ(keyContent(7, ListView::ThreeTimes), K::None);
}

// The listing's order must be exactly the order of its whole keys under
// naturalCompare, whatever shortcuts the sort takes. In subfolder mode the
// names also make a tree of folders up to three deep. A listing of 32,768
// entries or more is sorted in two halves at once.
void expectNaturalKeyOrder(const std::vector<std::wstring>& pieces, unsigned seed, bool subfolders = false,
                           int items = 600) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> len(1, 5);
    std::uniform_int_distribution<int> coin(0, 3);
    test::FakeFolderReader reader;
    std::vector<std::wstring> folders = {L"C:\\w 1"};
    std::set<std::wstring> seen;
    for (int i = 0; i < items; ++i) {
        const std::wstring folder = folders[std::uniform_int_distribution<size_t>(0, folders.size() - 1)(rng)];
        std::wstring name;
        for (int k = len(rng); k > 0; --k) name += pieces[pick(rng)];
        if (!seen.insert(folder + L"\\" + name).second) continue;
        const bool isFolder = coin(rng) == 0;
        auto& item = isFolder ? reader.addSubfolder(folder, name)
                              : reader.addFile(folder, name, uint64_t(coin(rng)) << (8 * coin(rng)));
        if (isFolder && subfolders && std::count(folder.begin(), folder.end(), L'\\') < 4) {
            folders.push_back(folder + L"\\" + name);
        }
        item.attributes |= coin(rng) == 0 ? 0x2 : 0;
        const auto field = [&](int base) { return static_cast<int16_t>(base + coin(rng)); };
        item.modified = {field(2020), field(1), 1, 0, 0, field(0)};
    }
    FolderListing listing;
    listing.clear();
    listing.subfolderMode = subfolders;
    listing.enumerate(reader, L"C:\\w 1");
    if (subfolders) {
        // The tree's folder parts rank, so the sort below takes that path.
        ASSERT_GT(listing.enumeratedCount(), items / 2);
        FolderPartRanks ranks;
        ASSERT_TRUE(ranks.prepare(&listing.loadedEntry(0), listing.enumeratedCount(), std::wstring(L"C:\\w 1\\").size()));
    }
    if (items > 1000) {
        ASSERT_GE(listing.enumeratedCount(), 32768);
    }
    listing.fillDetails(reader);
    for (int i = 0; i < listing.enumeratedCount(); i += 3) const_cast<FileEntry&>(listing.loadedEntry(i)).selected = 1;
    const std::vector<ListView> views = items > 1000 ? std::vector<ListView>{ListView::MultiColumn}
                                                     : std::vector<ListView>{ListView::MultiColumn, ListView::ThreeTimes};
    for (ListView view : views) {
        for (int column = 0; column <= lastSortColumn(view); ++column) {
            for (int mode : {0, 1}) {
                listing.sortMode = mode;
                listing.sort(column, view);
                std::vector<std::wstring> keys;
                for (int i = 0; i < listing.count(); ++i) {
                    keys.push_back(sortKeyText(listing.entryAt(i), keyContent(column, view), mode));
                    ASSERT_EQ(keys.back(), listing.sortKeyAt(i));
                }
                for (size_t i = 1; i < keys.size(); ++i) {
                    const int c = common::naturalCompare(keys[i - 1], keys[i]);
                    ASSERT_TRUE(mode == 0 ? c < 0 : c > 0)
                        << "view " << int(view) << " column " << column << " mode " << mode << ": "
                        << testing::PrintToString(keys[i - 1]) << " / " << testing::PrintToString(keys[i]);
                }
            }
        }
    }
}

TEST(SortKeys, ListingOrderIsTheNaturalOrderOfTheKeys) {
    // Extensions that differ only in case or leading zeros share a rank.
    expectNaturalKeyOrder({L"a", L"A", L"b", L"0", L"01", L"2", L"10", L"(", L".txt", L".TXT", L".t01", L".t1",
                           L"_", L"\u00e9", L"\u00c9", L"img", L"IMG", L"-", L"9", L"123456789"},
                          5);
    // An extension that is a natural prefix of another (".x" and ".x y")
    // makes the extension sort compare texts.
    expectNaturalKeyOrder({L"a", L"A", L"b", L"0", L"01", L"2", L"10", L" ", L".", L".txt", L".TXT", L". x",
                           L"_", L"\u00e9", L"\u00c9", L"img", L"IMG", L"-", L"9"},
                          6);
    // Subfolder mode: folder parts that differ in case or leading zeros, or
    // whose digits meet the separator, rank as the whole tails compare.
    expectNaturalKeyOrder({L"a", L"A", L"b", L"0", L"01", L"2", L"10", L" ", L".txt", L".TXT", L"_", L"\u00e9",
                           L"\u00c9", L"img", L"IMG", L"-", L"9", L"123456789"},
                          7, true);
    // Big enough to be sorted in two halves.
    expectNaturalKeyOrder({L"a", L"A", L"b", L"0", L"01", L"2", L"10", L" ", L".txt", L".TXT", L"_", L"\u00e9",
                           L"img", L"-", L"9", L"123456789"},
                          8, true, 50000);
}

TEST(SortKeys, NamedOrdersOfTheList) {
    test::FakeFolderReader reader;
    reader.addFile(L"C:\\d", L"img10.png", 0x1'0000'0000ull);
    reader.addFile(L"C:\\d", L"Banana", 7);
    reader.addFile(L"C:\\d", L"apple", 0x2'0000'0000ull);
    reader.addFile(L"C:\\d", L"img2.png", 7);
    reader.addSubfolder(L"C:\\d", L"zoo");
    reader.addSubfolder(L"C:\\d", L"Alpha");
    FolderListing listing;
    auto run = [&](int column, int mode) {
        listing.sortMode = mode;
        listing.sort(column, ListView::MultiColumn);
        std::wstring out;
        for (int i = 0; i < listing.count(); ++i) {
            out += std::wstring(listing.entryAt(i).fullPath).substr(5);
            out += L'|';
        }
        return out;
    };
    listing.enumerate(reader, L"C:\\d");
    listing.fillDetails(reader);
    EXPECT_EQ(run(1, 0), L"..|Alpha|zoo|apple|Banana|img2.png|img10.png|");
    EXPECT_EQ(run(1, 1), L"..|zoo|Alpha|img10.png|img2.png|Banana|apple|");
    // Sizes above 2^32 by value; equal sizes by path.
    EXPECT_EQ(run(3, 0), L"..|Alpha|zoo|Banana|img2.png|img10.png|apple|");
    EXPECT_EQ(run(3, 1), L"..|zoo|Alpha|apple|img10.png|img2.png|Banana|");
    // Extension: "" < ".png".
    EXPECT_EQ(run(2, 0), L"..|Alpha|zoo|apple|Banana|img2.png|img10.png|");
}

}  // namespace
}  // namespace tarvelo::filelist
