// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/number_stats.h"

#include <gtest/gtest.h>

#include "stats/prefetch.h"
#include "support/stat_support.h"

namespace pentad {
namespace {

using test::StatFixture;
using Digits = std::array<uint8_t, 5>;

std::vector<std::string> texts(const StatComputation& c) {
    return c.valueTexts;
}

TEST(NumberStats, ValuesCountEveryDigitAndPrepareAllTen) {
    StatFixture f({{3, 3, 5, 7, 9}, {0, 0, 0, 0, 0}});
    StatComputation c = f.compute("NUMS");
    ASSERT_EQ(c.rows.size(), 10u);
    EXPECT_EQ(c.rows[3].Count, 2);  // a digit drawn twice counts twice
    EXPECT_EQ(c.rows[0].Count, 5);
    EXPECT_EQ(c.rows[1].Count, 0);
    EXPECT_EQ(c.rows[1].Depth, 0);
    EXPECT_EQ(c.Total, 10);

    // Digits prepares nothing: only digits that occurred.
    StatComputation d = f.compute("DIGS");
    EXPECT_EQ(texts(d), (std::vector<std::string>{"3", "5", "7", "9", "0"}));
}

TEST(NumberStats, RatioRowsAreOneToFiveThenNewValues) {
    StatFixture f({{1, 3, 5, 7, 9}, {2, 4, 6, 8, 1}});
    StatComputation c = f.compute("EVEN");
    EXPECT_EQ(texts(c), (std::vector<std::string>{"1:4", "2:3", "3:2", "4:1", "5:0", "0:5"}));
    EXPECT_EQ(c.rows[3].Count, 1);  // 2 4 6 8 1 has four even digits
    StatComputation p = StatFixture({{1, 1, 1, 1, 1}, {0, 4, 6, 8, 9}}).compute("PRIM");
    EXPECT_EQ(p.rows[4].Count, 1);  // 1 counts as prime: "5:0"
    EXPECT_EQ(p.valueTexts.back(), "0:5");
}

TEST(NumberStats, MasksShowMarksAndNumber) {
    StatFixture f({{2, 3, 4, 5, 6}, {1, 3, 5, 7, 9}});
    StatComputation c = f.compute("EVNV");
    ASSERT_EQ(c.rows.size(), 32u);
    EXPECT_EQ(c.valueTexts[10], "ЧнЧнЧ (010)");
    EXPECT_EQ(c.rows[10].Count, 1);
    EXPECT_EQ(c.valueTexts[31], "ннннн (031)");

    StatComputation s = StatFixture({{0, 0, 0, 0, 0}}).compute("SMLV");
    EXPECT_EQ(texts(s), (std::vector<std::string>{"11111 (000)"}));

    StatComputation p = StatFixture({{1, 0, 2, 4, 7}}).compute("PRMV");
    EXPECT_EQ(p.valueTexts[0b10101], "ПСПСП (021)");
    EXPECT_EQ(p.rows[0b10101].Count, 1);

    auto stat = f.list.CreateStat(f.entry("EVNV"));
    EXPECT_EQ(stat->ValueFromText("ЧнЧнЧ (010)"), 10);
    EXPECT_EQ(stat->ParseValue("ннннн"), 31);
}

TEST(NumberStats, PositionValueFollowsTheSortedView) {
    StatFixture f({{9, 2, 5, 1, 7}});
    StatComputation drawn = f.compute("POS1");
    EXPECT_EQ(drawn.rows[9].Count, 1);
    StatComputation sorted = f.compute("POS1", 1000, nullptr, true);
    EXPECT_EQ(sorted.rows[1].Count, 1);
    StatComputation values = f.compute("NUMS", 1000, nullptr, true);
    EXPECT_EQ(values.rows[9].Count, 1);

    auto pos3 = f.list.CreateStat(f.entry("POS3"));
    EXPECT_EQ(pos3->GraphValue(0, 0, false), 5);
    EXPECT_EQ(pos3->GraphValue(0, 0, true), 5);
    EXPECT_EQ(pos3->GraphValue(7, 0, false), 0);  // outside the archive
}

TEST(NumberStats, CandidatesAreTestedAgainstSelectedRows) {
    StatFixture f({{1, 3, 5, 7, 9}});
    auto even = f.list.CreateStat(f.entry("EVEN"));
    even->LoadDraws(-1, 0, false);
    TStatDrawArray selected;
    TStatRow fiveEven;
    fiveEven.setV(1, 5);
    selected.append(fiveEven);
    TCombRec candidate{{2, 4, 6, 8, 0}};
    EXPECT_TRUE(even->TestCombination(candidate, selected, false, false, 0));
    EXPECT_FALSE(even->TestCombination(TCombRec{{2, 4, 6, 8, 1}}, selected, false, false, 0));

    auto nums = f.list.CreateStat(f.entry("NUMS"));
    TStatDrawArray seven;
    TStatRow r;
    r.setV(1, 7);
    seven.append(r);
    EXPECT_TRUE(nums->TestCombination(TCombRec{{0, 0, 0, 0, 7}}, seven, false, false, 0));
    EXPECT_FALSE(nums->TestCombination(TCombRec{{0, 1, 2, 3, 4}}, seven, false, false, 0));
}

TEST(NumberStats, FullSetCountsMatchCombinatorics) {
    StatFixture f({});
    auto nums = f.list.CreateStat(f.entry("NUMS"));
    std::vector<TStatRow> rows = countFullSet(*nums);
    ASSERT_EQ(rows.size(), 10u);
    for (const TStatRow& r : rows) {
        EXPECT_EQ(r.Count, 50000);
    }
    auto even = f.list.CreateStat(f.entry("EVEN"));
    rows = countFullSet(*even);
    ASSERT_EQ(rows.size(), 6u);
    const int binom[6] = {1, 5, 10, 10, 5, 1};
    for (int k = 0; k <= 5; ++k) {
        EXPECT_EQ(rows[static_cast<size_t>(k)].V(1), k);  // sorted by key
        EXPECT_EQ(rows[static_cast<size_t>(k)].Count, binom[k] * 3125);
    }
    auto mask = f.list.CreateStat(f.entry("EVNV"));
    rows = countFullSet(*mask);
    ASSERT_EQ(rows.size(), 32u);
    EXPECT_EQ(rows[31].Count, 3125);
    auto pos = f.list.CreateStat(f.entry("POS5"));
    rows = countFullSet(*pos);
    EXPECT_EQ(rows[4].Count, 10000);
}

}  // namespace
}  // namespace pentad
