// SPDX-License-Identifier: GPL-3.0-or-later
// The statistic graph, the repeats analysis and the sum distribution.
#include <gtest/gtest.h>

#include "shell/error.h"
#include "shell/shell.h"
#include "support/scripted_user_interface.h"
#include "support/stat_support.h"
#include "views/repeats.h"
#include "views/stat_graph.h"
#include "views/sum_distribution.h"

namespace pentad {
namespace {

using Digits = std::array<uint8_t, 5>;

TEST(StatGraph, MeanCoversTheDrawsThereAre) {
    test::StatFixture f({{0, 0, 0, 0, 1}, {0, 0, 0, 0, 2}, {0, 0, 0, 3, 3}, {9, 9, 9, 9, 9}});
    const StatGraph g = buildStatGraph(f.list, f.entry("SUMS"), f.archive, 100, false);
    ASSERT_EQ(g.points.size(), 4u);
    EXPECT_EQ(g.points[0].draw, 1);
    EXPECT_EQ(g.points[0].value, 1);
    EXPECT_EQ(g.points[3].value, 45);
    EXPECT_NEAR(g.mean, (1 + 2 + 6 + 45) / 4.0, 1e-9);

    f.archive.setOffset(1);
    const StatGraph shifted = buildStatGraph(f.list, f.entry("SUMS"), f.archive, 2, false);
    ASSERT_EQ(shifted.points.size(), 2u);
    EXPECT_EQ(shifted.points[0].draw, 2);
    EXPECT_EQ(shifted.points[1].draw, 3);
    EXPECT_NEAR(shifted.mean, 4.0, 1e-9);
}

TEST(StatGraph, ModeTieGoesToTheOldestValue) {
    // Sums 7, 3, 3, 7, 5: 7 and 3 twice each; 7 came first.
    test::StatFixture f(
        {{0, 0, 0, 0, 7}, {0, 0, 0, 0, 3}, {0, 0, 0, 1, 2}, {0, 0, 0, 3, 4}, {0, 0, 0, 0, 5}});
    const StatGraph g = buildStatGraph(f.list, f.entry("SUMS"), f.archive, 100, false);
    EXPECT_EQ(g.mode, 7);
    const StatGraph later = buildStatGraph(f.list, f.entry("SUMS"), f.archive, 4, false);
    EXPECT_EQ(later.mode, 3);

    const GraphData data = statGraphData(g, true);
    ASSERT_EQ(data.series.size(), 3u);
    EXPECT_EQ(data.series[0].rgb, kGraphMainColor);
    EXPECT_TRUE(data.series[0].labels);
    EXPECT_EQ(data.series[1].title, "Среднее значение");
    EXPECT_EQ(data.series[2].title, "Наиболее часто встречающееся значение");
    ASSERT_EQ(data.series[2].points.size(), 5u);
    EXPECT_EQ(data.series[2].points[4].x, 5);
    EXPECT_NEAR(data.series[2].points[4].y, 7.0, 1e-9);
}

TEST(StatGraph, RefusesMethodsWithoutAValuePerDraw) {
    test::StatFixture f({{1, 2, 3, 4, 5}});
    EXPECT_THROW(buildStatGraph(f.list, f.entry("NUMS"), f.archive, 10, false), Error);

    test::ScriptedUserInterface ui;
    Shell shell(ui);
    GraphPage page(shell, f.list, f.archive);
    EXPECT_TRUE(page.refresh(false));  // no method: an empty graph
    EXPECT_TRUE(page.graph().empty());
    page.entry = f.entry("SUMS");
    EXPECT_TRUE(page.refresh(false));
    EXPECT_EQ(page.graph().points.size(), 1u);
    EXPECT_FALSE(page.refresh(false));
    page.length = 5;
    EXPECT_TRUE(page.refresh(false));
}

TEST(Repeats, NeighbouringTwinsMatchInAllPositions) {
    const DrawArchive archive = test::archiveOfDigits(
        {{1, 2, 3, 4, 5}, {1, 2, 0, 0, 0}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}}, 10);
    int steps = 0;
    const RepeatsAnalysis r = analyseRepeats(archive.draws(), 2, 100, [&] { ++steps; });
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(r.maxMatches, 5);
    ASSERT_EQ(r.rows.size(), 4u);
    // Draw 13 against 12, 11, 10: 5 matches, 2 matches, 5 matches.
    EXPECT_EQ(r.rows[0].draw, 13);
    EXPECT_EQ(r.rows[0].matches, 5);
    EXPECT_EQ(r.rows[0].count, 2);
    EXPECT_EQ(r.rows[0].earlierText(), "12 10");
    EXPECT_EQ(r.rows[1].matches, 2);
    EXPECT_EQ(r.rows[1].earlierText(), "11");
    // Draw 12 against 11 and 10.
    EXPECT_EQ(r.rows[2].draw, 12);
    EXPECT_EQ(r.rows[2].matches, 2);
    EXPECT_EQ(r.rows[3].matches, 5);

    // Depth 1 looks at the draw before only.
    const RepeatsAnalysis shallow = analyseRepeats(archive.draws(), 100, 1);
    ASSERT_EQ(shallow.rows.size(), 3u);
    EXPECT_EQ(shallow.rows[2].draw, 11);
    EXPECT_EQ(shallow.rows[2].earlierText(), "10");

    const GraphData data = repeatsGraphData(r);
    ASSERT_EQ(data.series.size(), 5u);
    EXPECT_EQ(data.series[4].title, "Совпадений: 5");
    ASSERT_EQ(data.series[4].points.size(), 2u);
    EXPECT_EQ(data.series[4].points[0].x, 12);  // oldest row first
    EXPECT_TRUE(data.series[0].points.empty());
}

TEST(SumDistribution, FullSetLevelsAndRanges) {
    const DrawArchive archive =
        test::archiveOfDigits({{0, 0, 0, 0, 1}, {9, 9, 9, 9, 8}, {1, 2, 3, 4, 5}, {5, 4, 3, 2, 1}});
    const SumDistribution d = sumDistribution(archive.draws());
    EXPECT_EQ(d.theoretical.size(), 46u);
    int total = 0;
    for (int c : d.theoretical) {
        total += c;
    }
    EXPECT_EQ(total, 100000);
    EXPECT_EQ(d.theoretical[22], 6000);
    EXPECT_EQ(d.theoretical[23], 6000);
    EXPECT_EQ(d.theoretical[2], 15);
    EXPECT_EQ(d.tMax, 6000);
    EXPECT_EQ(d.tMin, 1);
    EXPECT_EQ(d.theoretical[0], 1);
    EXPECT_EQ(d.theoretical[45], 1);
    EXPECT_EQ(d.aMax, 2);
    EXPECT_EQ(d.actual, (std::vector<std::pair<int, int>>{{1, 1}, {15, 2}, {44, 1}}));
    EXPECT_EQ(d.actualCount(15), 2);
    EXPECT_EQ(d.actualCount(16), 0);

    // b = 6000: the levels are 1 + 2000, 1 + 3000 and 1 + 4000 combinations.
    EXPECT_EQ(d.ranges[0].level, 2001);
    EXPECT_EQ(d.ranges[0].low, 13);  // 1745 at 12, 2205 at 13
    EXPECT_EQ(d.ranges[0].high, 32);
    EXPECT_EQ(d.ranges[1].level, 3001);
    EXPECT_EQ(d.ranges[1].low, 15);
    EXPECT_EQ(d.ranges[1].high, 30);
    EXPECT_EQ(d.ranges[2].level, 4001);
    EXPECT_EQ(d.ranges[2].low, 17);
    EXPECT_EQ(d.ranges[2].high, 28);
    EXPECT_EQ(sumRangeCaption(d, 1), "Диапазон 2 (от 1/2 и выше по оси Y) - суммы 15-30");

    const GraphData data = sumDistributionGraphData(d);
    ASSERT_EQ(data.series.size(), 5u);
    EXPECT_EQ(data.series[0].points.size(), 3u);
    EXPECT_EQ(data.series[1].points.size(), 46u);
    EXPECT_NEAR(data.series[1].points[22].y, 2.0, 1e-9);
    EXPECT_NEAR(data.series[2].points[0].y, 2001.0 / 6000 * 2, 1e-9);
    EXPECT_NEAR(data.series[4].points[45].y, 4001.0 / 6000 * 2, 1e-9);
    EXPECT_EQ(data.series[4].rgb, 0xFF00FFu);

    const SumDistribution none = sumDistribution({});
    EXPECT_EQ(none.aMax, 0);
    EXPECT_EQ(none.scaled(6000), 0);
}

}  // namespace
}  // namespace pentad
