#include "filelist/list_cursor.h"

#include <gtest/gtest.h>

#include "support/fake_entry_sequence.h"

namespace tarvelo::filelist {
namespace {

using test::FakeEntrySequence;

struct Move {
    int count, lastRow, top, row;
    int wantTop, wantRow;
};

TEST(ListCursor, SingleRowDown) {
    const Move cases[] = {
        {10, 4, 0, 0, 0, 1},  // within the first page
        {10, 4, 0, 4, 1, 4},  // past the page: the list scrolls to 1
        {10, 4, 4, 4, 5, 4},  // reaches the last page
        {10, 4, 5, 4, 5, 4},  // last entry: stays
        {10, 4, 5, 3, 5, 4},
        {3, 4, 0, 2, 0, 2},   // short list: not beyond the last entry
        {2, 0, 0, 0, 1, 0},   // one-row page
        {1, 0, 0, 0, 0, 0},
        {8, 9, 3, 4, 3, 4},   // page larger than what is left: cursor on the last entry stays
        {8, 9, 3, 2, 3, 3},
    };
    for (const Move& m : cases) {
        ListCursor c{m.top, m.row, m.lastRow};
        moveDown(c, m.count);
        EXPECT_EQ(c.topIndex, m.wantTop) << m.count << "/" << m.lastRow << " " << m.top << "," << m.row;
        EXPECT_EQ(c.cursorRow, m.wantRow) << m.count << "/" << m.lastRow << " " << m.top << "," << m.row;
    }
}

TEST(ListCursor, SingleRowUp) {
    const Move cases[] = {
        {10, 4, 0, 3, 0, 2},
        {10, 4, 0, 0, 0, 0},  // first entry: stays
        {10, 4, 2, 3, 2, 2},  // scrolled, not on the top row: the row moves
        {10, 4, 2, 0, 1, 0},  // scrolled, top row: the page moves
        {10, 4, 1, 0, 0, 0},
    };
    for (const Move& m : cases) {
        ListCursor c{m.top, m.row, m.lastRow};
        moveUp(c, m.count);
        EXPECT_EQ(c.topIndex, m.wantTop) << m.top << "," << m.row;
        EXPECT_EQ(c.cursorRow, m.wantRow) << m.top << "," << m.row;
    }
}

TEST(ListCursor, EmptyListIgnoresEveryMove) {
    FakeEntrySequence empty;
    ListCursor c{0, 0, 5};
    EXPECT_FALSE(moveDown(c, 0));
    EXPECT_FALSE(moveUp(c, 0));
    keyHome(c, empty, true);
    keyEnd(c, empty, true);
    keySpace(c, empty);
    keyPageDown(c, empty, true);
    EXPECT_FALSE(clickRow(c, empty, 0, true, false));
    wheelDown(c, 0);
    EXPECT_EQ(c.topIndex, 0);
    EXPECT_EQ(c.cursorRow, 0);
}

TEST(ListCursor, ShiftDownThenShiftUpLeavesBothUnselected) {
    auto seq = FakeEntrySequence::filesOnly(10);
    ListCursor c{0, 3, 8};
    keyDown(c, seq, true);
    EXPECT_EQ(c.cursorIndex(), 4);
    EXPECT_EQ(seq.selection(), "...x......");  // Down toggled the entry it left
    keyUp(c, seq, true);
    EXPECT_EQ(c.cursorIndex(), 3);
    EXPECT_EQ(seq.selection(), "..........");  // Up toggled the entry it reached

    ListCursor last{0, 9, 12};  // a step that cannot move toggles nothing
    keyDown(last, seq, true);
    EXPECT_EQ(seq.selection(), "..........");
}

TEST(ListCursor, ShiftSelectionSkipsTheParentEntry) {
    auto seq = FakeEntrySequence::withParent(4);
    ListCursor c{0, 0, 8};
    keyDown(c, seq, true);  // leaves the parent entry
    keyDown(c, seq, true);
    EXPECT_EQ(seq.selection(), ".x...");
    keyUp(c, seq, true);
    keyUp(c, seq, true);  // reaches the parent entry
    EXPECT_EQ(seq.selection(), ".....");
    EXPECT_EQ(c.cursorIndex(), 0);
}

TEST(ListCursor, PagingStepsAndTogglesPerStep) {
    struct Case {
        int count, lastRow, startRow;
        void (*key)(ListCursor&, EntrySequence&, bool);
        int wantIndex;
        const char* wantSelection;
    };
    const Case cases[] = {
        {12, 4, 0, keyPageDown, 4, "xxxx........"},
        {12, 4, 0, keyRight, 2, "xx.........."},  // half of lastRow
        {6, 4, 3, keyPageDown, 5, "...xx."},       // stops at the end: the last entry is not toggled
        {12, 4, 4, keyPageUp, 0, "xxxx........"},  // Up toggles the entries it reaches
        {12, 4, 3, keyLeft, 1, ".xx........."},
        {12, 0, 0, keyPageDown, 1, "x..........."},  // one-row page still pages by one
        {12, 1, 0, keyRight, 1, "x..........."},
    };
    for (const Case& k : cases) {
        auto seq = FakeEntrySequence::filesOnly(k.count);
        ListCursor c{0, k.startRow, k.lastRow};
        k.key(c, seq, true);
        EXPECT_EQ(c.cursorIndex(), k.wantIndex) << k.wantSelection;
        EXPECT_EQ(seq.selection(), k.wantSelection);
    }
}

TEST(ListCursor, HomeAndEnd) {
    auto seq = FakeEntrySequence::withParent(9);  // 10 entries
    ListCursor c{3, 2, 4};                        // cursor on 5
    keyHome(c, seq, true);
    EXPECT_EQ(seq.selection(), ".xxxxx....");  // 5 back to 1; the parent entry skipped
    EXPECT_EQ(c.topIndex, 0);
    EXPECT_EQ(c.cursorRow, 0);

    seq.select("..........");
    c = ListCursor{0, 2, 4};
    keyEnd(c, seq, true);
    EXPECT_EQ(seq.selection(), "..xxxxxxxx");  // cursor to the last, both included
    EXPECT_EQ(c.topIndex, 5);
    EXPECT_EQ(c.cursorRow, 4);

    auto one = FakeEntrySequence::filesOnly(1);
    ListCursor single{0, 0, 4};
    keyEnd(single, one, false);
    EXPECT_EQ(single.topIndex, 0);
    EXPECT_EQ(single.cursorRow, 0);

    auto shortList = FakeEntrySequence::filesOnly(3);
    ListCursor s{0, 0, 9};
    keyEnd(s, shortList, false);
    EXPECT_EQ(s.topIndex, 0);
    EXPECT_EQ(s.cursorRow, 2);
}

TEST(ListCursor, SpaceTogglesThenMovesDown) {
    auto seq = FakeEntrySequence::withParent(2);
    ListCursor c{0, 0, 8};
    keySpace(c, seq);  // parent entry: not selected, the cursor still moves
    EXPECT_EQ(seq.selection(), "...");
    EXPECT_EQ(c.cursorIndex(), 1);
    keySpace(c, seq);
    keySpace(c, seq);  // last entry: toggled, the cursor stays
    EXPECT_EQ(seq.selection(), ".xx");
    EXPECT_EQ(c.cursorIndex(), 2);
    keySpace(c, seq);
    EXPECT_EQ(seq.selection(), ".x.");
}

TEST(ListCursor, WheelMovesHalfAPage) {
    ListCursor c{0, 0, 4};  // five rows: two per notch
    wheelDown(c, 20);
    EXPECT_EQ(c.cursorIndex(), 2);
    wheelUp(c, 20);
    EXPECT_EQ(c.cursorIndex(), 0);

    ListCursor nearEnd{0, 5, 9};
    wheelDown(nearEnd, 7);  // stops at the last entry
    EXPECT_EQ(nearEnd.cursorIndex(), 6);

    ListCursor oneRow{0, 0, 0};  // fewer than two rows fit: nothing
    wheelDown(oneRow, 20);
    EXPECT_EQ(oneRow.cursorIndex(), 0);
}

TEST(ListCursor, RowUnderThePointer) {
    const ListCursor c{10, 0, 4};
    struct Case {
        int y, count, want;
    };
    const Case cases[] = {
        {58, 100, 0}, {59, 100, 1},
        {38 + 5 * 21, 100, -1},  // below the page
        {37, 100, -1},           // header
        {38 + 2 * 21, 12, -1},   // past the last entry
    };
    for (const Case& k : cases) EXPECT_EQ(rowAtY(k.y, 38, 21, c, k.count), k.want) << k.y;
}

TEST(ListCursor, Clicks) {
    // Shift+click from the last entry up to the first toggles all of them.
    auto seq = FakeEntrySequence::filesOnly(5);
    seq.select("..x..");
    ListCursor c{0, 4, 9};
    ASSERT_TRUE(clickRow(c, seq, 0, true, false));
    EXPECT_EQ(seq.selection(), "xx.xx");
    EXPECT_EQ(c.cursorIndex(), 0);

    // Shift wins over Ctrl; the parent entry is skipped.
    auto withParent = FakeEntrySequence::withParent(4);
    ListCursor p{0, 3, 9};
    ASSERT_TRUE(clickRow(p, withParent, 0, true, true));
    EXPECT_EQ(withParent.selection(), ".xxx.");

    // Ctrl toggles only the clicked entry; a plain click only moves.
    auto plain = FakeEntrySequence::filesOnly(6);
    ListCursor q{2, 0, 3};
    ASSERT_TRUE(clickRow(q, plain, 1, false, true));
    EXPECT_EQ(plain.selection(), "...x..");
    ASSERT_TRUE(clickRow(q, plain, 3, false, false));
    EXPECT_EQ(q.cursorIndex(), 5);
    EXPECT_EQ(plain.selection(), "...x..");

    // A row without an entry changes nothing.
    EXPECT_FALSE(clickRow(q, plain, 4, true, false));  // beyond lastRow
    ListCursor r{0, 1, 9};
    EXPECT_FALSE(clickRow(r, plain, 6, true, false));   // past the last entry
    EXPECT_EQ(r.cursorRow, 1);

    // Right press: the row becomes the cursor row; Ctrl toggles it.
    ListCursor rp{0, 0, 9};
    ASSERT_TRUE(rightPressRow(rp, withParent, 2, true));
    EXPECT_EQ(rp.cursorRow, 2);
    EXPECT_EQ(withParent.selection(), ".x.x.");
    ASSERT_TRUE(rightPressRow(rp, withParent, 0, true));  // parent entry: not toggled
    EXPECT_EQ(withParent.selection(), ".x.x.");
}

TEST(ListCursor, OpeningTheCursorEntry) {
    auto seq = FakeEntrySequence::withParent(0);
    seq.add(L"C:\\d\\sub", kKindFolder, 0).add(L"C:\\d\\..old", kKindFolder, 0);
    seq.add(L"C:\\d\\file.txt", kKindFile, 0).add(L"C:\\d\\big.bin", kKindFile, 10);
    struct Case {
        int index;
        bool entered, subfolderMode, doubleClick;
        OpenOutcome want;
    };
    const Case cases[] = {
        {0, true, false, false, OpenOutcome::PostParentFolder},
        {1, true, false, false, OpenOutcome::EnterFolder},
        {2, true, false, false, OpenOutcome::EnterFolder},  // "..old" is a folder name
        {1, false, false, false, OpenOutcome::AccessDenied},
        {0, false, false, true, OpenOutcome::AccessDenied},
        {3, false, false, false, OpenOutcome::Preview},     // empty file: kind 0
        {3, false, false, true, OpenOutcome::ToggleSelection},
        {4, false, false, false, OpenOutcome::Preview},
        {1, false, true, false, OpenOutcome::Preview},      // subfolder mode: all files
    };
    for (const Case& k : cases)
        EXPECT_EQ(decideOpen(seq.entryAt(k.index), k.entered, k.subfolderMode, k.doubleClick), k.want)
            << k.index;

    EXPECT_EQ(doubleClickAction(true, true), DoubleClickAction::PostOpen);
    EXPECT_EQ(doubleClickAction(false, true), DoubleClickAction::PostEdit);
    EXPECT_EQ(doubleClickAction(false, false), DoubleClickAction::OpenEntry);
}

}  // namespace
}  // namespace tarvelo::filelist
