#include "filelist/sort_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "filelist/load_rules.h"
#include "support/fake_folder_reader.h"

namespace tarvelo::filelist {
namespace {

constexpr ListView kMulti = ListView::MultiColumn;
constexpr ListView kThree = ListView::ThreeTimes;

TEST(SortRules, TabWrapsAtTheViewsLastColumn) {
    struct Case {
        ListView view;
        int from;
        int next;
        int previous;
    };
    const Case cases[] = {
        {kMulti, 0, 1, 5}, {kMulti, 4, 5, 3}, {kMulti, 5, 0, 4}, {kMulti, 6, 0, 5},
        {kThree, 0, 1, 6}, {kThree, 5, 6, 4}, {kThree, 6, 0, 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nextSortColumn(c.from, c.view), c.next) << int(c.view) << " " << c.from;
        EXPECT_EQ(previousSortColumn(c.from, c.view), c.previous) << int(c.view) << " " << c.from;
    }
}

TEST(SortRules, ViewSwitchKeepsTheColumnsMeaning) {
    const int multiToThree[] = {0, 1, 1, 2, 4, 6};
    const int threeToMulti[] = {0, 1, 3, 4, 4, 4, 5};
    for (int c = 0; c < 6; ++c) EXPECT_EQ(columnAfterViewSwitch(c, kMulti), multiToThree[c]) << c;
    for (int c = 0; c < 7; ++c) EXPECT_EQ(columnAfterViewSwitch(c, kThree), threeToMulti[c]) << c;
    EXPECT_EQ(columnAfterViewSwitch(6, kMulti), 1);
    EXPECT_EQ(columnAfterViewSwitch(-1, kMulti), 1);
    EXPECT_EQ(columnAfterViewSwitch(7, kThree), 1);
}

class SortCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        reader.addFile(L"C:\\d", L"b.txt", 1);
        reader.addFile(L"C:\\d", L"a.zip", 2);
        listing.currentFolder = L"C:\\d";
        listing.enumerate(reader, L"C:\\d");
        listing.fillDetails(reader);
        listing.sort(listing.sortItem, kMulti);
        listing.markLoaded();
    }
    std::wstring order() const {
        std::wstring s;
        for (int i = 1; i < listing.count(); ++i) s += listing.entryAt(i).fullPath[5];
        return s;
    }
    test::FakeFolderReader reader;
    FolderListing listing;
};

TEST_F(SortCommandsTest, HeaderClickReversesTheCurrentColumnAndKeepsTheDirectionForOthers) {
    listing.sortItem = 1;
    listing.sort(1, kMulti);
    EXPECT_EQ(order(), L"ab");
    EXPECT_TRUE(applyHeaderClick(listing, 1, kMulti));
    EXPECT_EQ(listing.sortMode, 1);
    EXPECT_EQ(order(), L"ba");
    EXPECT_TRUE(applyHeaderClick(listing, 2, kMulti));  // extension, still descending
    EXPECT_EQ(listing.sortItem, 2);
    EXPECT_EQ(listing.sortMode, 1);
    EXPECT_EQ(order(), L"ab");  // .zip before .txt descending
}

TEST_F(SortCommandsTest, HeaderClickOnAnIncompleteListingOnlyFlips) {
    listing.sortItem = 3;
    listing.clear();
    EXPECT_FALSE(applyHeaderClick(listing, 3, kMulti));
    EXPECT_EQ(listing.sortMode, 1);
    EXPECT_FALSE(applyHeaderClick(listing, 1, kMulti));
    EXPECT_EQ(listing.sortItem, 3);  // the column changes only on a complete listing
}

TEST_F(SortCommandsTest, TabThenTheRecordedClickKeepsTheDirection) {
    listing.sortItem = 5;
    listing.sortMode = 1;
    const int column = sortColumnKey(listing, kMulti, false);
    EXPECT_EQ(column, 0);
    EXPECT_EQ(listing.sortMode, 0);
    applyHeaderClick(listing, column, kMulti);  // the paint after the key
    EXPECT_EQ(listing.sortItem, 0);
    EXPECT_EQ(listing.sortMode, 1);

    listing.sortItem = 0;
    listing.sortMode = 0;
    const int back = sortColumnKey(listing, kThree, true);
    EXPECT_EQ(back, 6);
    applyHeaderClick(listing, back, kThree);
    EXPECT_EQ(listing.sortItem, 6);
    EXPECT_EQ(listing.sortMode, 0);
}

TEST_F(SortCommandsTest, CtrlTabFlipsAndSortsAtOnce) {
    listing.sortItem = 3;  // size: b (1) then a (2)
    listing.sortMode = 0;
    listing.sort(3, kMulti);
    EXPECT_EQ(order(), L"ba");
    EXPECT_TRUE(flipSortDirection(listing, kMulti));
    EXPECT_EQ(listing.sortMode, 1);
    EXPECT_EQ(order(), L"ab");
}

TEST_F(SortCommandsTest, ViewSwitchRecordsTheMappedColumnSameDirection) {
    listing.sortItem = 3;  // multi-column size
    listing.sortMode = 0;
    const int column = sortColumnForViewSwitch(listing, kMulti);
    EXPECT_EQ(column, 2);  // three-times size
    applyHeaderClick(listing, column, kThree);
    EXPECT_EQ(listing.sortItem, 2);
    EXPECT_EQ(listing.sortMode, 0);
    // The same on a listing that is not complete: the click still flips back.
    listing.clear();
    applyHeaderClick(listing, sortColumnForViewSwitch(listing, kThree), kMulti);
    EXPECT_EQ(listing.sortItem, 3);
    EXPECT_EQ(listing.sortMode, 0);
}

TEST(LoadRules, FolderAndStartup) {
    EXPECT_TRUE(folderCanBeEnumerated(L"C:\\x"));
    EXPECT_TRUE(folderCanBeEnumerated(L"\\\\srv\\share"));
    EXPECT_FALSE(folderCanBeEnumerated(L""));
    EXPECT_FALSE(folderCanBeEnumerated(L"relative"));
    EXPECT_EQ(startupAction(L"C:\\x", true), StartupAction::ListFolder);
    EXPECT_EQ(startupAction(L"C:\\gone", false), StartupAction::SelectFolder);
    EXPECT_EQ(startupAction(L"", false), StartupAction::Nothing);
    EXPECT_EQ(startupAction(L"nowhere", true), StartupAction::Nothing);
}

TEST(LoadRules, ProgressTimerTicks) {
    struct Case {
        bool complete;
        bool busy;
        uint8_t thread;
        int enumerated;
        int filled;
        bool kill, draw;
        int pause;
        bool rearm;
    };
    const Case cases[] = {
        {true, false, 1, 10, 10, true, true, 50, false},    // complete, thread still finishing
        {true, false, 0, 10, 10, true, false, 0, false},    // complete, thread gone
        {true, true, 1, 10, 10, true, false, 0, false},     // busy: no drawing
        {false, false, 1, 10, 4, false, true, 0, true},     // filling
        {false, true, 1, 10, 4, false, false, 0, true},
        {false, false, 1, 10, 0, false, false, 0, true},    // still enumerating
        {false, false, 2, 10, 4, false, true, 0, true},     // stop requested, not yet ended
        {false, false, 0, 0, 0, true, false, 0, false},     // nothing found
    };
    for (const Case& c : cases) {
        const LoadProgressStep s = loadProgressStep(c.complete, c.busy, c.thread, c.enumerated, c.filled);
        EXPECT_EQ(s.killTimer, c.kill);
        EXPECT_EQ(s.drawProgress, c.draw);
        EXPECT_EQ(s.pauseMs, c.pause);
        EXPECT_EQ(s.rearm, c.rearm);
    }
}

}  // namespace
}  // namespace tarvelo::filelist
