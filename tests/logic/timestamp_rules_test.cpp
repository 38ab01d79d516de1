#include "fileops/timestamp_rules.h"

#include <gtest/gtest.h>

namespace tarvelo::fileops {
namespace {

LocalStamp at(int y, int mo, int d, int h, int mi, int s) { return {y, mo, d, h, mi, s}; }

TEST(TimestampRules, MergeFieldByField) {
    const std::array<bool, 6> all{true, true, true, true, true, true};
    const std::array<bool, 6> hourOnly{false, false, false, true, false, false};
    const std::array<bool, 6> dayOnly{false, false, true, false, false, false};
    const std::array<bool, 6> dateOnly{true, true, true, false, false, false};
    struct Case {
        LocalStamp wanted;
        LocalStamp current;
        std::array<bool, 6> use;
        std::optional<LocalStamp> expected;
    };
    const Case cases[] = {
        {at(2000, 1, 1, 10, 0, 0), at(2020, 5, 1, 8, 15, 30), hourOnly, at(2020, 5, 1, 10, 15, 30)},
        {at(2000, 1, 1, 10, 0, 0), at(2020, 5, 1, 8, 15, 30), all, at(2000, 1, 1, 10, 0, 0)},
        {at(2000, 1, 31, 0, 0, 0), at(2021, 2, 3, 4, 5, 6), dayOnly, std::nullopt},   // 31 February
        {at(2020, 2, 29, 0, 0, 0), at(2021, 2, 3, 4, 5, 6), dayOnly, std::nullopt},   // common year
        {at(2020, 2, 29, 0, 0, 0), at(2024, 2, 3, 4, 5, 6), dayOnly, at(2024, 2, 29, 4, 5, 6)},
        {at(2000, 2, 29, 0, 0, 0), at(1900, 2, 3, 4, 5, 6), dayOnly, std::nullopt},   // 1900 is common
        {at(2023, 4, 30, 1, 1, 1), at(2023, 3, 31, 4, 5, 6), dateOnly, at(2023, 4, 30, 4, 5, 6)},
        {at(2023, 4, 30, 1, 1, 1), at(2023, 3, 31, 4, 5, 6), std::array<bool, 6>{false, true, false, false, false, false},
         std::nullopt},  // 31 April
    };
    for (const Case& c : cases) EXPECT_EQ(mergeStamp(c.wanted, c.current, c.use), c.expected);
}

TEST(TimestampRules, OnlyTheKindsAskedForChange) {
    const ItemTimes current{at(2019, 1, 2, 3, 4, 5), at(2020, 5, 1, 8, 15, 30), at(2021, 6, 7, 8, 9, 10)};
    TimestampRequest request;
    request.kinds = {false, true, false};
    request.fields = {false, false, false, true, false, false};
    request.wanted = {at(1999, 9, 9, 9, 9, 9), at(2000, 1, 1, 10, 0, 0), at(1999, 9, 9, 9, 9, 9)};
    EXPECT_EQ(plannedTimes(request, current),
              (ItemTimes{current.created, at(2020, 5, 1, 10, 15, 30), current.accessed}));

    request.kinds = {true, true, true};
    request.fields = {false, false, true, false, false, false};
    request.wanted.created = at(2000, 1, 31, 0, 0, 0);  // day 31 onto... January: fine
    request.wanted.modified = at(2000, 1, 31, 0, 0, 0);  // ...May 31: fine
    request.wanted.accessed = at(2000, 1, 31, 0, 0, 0);  // ...June 31: impossible
    EXPECT_EQ(plannedTimes(request, current), std::nullopt);
}

TEST(TimestampRules, FourCopies) {
    const LocalStamp c = at(2001, 1, 1, 1, 1, 1), m = at(2002, 2, 2, 2, 2, 2), a = at(2003, 3, 3, 3, 3, 3);
    const ItemTimes t{c, m, a};
    struct Case {
        TimeCopy copy;
        ItemTimes expected;
        TimeKind target;  // the only time written
    };
    const Case cases[] = {
        {TimeCopy::CreatedToModified, {c, c, a}, kModified},
        {TimeCopy::ModifiedToCreated, {m, m, a}, kCreated},
        {TimeCopy::CreatedToAccessed, {c, m, c}, kAccessed},
        {TimeCopy::ModifiedToAccessed, {c, m, m}, kAccessed},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(copiedTimes(k.copy, t), k.expected);
        EXPECT_EQ(copyTarget(k.copy), k.target);
    }
}

// Field flags, pickers (created, modified, accessed; date then time) and
// field boxes after each step.
struct Look {
    std::array<bool, 6> fields;
    std::array<bool, 6> pickers;
    std::array<bool, 6> boxes;
    bool operator==(const Look&) const = default;
};

Look look(const TimestampChoices& t) {
    Look l{};
    l.fields = t.fields();
    for (int k = 0; k < 3; ++k) {
        l.pickers[k] = t.datePickerEnabled(static_cast<TimeKind>(k));
        l.pickers[3 + k] = t.timePickerEnabled(static_cast<TimeKind>(k));
    }
    for (int f = 0; f < 6; ++f) l.boxes[f] = t.fieldBoxEnabled(static_cast<TimeField>(f));
    return l;
}

TEST(TimestampRules, KeepDateAndKeepTime) {
    const std::array<bool, 6> on{true, true, true, true, true, true};
    const std::array<bool, 6> dates{true, true, true, false, false, false};
    const std::array<bool, 6> times{false, false, false, true, true, true};

    TimestampChoices free(false, false);
    EXPECT_EQ(look(free), (Look{on, {false, true, false, false, true, false}, on}));

    TimestampChoices keepDate(true, true);  // both stored: keep date wins
    EXPECT_TRUE(keepDate.keepDate());
    EXPECT_FALSE(keepDate.keepTime());
    EXPECT_EQ(look(keepDate), (Look{times, {false, false, false, false, true, false}, times}));

    keepDate.setKeepTime(true);  // switches over to keep time
    EXPECT_FALSE(keepDate.keepDate());
    EXPECT_EQ(look(keepDate), (Look{dates, {false, true, false, false, false, false}, dates}));

    keepDate.setField(kYear, false);
    keepDate.setKeepTime(false);  // both off: everything on again
    EXPECT_EQ(look(keepDate), (Look{on, {false, true, false, false, true, false}, on}));

    TimestampChoices kinds(false, false);
    kinds.setKind(kCreated, true);
    kinds.setKind(kModified, false);
    EXPECT_EQ(kinds.kinds(), (std::array<bool, 3>{true, false, false}));
    kinds.setKind(kCreated, false);  // the last one: Last Modified comes back
    EXPECT_EQ(kinds.kinds(), (std::array<bool, 3>{false, true, false}));
}

}  // namespace
}  // namespace tarvelo::fileops
