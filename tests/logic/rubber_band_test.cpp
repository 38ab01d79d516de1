#include "filelist/rubber_band.h"

#include <gtest/gtest.h>

#include "support/fake_entry_sequence.h"

namespace tarvelo::filelist {
namespace {

using test::FakeEntrySequence;

// Row area from x 12 to 588, rows of 21 pixels from y 38.
constexpr RowArea kArea{12, 588, 38, 21};

TEST(RubberBand, RowsTouchedByTheBand) {
    struct Case {
        BandRect band;
        int count;
        RowSpan want;
    };
    const ListCursor c{10, 0, 9};
    const Case cases[] = {
        {{{100, 40}, {200, 56}}, 100, {0, 0}},
        {{{200, 100}, {100, 40}}, 100, {0, 2}},   // dragged up and left
        {{{100, 59}, {200, 80}}, 100, {1, 1}},    // exactly row 1
        {{{100, 58}, {200, 81}}, 100, {0, 2}},    // one pixel into each neighbour
        {{{100, 30}, {200, 500}}, 100, {0, 9}},   // past the page: visible rows only
        {{{100, 30}, {200, 500}}, 12, {0, 1}},    // past the last entry
        {{{-20, 40}, {12, 100}}, 100, {0, -1}},   // left of the row area
        {{{100, 10}, {200, 38}}, 100, {0, -1}},   // over the header only
    };
    for (const Case& k : cases)
        EXPECT_EQ(rowsInBand(k.band, kArea, c, k.count), k.want)
            << k.band.start.y << ".." << k.band.current.y << " n=" << k.count;
}

TEST(RubberBand, ActsOnlyAboveFifteenPixelsEachWay) {
    struct Case {
        BandRect band;
        bool acts;
    };
    const Case cases[] = {
        {{{100, 40}, {200, 55}}, false},  // 15 tall
        {{{100, 40}, {200, 56}}, true},   // 16 tall
        {{{100, 56}, {200, 40}}, true},
        {{{100, 40}, {115, 200}}, false}, // 15 wide
        {{{116, 40}, {100, 200}}, true},
    };
    for (const Case& k : cases) EXPECT_EQ(k.band.acts(), k.acts) << k.band.width() << "x" << k.band.height();
    EXPECT_FALSE((BandRect{{0, 0}, {25, 25}}.acts(30)));  // threshold scaled for DPI
}

TEST(RubberBand, MarksFollowThePointerAndReleaseToggles) {
    auto seq = FakeEntrySequence::withParent(5);  // 6 entries
    seq.select("...x..");
    const ListCursor c{0, 0, 9};

    markBand(seq, BandRect{{100, 40}, {200, 90}}, kArea, c);  // rows 0..2
    EXPECT_EQ(seq.bandMarks(), "bbb...");
    markBand(seq, BandRect{{100, 70}, {200, 110}}, kArea, c);  // rows 1..3: old marks cleared
    EXPECT_EQ(seq.bandMarks(), ".bbb..");
    markBand(seq, BandRect{{100, 70}, {200, 85}}, kArea, c);  // 15 tall: no marks at all
    EXPECT_EQ(seq.bandMarks(), "......");

    // 15 tall selects nothing; 16 tall toggles the rows it touches.
    EXPECT_EQ(toggleBand(seq, BandRect{{100, 40}, {200, 55}}, kArea, c), 0);
    EXPECT_EQ(seq.selection(), "...x..");
    EXPECT_EQ(toggleBand(seq, BandRect{{100, 40}, {200, 102}}, kArea, c), 4);
    EXPECT_EQ(seq.selection(), "xxx...");  // the parent entry too: the painter clears it

    markBand(seq, BandRect{{100, 40}, {200, 90}}, kArea, c);
    clearBandMarks(seq);
    EXPECT_EQ(seq.bandMarks(), "......");
}

}  // namespace
}  // namespace tarvelo::filelist
