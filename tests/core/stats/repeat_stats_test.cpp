// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/repeat_stats.h"

#include <gtest/gtest.h>

#include "core/stats/window_support.h"

namespace pentad {
namespace {

using namespace test;

using Texts = std::vector<std::string>;

TEST(RepeatStats, ValuesAreTheNewestDigitsCountedWhereTheyRepeated) {
    // 7 2 0 0 5 -> 8 2 1 0 5 repeats the newest draw's 2 and 5 at their
    // positions; the 0 at position 4 is no repeat of the newest draw's 4.
    StatFixture f({{7, 2, 0, 0, 5}, {8, 2, 1, 0, 5}, {9, 9, 9, 9, 9}, {1, 2, 3, 4, 5}});
    StatComputation c = f.compute("RPV2");
    EXPECT_EQ(c.valueTexts, (Texts{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(countOf(c, "2"), 1);
    EXPECT_EQ(countOf(c, "5"), 1);
    EXPECT_EQ(countOf(c, "1") + countOf(c, "3") + countOf(c, "4"), 0);
    EXPECT_EQ(rowOf(c, "2").LastDraw, 2);

    // Two draws later instead of the next one.
    StatFixture g(
        {{7, 2, 0, 0, 5}, {0, 0, 0, 0, 0}, {8, 2, 1, 0, 5}, {9, 9, 9, 9, 9}, {1, 2, 3, 4, 5}});
    EXPECT_EQ(drawValues(g, "PRV2O1", 2), (Texts{"2", "5"}));
    EXPECT_TRUE(drawValues(g, "RPV2", 2).empty());
}

TEST(RepeatStats, ShiftedValuesWrapAroundTen) {
    StatFixture f({{1, 1, 1, 1, 1}, {9, 0, 0, 0, 0}});
    EXPECT_EQ(f.compute("PRV+1").valueTexts, (Texts{"0", "1"}));
    EXPECT_EQ(f.compute("PRV-2").valueTexts, (Texts{"7", "8"}));

    // 9 at position 1 followed by 0 continues the newest draw's 9 + 1.
    StatFixture g({{9, 5, 5, 5, 5}, {0, 5, 5, 5, 5}, {9, 0, 0, 0, 0}});
    EXPECT_EQ(drawValues(g, "PRV+1", 1), (Texts{"0"}));
    // A candidate holding 0 anywhere continues it.
    EXPECT_TRUE(kept(g, "PRV+1", {3, 3, 3, 0, 3}, {rowOfKey(0)}));
    EXPECT_FALSE(kept(g, "PRV+1", {3, 3, 3, 9, 3}, {rowOfKey(0)}));
}

TEST(RepeatStats, CountsOfRepeatedPositions) {
    StatFixture f({{1, 2, 3, 4, 5}, {1, 2, 9, 9, 9}, {1, 2, 3, 4, 5}, {6, 7, 8, 9, 0}});
    EXPECT_EQ(drawValues(f, "RPC2", 1), (Texts{"2"}));
    EXPECT_EQ(drawValues(f, "RPC2", 3), (Texts{"0"}));
    // 0 is no prepared row: it follows 1..5 once it occurred.
    StatComputation c = f.compute("RPC2");
    EXPECT_EQ(c.valueTexts, (Texts{"1", "2", "3", "4", "5", "0"}));
    EXPECT_EQ(countOf(c, "2"), 2);

    StatFixture shifted({{5, 5, 5, 5, 5}, {4, 4, 4, 4, 4}});
    EXPECT_EQ(drawValues(shifted, "PRC-1", 1), (Texts{"5"}));
    EXPECT_EQ(drawValues(shifted, "PRC+1", 1), (Texts{"0"}));

    // The first draw is compared with an all-zero draw.
    StatFixture first({{0, 3, 0, 5, 0}});
    EXPECT_EQ(drawValues(first, "RPC2", 0), (Texts{"3"}));
}

TEST(RepeatStats, ThreeDrawMembers) {
    // Oldest first: 1 7 0 0 0, 1 2 0 0 0, then the candidate 1 2 3 4 5.
    StatFixture f({{1, 7, 0, 0, 0}, {1, 2, 0, 0, 0}});
    EXPECT_TRUE(kept(f, "RPC3", {1, 2, 3, 4, 5}, {rowOfKey(1)}));  // position 1
    EXPECT_FALSE(kept(f, "RPC3", {1, 2, 3, 4, 5}, {rowOfKey(2)}));
    EXPECT_TRUE(kept(f, "PRB2", {1, 2, 3, 4, 5}, {rowOfKey(1)}));  // position 2
    EXPECT_FALSE(kept(f, "PRB2", {1, 7, 3, 4, 5}, {rowOfKey(1)}));

    StatFixture g({{1, 7, 0, 0, 0}, {1, 2, 0, 0, 0}, {1, 2, 3, 4, 5}});
    EXPECT_EQ(drawValues(g, "RPC3", 2), (Texts{"1"}));
    EXPECT_EQ(drawValues(g, "PRB2", 2), (Texts{"1"}));
    EXPECT_EQ(drawValues(g, "RPV3", 2), (Texts{"1"}));
    EXPECT_EQ(drawValues(g, "PRL2", 2), (Texts{"2"}));
    EXPECT_EQ(g.compute("RPV3").valueTexts, (Texts{"1", "2", "3", "4", "5"}));
}

TEST(RepeatStats, CountCandidateAgainstTheDrawLagBeforeIt) {
    // Lag 2: the candidate is compared with the draw before the newest.
    StatFixture f({{4, 4, 4, 0, 0}, {1, 1, 1, 1, 1}});
    EXPECT_TRUE(kept(f, "RPO1", {4, 4, 4, 9, 9}, {rowOfKey(3)}));
    EXPECT_FALSE(kept(f, "RPC2", {4, 4, 4, 9, 9}, {rowOfKey(3)}));
    EXPECT_TRUE(kept(f, "RPC2", {4, 4, 4, 9, 9}, {rowOfKey(0)}));
}

}  // namespace
}  // namespace pentad
