// SPDX-License-Identifier: GPL-3.0-or-later
#include "filters/filter_item.h"

#include <gtest/gtest.h>

#include "game/routines.h"
#include "support/stat_support.h"

namespace pentad {
namespace {

using Cells = std::array<std::string, kStatColumns>;

Cells cellsWith(int column, const std::string& text) {
    Cells c;
    c.fill("0");
    c[static_cast<size_t>(column)] = text;
    return c;
}

TEST(ValueLists, ExpandLikeTheFilterFields) {
    EXPECT_EQ(ParseValueList("1;2;;3"), (TIntArray{1, 2, 3}));
    EXPECT_EQ(ParseValueList("3, 1, 3"), (TIntArray{3, 1, 3}));
    EXPECT_TRUE(ParseValueList("5-5;0").empty());
    EXPECT_EQ(ParseValueList("5-5;1"), (TIntArray{5}));
    EXPECT_TRUE(ParseValueList("10-1;3").empty());
}

TEST(LevelModes, CaptionsAndCodes) {
    EXPECT_EQ(levelModeCaption(0), "Весь список (без условий)");
    EXPECT_EQ(levelModeCaption(1), "\"Глубина\": не менее заданного значения");
    EXPECT_EQ(levelModeCaption(12), "\"Отклонение\": из заданного списка процентов");
    EXPECT_EQ(levelModeCaption(31), "\"Значения\": из заданного списка значений");
    EXPECT_STREQ(levelModeCode(21), "WDV");
    EXPECT_EQ(stopModeCaption(2), "Пока список не будет пуст и откатить на шаг");
    EXPECT_STREQ(stopModeCode(5), "SP");
    EXPECT_TRUE(isListLevelMode(31));
    EXPECT_TRUE(isThresholdLevelMode(20));
    EXPECT_FALSE(isThresholdLevelMode(0));
}

TEST(LevelModes, ThresholdsOnCellsThatAreNotNumbers) {
    // A "Глубина" cell "-": mode 3 reads it as 65535, mode 1 as 0.
    Cells dash = cellsWith(6, "-");
    EXPECT_FALSE(levelTest(3, "1000", dash, 0));
    EXPECT_TRUE(levelTest(1, "0", dash, 0));
    EXPECT_FALSE(levelTest(1, "1", dash, 0));
    // Percent "at most" reads a non-number as 65535, weight "at most" as 0.
    EXPECT_FALSE(levelTest(4, "100", cellsWith(7, "-"), 0));
    EXPECT_TRUE(levelTest(20, "0", cellsWith(8, "-"), 0));
    // Lists never match a non-number instead of failing.
    EXPECT_FALSE(levelTest(5, "0,1,2", dash, 0));
    EXPECT_FALSE(levelTest(6, "0", cellsWith(7, "-"), 0));
}

TEST(LevelModes, ThresholdsAndListsOnNumbers) {
    EXPECT_TRUE(levelTest(1, "2", cellsWith(6, "2"), 0));
    EXPECT_FALSE(levelTest(1, "3", cellsWith(6, "2"), 0));
    EXPECT_TRUE(levelTest(3, "2", cellsWith(6, "2"), 0));
    EXPECT_TRUE(levelTest(14, "10", cellsWith(2, "10.00000"), 0));  // percent at least
    EXPECT_TRUE(levelTest(16, "10", cellsWith(2, "9.99999"), 0));
    EXPECT_TRUE(levelTest(9, "-3", cellsWith(4, "-5"), 0));
    EXPECT_TRUE(levelTest(21, "4,6", cellsWith(8, "6.00"), 0));
    EXPECT_FALSE(levelTest(21, "4,6", cellsWith(8, "5.00"), 0));
    EXPECT_TRUE(levelTest(17, "1,3", cellsWith(1, "3"), 0));
    EXPECT_TRUE(levelTest(31, "7,8", cellsWith(0, "x"), 8));
    EXPECT_FALSE(levelTest(31, "7,8", cellsWith(0, "x"), 9));
    EXPECT_TRUE(levelTest(0, "", cellsWith(0, "x"), 0));
}

TEST(FilterDialogChecks, RefuseBadRangesAndStopModes) {
    TFilterItem item;
    item.DrawsLen = "0";
    EXPECT_EQ(validateFilterItem(item)->field, FilterField::DrawsLen);
    item.DrawsLen = "0, 5";
    EXPECT_FALSE(validateFilterItem(item));
    item.LevelMode = 1;
    item.LevelValue = "1-10";
    auto bad = validateFilterItem(item);
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->field, FilterField::LevelValue);
    EXPECT_EQ(bad->message, "Введен некорректный диапазон значений!");
    item.LevelValue = "2";
    item.MultiSelect = true;
    item.StopMode = 1;
    EXPECT_EQ(validateFilterItem(item)->field, FilterField::StopMode);
}

class FilterTextTest : public ::testing::Test {
protected:
    test::StatFixture f{{}};
};

TEST_F(FilterTextTest, ReadsTheExampleItem) {
    TFilterItem item = TextToFilterItem("TSD1#NUMS:10-30;10#LMV:2#ST:3", f.list);
    EXPECT_TRUE(item.Active);
    EXPECT_FALSE(item.BottomUp);
    EXPECT_FALSE(item.MultiSelect);
    EXPECT_FALSE(item.KeepSelected);
    EXPECT_EQ(item.SortOrder, 1u);
    EXPECT_EQ(item.Method.Code(), "NUMS");
    EXPECT_EQ(item.DrawsLen, "10-30;10");
    EXPECT_EQ(item.LevelMode, 1);
    EXPECT_EQ(item.LevelValue, "2");
    EXPECT_EQ(item.StopMode, 3);
    EXPECT_EQ(item.StopValue, 3u);
    EXPECT_FALSE(item.Weights.CDLOverride);
    EXPECT_EQ(FilterItemToText(item), "TSD1#NUMS:10-30;10#LMV:2#ST:3");
}

TEST_F(FilterTextTest, OnlyTheFourthCharacterIsTheSortColumn) {
    TFilterItem item = TextToFilterItem("BMF12#pos2:5#lva:1,2#sv:x", f.list);
    EXPECT_TRUE(item.BottomUp);
    EXPECT_TRUE(item.MultiSelect);
    EXPECT_TRUE(item.KeepSelected);
    EXPECT_EQ(item.SortOrder, 1u);
    EXPECT_EQ(item.Method.Code(), "POS2");
    EXPECT_EQ(item.LevelMode, 31);
    EXPECT_EQ(item.StopMode, 4);
    EXPECT_EQ(item.StopValue, 1u);  // not a number
    EXPECT_EQ(FilterItemToText(item), "BMF1#POS2:5#LVA:1,2#SV:1");
}

TEST_F(FilterTextTest, UnknownMethodTextSurvives) {
    TFilterItem item = TextToFilterItem("TSD3#XYZW:100#CDV:1,2#SF:0", f.list);
    EXPECT_FALSE(item.Method.valid());
    EXPECT_EQ(item.DrawsLen, "");
    EXPECT_EQ(FilterItemToText(item), "TSD3#XYZW:100#CDV:1,2#SF:0");
}

TEST_F(FilterTextTest, CoefficientsReadCommaAndWriteDot) {
    TFilterItem item = TextToFilterItem("TSD8#NUMS:100#WMV:5#SF:0#0,5:-1:2.25:1:0", f.list);
    ASSERT_TRUE(item.Weights.CDLOverride);
    EXPECT_EQ(item.Weights.CoefCount, 0.5L);
    EXPECT_EQ(item.Weights.CoefDeviation, -1.0L);
    EXPECT_EQ(item.Weights.CoefLevel, 2.25L);
    EXPECT_TRUE(item.Weights.CoefPercents);
    EXPECT_FALSE(item.Weights.CoefAbs);
    EXPECT_EQ(FilterItemToText(item), "TSD8#NUMS:100#WMV:5#SF:0#0.5:-1:2.25:1:0");
}

TEST_F(FilterTextTest, EmptyTextIsAnInactiveZeroItem) {
    TFilterItem item = TextToFilterItem("   ", f.list);
    EXPECT_FALSE(item.Active);
    EXPECT_EQ(item.SortOrder, 0u);
    EXPECT_EQ(item.StopValue, 0u);
    EXPECT_EQ(FilterItemToText(item), "");
    TFilterItem missing = TextToFilterItem("TSD1#NUMS:10", f.list);
    EXPECT_EQ(missing.LevelMode, 0);
    EXPECT_EQ(missing.StopMode, 0);
    EXPECT_EQ(missing.StopValue, 0u);
}

}  // namespace
}  // namespace pentad
