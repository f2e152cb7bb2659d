// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/characteristic_stats.h"

#include <gtest/gtest.h>

#include "core/stats/window_support.h"

namespace pentad {
namespace {

using namespace test;

using Texts = std::vector<std::string>;

TEST(CharacteristicStats, ReducedDifferences) {
    // 1 4 9 0 0 -> 3 5 9 0 -> 2 4 9 -> 2 5 -> 3
    StatFixture f({{1, 4, 9, 0, 0}, {3, 3, 3, 3, 3}});
    EXPECT_EQ(drawValues(f, "HCQ1", 0), (Texts{"3"}));
    // All differences 0: the final 0 becomes 0 + 0.
    EXPECT_EQ(drawValues(f, "HCQ2", 1), (Texts{"0"}));
    StatFixture one({{0, 0, 0, 0, 1}});  // 0 0 0 1 -> 0 0 1 -> 0 1: 1 becomes 0 + 1
    EXPECT_EQ(drawValues(one, "HCQ2", 0), (Texts{"1"}));
    EXPECT_EQ(drawValues(one, "HCQ3", 0), (Texts{"1 (1)"}));
    EXPECT_TRUE(kept(f, "HCQ1", {1, 4, 9, 0, 0}, {rowOfKey(3)}));
}

TEST(CharacteristicStats, DynamicNumberAgainstTheHiddenNextDraw) {
    // 0 0 0 0 2 reduces to 2; its multiples 8, 6, 4 follow.
    StatFixture f({{0, 0, 0, 0, 2}});
    StatComputation c = f.compute("HCQ3");
    EXPECT_EQ(c.valueTexts, (Texts{"2", "8", "6", "4"}));
    EXPECT_EQ(c.Total, 0);  // no hidden draw: the next draw is all zero

    StatComputation zero = StatFixture({{0, 0, 0, 0, 0}}).compute("HCQ3");
    EXPECT_EQ(zero.valueTexts, (Texts{"0"}));
    EXPECT_EQ(zero.rows[0].Count, 1);

    // Only the newest draw of the window counts; an offset hides 8 1 1 1 1.
    StatFixture hidden({{7, 7, 7, 7, 7}, {0, 0, 0, 0, 2}, {8, 1, 1, 1, 1}});
    hidden.archive.setOffset(1);
    StatComputation h = hidden.compute("HCQ3");
    EXPECT_EQ(h.valueTexts, (Texts{"2", "8", "6", "4"}));
    EXPECT_EQ(countOf(h, "8"), 1);
    EXPECT_EQ(h.Total, 1);
    EXPECT_TRUE(kept(hidden, "HCQ3", {8, 9, 9, 9, 9}, {rowOfKey(8)}));

    // 3 adds 9 and 6; 4 adds 8.
    EXPECT_EQ(StatFixture({{0, 0, 0, 0, 3}}).compute("HCQ3").valueTexts, (Texts{"3", "9", "6"}));
    EXPECT_EQ(StatFixture({{0, 0, 0, 0, 4}}).compute("HCQ3").valueTexts, (Texts{"4", "8"}));
}

TEST(CharacteristicStats, ShreddingTableAndFilter) {
    StatFixture f({{1, 2, 3, 4, 5}, {1, 2, 0, 0, 0}});
    EXPECT_EQ(f.list.Item(f.entry("SHR1")).DisplayCaption(),
              "Метод шинковки 1: (n1+n2)/(n3+n4+n5)");
    EXPECT_EQ(drawValues(f, "SHR1", 0), (Texts{"25"}));  // 3 / 12 = 0.25
    EXPECT_EQ(drawValues(f, "SHR1", 1), (Texts{"0"}));   // division by zero

    // The previous draws: p1 of the first draw is 0, of the second 1.
    f.list.Formulas[1] = "n2/p1";
    EXPECT_EQ(drawValues(f, "SHR2", 0), (Texts{"0"}));
    f.list.Formulas[1] = "p1/3 + t1";
    f.list.FormulaDigits[1] = 3;
    EXPECT_EQ(drawValues(f, "SHR2", 1), (Texts{"333"}));
    // The candidate follows the window: p is the newest draw.
    EXPECT_TRUE(kept(f, "SHR2", {0, 0, 0, 0, 0}, {rowOfKey(333)}));
}

TEST(CharacteristicStats, FiveDecimalsAreHeldExactly) {
    StatFixture f({{3, 4, 0, 0, 0}, {1, 2, 0, 0, 0}});
    f.list.Formulas[0] = "n1/n2";
    f.list.FormulaDigits[0] = 5;
    auto stat = f.list.CreateStat(f.entry("SHR1"));
    StatComputation c = f.compute("SHR1");
    EXPECT_EQ(c.valueTexts, (Texts{"75000", "50000"}));
    EXPECT_EQ(c.rows[0].H(1), 75000u);

    TStatRow high;
    high.setH(1, 75000);
    TStatRow wrapped = rowOfKey(75000 - 65536);
    EXPECT_TRUE(kept(f, "SHR1", {3, 4, 0, 0, 0}, {high}));
    EXPECT_FALSE(kept(f, "SHR1", {3, 4, 0, 0, 0}, {wrapped}));

    // The full set keeps the value through the file bytes: 3/4, 7/4 and 6/8,
    // each with any last three digits.
    PrefetchData data = decodePrefetch(encodePrefetch(countFullSet(*stat)));
    int32_t threeQuarters = -1;
    for (const PrefetchRecord& r : data.records) {
        TStatRow row;
        row.Key = r.Key;
        if (row.H(1) == 75000u) {
            threeQuarters = r.FullCount;
        }
    }
    EXPECT_EQ(threeQuarters, 3000);
}

}  // namespace
}  // namespace pentad
