#include "common/fatal_error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "common/end_procedures.h"
#include "common/table.h"

TEST(FatalErrorTextTest, NumberAndMessageEachAddTheirLines) {
    EXPECT_EQ(fatalErrorText(1, "数组成员引用下标超出定义范围"),
              "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n");
    EXPECT_EQ(fatalErrorText(std::nullopt, "载入窗口模板数据段出错!"),
              "运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n");
    EXPECT_EQ(fatalErrorText(6, ""), "运行时出错!\r\n\r\n错误代码：6\r\n\r\n");
}

namespace {
void reportFirstEnd() {
    std::fputs("end procedure 1;", stderr);
}
void reportSecondEnd() {
    std::fputs("end procedure 2;", stderr);
}
}  // namespace

using FatalErrorDeathTest = testing::Test;

TEST_F(FatalErrorDeathTest, IndexBelowOneShowsErrorFourThenRunsEndProceduresAndExitsMinusOne) {
    EXPECT_EXIT(
        {
            registerEndProcedure(reportFirstEnd);
            registerEndProcedure(reportSecondEnd);
            registerEndProcedure(reportFirstEnd);
            Table<int> table{7};
            std::fprintf(stderr, "%d", table[0]);
        },
        testing::ExitedWithCode(255),
        testing::EndsWith("错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n"
                          "end procedure 1;end procedure 2;"));
}

TEST_F(FatalErrorDeathTest, IndexAboveCountShowsErrorOne) {
    Table<int> twoElements{7, 8};
    EXPECT_EQ(twoElements[2], 8);
    EXPECT_EXIT(std::fprintf(stderr, "%d", twoElements[3]), testing::ExitedWithCode(255),
                testing::HasSubstr("错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围"));
}
