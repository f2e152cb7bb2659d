// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/difference_stats.h"

#include <gtest/gtest.h>

#include "core/stats/family_support.h"

namespace pentad {
namespace {

using namespace test;

TEST(DifferenceStats, EqualDigitsGiveDifferenceZero) {
    StatFixture f({{5, 5, 5, 5, 5}});
    StatComputation all = f.compute("DIFA");
    ASSERT_EQ(all.rows.size(), 10u);  // 1..9 prepared, 0 appended
    EXPECT_EQ(all.valueTexts[9], "0");
    EXPECT_EQ(all.rows[9].Count, 4);
    EXPECT_EQ(countOf(f.compute("DIFM"), "0"), 1);
    EXPECT_EQ(countOf(f.compute("DIFD"), "0"), 1);
    EXPECT_EQ(f.compute("DIFO").valueTexts, (std::vector<std::string>{"0 x 4"}));
    StatComputation same = f.compute("DIFK");
    EXPECT_EQ(same.valueTexts, (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(same.rows[3].Count, 1);
    EXPECT_EQ(f.compute("KDS4").valueTexts, (std::vector<std::string>{"0:0:0:0"}));

    StatFixture g({{0, 9, 0, 9, 0}});
    EXPECT_EQ(g.list.CreateStat(g.entry("DIFM"))->GraphValue(0, 0, false), 9);
    EXPECT_EQ(g.list.CreateStat(g.entry("DIFD"))->GraphValue(0, 0, false), 9);
}

TEST(DifferenceStats, RepeatsAndRunsInDrawOrder) {
    StatFixture f({{2, 4, 1, 1, 8}});  // differences 2, 3, 0, 7
    EXPECT_EQ(f.compute("DIFO").valueTexts,
              (std::vector<std::string>{"2 x 1", "3 x 1", "0 x 1", "7 x 1"}));
    EXPECT_EQ(countOf(f.compute("DIFK"), "1"), 1);
    EXPECT_EQ(f.compute("KDS2").valueTexts, (std::vector<std::string>{"2:3", "3:0", "0:7"}));
    EXPECT_EQ(f.compute("KDS3").valueTexts, (std::vector<std::string>{"2:3:0", "3:0:7"}));
    EXPECT_EQ(countOf(f.compute("DIFM"), "7"), 1);

    auto same = f.list.CreateStat(f.entry("DIFO"));
    TStatDrawArray threeTwice = selection({rowOfKey(3, 2)});
    EXPECT_TRUE(same->TestCombination(TCombRec{{1, 4, 1, 8, 0}}, threeTwice, false, false, 0));
    EXPECT_FALSE(same->TestCombination(TCombRec{{1, 4, 7, 4, 0}}, threeTwice, false, false, 0));
    auto runs = f.list.CreateStat(f.entry("KDS2"));
    TStatDrawArray pair = selection({rowOfKey(3, 0)});
    EXPECT_TRUE(runs->TestCombination(TCombRec{{9, 9, 6, 6, 1}}, pair, false, false, 0));
    EXPECT_FALSE(runs->TestCombination(TCombRec{{0, 0, 0, 0, 3}}, pair, false, false, 0));
}

TEST(DifferenceStats, OnlyTheFirstDifferenceOfADrawTracksPeriods) {
    // Differences 0, 3, 0, 0 in draws 1, 2 and 3: 3 never comes first.
    StatFixture f({{1, 1, 4, 4, 4}, {1, 1, 4, 4, 4}, {1, 1, 4, 4, 4}});
    StatComputation c = f.compute("DIFA");
    const TStatRow& three = c.rows[2];
    EXPECT_EQ(three.Count, 3);
    EXPECT_EQ(three.PeriodMin, 0);
    EXPECT_EQ(three.PeriodMax, 0);
    const TStatRow& zero = c.rows[9];
    EXPECT_EQ(zero.Count, 9);
    EXPECT_EQ(zero.PeriodMin, 1);
    EXPECT_EQ(zero.PeriodMax, 1);

    // Runs (0, 3) first and (3, 0) second: only the first gets periods.
    StatComputation runs = f.compute("KDS2");
    ASSERT_EQ(runs.valueTexts, (std::vector<std::string>{"0:3", "3:0", "0:0"}));
    EXPECT_EQ(runs.rows[0].PeriodMax, 1);
    EXPECT_EQ(runs.rows[1].PeriodMax, 0);
    EXPECT_EQ(runs.rows[2].PeriodMax, 0);
}

TEST(DifferenceStats, SortedViewChangesAllButTheSpread) {
    StatFixture f({{9, 0, 5, 1, 7}});  // sorted 0 1 5 7 9
    EXPECT_EQ(countOf(f.compute("DIFM"), "9"), 1);
    EXPECT_EQ(countOf(f.compute("DIFM", 10, nullptr, true), "4"), 1);
    EXPECT_EQ(countOf(f.compute("DIFD"), "9"), 1);
    EXPECT_EQ(countOf(f.compute("DIFD", 10, nullptr, true), "9"), 1);
    EXPECT_EQ(f.compute("KDS4", 10, nullptr, true).valueTexts,
              (std::vector<std::string>{"1:4:2:2"}));
}

TEST(DifferenceStats, FullSetCountsMatchCombinatorics) {
    StatFixture f({});
    // Each difference is k for 2 (10 - k) of the 100 digit pairs (10 for 0).
    auto all = fullSetCounts(*f.list.CreateStat(f.entry("DIFA")));
    EXPECT_EQ(all[rowOfKey(0).Key], 4 * 1000 * 10);
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(all[rowOfKey(static_cast<uint16_t>(k)).Key], 4 * 1000 * 2 * (10 - k));
    }
    // Rows whose largest minus smallest digit is r.
    auto spread = fullSetCounts(*f.list.CreateStat(f.entry("DIFD")));
    EXPECT_EQ(spread[rowOfKey(0).Key], 10);
    for (int r = 1; r <= 9; ++r) {
        long long n = (10 - r) * (power(r + 1, 5) - 2 * power(r, 5) + power(r - 1, 5));
        EXPECT_EQ(spread[rowOfKey(static_cast<uint16_t>(r)).Key], n) << "spread " << r;
    }
    // All four differences equal to 0: the ten repdigits.
    auto same = fullSetCounts(*f.list.CreateStat(f.entry("DIFO")));
    EXPECT_EQ(same[rowOfKey(0, 4).Key], 10);
}

}  // namespace
}  // namespace pentad
