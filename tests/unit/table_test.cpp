#include "common/table.h"

#include <gtest/gtest.h>

TEST(TableTest, RemoveClosesTheGapAndResizeKeepsTheFirstElements) {
    Table<int> table{1, 2, 3, 4};
    table.remove(4);
    table.remove(1);
    EXPECT_EQ(table, (Table<int>{2, 3}));

    table.resize(4);
    EXPECT_EQ(table, (Table<int>{2, 3, 0, 0}));
    table.resize(1);
    EXPECT_EQ(table, (Table<int>{2}));
    table.resize(-1);
    EXPECT_TRUE(table.empty());
}
