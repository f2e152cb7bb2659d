// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/transition_stats.h"

#include <gtest/gtest.h>

#include "core/stats/window_support.h"
#include "stats/methods/transition_count_stats.h"

namespace pentad {
namespace {

using namespace test;

using Texts = std::vector<std::string>;

TEST(TransitionStats, WhatFollowedTheNewestDrawsSituation) {
    StatFixture f({{1, 9, 9, 9, 9}, {6, 0, 0, 0, 0}, {1, 2, 3, 4, 5}});
    StatComputation c = f.compute("SDP2");
    EXPECT_EQ(c.valueTexts, (Texts{"1 -> 6"}));
    EXPECT_EQ(c.rows[0].LastDraw, 2);
    EXPECT_EQ(f.compute("SDN1").valueTexts, (Texts{"1 -> 6"}));
    EXPECT_TRUE(f.compute("SDN2").rows.empty());
    // The candidate holds 6, at any position.
    EXPECT_TRUE(kept(f, "SDP2", {0, 6, 7, 8, 9}, {rowOfKey(1, 6)}));
    EXPECT_FALSE(kept(f, "SDP2", {0, 1, 7, 8, 9}, {rowOfKey(1, 6)}));

    // Three-draw members need two earlier draws: the first two draws of the
    // archive add nothing.
    StatFixture same({{1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}});
    StatComputation three = same.compute("SDP3");
    EXPECT_EQ(three.valueTexts, (Texts{"1-1 -> 1"}));
    EXPECT_EQ(three.Total, 5);
    EXPECT_EQ(same.compute("SDM4").Total, 1);
    EXPECT_TRUE(kept(same, "SDP3", {9, 9, 9, 9, 1}, {rowOfKey(1, 1, 1)}));
}

TEST(TransitionStats, AllPositionsMergeEveryDigitOfTheDraw) {
    StatFixture f({{1, 1, 1, 1, 1}, {1, 2, 2, 3, 3}});
    StatComputation c = f.compute("SDV2");
    EXPECT_EQ(c.Total, 25);
    EXPECT_EQ(countOf(c, "1 -> 1"), 5);
    EXPECT_EQ(countOf(c, "1 -> 2"), 10);
    EXPECT_EQ(countOf(c, "1 -> 3"), 10);
    // Not in the newest draw: no transition.
    EXPECT_EQ(StatFixture({{4, 4, 4, 4, 4}, {1, 2, 2, 3, 3}}).compute("SDV2").Total, 0);
}

TEST(TransitionStats, ChannelsAndSegments) {
    StatFixture f({{0, 5, 5, 5, 5}, {9, 5, 5, 5, 5}, {1, 2, 3, 4, 5}});
    f.list.config.ChannelSize = 3;  // 0..2, 3..5, 6..8, 9
    EXPECT_EQ(f.compute("SCN1").valueTexts, (Texts{"01 -> 04"}));
    EXPECT_TRUE(kept(f, "SCN1", {5, 5, 5, 5, 9}, {rowOfKey(1, 4)}));
    EXPECT_FALSE(kept(f, "SCN1", {5, 5, 5, 5, 8}, {rowOfKey(1, 4)}));
    // The all-positions form compares channels: the 0 of the first draw is no
    // digit of the newest draw, but its channel is.
    EXPECT_EQ(countOf(f.compute("SCV2"), "01 -> 04"), 1);

    StatFixture s({{5, 5, 5, 5, 5}, {6, 6, 6, 6, 6}, {5, 1, 1, 1, 1}});
    s.list.config.MatrixSegments[0 * 10 + 5] = 3;  // digit 5 at position 1
    s.list.config.MatrixSegments[0 * 10 + 6] = 4;
    EXPECT_EQ(s.compute("SSN1").valueTexts, (Texts{"3 -> 4"}));
    EXPECT_EQ(countOf(s.compute("SSN2"), "1 -> 1"), 2);  // one segment at position 2
}

TEST(TransitionStats, CountsInOneChannel) {
    // Channel 1 of width 2 holds 0 and 1.
    StatFixture f({{0, 1, 5, 5, 5}, {0, 0, 0, 7, 7}, {1, 1, 9, 9, 9}});
    StatComputation c = f.compute("SC2C1");
    // Prepared: the newest draw's count (2) followed by 0..width.
    EXPECT_EQ(c.valueTexts, (Texts{"2 -> 0", "2 -> 1", "2 -> 2", "2 -> 3"}));
    EXPECT_EQ(countOf(c, "2 -> 3"), 1);
    EXPECT_TRUE(kept(f, "SC2C1", {0, 1, 0, 9, 9}, {rowOfKey(2, 3)}));
    EXPECT_FALSE(kept(f, "SC2C1", {0, 1, 9, 9, 9}, {rowOfKey(2, 3)}));
    StatComputation three = f.compute("SC3C1");
    EXPECT_EQ(three.valueTexts, (Texts{"3-2 -> 0", "3-2 -> 1", "3-2 -> 2"}));

    f.list.config.ChannelSize = 0;
    f.list.Fill();
    EXPECT_EQ(f.entry("SC2C1"), -1);
    EXPECT_EQ(f.entry("SC3C1"), -1);
}

TEST(TransitionStats, InsideChannelsCountsAndContinuations) {
    // 4 (channel 3 of width 2: 4 and 5) of the previous draw is also in the
    // newest draw; 4 5 0 0 0 holds two digits of its channel.
    StatFixture f({{4, 9, 9, 9, 9}, {4, 5, 0, 0, 0}, {4, 1, 1, 1, 1}});
    EXPECT_EQ(drawValues(f, "SDC2", 1), (Texts{"4 -> 2"}));
    EXPECT_EQ(drawValues(f, "SDA2", 1), (Texts{"4 -> 4", "4 -> 5"}));
    EXPECT_TRUE(kept(f, "SDC2", {5, 9, 9, 9, 9}, {rowOfKey(4, 2)}));
    EXPECT_FALSE(kept(f, "SDC2", {9, 9, 9, 9, 9}, {rowOfKey(4, 2)}));
}

TEST(TransitionStats, MoveToZeroIsNoFailure) {
    // 1 (channel 1 of width 2: 0 and 1) moves to 0 once and finds no digit of
    // its channel once.
    StatFixture f(
        {{1, 9, 9, 9, 9}, {0, 8, 8, 8, 8}, {1, 9, 9, 9, 9}, {5, 5, 5, 5, 5}, {1, 7, 7, 7, 7}});
    StatComputation all = f.compute("SDA2");
    EXPECT_EQ(all.valueTexts, (Texts{"1 -> 0", "1 -> -"}));
    EXPECT_EQ(countOf(all, "1 -> 0"), 1);
    EXPECT_EQ(countOf(all, "1 -> -"), 1);
    EXPECT_EQ(f.compute("SDG2").valueTexts, (Texts{"1 -> 0"}));
    StatComputation bad = f.compute("SDZ2");
    EXPECT_EQ(bad.valueTexts, (Texts{"1 -> -"}));
    EXPECT_EQ(bad.Total, 1);
    EXPECT_EQ(countOf(f.compute("SDC2"), "1 -> 1"), 1);
    EXPECT_EQ(countOf(f.compute("SDC2"), "1 -> 0"), 1);

    // A selected move to 0 keeps candidates holding 0; a selected failure of
    // 1 keeps candidates holding a digit of 1's channel.
    TStatRow toZero = rowOf(all, "1 -> 0");
    TStatRow none = rowOf(all, "1 -> -");
    EXPECT_TRUE(kept(f, "SDA2", {0, 9, 9, 9, 9}, {toZero}));
    EXPECT_FALSE(kept(f, "SDA2", {1, 9, 9, 9, 9}, {toZero}));
    EXPECT_TRUE(kept(f, "SDZ2", {1, 9, 9, 9, 9}, {none}));
    EXPECT_FALSE(kept(f, "SDZ2", {5, 9, 9, 9, 9}, {none}));
}

}  // namespace
}  // namespace pentad
