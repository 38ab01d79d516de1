#include "filelist/view_restore.h"

#include <gtest/gtest.h>

#include "support/fake_entry_sequence.h"

namespace tarvelo::filelist {
namespace {

using test::FakeEntrySequence;

TEST(ViewRestore, PendingTopAndRow) {
    struct Case {
        int count, lastRow, pendingTop, pendingRow;
        int wantTop, wantRow;
    };
    const Case cases[] = {
        {100, 20, 50, 9, 50, 9},   // reload keeps page and row
        {100, 20, 90, 9, 79, 9},   // the last page ends on the last entry
        {5, 20, 50, 9, 0, 4},      // entries deleted: all fit, cursor on the last entry
        {22, 20, 5, 15, 1, 15},
        {100, 20, 0, 3, 0, 3},
        {100, 5, 50, 9, 50, 5},    // window shrank during the load: row kept on the page
        {100, 20, -1, -1, 0, 0},   // nothing pending: untouched
    };
    for (const Case& k : cases) {
        auto seq = FakeEntrySequence::filesOnly(k.count);
        ListCursor c{0, 0, k.lastRow};
        int top = k.pendingTop;
        int row = k.pendingRow;
        std::wstring focus;
        restoreView(c, top, row, focus, seq);
        EXPECT_EQ(c.topIndex, k.wantTop) << k.count << " " << k.pendingTop << "," << k.pendingRow;
        EXPECT_EQ(c.cursorRow, k.wantRow) << k.count << " " << k.pendingTop << "," << k.pendingRow;
        EXPECT_EQ(top, -1);
        EXPECT_EQ(row, -1);
    }
}

TEST(ViewRestore, FocusPathOnAndOffThePage) {
    struct Case {
        int pendingTop;
        const wchar_t* focus;
        int wantTop, wantRow;
    };
    // 60 files f00..f59, ten rows a page.
    const Case cases[] = {
        {-1, L"C:\\d\\f03", 0, 3},
        {-1, L"C:\\d\\f25", 16, 9},   // off the first page: at the bottom of its page
        {20, L"C:\\d\\f25", 20, 5},   // on the restored page: only the row moves
        {20, L"C:\\d\\f35", 26, 9},   // below the restored page
        {30, L"C:\\d\\f25", 16, 9},   // above the restored page
        {3, L"C:\\d\\f05", 3, 2},     // on page, among the first rows
        {3, L"C:\\d\\f02", 0, 2},     // above the page, among the first rows
        {-1, L"C:\\d\\f05\\..", 0, 5},  // "\.." removed first
        {20, L"C:\\d\\gone", 20, 0},  // not found: the cursor stays
        {20, L"c:\\d\\f25", 20, 0},   // exact comparison, letter case included
    };
    for (const Case& k : cases) {
        auto seq = FakeEntrySequence::filesOnly(60);
        ListCursor c{0, 0, 9};
        int top = k.pendingTop;
        int row = -1;
        std::wstring focus = k.focus;
        restoreView(c, top, row, focus, seq);
        EXPECT_EQ(c.topIndex, k.wantTop) << k.pendingTop << " " << k.focus;
        EXPECT_EQ(c.cursorRow, k.wantRow) << k.pendingTop << " " << k.focus;
        EXPECT_TRUE(focus.empty());
    }
}

TEST(ViewRestore, GoingUpLandsOnTheFolderLeft) {
    FakeEntrySequence seq;
    seq.add(L"C:\\a\\..", kKindParent, 0);
    for (int i = 0; i < 30; ++i) seq.add(L"C:\\a\\dir" + std::to_wstring(100 + i), kKindFolder, 0);
    seq.add(L"C:\\a\\b", kKindFolder, 0);  // display index 31
    ListCursor c{0, 0, 9};
    int top = -1, row = -1;
    std::wstring focus = L"C:\\a\\b";
    restoreView(c, top, row, focus, seq);
    EXPECT_EQ(c.cursorIndex(), 31);
    EXPECT_EQ(c.topIndex, 22);
}

TEST(ViewRestore, EmptyListingKeepsTheRequests) {
    FakeEntrySequence empty;
    ListCursor c{0, 0, 9};
    int top = 4, row = 2;
    std::wstring focus = L"C:\\x";
    restoreView(c, top, row, focus, empty);
    EXPECT_EQ(top, 4);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(focus, L"C:\\x");
}

TEST(ViewRestore, ParentSteps) {
    struct Case {
        const wchar_t* path;
        bool has;
        const wchar_t* removed;
    };
    const Case cases[] = {
        {L"C:\\a\\..", true, L"C:\\a"},
        {L"C:\\a\\..\\b\\..", true, L"C:\\a\\b"},
        {L"C:\\a\\..old", false, L"C:\\a\\..old"},
        {L"C:\\a\\b", false, L"C:\\a\\b"},
        {L"", false, L""},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(hasParentStep(k.path), k.has) << k.path;
        EXPECT_EQ(removeParentSteps(k.path), k.removed) << k.path;
    }
}

constexpr uint32_t kDrivesCD = (1u << 2) | (1u << 3);

TEST(DriveMemory, RoundTripReturnsToTheRememberedPlace) {
    DriveMemory memory;
    memory.noteLoad(L"C:\\work", kDrivesCD);

    auto toD = memory.switchTo(4, L"D:\\", L"C:\\work", kDrivesCD, ListCursor{5, 3, 9},
                               L"C:\\work\\x.txt");
    ASSERT_TRUE(toD);
    EXPECT_EQ(toD->currentFolder, L"D:\\");  // first visit: the root
    EXPECT_EQ(toD->focusPath, L"");
    EXPECT_EQ(toD->pendingTop, -1);
    EXPECT_EQ(toD->pendingRow, -1);

    memory.noteLoad(L"D:\\music", kDrivesCD);  // moved on inside D:
    auto toC = memory.switchTo(3, L"C:\\", L"D:\\music", kDrivesCD, ListCursor{0, 2, 9},
                               L"D:\\music\\song");
    ASSERT_TRUE(toC);
    EXPECT_EQ(toC->currentFolder, L"C:\\work");
    EXPECT_EQ(toC->focusPath, L"C:\\work\\x.txt");
    EXPECT_EQ(toC->pendingTop, 5);
    EXPECT_EQ(toC->pendingRow, 3);

    auto backToD = memory.switchTo(4, L"D:\\", L"C:\\work", kDrivesCD, ListCursor{}, L"");
    ASSERT_TRUE(backToD);
    EXPECT_EQ(backToD->currentFolder, L"D:\\music");
    EXPECT_EQ(backToD->focusPath, L"D:\\music\\song");
    EXPECT_EQ(backToD->pendingRow, 2);
}

TEST(DriveMemory, RefusedSwitchesRememberNothing) {
    DriveMemory memory;
    const ListCursor c{1, 1, 9};
    EXPECT_FALSE(memory.switchTo(5, L"", L"C:\\work", kDrivesCD, c, L"C:\\work\\a"));  // absent
    EXPECT_FALSE(memory.switchTo(5, L"E", L"C:\\work", kDrivesCD, c, L"C:\\work\\a"));
    EXPECT_FALSE(memory.switchTo(0, L"C:\\", L"C:\\work", kDrivesCD, c, L""));
    EXPECT_FALSE(memory.switchTo(27, L"C:\\", L"C:\\work", kDrivesCD, c, L""));
    EXPECT_TRUE(memory.slot(3)->folder.empty());
    EXPECT_EQ(memory.slot(0), nullptr);
    EXPECT_EQ(memory.slot(27), nullptr);
}

TEST(DriveMemory, DriveOfAFolder) {
    struct Case {
        const wchar_t* folder;
        uint32_t present;
        int want;
    };
    const Case cases[] = {
        {L"C:\\a", kDrivesCD, 3},
        {L"c:\\a", kDrivesCD, 3},              // drive letters ignore case
        {L"\\\\?\\D:\\long", kDrivesCD, 4},
        {L"\\\\server\\share", kDrivesCD, 0},
        {L"Z:\\", 1u << 25, 26},
    };
    for (const Case& k : cases) EXPECT_EQ(driveOfFolder(k.folder, k.present), k.want) << k.folder;
}

}  // namespace
}  // namespace tarvelo::filelist
