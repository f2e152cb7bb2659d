// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/segment_stats.h"

#include <gtest/gtest.h>

#include "core/stats/family_support.h"
#include "game/routines.h"

namespace pentad {
namespace {

using namespace test;

// Refills the list for another segment table, as the program rebuilds the
// method list after the setting changes.
void setSegments(StatFixture& f, const std::string& text) {
    f.list.config.MatrixSegments = textToSegments(text);
    f.list.Fill();
}

TEST(SegmentStats, DefaultTableHasOneSegment) {
    StatFixture f({{0, 5, 9, 1, 1}, {7, 7, 7, 7, 7}});
    StatComputation segments = f.compute("SGMS");
    EXPECT_EQ(segments.valueTexts, (std::vector<std::string>{"1"}));
    EXPECT_EQ(segments.rows[0].Count, 10);
    StatComputation values = f.compute("SGMV");
    EXPECT_EQ(values.valueTexts, (std::vector<std::string>{"1 x 5"}));
    EXPECT_EQ(values.rows[0].Count, 2);
    EXPECT_EQ(f.compute("SGMC").valueTexts, (std::vector<std::string>{"1"}));
    EXPECT_NE(f.entry("SGM1"), -1);
    EXPECT_EQ(f.entry("SGM2"), -1);
    EXPECT_EQ(f.list.CreateStat(f.entry("SGM1"))->GraphValue(1, 1, false), 5);
    EXPECT_EQ(f.compute("KGM2").valueTexts, (std::vector<std::string>{"1:1"}));
    EXPECT_EQ(f.compute("KGS4").valueTexts, (std::vector<std::string>{"1:1:1:1"}));
    EXPECT_EQ(TstSgmValCnt::Class.helpCode(1), "SGMx");
}

TEST(SegmentStats, PartialTableKeepsScanOrderAndFullRange) {
    StatFixture f({{0, 5, 9, 1, 1}});
    // Position 1: digits 0..4 in segment 2, 5..9 in 7; other positions in 1
    // (missing characters count as 1).
    setSegments(f, "2222277777");
    for (int g = 1; g <= 7; ++g) {
        EXPECT_NE(f.entry("SGM" + std::to_string(g)), -1) << g;
    }
    EXPECT_EQ(f.entry("SGM8"), -1);
    EXPECT_EQ(f.list.CreateStat(f.entry("SGM3"))->GraphValue(0, 0, false), 0);
    EXPECT_EQ(f.list.CreateStat(f.entry("SGM2"))->GraphValue(0, 0, false), 1);

    StatComputation segments = f.compute("SGMS");
    EXPECT_EQ(segments.valueTexts, (std::vector<std::string>{"2", "7", "1"}));
    EXPECT_EQ(segments.rows[0].Count, 1);
    EXPECT_EQ(segments.rows[2].Count, 4);
    EXPECT_EQ(f.compute("SGMV").valueTexts, (std::vector<std::string>{"2 x 1", "7 x 0", "1 x 4"}));
    EXPECT_EQ(countOf(f.compute("SGMC"), "2"), 1);
    EXPECT_EQ(f.compute("KGS2").valueTexts, (std::vector<std::string>{"2:1", "1:1"}));

    auto values = f.list.CreateStat(f.entry("SGMV"));
    TStatDrawArray sevenOnce = selection({rowOfKey(7, 1)});
    EXPECT_TRUE(values->TestCombination(TCombRec{{9, 0, 0, 0, 0}}, sevenOnce, false, false, 0));
    EXPECT_FALSE(values->TestCombination(TCombRec{{0, 9, 9, 9, 9}}, sevenOnce, false, false, 0));

    // A "0" in the table is segment 0, the smallest variant.
    setSegments(f, "0");
    EXPECT_NE(f.entry("SGM0"), -1);
    EXPECT_NE(f.entry("SGM1"), -1);
    EXPECT_EQ(f.compute("SGMS").valueTexts, (std::vector<std::string>{"0", "1"}));
}

TEST(SegmentStats, FullSetCountsForTwoHalves) {
    StatFixture f({});
    // Every position: digits 0..4 in segment 1, 5..9 in segment 2.
    std::string halves;
    for (int p = 0; p < 5; ++p) {
        halves += "1111122222";
    }
    setSegments(f, halves);
    auto values = fullSetCounts(*f.list.CreateStat(f.entry("SGMV")));
    auto second = fullSetCounts(*f.list.CreateStat(f.entry("SGM2")));
    for (int k = 0; k <= 5; ++k) {
        long long n = choose(5, k) * power(5, 5);
        EXPECT_EQ(values[rowOfKey(1, static_cast<uint16_t>(k)).Key], n);
        EXPECT_EQ(second[rowOfKey(static_cast<uint16_t>(k)).Key], n);
    }
    auto segments = fullSetCounts(*f.list.CreateStat(f.entry("SGMS")));
    EXPECT_EQ(segments[rowOfKey(1).Key], 250000);
    auto count = fullSetCounts(*f.list.CreateStat(f.entry("SGMC")));
    EXPECT_EQ(count[rowOfKey(1).Key], 2 * 3125);
    EXPECT_EQ(count[rowOfKey(2).Key], 100000 - 2 * 3125);
}

}  // namespace
}  // namespace pentad
