#include "filelist/clipboard_text.h"

#include <gtest/gtest.h>

#include "support/fake_entry_sequence.h"

namespace tarvelo::filelist {
namespace {

using test::FakeEntrySequence;

FakeEntrySequence sample() {
    FakeEntrySequence seq;
    seq.add(L"C:\\w\\..", kKindParent, 0)
        .add(L"C:\\w\\sub", kKindFolder, 0)
        .add(L"C:\\w\\\u5199\u771F.jpg")
        .add(L"C:\\w\\archive.tar.gz")
        .add(L"C:\\w\\.profile");
    return seq;
}

TEST(ClipboardText, SelectedEntriesInDisplayOrderEachWithALineBreak) {
    auto seq = sample();
    seq.select("..x.x");
    const ListCursor c{0, 1, 9};
    EXPECT_EQ(copyFilenameText(seq, c), L"\u5199\u771F.jpg\r\n.profile\r\n");
    EXPECT_EQ(copyFullpathText(seq, c), L"C:\\w\\\u5199\u771F.jpg\r\nC:\\w\\.profile\r\n");
}

TEST(ClipboardText, CursorEntryAloneWithoutALineBreak) {
    auto seq = sample();
    struct Case {
        int row;
        const wchar_t* name;
        const wchar_t* path;
    };
    const Case cases[] = {
        {3, L"archive.tar.gz", L"C:\\w\\archive.tar.gz"},
        {1, L"sub", L"C:\\w\\sub"},
        {0, L"..", L"C:\\w\\.."},
        {7, L"", L""},  // no cursor entry: nothing
    };
    for (const Case& k : cases) {
        const ListCursor c{0, k.row, 9};
        EXPECT_EQ(copyFilenameText(seq, c), k.name) << k.row;
        EXPECT_EQ(copyFullpathText(seq, c), k.path) << k.row;
    }
    FakeEntrySequence empty;
    EXPECT_EQ(copyFullpathText(empty, ListCursor{}), L"");
}

}  // namespace
}  // namespace tarvelo::filelist
