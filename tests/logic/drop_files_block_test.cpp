#include "filelist/drop_files_block.h"

#include <gtest/gtest.h>

#include "support/fake_entry_sequence.h"

namespace tarvelo::filelist {
namespace {

using Bytes = std::vector<uint8_t>;
using test::FakeEntrySequence;

const Bytes kHeader = {20, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,  1, 0, 0, 0};

Bytes withHeader(std::initializer_list<uint8_t> list) {
    Bytes b = kHeader;
    b.insert(b.end(), list);
    return b;
}

TEST(DropFilesBlock, HeaderThenTerminatedPathsThenEmptyString) {
    EXPECT_EQ(buildDropFilesBlock({L"C:\\a.txt", L"D:\\b"}),
              withHeader({'C', 0, ':', 0, '\\', 0, 'a', 0, '.', 0, 't', 0, 'x', 0, 't', 0, 0, 0,
                          'D', 0, ':', 0, '\\', 0, 'b', 0, 0, 0,
                          0, 0}));
}

TEST(DropFilesBlock, JapaneseAndSupplementaryCharacters) {
    // U+65E5 U+672C, then U+1F600 as the pair D83D DE00.
    EXPECT_EQ(buildDropFilesBlock({L"C:\\\u65E5\u672C", L"\U0001F600"}),
              withHeader({'C', 0, ':', 0, '\\', 0, 0xE5, 0x65, 0x2C, 0x67, 0, 0,
                          0x3D, 0xD8, 0x00, 0xDE, 0, 0,
                          0, 0}));
}

TEST(DropFilesBlock, LongPathIsKeptWhole) {
    std::wstring path = L"C:\\";
    while (path.size() < 300) path += L"\u5199";
    const Bytes block = buildDropFilesBlock({path});
    ASSERT_EQ(block.size(), kDropFilesHeaderSize + 301 * 2 + 2);
    EXPECT_EQ(block[kDropFilesHeaderSize + 299 * 2], 0x99);
    EXPECT_EQ(block[kDropFilesHeaderSize + 299 * 2 + 1], 0x51);
    for (size_t i = block.size() - 4; i < block.size(); ++i) EXPECT_EQ(block[i], 0) << i;
}

TEST(DropFilesBlock, PathsThatWouldEndTheListEarly) {
    std::wstring embedded = L"C:\\x";
    embedded += L'\0';
    embedded += L"tail";
    EXPECT_EQ(buildDropFilesBlock({L"", embedded}),
              withHeader({'C', 0, ':', 0, '\\', 0, 'x', 0, 0, 0, 0, 0}));
    EXPECT_TRUE(buildDropFilesBlock({}).empty());
    EXPECT_TRUE(buildDropFilesBlock({L""}).empty());
}

TEST(DraggedPaths, SelectionCursorOrParentFolder) {
    auto seq = FakeEntrySequence::withParent(4);  // C:\d\.., f00..f03
    // Selected entries in display order; a stray parent mark is not dragged.
    seq.select("x.x.x");
    EXPECT_EQ(draggedPaths(seq, ListCursor{0, 1, 9}),
              (std::vector<std::wstring>{L"C:\\d\\f01", L"C:\\d\\f03"}));

    seq.select(".....");
    EXPECT_EQ(draggedPaths(seq, ListCursor{0, 3, 9}), (std::vector<std::wstring>{L"C:\\d\\f02"}));
    EXPECT_EQ(draggedPaths(seq, ListCursor{0, 0, 9}), (std::vector<std::wstring>{L"C:\\d"}));

    FakeEntrySequence empty;
    EXPECT_TRUE(draggedPaths(empty, ListCursor{}).empty());
}

}  // namespace
}  // namespace tarvelo::filelist
