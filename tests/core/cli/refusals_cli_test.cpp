// SPDX-License-Identifier: GPL-3.0-or-later
// Option values the command-line tool must refuse rather than answer
// something else: values that select no row, offsets past the archive, words
// a reader would pass over, a data folder that does not exist. Each refusal
// exits non-zero, names what was wrong and leaves every file as it was.
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::drawBytes;
using test::TempDir;

// Every file of the folder but the captured standard error, by name.
std::map<std::string, std::string> snapshot(const TempDir& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir.path())) {
        const std::string name = std::filesystem::relative(e.path(), dir.path()).string();
        if (e.is_regular_file() && name != "stderr.txt") {
            files[name] = dir.read(name);
        }
    }
    return files;
}

class CliRefusals : public ::testing::Test {
protected:
    void SetUp() override {
        std::string archive;
        const int digits[6][5] = {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 0}, {0, 0, 1, 1, 2},
                                  {3, 3, 4, 4, 5}, {9, 8, 7, 6, 5}, {2, 4, 6, 8, 0}};
        for (int i = 0; i < 6; ++i) {
            archive += drawBytes(
                101 + i, {digits[i][0], digits[i][1], digits[i][2], digits[i][3], digits[i][4]},
                "");
        }
        dir.write("Pentad.ldr", archive);
        // A first run leaves the files every command finds in a used folder.
        ASSERT_EQ(run("scenario add 'FULL:0#FIRST| | | | | | | |x'").code, 0);
    }

    test::CliResult run(const std::string& args) { return test::runCli(dir, args); }
    std::string err() const { return dir.read("stderr.txt"); }

    // The command exits non-zero, its message holds every one of `words`,
    // and no file changed.
    void expectRefused(const std::string& args, std::initializer_list<std::string> words) {
        SCOPED_TRACE(args);
        const std::map<std::string, std::string> before = snapshot(dir);
        test::CliResult r = run(args);
        EXPECT_NE(r.code, 0);
        EXPECT_EQ(r.out, "");
        const std::string message = err();
        for (const std::string& w : words) {
            EXPECT_NE(message.find(w), std::string::npos) << message;
        }
        EXPECT_EQ(snapshot(dir), before);
    }

    TempDir dir;
};

// Combinations whose digit sum lies in from..to.
int combinationsWithSum(int from, int to) {
    int count = 0;
    for (int n = 0; n < 100000; ++n) {
        int s = 0;
        for (int v = n; v > 0; v /= 10) {
            s += v % 10;
        }
        count += s >= from && s <= to ? 1 : 0;
    }
    return count;
}

TEST_F(CliRefusals, FilterValuesNameRowsOrAreRefused) {
    // The sums table has the rows 10..35 and the rows of the sums drawn
    // outside them (4). A range without a step is a range of whole numbers.
    EXPECT_EQ(run("filter --method SUMS --values 19-20 --keep").out,
              std::to_string(combinationsWithSum(19, 20)) + "\n");
    EXPECT_EQ(
        run("filter --method SUMS --values '4, 19-20' --delete").out,
        std::to_string(100000 - combinationsWithSum(4, 4) - combinationsWithSum(19, 20)) + "\n");
    expectRefused("filter --method SUMS --values abc --keep --out '" + dir.file("o.lcv") + "'",
                  {"\"abc\"", "4, 10, 11, 12"});
    // Every number of a range must name a row.
    expectRefused("filter --method SUMS --values 35-36 --keep", {"\"35-36\""});
    expectRefused("filter --method SUMS --values 3 --keep", {"\"3\""});
    expectRefused("filter --method NUMS --values '7,10' --keep", {"\"10\"", "9"});
    EXPECT_FALSE(std::filesystem::exists(dir.file("o.lcv")));

    // Rows are named by their text; a number names a row through the
    // method's reading only where the text starts with it.
    const std::string others = run("filter --method SUM1 --values Остальные --keep").out;
    const std::string range = run("filter --method SUM1 --values 12-33 --keep").out;
    EXPECT_EQ(std::stoi(others) + std::stoi(range), 100000);
    expectRefused("filter --method SUM1 --values 0 --keep", {"\"0\"", "Остальные", "12-33"});
    EXPECT_EQ(run("filter --method EVEN --values 2 --keep").out,
              run("filter --method EVEN --values 2:3 --keep").out);
    // A method without numeric values: "+16" is one row, not every row, and
    // a number names no row.
    const int kept = std::stoi(run("filter --method SUMV --values +16 --keep").out);
    const int deleted = std::stoi(run("filter --method SUMV --values +16 --delete").out);
    EXPECT_EQ(kept + deleted, 100000);
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, 100000);
    expectRefused("filter --method SUMV --values 16 --keep", {"\"16\"", "+16"});
    expectRefused("filter --method SUMV --values 0 --keep", {"\"0\""});
}

TEST_F(CliRefusals, OffsetsPastTheArchiveAreRefused) {
    EXPECT_EQ(run("stats --method SUMS --offset 5").code, 0);
    expectRefused("stats --method SUMS --offset 6", {"--offset", "6"});
    expectRefused("stats --method SUMS --offset 99999", {"--offset"});
    expectRefused("filter --method NUMS --values 7 --keep --offset 99999", {"--offset"});
    expectRefused("filter --item 'TSD1#NUMS:1#LNO:#ST:1' --offset 6", {"--offset"});
    expectRefused("draws status --offset 6", {"--offset"});
    expectRefused("combs exclude --draws 1 --offset 6 --in a.lcv --out b.lcv", {"--offset"});
}

TEST_F(CliRefusals, FilterItemsAreCheckedBeforeTheyRun) {
    expectRefused("filter --item ''", {"--item"});
    std::string eight;
    for (int i = 0; i < 8; ++i) {
        eight += " --item 'TSD1#NUMS:1#LNO:#ST:1'";
    }
    expectRefused("filter" + eight, {"7", "8"});
    expectRefused("filter --item 'TSD1#NUMZ:1#LNO:#ST:1'", {"\"NUMZ:1\""});
    expectRefused("filter --item 'TSD1#NUMS:1#LNO:#ST:x'", {"\"ST:x\""});
    expectRefused("filter --item 'TSD1#NUMS:1#LNO:#ST:1#1:1:1:0:0#more'", {"\"more\""});
    // Two variants: no single set to write.
    expectRefused("filter --item 'TSD1#NUMS:1,2#LNO:#ST:1' --out '" + dir.file("o.lcv") + "'",
                  {"--out", "2"});
    expectRefused("filter --item 'TSD1#NUMS:1#LNO:#ST:1' --len 5", {"--item"});
    EXPECT_FALSE(std::filesystem::exists(dir.file("o.lcv")));
}

TEST_F(CliRefusals, TypedScenarioLinesAreReadStrictly) {
    expectRefused("scenario add 'garbage|||'", {"\"garbage\""});
    expectRefused("scenario add 'FULL:0#RANDOM|TSD1#NUMS:1#LNO:#ST:1'", {"\"RANDOM\""});
    expectRefused("scenario add 'FULL:0#RAND|TSD1#NUMS:1#LXX:2#ST:1'", {"\"LXX:2\""});
    expectRefused("scenario add 'FULL:0#RAND| | | | | | | |comment|extra'", {"\"extra\""});
    // A filter the filter dialog would refuse: no window length.
    expectRefused("scenario add 'FULL:0#RAND|TSD1#NUMS#LNO:#ST:1'", {"TSD1#NUMS#LNO:#ST:1"});
    test::CliResult ok = run("scenario add 'excl:3#all#nex|TSD1#nums:10#LMV:2#ST:3|||'");
    EXPECT_EQ(ok.code, 0) << err();
    EXPECT_EQ(ok.out, "EXCL:3#ALL#NEX|TSD1#NUMS:10#LMV:2#ST:3| | | | | | |\n");
}

TEST_F(CliRefusals, DigitsMustBeDigits) {
    expectRefused("draws add --digits 'a;b;c;d;e'", {"Введена некорректная комбинация!"});
    expectRefused("draws add --digits '1;2;3;4;5.5'", {"Введена некорректная комбинация!"});
    expectRefused("draws edit --number 101 --digits '1;2;x;4;5'",
                  {"Введена некорректная комбинация!"});
    expectRefused("draws edit --number 101", {"--digits"});
    expectRefused("stake add --digits '1;2;3;4;z'", {"Введена некорректная комбинация!"});
    expectRefused("combs generate --mode 1 --params '1;x' --out '" + dir.file("o.lcv") + "'",
                  {"\"x\""});
    expectRefused("combs generate --mode 0 --params '1;2' --out '" + dir.file("o.lcv") + "'",
                  {"--params"});
    expectRefused("combs generate --mode 5 --out '" + dir.file("o.lcv") + "'", {"--mode"});
}

TEST_F(CliRefusals, ListsAreNamedByNumbersTheyHold) {
    expectRefused("favourites set 'NUMS,NOPE'", {"NOPE"});
    expectRefused("regular delete --index 1 --yes", {"--index"});
    expectRefused("stakes delete --rows 1-3 --yes", {"--rows"});
    expectRefused("ratings to-scenario --rows abc", {"--rows", "abc"});
    expectRefused("ratings to-scenario --rows 1", {"--rows"});
    expectRefused("regular test --count 2", {"rules"});
}

TEST(CliDataFolder, AFolderThatDoesNotExistIsNotMade) {
    TempDir dir;
    const std::string missing = dir.file("typo");
    const std::string cmd = std::string(PENTAD_CLI_PATH) + " --dir '" + missing +
                            "' draws list 2>'" + dir.file("stderr.txt") + "'";
    FILE* p = ::popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    char buf[256];
    const size_t n = std::fread(buf, 1, sizeof buf, p);
    const int status = ::pclose(p);
    EXPECT_EQ(n, 0u);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0);
    EXPECT_NE(dir.read("stderr.txt").find(missing), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

}  // namespace
}  // namespace pentad
