// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the command-line tool as a user would, on a temporary data folder.
#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::drawBytes;
using test::TempDir;

using Result = test::CliResult;

Result run(const TempDir& dir, const std::string& args) {
    return test::runCli(dir, args);
}

TEST(Cli, ImportThenExportGivesTheSameLines) {
    TempDir dir;
    std::string lines = "1;\"08/01/2016 M\";9;8;6;5;6\r\n2;\"08/01/2016 E\";0;8;6;1;0\r\n";
    dir.write("a.csv", lines);
    EXPECT_EQ(run(dir, "draws import '" + dir.file("a.csv") + "'").code, 0);
    EXPECT_EQ(run(dir, "draws export '" + dir.file("b.csv") + "'").code, 0);
    EXPECT_EQ(dir.read("b.csv"), lines);
    EXPECT_EQ(run(dir, "draws list").out,
              "2\t0\t8\t6\t1\t0\t15\t08/01/2016 E\n1\t9\t8\t6\t5\t6\t34\t08/01/2016 M\n");
    EXPECT_EQ(run(dir, "draws list --limit 1").out, "2\t0\t8\t6\t1\t0\t15\t08/01/2016 E\n");
}

TEST(Cli, DamagedArchiveIsReportedAndNotRewritten) {
    TempDir dir;
    std::string bytes = drawBytes(1, {1, 2, 3, 4, 5}, "") + "abc";
    dir.write("Pentad.ldr", bytes);
    Result list = run(dir, "draws list");
    EXPECT_NE(list.code, 0);
    EXPECT_EQ(list.out, "1\t1\t2\t3\t4\t5\t15\t\n");
    EXPECT_NE(dir.read("stderr.txt").find("Ошибка чтения файла тиражей!"), std::string::npos);
    EXPECT_NE(run(dir, "draws add --digits 1,2,3,4,5").code, 0);
    EXPECT_EQ(dir.read("Pentad.ldr"), bytes);
}

TEST(Cli, AddEditDeleteAndStatus) {
    TempDir dir;
    EXPECT_NE(run(dir, "draws add --digits '1;2;3;4;12'").code, 0);
    EXPECT_EQ(dir.read("stderr.txt"), "Введена некорректная комбинация!\n");
    EXPECT_EQ(run(dir, "draws add --digits '1, 2, 3, 4, 5' --date '10/16/2025 M'").code, 0);
    EXPECT_EQ(run(dir, "draws add --digits 5,5,5,5,5 --number 7 --date '10/16/2025 E'").code, 0);
    EXPECT_EQ(run(dir, "draws edit --number 1 --digits 0,0,0,0,1").code, 0);
    EXPECT_EQ(run(dir, "draws status --offset 1").out,
              "Архив тиражей: 2\nСледующий тираж: 2\n5;5;5;5;5\n");
    EXPECT_NE(run(dir, "draws delete --number 7").code, 0);  // not confirmed
    EXPECT_EQ(dir.read("Pentad.ldr").size(), 48u);
    EXPECT_EQ(run(dir, "draws delete --number 7 --yes").code, 0);
    EXPECT_EQ(dir.read("Pentad.ldr"), drawBytes(1, {0, 0, 0, 0, 1}, "10/16/2025 M"));
    EXPECT_NE(run(dir, "draws delete --number 7 --yes").code, 0);
}

}  // namespace
}  // namespace pentad

namespace pentad {
namespace {

TEST(Cli, StatsWithNormBuildsThePrefetchFile) {
    TempDir dir;
    dir.write("Pentad.ldr", drawBytes(1, {1, 2, 3, 4, 5}, "") + drawBytes(2, {7, 7, 0, 0, 9}, ""));
    Result r = run(dir, "stats --method nums --norm");
    ASSERT_EQ(r.code, 0);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < r.out.size(); ++i) {
        if (r.out[i] == '\n') {
            lines.push_back(r.out.substr(start, i - start));
            start = i + 1;
        }
    }
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0].rfind("Значение\tКоличество\t", 0), 0u);
    // Digit 7: twice in the newest draw; norm (2 + 0) / 2 of every digit.
    EXPECT_EQ(lines[8].substr(0, 18), "7\t2\t20.00000\t1\t1\t1");
    std::string file = dir.read("Prefetchs/Pentad_NUMS.dfc");
    ASSERT_EQ(file.size(), 132u);
    EXPECT_EQ(file.substr(8, 4), std::string("\x50\xC3\x00\x00", 4));  // 50 000
    EXPECT_NE(run(dir, "stats --method NOPE").code, 0);
}

TEST(Cli, FilterKeepsAndDeletesByValues) {
    TempDir dir;
    dir.write("Pentad.ldr", drawBytes(1, {1, 2, 3, 4, 5}, ""));
    EXPECT_EQ(run(dir, "filter --method NUMS --values 7,8 --keep").out, "67232\n");
    EXPECT_EQ(run(dir, "filter --method NUMS --values \"7,8\" --delete").out, "32768\n");
    Result items =
        run(dir, "filter --item 'TSD1#NUMS:1#LNO:#ST:1' --out '" + dir.file("o.lcv") + "'");
    EXPECT_EQ(items.out, "TSD#NUMS:1#LNO:#ST:1\t59049\n");  // the first row walked is 9
    EXPECT_EQ(dir.read("o.lcv").substr(0, 11), "0;0;0;0;0\r\n");
}

TEST(Cli, FavouritesAreStoredInTheFavouritesFile) {
    TempDir dir;
    EXPECT_EQ(run(dir, "favourites set nums,EVEN").out, "NUMS,EVEN\n");
    Result list = run(dir, "favourites list");
    EXPECT_EQ(list.out.substr(0, 5), "NUMS\t");
    EXPECT_NE(dir.read("Pentad.flt").find("Favorites=NUMS,EVEN"), std::string::npos);
    EXPECT_EQ(run(dir, "favourites reset").code, 0);
    EXPECT_NE(dir.read("Pentad.flt").find("Favorites=\r\n"), std::string::npos);
}

TEST(Cli, ShreddingFormulasAreShownChangedAndUsed) {
    TempDir dir;
    dir.write("Pentad.ldr", drawBytes(1, {1, 2, 3, 4, 5}, ""));
    EXPECT_EQ(run(dir, "shredding").out,
              "SHR1\t2\t(n1+n2)/(n3+n4+n5)\nSHR2\t2\t(n1+n3+n5)/(n2+n4)\n"
              "SHR3\t2\t(n3+n4+n5)/(n1+n2)\n");
    Result set = run(dir, "shredding --formula2 'n1/7' --digits2 3 --formula3 'n1+'");
    ASSERT_EQ(set.code, 0);
    EXPECT_EQ(set.out, "SHR1\t2\t(n1+n2)/(n3+n4+n5)\nSHR2\t3\tn1/7\nSHR3\t2\tn1+\n");
    // The last formula is kept as typed, with a warning that it gives 0.
    EXPECT_NE(dir.read("stderr.txt").find("Формула 3 не читается с позиции 4"), std::string::npos);
    // 1/7 = 0.142857...: the first three decimals.
    Result stats = run(dir, "stats --method SHR2");
    EXPECT_NE(stats.out.find("\n142\t1\t"), std::string::npos) << stats.out;
    EXPECT_NE(run(dir, "shredding --digits1 6").code, 0);
    EXPECT_NE(run(dir, "methods").out.find("SHR2\tshr\tSNG\tМетод шинковки 2: n1/7\n"),
              std::string::npos);
}

}  // namespace
}  // namespace pentad

namespace pentad {
namespace {

// --jobs sets the threads of a scenario test; the ledger does not depend on
// it, and a count of threads outside 1..64 is refused.
TEST(Cli, ScenarioTestJobs) {
    std::string bytes;
    for (int n = 1; n <= 30; ++n) {
        bytes += test::drawBytes(n, {n % 10, (n * 3) % 10, (n * 7) % 10, (n + 4) % 10, 9 - n % 10},
                                 "");
    }
    std::array<std::string, 2> ledgers;
    for (int jobs = 1; jobs <= 2; ++jobs) {
        test::TempDir dir;
        dir.write("Pentad.ldr", bytes);
        ASSERT_EQ(test::runCli(dir, "scenario add "
                                    "'FULL:0#RAND|TSD1#NUMS:5-15;5#LLV:1-3;1#SF:0| | | | | | |j'")
                      .code,
                  0);
        EXPECT_NE(test::runCli(dir, "scenario test --count 4 --seed 3 --jobs 0").code, 0);
        ASSERT_EQ(test::runCli(dir, "scenario test --count 4 --seed 3 --jobs " +
                                        std::to_string(jobs))
                      .code,
                  0);
        ledgers[static_cast<size_t>(jobs - 1)] = dir.read("Pentad.lsk");
    }
    EXPECT_GT(ledgers[0].size(), 1000u);
    EXPECT_EQ(ledgers[0], ledgers[1]);
}

}  // namespace
}  // namespace pentad
