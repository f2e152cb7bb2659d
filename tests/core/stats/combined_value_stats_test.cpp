// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/combined_value_stats.h"

#include <gtest/gtest.h>

#include "core/stats/window_support.h"
#include "filters/filter_item.h"

namespace pentad {
namespace {

using namespace test;

using Texts = std::vector<std::string>;

TEST(CombinedValueStats, GroupsOfOneDraw) {
    StatFixture f({{3, 1, 4, 1, 5}});
    EXPECT_EQ(f.compute("KNS2").valueTexts, (Texts{"3:1", "1:4", "4:1", "1:5"}));
    EXPECT_EQ(f.compute("KNO2").valueTexts, (Texts{"1:1", "1:3", "3:4", "4:5"}));
    EXPECT_EQ(f.compute("KNP24").valueTexts, (Texts{"1:5"}));
    EXPECT_EQ(f.compute("KNP31").valueTexts, (Texts{"3:1:4"}));
    EXPECT_EQ(f.compute("KNO4").valueTexts, (Texts{"1:1:3:4", "1:3:4:5"}));
    // Sorting the draws first changes nothing for the sorted members.
    EXPECT_EQ(f.compute("KNO3", 10, nullptr, true).valueTexts,
              f.compute("KNO3", 10, nullptr, false).valueTexts);
    EXPECT_EQ(f.compute("KNS2", 10, nullptr, true).valueTexts, (Texts{"1:1", "1:3", "3:4", "4:5"}));

    StatFixture zeros({{0, 0, 0, 0, 0}});
    StatComputation mix4 = zeros.compute("KNM4");
    EXPECT_EQ(mix4.valueTexts, (Texts{"0:0:0:0"}));
    EXPECT_EQ(mix4.rows[0].Count, 5);
    EXPECT_EQ(countOf(StatFixture({{1, 1, 1, 2, 3}}).compute("KNM3"), "1:1:2"), 3);
}

TEST(CombinedValueStats, OrderOfPositionsMattersUnlessSorted) {
    StatFixture f({{1, 2, 3, 4, 5}});
    const std::vector<TStatRow> oneFive = {rowOfKey(1, 5)};
    EXPECT_TRUE(kept(f, "KNM2", {1, 0, 0, 0, 5}, oneFive));
    EXPECT_FALSE(kept(f, "KNM2", {5, 0, 0, 0, 1}, oneFive));
    EXPECT_TRUE(kept(f, "KNO2", {5, 0, 0, 0, 1}, oneFive));
    EXPECT_TRUE(kept(f, "KNO2", {0, 0, 1, 5, 9}, oneFive));
    EXPECT_FALSE(kept(f, "KNO2", {1, 2, 5, 0, 0}, oneFive));  // 1 and 5 are no neighbours
    EXPECT_FALSE(kept(f, "KNS2", {1, 0, 0, 0, 5}, oneFive));
    EXPECT_TRUE(kept(f, "KNP24", {0, 0, 0, 1, 5}, oneFive));
    EXPECT_FALSE(kept(f, "KNP23", {0, 0, 0, 1, 5}, oneFive));
}

TEST(CombinedValueStats, StartPositionVariantsAndNoValueLists) {
    StatFixture f({});
    EXPECT_EQ(f.entry("KNP25"), -1);
    EXPECT_EQ(f.entry("KNP34"), -1);
    EXPECT_EQ(f.entry("KNP43"), -1);
    ASSERT_NE(f.entry("KNP42"), -1);
    EXPECT_EQ(f.list.Item(f.entry("KNP23")).DisplayCaption(),
              "Сочетания из 2-х чисел тиража начиная с 3 позиции");
    EXPECT_EQ(f.list.Item(f.entry("KNM3")).DisplayCaption(),
              "Сочетания из 3 чисел по всем числам тиража");

    // A value list cannot choose rows such as "1:5".
    for (const char* code : {"KNM2", "KNS4", "KNP31", "KNO3"}) {
        TFilterItem item;
        item.Active = true;
        item.Method = refOf(f.list, f.entry(code));
        item.DrawsLen = "100";
        item.LevelMode = 31;
        item.LevelValue = "15";
        auto problem = validateFilterItem(item);
        ASSERT_TRUE(problem.has_value()) << code;
        EXPECT_EQ(problem->field, FilterField::LevelMode) << code;
    }
}

}  // namespace
}  // namespace pentad
