// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/stat_list.h"

#include <gtest/gtest.h>

#include "shell/ini_file.h"
#include "shell/shell.h"
#include "support/scripted_user_interface.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::ScriptedUserInterface;
using test::TempDir;

class StatListTest : public ::testing::Test {
protected:
    StatListTest() : list(draws) { list.Fill(); }
    TDrawsArray draws;
    TStatList list;
};

TEST_F(StatListTest, RegistryKeepsItsPositions) {
    const auto& reg = statRegistry();
    ASSERT_NE(reg[0], nullptr);
    EXPECT_STREQ(reg[0]->name, "TstValues");
    EXPECT_STREQ(reg[7]->name, "TstPrimeValues");
    ASSERT_NE(reg[101], nullptr);
    EXPECT_STREQ(reg[101]->name, "TstPosVal");
    EXPECT_STREQ(reg[102]->name, "TstPosExt");
    // The extra number has the empty variant range: no entry.
    EXPECT_EQ(list.IndexOfCode("POE1"), -1);
    EXPECT_EQ(list.IndexOfCode("pos3"), list.IndexOfCode("POS3"));
    EXPECT_EQ(list.IndexOfCode("POS5") + 1, list.IndexOfCode("CHN1"));
}

TEST_F(StatListTest, CaptionsCarryGroupCodeAndFlagLetters) {
    int even = list.IndexOfCode("EVEN");
    EXPECT_EQ(list.ListCaption(even, true),
              "{ num } Количество четных чисел в тираже (Ч:Н) [ NG ]");
    EXPECT_EQ(list.ListCaption(even, false), "{ num } Количество четных чисел в тираже (Ч:Н)");
    list.ShowGroupName = false;
    list.ShowMethodFlags = false;
    EXPECT_EQ(list.ListCaption(list.IndexOfCode("POS2"), true), "Число в 2 позиции тиража");
    EXPECT_EQ(groupHeading(0), "{ num } Числа тиража");
    EXPECT_EQ(groupHeading(13), "#ERROR#");
    EXPECT_EQ(flagLetters(kFlagS | kFlagN | kFlagG), "SNG");
}

TEST_F(StatListTest, HelpAddressNeedsAHelpFile) {
    int pos = list.IndexOfCode("POS4");
    EXPECT_EQ(list.HelpUrl(pos), "");
    list.HelpFile = "/opt/pentad/Kestrel_RUS.chm";
    EXPECT_EQ(list.HelpUrl(pos), "ms-its:/opt/pentad/Kestrel_RUS.chm::/Filters_1049_POSx.htm");
    EXPECT_EQ(list.HelpUrl(0), "ms-its:/opt/pentad/Kestrel_RUS.chm::/Filters_1049_NUMS.htm");
}

TEST_F(StatListTest, FavouritesTextMatchesCodesWithoutRegardToCase) {
    list.SetFavouritesText("NUMS,even,COLS");
    EXPECT_FALSE(list.AllFavourites);
    EXPECT_EQ(list.FavouritesText(), "NUMS,EVEN");
    EXPECT_FALSE(list.IsShown(list.IndexOfCode("DIGS")));
    list.SetFavouritesText("  ");
    EXPECT_TRUE(list.AllFavourites);
    EXPECT_EQ(list.FavouritesText(), "");

    list.SetFavouritesText("XXXX");  // unknown codes mark none
    EXPECT_FALSE(list.IsShown(0));
    list.NormalizeFavourites();  // all equal (none): every entry back on
    EXPECT_TRUE(list.AllFavourites);
    EXPECT_TRUE(list.Item(0).Favourite);
}

TEST_F(StatListTest, FavouritesFileKeepsMarksAndCaptionsThroughARebuild) {
    TempDir dir;
    ScriptedUserInterface ui;
    Shell shell(ui);
    list.SetFavouritesText("EVEN,POS2");
    list.Ordered = true;
    list.Item(list.IndexOfCode("EVEN")).OwnCaption = "Чётные";
    list.Rebuild(shell, dir.file("Pentad.flt"));
    EXPECT_EQ(list.FavouritesText(), "EVEN,POS2");
    EXPECT_TRUE(list.Ordered);
    EXPECT_EQ(list.Item(list.IndexOfCode("EVEN")).DisplayCaption(), "Чётные");
    IniFile flt(dir.file("Pentad.flt"));
    EXPECT_EQ(flt.readString("FILTERS", "Favorites", ""), "EVEN,POS2");
    EXPECT_EQ(flt.readString("STRINGS_RUS", "EVEN", ""), "Чётные");
    EXPECT_FALSE(flt.hasKey("STRINGS_RUS", "NUMS"));

    ASSERT_TRUE(list.SaveFavourites(shell, dir.file("all.flt"), false, true));
    IniFile all(dir.file("all.flt"));
    EXPECT_EQ(all.readString("STRINGS_RUS", "NUMS", ""), "Числа тиража");
    EXPECT_FALSE(all.hasSection("FILTERS"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StatListTest, ShreddingAndWeightSettings) {
    TempDir dir;
    IniFile ini(dir.file("Pentad.ini"));
    list.LoadShredding(ini);
    EXPECT_EQ(list.Formulas[0], "(n1+n2)/(n3+n4+n5)");
    EXPECT_EQ(list.FormulaDigits[2], 2);
    list.Formulas[1] = "n1*2";
    list.FormulaDigits[1] = 3;
    list.SaveShredding(ini);
    TStatList other(draws);
    other.LoadShredding(IniFile(dir.file("Pentad.ini")));
    EXPECT_EQ(other.Formulas[1], "n1*2");
    EXPECT_EQ(other.FormulaDigits[1], 3);

    list.SaveWeights();
    list.ApplyWeights(CdlWeights{1, 2, 3, true, true}, true);
    EXPECT_EQ(list.config.CoefLevel, 3);
    list.ApplyWeights(CdlWeights{1, 2, 3, true, true}, false);
    EXPECT_EQ(list.config.CoefLevel, 1);
    EXPECT_FALSE(list.config.UsePercents);
}

}  // namespace
}  // namespace pentad
