// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/stat_table.h"

#include <limits>

#include <gtest/gtest.h>

#include "shell/error.h"
#include "shell/shell.h"
#include "stats/prefetch.h"
#include "support/stat_support.h"
#include "support/scripted_user_interface.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::StatFixture;
using Digits = std::array<uint8_t, 5>;

// Ten draws numbered 1..10; a 7 stands in draws 2, 5 and 9.
std::vector<Digits> sevens() {
    std::vector<Digits> rows(10, Digits{0, 1, 2, 3, 4});
    for (int n : {2, 5, 9}) {
        rows[static_cast<size_t>(n - 1)] = Digits{7, 1, 2, 3, 4};
    }
    return rows;
}

TEST(StatTable, DepthPeriodsAndExpectations) {
    StatFixture f(sevens());
    StatComputation c = f.compute("NUMS");
    EXPECT_EQ(c.N, 10);
    auto cells = statCells(c, 7, f.list.weights());
    EXPECT_EQ(cells[0], "7");
    EXPECT_EQ(cells[1], "3");
    EXPECT_EQ(cells[2], "6.00000");  // 3 of 50 values
    EXPECT_EQ(cells[3], "-");        // no norm
    EXPECT_EQ(cells[6], "2");        // last seen in draw 9, the second newest
    EXPECT_EQ(cells[7], "100.00");   // the deepest row
    EXPECT_EQ(cells[9], "9");
    EXPECT_EQ(cells[10], "3");
    EXPECT_EQ(cells[11], "3.3333");
    EXPECT_EQ(cells[12], "4");
    EXPECT_EQ(cells[13], "12");  // round(10/3 + 9)
    EXPECT_EQ(cells[14], "12");  // round(4 * 9 / 3)
    EXPECT_EQ(cells[15], "12");  // round(5 * 10 / 4) = round(12.5), half to even
    EXPECT_EQ(cells[16], "-");   // no later draw
    EXPECT_EQ(cells[17], "-");

    // A value that never occurred: depth and everything after it is "-".
    auto never = statCells(c, 8, f.list.weights());
    EXPECT_EQ(never[1], "0");
    for (int k = 6; k < kStatColumns; ++k) {
        EXPECT_EQ(never[static_cast<size_t>(k)], "-");
    }
    // A value seen once has expectations but no periods.
    StatComputation two = f.compute("NUMS", 2);
    auto once = statCells(two, 7, f.list.weights());
    EXPECT_EQ(once[1], "1");
    EXPECT_EQ(once[10], "-");
    EXPECT_EQ(once[13], "-");
    EXPECT_EQ(once[14], "18");  // round(2 * 9 / 1)
}

TEST(StatTable, FactLooksPastTheOffset) {
    StatFixture f(sevens());
    f.archive.setOffset(5);  // the window ends at draw 5
    StatComputation c = f.compute("NUMS", 5);
    EXPECT_EQ(c.lastIndex, 4);
    auto cells = statCells(c, 7, f.list.weights());
    EXPECT_EQ(cells[1], "2");
    EXPECT_EQ(cells[6], "1");
    EXPECT_EQ(cells[13], "8");   // round(5/2 + 5) = round(7.5)
    EXPECT_EQ(cells[16], "9");   // the 7 comes back in draw 9
    EXPECT_EQ(cells[17], "-1");
    EXPECT_EQ(cells[18], "-1");  // round(3 * 5 / 2) = 8
    EXPECT_EQ(cells[19], "-1");  // round(4 * 6 / 3) = 8
}

TEST(StatTable, WindowBoundsFollowArchiveAndOffset) {
    StatFixture f(std::vector<Digits>(300, Digits{1, 2, 3, 4, 5}));
    EXPECT_EQ(f.compute("NUMS").N, 300);
    f.archive.setOffset(299);
    EXPECT_EQ(f.compute("NUMS", 1000).N, 1);
    StatFixture empty({});
    StatComputation c = empty.compute("NUMS");
    EXPECT_TRUE(c.rows.empty());  // not even prepared rows
    EXPECT_EQ(c.MinCount, INT32_MAX);
}

TEST(StatTable, WeightIsDepthMinusDeviationByDefault) {
    StatComputation c;
    c.HaveNorm = true;
    c.Total = 50;
    c.MaxDepth = 24;
    TStatRow r;
    r.Count = 5;
    r.Norm = 7;
    r.Depth = 12;
    CdlWeights w;
    EXPECT_DOUBLE_EQ(static_cast<double>(rowWeight(c, r, w)), 14.0);
    w.UsePercents = true;  // 50 - (-28.57...)
    EXPECT_NEAR(static_cast<double>(rowWeight(c, r, w)), 50.0 + 200.0 / 7.0, 1e-9);
    w.UseAbsValues = true;
    EXPECT_NEAR(static_cast<double>(rowWeight(c, r, w)), 50.0 - 200.0 / 7.0, 1e-9);
}

TEST(StatTable, NormsScaleTheFullSetToTheWindow) {
    StatFixture f(sevens());
    auto nums = f.list.CreateStat(f.entry("NUMS"));
    PrefetchData uniform = decodePrefetch(encodePrefetch(countFullSet(*nums)));
    ASSERT_EQ(uniform.records.size(), 10u);
    EXPECT_EQ(uniform.MinCount, 50000);
    EXPECT_EQ(uniform.MaxCount, 50000);
    StatComputation c = f.compute("NUMS", 1000, &uniform);
    ASSERT_TRUE(c.HaveNorm);
    // Every value equally frequent: scale to the middle of the window's counts.
    // Counts: digits 1..4 ten times, 0 seven times, 7 three times, others 0.
    EXPECT_EQ(c.rows[1].Norm, 5);  // (10 + 0) / 2
    auto cells = statCells(c, 8, f.list.weights());
    EXPECT_EQ(cells[3], "5");
    EXPECT_EQ(cells[4], "-5");
    EXPECT_EQ(cells[5], "-100.00000");
    EXPECT_EQ(statCells(c, 7, f.list.weights())[8], "4.00");  // depth 2 - (3 - 5)

    auto even = f.list.CreateStat(f.entry("EVEN"));
    PrefetchData skewed = decodePrefetch(encodePrefetch(countFullSet(*even)));
    EXPECT_EQ(skewed.MinCount, 3125);
    EXPECT_EQ(skewed.MaxCount, 31250);
    StatComputation e = f.compute("EVEN", 1000, &skewed);
    // Full-set counts that differ: the largest count over the full set's largest.
    EXPECT_NEAR(static_cast<double>(e.Scale), static_cast<double>(e.MaxCount) / 31250, 1e-12);
    EXPECT_EQ(e.chart.ideal.size(), 6u);
}

TEST(StatTable, NormsOfADamagedFullSetFileStayInRange) {
    StatFixture f(sevens());
    // Full-set counts far above the file's own largest count.
    std::vector<TStatRow> rows(2);
    rows[0].Key = {1, 0, 0, 0};
    rows[0].Count = 2;
    rows[1].Key = {2, 0, 0, 0};
    rows[1].Count = 1;
    std::string bytes = encodePrefetch(rows);
    const char big[4] = {'\xFF', '\xFF', '\xFF', '\x7F'};
    bytes.replace(8, 4, big, 4);
    PrefetchData damaged = decodePrefetch(bytes);
    StatComputation c = f.compute("NUMS", 1000, &damaged);
    ASSERT_TRUE(c.HaveNorm);
    ASSERT_GT(c.Scale, 1);
    EXPECT_EQ(c.rows[1].Norm, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(statCells(c, 1, f.list.weights())[3], "2147483647");
}

TEST(PrefetchFile, HasTwelveByteRecordsAndTrailer) {
    std::vector<TStatRow> rows(2);
    rows[0].Key = {1, 0, 0, 0};
    rows[0].Count = 7;
    rows[1].Key = {2, 0x0102, 0, 0};
    rows[1].Count = 3;
    std::string bytes = encodePrefetch(rows);
    const std::string expected(
        "\x01\x00\x00\x00\x00\x00\x00\x00\x07\x00\x00\x00"
        "\x02\x00\x02\x01\x00\x00\x00\x00\x03\x00\x00\x00"
        "\x03\x00\x00\x00\x07\x00\x00\x00\x00\x00\x00\x00",
        36);
    EXPECT_EQ(bytes, expected);
    EXPECT_THROW(decodePrefetch(bytes.substr(0, 30)), Error);
}

TEST(PrefetchFile, StoreBuildsMissingFilesOnly) {
    test::TempDir dir;
    test::ScriptedUserInterface ui;
    Shell shell(ui);
    StatFixture f({});
    PrefetchStore store(shell, dir.path());
    std::optional<PrefetchData> nums = store.open(f.list, f.entry("NUMS"));
    ASSERT_TRUE(nums);
    EXPECT_EQ(dir.read("Prefetchs/Pentad_NUMS.dfc").size(), 132u);
    dir.write("Prefetchs/Pentad_NUMS.dfc", "stale");
    store.buildAll(f.list, {});
    EXPECT_EQ(dir.read("Prefetchs/Pentad_NUMS.dfc"), "stale");  // present: kept
    EXPECT_EQ(dir.read("Prefetchs/Pentad_EVEN.dfc").size(), 84u);
    EXPECT_FALSE(store.open(f.list, f.entry("NUMS")));  // damaged: reported
    EXPECT_TRUE(ui.hasError());
    std::bitset<13> num;
    num.set(0);
    store.buildAll(f.list, num);
    EXPECT_EQ(dir.read("Prefetchs/Pentad_NUMS.dfc").size(), 132u);
    int withNorm = 0;
    for (int i = 0; i < f.list.Count(); ++i) {
        withNorm += f.list.Item(i).Class->hasNorm() ? 1 : 0;
    }
    EXPECT_EQ(ui.progressMaximum, withNorm);  // one step per entry with a norm
    EXPECT_TRUE(shell.isIdle());
}

}  // namespace
}  // namespace pentad
