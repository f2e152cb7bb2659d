// SPDX-License-Identifier: GPL-3.0-or-later
// pentad-cli views: each view as tab-separated text on a small archive, and
// bad option values refused.
#include <string>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::drawBytes;
using test::TempDir;

// Draw 1 (a Tuesday) 5 6 7 8 9, draw 2 (a Wednesday) 1 2 3 4 5.
void writeTwoDraws(const TempDir& dir) {
    dir.write("Pentad.ldr", drawBytes(1, {5, 6, 7, 8, 9}, "01/30/2024 E") +
                                drawBytes(2, {1, 2, 3, 4, 5}, "01/31/2024 M"));
}

std::string line(const std::string& text, size_t n) {
    size_t start = 0;
    for (size_t i = 0; i < n; ++i) {
        start = text.find('\n', start) + 1;
    }
    return text.substr(start, text.find('\n', start) - start);
}

TEST(ViewsCli, CardWritesDigitsWithTheirColours) {
    TempDir dir;
    writeTwoDraws(dir);
    const test::CliResult card = test::runCli(dir, "views card");
    ASSERT_EQ(card.code, 0);
    EXPECT_EQ(card.out,
              "2\t\t1:00FFFF\t2:00FFFF\t3:00FFFF\t4:00FFFF\t5:FFFF00\t\t\t\t\n"
              "1\t\t\t\t\t\t5:FFFF00\t6:00FFFF\t7:00FFFF\t8:00FFFF\t9:00FFFF\n");
    EXPECT_EQ(test::runCli(dir, "views card --limit 1").out, line(card.out, 0) + "\n");
    EXPECT_NE(test::runCli(dir, "views card --limit -1").code, 0);
    // The same grid as a workbook, without colours.
    const test::CliResult sheet =
        test::runCli(dir, "views card --limit 1 --xlsx '" + dir.file("card.xlsx") + "'");
    EXPECT_EQ(sheet.code, 0);
    EXPECT_TRUE(sheet.out.empty());
    EXPECT_EQ(dir.read("card.xlsx").substr(0, 2), "PK");
}

TEST(ViewsCli, LayoutAndComparisonLists) {
    TempDir dir;
    writeTwoDraws(dir);
    EXPECT_EQ(test::runCli(dir, "views layout --len 1").out, "\t2\n1\t1, 2, 3, 4, 5\n");
    EXPECT_EQ(test::runCli(dir, "views layout --offset 1").out, "\t1\n1\t[5], 6, 7, 8, 9\n");
    EXPECT_EQ(test::runCli(dir, "views layout").out, "\t2\t1\n2\t5\t\n1\t1, 2, 3, 4\t6, 7, 8, 9\n");
    const std::string list = "Кол-во\t1 - 2\n2\t5\n1\t1, 2, 3, 4, 6, 7, 8, 9\n";
    EXPECT_EQ(test::runCli(dir, "views compare").out, list + list + list + list + list);
    EXPECT_NE(test::runCli(dir, "views layout --len 0").code, 0);
    const test::CliResult beyond = test::runCli(dir, "views compare --offset 2");
    EXPECT_NE(beyond.code, 0);
    EXPECT_TRUE(beyond.out.empty());
    EXPECT_NE(dir.read("stderr.txt").find("--offset"), std::string::npos);
}

TEST(ViewsCli, WeekTableHasAHeaderAndSevenDays) {
    TempDir dir;
    writeTwoDraws(dir);
    const test::CliResult week = test::runCli(dir, "views week");
    ASSERT_EQ(week.code, 0);
    EXPECT_EQ(line(week.out, 0), "\t0\t1\t2\t3\t4\t5\t6\t7\t8\t9");
    EXPECT_EQ(line(week.out, 1), "Пн\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0");
    EXPECT_EQ(line(week.out, 2), "Вт\t0\t0\t0\t0\t0\t1\t1\t1\t1\t1");
    EXPECT_EQ(line(week.out, 3), "Ср\t0\t1\t1\t1\t1\t1\t0\t0\t0\t0");
    EXPECT_EQ(line(week.out, 7), "Вс\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0");
    EXPECT_EQ(line(test::runCli(dir, "views week --len 1 --offset 1").out, 3),
              "Ср\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0");
}

TEST(ViewsCli, GraphOfAStatisticWithMeanAndMode) {
    TempDir dir;
    writeTwoDraws(dir);
    EXPECT_EQ(test::runCli(dir, "views graph --method sums").out,
              "1\t35\t25.00\t35\n2\t15\t25.00\t35\n");
    EXPECT_EQ(test::runCli(dir, "views graph --method SUMS --len 1").out, "2\t15\t15.00\t15\n");
    const test::CliResult notGraph = test::runCli(dir, "views graph --method NUMS");
    EXPECT_NE(notGraph.code, 0);
    EXPECT_NE(dir.read("stderr.txt").find("NUMS"), std::string::npos);
    EXPECT_NE(test::runCli(dir, "views graph --method NOPE").code, 0);
    EXPECT_NE(test::runCli(dir, "views graph").code, 0);
}

TEST(ViewsCli, RepeatsAndSums) {
    TempDir dir;
    dir.write("Pentad.ldr", drawBytes(1, {5, 6, 7, 8, 9}, "") + drawBytes(2, {1, 2, 3, 4, 5}, "") +
                                drawBytes(3, {1, 2, 3, 0, 9}, ""));
    EXPECT_EQ(test::runCli(dir, "views repeats").out,
              "Тираж\tСовпадений\tКол-во повторов\tСписок тиражей\n"
              "3\t3\t1\t2\n3\t1\t1\t1\n");
    EXPECT_EQ(line(test::runCli(dir, "views repeats --deep 1").out, 2), "");
    EXPECT_NE(test::runCli(dir, "views repeats --length 0").code, 0);

    const test::CliResult sums = test::runCli(dir, "views sums");
    ASSERT_EQ(sums.code, 0);
    EXPECT_EQ(line(sums.out, 0), "0\t0\t0.00");
    // Sums 15, 15 and 35: the combinations are scaled by 2 / 6000.
    EXPECT_EQ(line(sums.out, 15), "15\t2\t1.08");
    EXPECT_EQ(line(sums.out, 22), "22\t0\t2.00");
    EXPECT_EQ(line(sums.out, 35), "35\t1\t0.33");
    EXPECT_EQ(line(sums.out, 46), "Диапазон 1 (от 1/3 и выше по оси Y) - суммы 13-32\t0.67");
    EXPECT_EQ(line(sums.out, 48), "Диапазон 3 (от 2/3 и выше по оси Y) - суммы 17-28\t1.33");
}

}  // namespace
}  // namespace pentad
