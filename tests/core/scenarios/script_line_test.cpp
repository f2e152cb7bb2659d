// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenarios/script_line.h"

#include <gtest/gtest.h>

#include "scenarios/ratings_to_script.h"
#include "scenarios/runner.h"
#include "support/stat_support.h"

namespace pentad {
namespace {

TEST(ScriptOptions, ReadAndWrite) {
    TScriptOptions o = TextToOptions("EXCL:5#ALL#CLR#NEX");
    EXPECT_EQ(o.StartList, kStartExcl);
    EXPECT_EQ(o.DrawsExclude, 5);
    EXPECT_EQ(o.StakeMode, kStakeAll);
    EXPECT_TRUE(o.ClearStakes);
    EXPECT_TRUE(o.NewOnly);
    EXPECT_EQ(OptionsToText(o), "EXCL:5#ALL#CLR#NEX");
    EXPECT_EQ(OptionsToShortText(o), "EXCL:5#ALL#NEX");
    EXPECT_EQ(OptionsCaption(o), "Исключить 5 тиражей; Все; Удалить ставки; Только новые ставки");

    TScriptOptions full = TextToOptions("full#rand");
    EXPECT_EQ(full, TScriptOptions{});
    TScriptOptions seven = TextToOptions("FULL:7#RAND");
    EXPECT_EQ(seven.DrawsExclude, 7);
    EXPECT_EQ(OptionsToText(seven), "FULL:7#RAND");
    EXPECT_EQ(OptionsToShortText(seven), "FULL#RAND");
    EXPECT_EQ(TextToOptions("CURR:1#NOSUCH").StakeMode, kStakeRand);
    EXPECT_EQ(OptionsCaption(full), "Исходный список; Случайно; Все создаваемые ставки");
    EXPECT_EQ(stakeModeCaption(9), "# ERROR #");
}

TEST(ScriptLine, BlankPlaceholdersKeepFilterPositions) {
    TScriptLine line;
    line.Options = TextToOptions("FULL:0#RAND");
    line.Filters[0] = "TSD1#NUMS:10#LNO:#SF:0";
    line.Filters[2] = "TMF1#EVEN:50#CMV:10#SF:0";
    std::string text = LineToText(line);
    EXPECT_EQ(text, "FULL:0#RAND|TSD1#NUMS:10#LNO:#SF:0| |TMF1#EVEN:50#CMV:10#SF:0| | | | |");
    TScriptLine back = TextToLine(text);
    EXPECT_EQ(back.Filters[0], line.Filters[0]);
    EXPECT_EQ(back.Filters[1], "");
    EXPECT_EQ(back.Filters[2], line.Filters[2]);
    EXPECT_EQ(back.Comment, "");
    line.Comment = "my line";
    EXPECT_EQ(TextToLine(LineToText(line)).Comment, "my line");
    EXPECT_TRUE(isSeparatorLine("   "));
}

TEST(ScenarioStakes, CommentsCarryPrefixCommentAndDescription) {
    EXPECT_EQ(ScenarioRunner::stakeComment(12, 3, "abc", "FULL#RAND + X"),
              "12.003: abc @ FULL#RAND + X");
    EXPECT_EQ(ScenarioRunner::stakeComment(12, 3, "", "FULL#RAND"), "12.003: @ FULL#RAND");
    std::string longText(300, 'x');
    EXPECT_EQ(ScenarioRunner::stakeComment(1, 0, "", longText).size(), 255u);
}

TEST(RatingsToScript, RebuildsTheLineFromAComment) {
    test::StatFixture f({});
    auto line = ratingToScriptLine(
        "12.003: abc @ EXCL:5#ALL + TSD#NUMS:10#LMV:2#ST:3 + TMF#EVEN:50#CMV:10#SF:0", f.list);
    ASSERT_TRUE(line);
    EXPECT_EQ(*line,
              "EXCL:5#ALL|TSD#NUMS:10#LMV:2#ST:3|TMF#EVEN:50#CMV:10#SF:0| | | | | |12.003: abc");
    TScriptLine parsed = TextToLine(*line);
    EXPECT_EQ(parsed.Options.DrawsExclude, 5);
    TFilterItem item = TextToFilterItem(parsed.Filters[0], f.list);
    EXPECT_EQ(item.SortOrder, 1u);
    EXPECT_EQ(item.Method.Code(), "NUMS");
    EXPECT_FALSE(ratingToScriptLine("Ставка \"вручную\"", f.list));
}

}  // namespace
}  // namespace pentad
