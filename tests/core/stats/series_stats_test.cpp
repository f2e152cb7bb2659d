// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/series_stats.h"

#include <gtest/gtest.h>

#include "core/stats/window_support.h"

namespace pentad {
namespace {

using namespace test;

using Texts = std::vector<std::string>;

TEST(SeriesStats, RunsOfTheNewestDrawsElements) {
    // Oldest first; the last draw is the newest of the window.
    StatFixture f({{1, 2, 3, 4, 5}, {1, 6, 7, 8, 9}, {1, 0, 0, 0, 0}});
    StatComputation groups = f.compute("GRPV");
    EXPECT_EQ(groups.valueTexts, (Texts{"0 x 1", "1 x 3"}));  // elements in ascending order
    EXPECT_EQ(rowOf(groups, "1 x 3").Depth, 1);

    StatComputation pauses = f.compute("GRPP");
    EXPECT_EQ(pauses.valueTexts, (Texts{"0 x 2"}));
    EXPECT_EQ(rowOf(pauses, "0 x 2").LastDraw, 2);  // the run's latest draw
    EXPECT_EQ(rowOf(pauses, "0 x 2").Depth, 2);

    // Every finished run of an element of the newest draw counts once.
    StatFixture g({{3, 3, 3, 3, 3},
                   {3, 1, 1, 1, 1},
                   {1, 1, 1, 1, 1},
                   {3, 3, 1, 1, 1},
                   {1, 1, 1, 1, 1},
                   {3, 0, 0, 0, 0}});
    StatComputation c = g.compute("GRPV");
    EXPECT_EQ(countOf(c, "3 x 2"), 1);
    EXPECT_EQ(countOf(c, "3 x 1"), 2);
    EXPECT_EQ(countOf(c, "0 x 1"), 1);
    EXPECT_EQ(countOf(c, "1 x 4"), -1);  // 1 is not in the newest draw
    // A shorter window starts the runs afresh.
    EXPECT_EQ(g.compute("GRPV", 2).valueTexts, (Texts{"0 x 1", "3 x 1"}));
}

TEST(SeriesStats, ChannelsAndSegments) {
    StatFixture f({{9, 9, 9, 9, 9}, {9, 0, 0, 0, 0}, {8, 9, 1, 1, 1}});
    f.list.config.ChannelSize = 1;  // eleven element values in use: channel 10 is the digit 9
    EXPECT_EQ(countOf(f.compute("GRCV"), "10 x 3"), 1);
    f.list.config.ChannelSize = 2;
    EXPECT_EQ(f.compute("GRCV").valueTexts, (Texts{"01 x 2", "05 x 3"}));
    f.list.config.ChannelSize = 0;
    EXPECT_TRUE(f.compute("GRCV").rows.empty());

    // Position 1 digits are segment 2, the rest segment 1.
    StatFixture s({{5, 5, 5, 5, 5}, {1, 1, 1, 1, 1}});
    for (int d = 0; d < 10; ++d) {
        s.list.config.MatrixSegments[static_cast<size_t>(d)] = 2;
    }
    EXPECT_EQ(s.compute("GRSV").valueTexts, (Texts{"1 x 2", "2 x 2"}));
}

TEST(SeriesStats, CandidatesHoldingASelectedElement) {
    StatFixture f({{3, 4, 5, 6, 7}, {3, 4, 0, 0, 0}});
    const std::vector<TStatRow> threeTwice = {rowOfKey(3, 2)};
    EXPECT_TRUE(kept(f, "GRPV", {0, 0, 3, 0, 0}, threeTwice));
    EXPECT_FALSE(kept(f, "GRPV", {0, 0, 4, 0, 0}, threeTwice));
    // Channel 3 of width 2 holds the digits 4 and 5.
    EXPECT_TRUE(kept(f, "GRCV", {0, 0, 5, 0, 0}, threeTwice));
    EXPECT_FALSE(kept(f, "GRCP", {3, 3, 3, 3, 3}, threeTwice));
}

TEST(SeriesStats, PeriodsBetweenOccurrences) {
    // Digit 4 in the draws numbered 10, 13 and 14.
    StatFixture f(
        {{4, 0, 0, 0, 0}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {4, 4, 1, 1, 1}, {4, 1, 1, 1, 1}}, 10);
    StatComputation c = f.compute("PRDV");
    EXPECT_EQ(countOf(c, "4 x 3"), 1);
    EXPECT_EQ(countOf(c, "4 x 1"), 1);  // the second 4 of draw 13 adds nothing
    EXPECT_EQ(countOf(c, "4 x 0"), -1);
    EXPECT_EQ(countOf(c, "1 x 1"), 3);
    EXPECT_EQ(rowOf(c, "4 x 3").LastDraw, 13);
    EXPECT_EQ(countOf(f.compute("PRDC"), "03 x 1"), 1);
}

TEST(SeriesStats, PeriodTestLooksAtTheDrawThePeriodBack) {
    // The draw two before the candidate holds 4, the newest does not.
    StatFixture f({{4, 0, 0, 0, 0}, {1, 1, 1, 1, 1}});
    const std::vector<TStatRow> fourEveryTwo = {rowOfKey(4, 2)};
    const std::vector<TStatRow> fourEveryOne = {rowOfKey(4, 1)};
    const Digits withFour = {4, 9, 9, 9, 9};
    // Include keeps a 4 that occurred exactly two draws earlier.
    EXPECT_TRUE(kept(f, "PRDV", withFour, fourEveryTwo));
    EXPECT_FALSE(kept(f, "PRDV", withFour, fourEveryOne));
    // Exclude keeps candidates whose selected elements did occur then.
    EXPECT_TRUE(kept(f, "PRDV", withFour, fourEveryTwo, true));
    EXPECT_FALSE(kept(f, "PRDV", withFour, fourEveryOne, true));
    // Elements without a selected row never decide.
    EXPECT_FALSE(kept(f, "PRDV", {9, 9, 9, 9, 9}, fourEveryTwo));
    EXPECT_TRUE(kept(f, "PRDV", {9, 9, 9, 9, 9}, fourEveryTwo, true));
}

}  // namespace
}  // namespace pentad
