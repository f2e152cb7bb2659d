// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/sum_stats.h"

#include <gtest/gtest.h>

#include "core/stats/family_support.h"

namespace pentad {
namespace {

using namespace test;

// Five-digit rows with digit sum s, by inclusion and exclusion.
long long rowsWithSum(int s) {
    long long n = 0;
    for (int j = 0; j <= 5 && 10 * j <= s; ++j) {
        n += (j % 2 == 0 ? 1 : -1) * choose(5, j) * choose(s - 10 * j + 4, 4);
    }
    return n;
}

TEST(SumStats, ValuesOfWorkedDraws) {
    StatFixture zeros({{0, 0, 0, 0, 0}});
    StatComputation sums = zeros.compute("SUMS");
    ASSERT_EQ(sums.rows.size(), 27u);  // 10..35 prepared, then 0 appended
    EXPECT_EQ(sums.valueTexts.front(), "10");
    EXPECT_EQ(sums.valueTexts[25], "35");
    EXPECT_EQ(sums.valueTexts.back(), "0");
    EXPECT_EQ(sums.rows[26].Count, 1);
    EXPECT_EQ(countOf(zeros.compute("S2T3"), "30"), 1);  // every digit is 0 + 0

    StatFixture f({{1, 2, 3, 4, 5}});
    EXPECT_EQ(countOf(f.compute("S2T3"), "4"), 1);  // 1+2=3, 1+3=4, 1+4=5, 2+3=5
    EXPECT_EQ(countOf(f.compute("SUME"), "6"), 1);
    EXPECT_EQ(countOf(f.compute("SUMP"), "11"), 1);  // 1, 2, 3 and 5 count as prime
    EXPECT_EQ(f.list.CreateStat(f.entry("S2T3"))->GraphValue(0, 0, false), 4);
    EXPECT_EQ(f.list.CreateStat(f.entry("SUMS"))->GraphValue(0, 0, false), 15);
}

TEST(SumStats, RangesShowTheBandOrTheRest) {
    StatFixture f({{9, 9, 9, 0, 0}, {9, 9, 9, 9, 0}});
    StatComputation c = f.compute("SUM3");
    EXPECT_EQ(c.valueTexts, (std::vector<std::string>{"Остальные", "16-29"}));
    EXPECT_EQ(c.rows[0].Count, 1);  // 36
    EXPECT_EQ(c.rows[1].Count, 1);  // 27
    EXPECT_EQ(f.compute("SUM1").valueTexts[1], "12-33");
    EXPECT_EQ(f.entry("SUM4"), -1);
    EXPECT_EQ(TstSumRanges::Class.helpCode(2), "SUMx");
    EXPECT_EQ(TstSumRanges::VariantCaption(1), "Сумма тиража: диапазон 1 (1/3)");
    EXPECT_EQ(TstSumRanges::VariantCaption(2), "Сумма тиража: диапазон 2 (1/2)");
    EXPECT_EQ(TstSumRanges::VariantCaption(3), "Сумма тиража: диапазон 3 (2/3)");
    EXPECT_EQ(f.list.Item(f.entry("SUM2")).DisplayCaption(), "Сумма тиража: диапазон 2 (1/2)");

    auto range2 = f.list.CreateStat(f.entry("SUM2"));  // 14..31
    TCombRec inside{{4, 4, 4, 4, 4}};
    TCombRec outside{{9, 9, 9, 9, 4}};
    TStatDrawArray in = selection({rowOfKey(1)});
    TStatDrawArray rest = selection({rowOfKey(0)});
    TStatDrawArray both = selection({rowOfKey(0), rowOfKey(1)});
    EXPECT_TRUE(range2->TestCombination(inside, in, false, false, 1));
    EXPECT_FALSE(range2->TestCombination(outside, in, false, false, 1));
    EXPECT_TRUE(range2->TestCombination(outside, rest, false, false, 1));
    EXPECT_FALSE(range2->TestCombination(inside, rest, false, false, 1));
    EXPECT_TRUE(range2->TestCombination(inside, both, false, false, 1));
    EXPECT_FALSE(range2->TestCombination(outside, both, false, false, 1));
}

// Sums 20, 23, 20, 18, 10, 20: the newest sum 20 preceded draws 2 and 4.
std::vector<Digits> changeDraws() {
    return {{4, 4, 4, 4, 4}, {5, 5, 5, 4, 4}, {4, 4, 4, 4, 4},
            {9, 9, 0, 0, 0}, {2, 2, 2, 2, 2}, {4, 4, 4, 4, 4}};
}

TEST(SumStats, ChangeCountsOnlyAfterTheNewestSum) {
    StatFixture f(changeDraws());
    StatComputation c = f.compute("SUMC");
    EXPECT_EQ(c.valueTexts,
              (std::vector<std::string>{"+03 : 20 + 03 = 23", "- 02 : 20 - 02 = 18"}));
    auto change = f.list.CreateStat(f.entry("SUMC"));
    EXPECT_EQ(change->ValueText(rowOfKey(23, 0, 18)), "- 05 : 23 - 05 = 18");
    // Over the last two draws no predecessor had the sum 20 (18 and 10 did).
    EXPECT_TRUE(f.compute("SUMC", 2).rows.empty());
    EXPECT_EQ(change->GraphValue(0, 5, false), 20);  // against the all-zero draw before
    EXPECT_EQ(change->GraphValue(3, 5, false), -2);

    change->LoadDraws(-1, 5, false);
    TStatDrawArray selected = selection({c.rows[0]});
    EXPECT_TRUE(change->TestCombination(TCombRec{{9, 9, 5, 0, 0}}, selected, false, false, 5));
    EXPECT_FALSE(change->TestCombination(TCombRec{{9, 9, 0, 0, 0}}, selected, false, false, 5));

    StatComputation trend = f.compute("SUMT");
    EXPECT_EQ(trend.valueTexts, (std::vector<std::string>{"=", "+", "-"}));
    EXPECT_EQ(trend.rows[0].Count, 0);
    EXPECT_EQ(trend.rows[1].Count, 1);
    EXPECT_EQ(trend.rows[2].Count, 1);
    auto direction = f.list.CreateStat(f.entry("SUMT"));
    EXPECT_EQ(direction->GraphValue(4, 5, false), -1);  // 10 after 18, whatever the newest
    EXPECT_EQ(direction->GraphValue(5, 5, false), 1);
    TStatDrawArray same = selection({trend.rows[0]});
    EXPECT_TRUE(direction->TestCombination(TCombRec{{0, 0, 0, 10, 10}}, same, false, false, 5));
    EXPECT_TRUE(direction->TestCombination(TCombRec{{9, 9, 2, 0, 0}}, same, false, false, 5));
    EXPECT_FALSE(direction->TestCombination(TCombRec{{9, 9, 3, 0, 0}}, same, false, false, 5));
}

TEST(SumStats, ChangeSomeCountsAfterSumsNearTheNewest) {
    // Sums 17, 18, 25, 22, 19, 23, 23, 20: predecessors 18, 22 and 19 lie
    // within 2 of the newest 20.
    StatFixture f({{3, 3, 3, 4, 4},
                   {4, 4, 4, 3, 3},
                   {5, 5, 5, 5, 5},
                   {5, 5, 5, 5, 2},
                   {5, 5, 5, 4, 0},
                   {5, 5, 5, 4, 4},
                   {5, 5, 5, 4, 4},
                   {4, 4, 4, 4, 4}});
    StatComputation c = f.compute("SUMV");
    EXPECT_EQ(c.valueTexts, (std::vector<std::string>{"+07", "- 03", "+04"}));
    auto some = f.list.CreateStat(f.entry("SUMV"));
    EXPECT_EQ(some->ValueText(rowOfKey(0)), "+00");

    some->LoadDraws(-1, 7, false);
    TStatDrawArray selected = selection({c.rows[0], c.rows[1]});
    EXPECT_TRUE(some->TestCombination(TCombRec{{9, 9, 9, 0, 0}}, selected, false, false, 7));
    EXPECT_TRUE(some->TestCombination(TCombRec{{9, 8, 0, 0, 0}}, selected, false, false, 7));
    EXPECT_FALSE(some->TestCombination(TCombRec{{9, 4, 0, 0, 0}}, selected, false, false, 7));
}

TEST(SumStats, FullSetCountsFollowTheDigitSumDistribution) {
    StatFixture f({});
    auto sums = fullSetCounts(*f.list.CreateStat(f.entry("SUMS")));
    ASSERT_EQ(sums.size(), 46u);
    int top = 0;
    for (int s = 0; s <= 45; ++s) {
        int n = sums[rowOfKey(static_cast<uint16_t>(s)).Key];
        EXPECT_EQ(n, rowsWithSum(s)) << "sum " << s;
        top = std::max(top, n);
    }
    EXPECT_EQ(sums[rowOfKey(0).Key], 1);
    EXPECT_EQ(sums[rowOfKey(45).Key], 1);
    EXPECT_EQ(sums[rowOfKey(22).Key], top);
    EXPECT_EQ(sums[rowOfKey(23).Key], top);

    long long inRange1 = 0;
    for (int s = 12; s <= 33; ++s) {
        inRange1 += rowsWithSum(s);
    }
    auto range1 = fullSetCounts(*f.list.CreateStat(f.entry("SUM1")));
    EXPECT_EQ(range1[rowOfKey(1).Key], inRange1);
    EXPECT_EQ(range1[rowOfKey(0).Key], 100000 - inRange1);

    // No even digit but 0: six choices per position; no prime digit: five.
    EXPECT_EQ(fullSetCounts(*f.list.CreateStat(f.entry("SUME")))[rowOfKey(0).Key], 7776);
    EXPECT_EQ(fullSetCounts(*f.list.CreateStat(f.entry("SUMP")))[rowOfKey(0).Key], 3125);
    auto pairs = fullSetCounts(*f.list.CreateStat(f.entry("S2T3")));
    EXPECT_EQ(pairs[rowOfKey(30).Key], 1);  // only 00000
}

}  // namespace
}  // namespace pentad
