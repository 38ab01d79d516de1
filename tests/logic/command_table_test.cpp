#include "shell/command_table.h"

#include <gtest/gtest.h>

#include <vector>

using tarvelo::shell::CommandTable;

TEST(CommandTable, RoutesIdsAndRangesToTheirOwnersAndRefusesOverlaps) {
    CommandTable table;
    std::vector<int> seen;
    EXPECT_TRUE(table.add(100, [&](int id) { seen.push_back(id); }));
    EXPECT_TRUE(table.add(200, 226, [&](int id) { seen.push_back(-id); }));
    // Overlaps with an owned id or range, empty ranges and empty handlers.
    EXPECT_FALSE(table.add(100, [&](int) {}));
    EXPECT_FALSE(table.add(190, 200, [&](int) {}));
    EXPECT_FALSE(table.add(226, 230, [&](int) {}));
    EXPECT_FALSE(table.add(300, 299, [&](int) {}));
    EXPECT_FALSE(table.add(301, CommandTable::Handler{}));

    EXPECT_TRUE(table.dispatch(100));
    EXPECT_TRUE(table.dispatch(213));
    EXPECT_TRUE(table.dispatch(226));
    EXPECT_FALSE(table.dispatch(199));
    EXPECT_FALSE(table.dispatch(227));
    EXPECT_FALSE(table.owns(101));
    EXPECT_EQ(seen, (std::vector<int>{100, -213, -226}));
}

TEST(CommandTable, AHandlerMayAddRowsWhileItRuns) {
    CommandTable table;
    int late = 0;
    table.add(1, [&](int) { table.add(2, [&](int) { ++late; }); });
    EXPECT_TRUE(table.dispatch(1));
    EXPECT_TRUE(table.dispatch(2));
    EXPECT_EQ(late, 1);
}
