// The Win32 folder reader, bulk and classic, against one table of folders:
// Japanese and 255-character names, paths past 260 characters, hidden and
// system files, links, an empty folder, a folder that vanishes mid-read.
#include <windows.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "filelist/folder_listing.h"
#include "platform/virtual_address_space.h"
#include "platform/win32_file_info.h"
#include "platform/win32_folder_reader.h"
#include "support/temp_tree.h"

namespace tarvelo::platform {
namespace {

using filelist::FoundItem;
using test::TempTree;

constexpr uint32_t kReparse = FILE_ATTRIBUTE_REPARSE_POINT;

struct Seen {
    uint32_t attributes = 0;
    uint64_t size = 0;
    filelist::LocalStamp modified;
};

class Collect final : public filelist::ItemSink {
public:
    std::map<std::wstring, Seen> items;
    bool take(const FoundItem& item) override {
        EXPECT_TRUE(item.detailsKnown);
        EXPECT_EQ(item.attributes, item.details.attributes);
        items[std::wstring(item.name)] = {item.attributes, item.details.size, item.details.modified};
        return true;
    }
};

std::map<std::wstring, Seen> listWith(Win32FolderReader& reader, const std::wstring& folder) {
    Collect sink;
    reader.listItems(folder, sink);
    return sink.items;
}

// A junction at `link` (an empty folder) to `target`; false where the
// system cannot make one (Wine 8 has no reparse points of its own).
bool makeJunction(const std::wstring& link, const std::wstring& target) {
    HANDLE h = ::CreateFileW(filelist::withLongPathPrefix(link).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const std::wstring substitute = L"\\??\\" + target;
    const size_t subBytes = substitute.size() * sizeof(wchar_t);
    const size_t printBytes = target.size() * sizeof(wchar_t);
    std::vector<uint8_t> buffer(16 + subBytes + printBytes + 4, 0);
    auto put16 = [&](size_t at, size_t v) {
        buffer[at] = static_cast<uint8_t>(v);
        buffer[at + 1] = static_cast<uint8_t>(v >> 8);
    };
    const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
    std::memcpy(buffer.data(), &tag, 4);
    put16(4, buffer.size() - 8);    // data length
    put16(8, 0);                    // substitute name offset
    put16(10, subBytes);            // substitute name length
    put16(12, subBytes + 2);        // print name offset
    put16(14, printBytes);          // print name length
    std::memcpy(buffer.data() + 16, substitute.data(), subBytes);
    std::memcpy(buffer.data() + 16 + subBytes + 2, target.data(), printBytes);
    DWORD returned = 0;
    const BOOL ok = ::DeviceIoControl(h, FSCTL_SET_REPARSE_POINT, buffer.data(), static_cast<DWORD>(buffer.size()),
                                      nullptr, 0, &returned, nullptr);
    ::CloseHandle(h);
    return ok && (::GetFileAttributesW(filelist::withLongPathPrefix(link).c_str()) & kReparse) != 0;
}

// Where links cannot be made: a folder link the system already has. Wine
// shows the Unix symbolic links of its Z: drive (bin, lib on merged-usr
// systems) as reparse points.
std::wstring existingFolderLink() {
    WIN32_FIND_DATAW data{};
    HANDLE find = ::FindFirstFileW(L"Z:\\*", &data);
    if (find == INVALID_HANDLE_VALUE) return {};
    std::wstring found;
    do {
        const bool dot = std::wcscmp(data.cFileName, L".") == 0 || std::wcscmp(data.cFileName, L"..") == 0;
        if (!dot && (data.dwFileAttributes & (kReparse | FILE_ATTRIBUTE_DIRECTORY)) == (kReparse | FILE_ATTRIBUTE_DIRECTORY)) {
            found = data.cFileName;
        }
    } while (found.empty() && ::FindNextFileW(find, &data));
    ::FindClose(find);
    return found;
}

class BothReaders : public ::testing::TestWithParam<ReadMethod> {
protected:
    Win32FolderReader reader{GetParam()};

    void expectServedAsAsked() {
        EXPECT_EQ(reader.lastMethod(), GetParam()) << "the bulk read was refused";
    }
};

TEST_P(BothReaders, ReportsEveryItemWithItsData) {
    TempTree tree(L"reader");
    const std::wstring japanese = L"\u65e5\u672c\u8a9e\u30d5\u30a1\u30a4\u30eb \u5199\u771f.txt";
    const std::wstring longName = std::wstring(251, L'n') + L".txt";  // 255 characters
    const std::wstring deep = std::wstring(130, L'd') + L"\\" + std::wstring(130, L'e');
    ASSERT_TRUE(tree.folder(L"Sub"));
    ASSERT_TRUE(tree.folder(L"empty"));
    ASSERT_TRUE(tree.folder(deep.substr(0, 130)));
    ASSERT_TRUE(tree.folder(deep));
    ASSERT_TRUE(tree.file(japanese, 5));
    ASSERT_TRUE(tree.file(longName, 6));
    ASSERT_TRUE(tree.file(L"hidden.bin", 3, FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(tree.file(L"system.bin", 4, FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(tree.file(deep + L"\\inner.txt", 7));
    ASSERT_GE(tree.path(deep).size(), 260u);

    struct Row {
        std::wstring folder;  // relative to the tree; empty: the tree itself
        std::wstring name;
        uint32_t attributesSet;  // bits that must be on
        uint64_t size;
    };
    const std::vector<Row> rows = {
        {L"", L"..", FILE_ATTRIBUTE_DIRECTORY, 0},
        {L"", L"Sub", FILE_ATTRIBUTE_DIRECTORY, 0},
        {L"", L"empty", FILE_ATTRIBUTE_DIRECTORY, 0},
        {L"", deep.substr(0, 130), FILE_ATTRIBUTE_DIRECTORY, 0},
        {L"", japanese, 0, 5},
        {L"", longName, 0, 6},
        {L"", L"hidden.bin", FILE_ATTRIBUTE_HIDDEN, 3},
        {L"", L"system.bin", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY, 4},
        {deep, L"..", FILE_ATTRIBUTE_DIRECTORY, 0},
        {deep, L"inner.txt", 0, 7},
        {L"empty", L"..", FILE_ATTRIBUTE_DIRECTORY, 0},
    };
    // Every folder of the table holds exactly its rows plus ".".
    std::map<std::wstring, size_t> itemsPerFolder;
    for (const Row& row : rows) ++itemsPerFolder[row.folder];
    ++itemsPerFolder[L"Sub"];
    for (const auto& [folder, expectedCount] : itemsPerFolder) {
        const std::wstring path = folder.empty() ? tree.root() : tree.path(folder);
        const auto items = listWith(reader, path);
        expectServedAsAsked();
        EXPECT_EQ(items.size(), expectedCount + 1) << testing::PrintToString(path);
        EXPECT_TRUE(items.count(L".")) << testing::PrintToString(path);
        for (const Row& row : rows) {
            if (row.folder != folder) continue;
            SCOPED_TRACE(testing::PrintToString(row.name));
            ASSERT_TRUE(items.count(row.name));
            const Seen& seen = items.at(row.name);
            EXPECT_EQ(seen.attributes & row.attributesSet, row.attributesSet);
            if ((row.attributesSet & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                EXPECT_EQ(seen.size, row.size);
                // The times agree with the platform's own conversion.
                const auto direct = readFileAttributeData(path + L"\\" + row.name);
                ASSERT_TRUE(direct.has_value());
                EXPECT_EQ(seen.modified, direct->modified);
                EXPECT_EQ(seen.attributes, direct->attributes);
            }
        }
    }
    // Subfolder mode reads the same table in one descent (each folder read
    // while its parent's read is still open): every file once, under its
    // full path, with its depth and data.
    filelist::FolderListing flat(virtualAddressSpace());
    flat.subfolderMode = true;
    ASSERT_TRUE(flat.enumerate(reader, tree.root()));
    std::map<std::wstring, const filelist::FileEntry*> listed;
    for (int i = 0; i < flat.enumeratedCount(); ++i) listed[std::wstring(flat.loadedEntry(i).path())] = &flat.loadedEntry(i);
    size_t files = 0;
    for (const Row& row : rows) {
        if ((row.attributesSet & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
        ++files;
        const std::wstring full = row.folder.empty() ? tree.path(row.name) : tree.path(row.folder + L"\\" + row.name);
        SCOPED_TRACE(testing::PrintToString(full));
        ASSERT_TRUE(listed.count(full));
        EXPECT_EQ(listed.at(full)->size, row.size);
        EXPECT_EQ(listed.at(full)->kind, row.folder.empty() ? 0 : 2);
        EXPECT_EQ(listed.at(full)->attributes & row.attributesSet, row.attributesSet);
    }
    EXPECT_EQ(listed.size(), files);
}

TEST_P(BothReaders, BothReadersReportTheSameItems) {
    TempTree tree(L"same");
    for (int i = 0; i < 1500; ++i) ASSERT_TRUE(tree.file(L"file " + std::to_wstring(i) + L".txt", i % 7));
    Win32FolderReader other(GetParam() == ReadMethod::Bulk ? ReadMethod::Classic : ReadMethod::Bulk);
    const auto mine = listWith(reader, tree.root());
    expectServedAsAsked();
    const auto theirs = listWith(other, tree.root());
    ASSERT_EQ(mine.size(), 1502u);
    ASSERT_EQ(mine.size(), theirs.size());
    for (const auto& [name, seen] : mine) {
        ASSERT_TRUE(theirs.count(name)) << testing::PrintToString(name);
        EXPECT_EQ(seen.attributes, theirs.at(name).attributes);
        EXPECT_EQ(seen.size, theirs.at(name).size);
        EXPECT_EQ(seen.modified, theirs.at(name).modified);
    }
}

TEST_P(BothReaders, LinksAreReportedAsLinksAndNotFollowedInSubfolderMode) {
    TempTree tree(L"links");
    ASSERT_TRUE(tree.folder(L"real"));
    ASSERT_TRUE(tree.file(L"real\\t.txt", 1));
    ASSERT_TRUE(tree.folder(L"link"));
    std::wstring folder = tree.root();
    std::wstring link = L"link";
    const bool made = makeJunction(tree.path(L"link"), tree.path(L"real"));
    if (!made) {
        link = existingFolderLink();
        if (link.empty()) GTEST_SKIP() << "no folder link can be made or found here";
        folder = L"Z:\\";
    }
    const auto items = listWith(reader, folder);
    expectServedAsAsked();
    ASSERT_TRUE(items.count(link)) << testing::PrintToString(link);
    EXPECT_EQ(items.at(link).attributes & (kReparse | FILE_ATTRIBUTE_DIRECTORY), kReparse | FILE_ATTRIBUTE_DIRECTORY);
    if (!made) return;
    // Subfolder mode lists the file once, through the real folder only.
    filelist::FolderListing listing(virtualAddressSpace());
    listing.subfolderMode = true;
    ASSERT_TRUE(listing.enumerate(reader, tree.root()));
    ASSERT_EQ(listing.enumeratedCount(), 1);
    EXPECT_EQ(listing.loadedEntry(0).path(), tree.path(L"real\\t.txt"));
}

// Deletes the folder being read at the first item it reports.
class Vanish final : public filelist::ItemSink {
public:
    Vanish(TempTree& tree, std::wstring folder, int files) : tree_(tree), folder_(std::move(folder)), files_(files) {}
    int reported = 0;
    bool removed = false;
    bool take(const FoundItem&) override {
        if (reported++ == 0) {
            for (int i = 0; i < files_; ++i) ::DeleteFileW(tree_.path(folder_ + L"\\v" + std::to_wstring(i)).c_str());
            ::SetCurrentDirectoryW(tree_.root().c_str());
            removed = ::RemoveDirectoryW(tree_.path(folder_).c_str()) != FALSE;
        }
        return true;
    }

private:
    TempTree& tree_;
    std::wstring folder_;
    int files_;
};

TEST_P(BothReaders, AFolderThatVanishesWhileReadEndsTheRead) {
    TempTree tree(L"vanish");
    constexpr int kFiles = 1500;  // more than one bulk buffer holds
    ASSERT_TRUE(tree.folder(L"gone"));
    for (int i = 0; i < kFiles; ++i) ASSERT_TRUE(tree.file(L"gone\\v" + std::to_wstring(i)));
    Vanish sink(tree, L"gone", kFiles);
    reader.listItems(tree.path(L"gone"), sink);
    EXPECT_GE(sink.reported, 1);
    EXPECT_LE(sink.reported, kFiles + 2);
    // The bulk reader shares its handle for deletion. Wine's search handle
    // does not, so there only the items vanish during a classic read.
    if (GetParam() == ReadMethod::Bulk) {
        EXPECT_TRUE(sink.removed);
    }
    if (!sink.removed) ::RemoveDirectoryW(tree.path(L"gone").c_str());
    EXPECT_EQ(::GetFileAttributesW(tree.path(L"gone").c_str()), INVALID_FILE_ATTRIBUTES);
    // Read again, the folder has nothing to report and the reader goes on.
    EXPECT_TRUE(listWith(reader, tree.path(L"gone")).empty());
    EXPECT_EQ(listWith(reader, tree.root()).size(), 2u);  // "." and ".."
}

INSTANTIATE_TEST_SUITE_P(Win32FolderReader, BothReaders,
                         ::testing::Values(ReadMethod::Bulk, ReadMethod::Classic),
                         [](const ::testing::TestParamInfo<ReadMethod>& info) {
                             return info.param == ReadMethod::Bulk ? "Bulk" : "Classic";
                         });

TEST(Win32FolderReader, OpensLongFoldersThroughTheLongForm) {
    EXPECT_EQ(openablePath(L"C:\\x"), L"C:\\x");
    const std::wstring deep = L"C:\\" + std::wstring(300, L'a');
    EXPECT_EQ(openablePath(deep), L"\\\\?\\" + deep);
    EXPECT_EQ(openablePath(L"\\\\?\\" + deep), L"\\\\?\\" + deep);
    EXPECT_EQ(openablePath(L"\\\\srv\\" + std::wstring(300, L's')), L"\\\\?\\UNC\\srv\\" + std::wstring(300, L's'));
}

}  // namespace
}  // namespace tarvelo::platform
