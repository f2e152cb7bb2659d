// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ini_file.h"

#include <gtest/gtest.h>

#include "game/config_settings.h"
#include "shell/view_state.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::TempDir;

TEST(IniFile, MatchesSectionsAndKeysWithoutRegardToCase) {
    TempDir dir;
    dir.write("a.ini", "[Global]\r\nMatrixCols=7\r\nname=\"quoted\"\r\n[CDL]\r\nCount=0,5\r\n");
    IniFile ini(dir.file("a.ini"));
    EXPECT_EQ(ini.readInt("GLOBAL", "matrixcols", 3), 7);
    EXPECT_EQ(ini.readString("global", "NAME", ""), "quoted");
    EXPECT_DOUBLE_EQ(static_cast<double>(ini.readFloat("cdl", "COUNT", 0)), 0.5);
}

TEST(IniFile, MissingOrMalformedValuesGiveTheDefault) {
    TempDir dir;
    dir.write("a.ini", "[S]\nbad=12x\nempty=\nhex=$1F\nneg=-4\nreal=abc\n");
    IniFile ini(dir.file("a.ini"));
    EXPECT_EQ(ini.readInt("S", "bad", 9), 9);
    EXPECT_EQ(ini.readInt("S", "empty", 9), 9);
    EXPECT_EQ(ini.readInt("S", "missing", 9), 9);
    EXPECT_EQ(ini.readInt("T", "bad", 9), 9);
    EXPECT_EQ(ini.readInt("S", "hex", 0), 31);
    EXPECT_EQ(ini.readInt("S", "neg", 0), -4);
    EXPECT_TRUE(ini.readBool("S", "neg", false));
    EXPECT_DOUBLE_EQ(static_cast<double>(ini.readFloat("S", "real", 1.5L)), 1.5);
}

TEST(IniFile, WritesGoToDiskAtOnceAndKeepOtherContent) {
    TempDir dir;
    dir.write("a.ini", "; comment\r\n[One]\r\nA=1\r\nB=2\r\n\r\n[Two]\r\nC=3\r\n");
    IniFile ini(dir.file("a.ini"));
    ini.writeInt("one", "b", 5);
    ini.writeString("Three", "D", "Ж");
    ini.writeBool("Two", "E", true);
    EXPECT_EQ(dir.read("a.ini"),
              "; comment\r\n[One]\r\nA=1\r\nB=5\r\n\r\n[Two]\r\nC=3\r\nE=1\r\n\r\n[Three]\r\n"
              "D=\xC6\r\n");
    IniFile again(dir.file("a.ini"));
    EXPECT_EQ(again.readString("Three", "D", ""), "Ж");
}

TEST(IniFile, MissingFileReadsAsEmptyAndIsCreatedOnWrite) {
    TempDir dir;
    IniFile ini(dir.file("new.ini"));
    EXPECT_FALSE(ini.hasSection("X"));
    ini.writeFloat("X", "F", -1);
    EXPECT_EQ(dir.read("new.ini"), "[X]\r\nF=-1\r\n");
}

TEST(ConfigData, DefaultsAndRoundTrip) {
    TempDir dir;
    IniFile ini(dir.file("Pentad.ini"));
    TConfigData c = loadConfigData(ini);
    EXPECT_EQ(c.MatrixCols, 3);
    EXPECT_EQ(c.ChannelSize, 2);
    EXPECT_EQ(c.MaxStake, 5);
    EXPECT_EQ(c.Cost, 0);
    EXPECT_TRUE(c.Profits.empty());
    EXPECT_EQ(c.CoefDeviation, -1);
    EXPECT_EQ(c.CoefLevel, 1);
    EXPECT_EQ(c.MatrixSegments[17], 1);

    c.Cost = 10000;
    c.Profits = {{3, 100000}, {5, 10000000}};
    c.CoefCount = 0.5L;
    c.UsePercents = true;
    c.MatrixSegments[0] = 0;
    c.MatrixSegments[49] = 9;
    saveConfigData(ini, c);
    IniFile reread(dir.file("Pentad.ini"));
    EXPECT_EQ(loadConfigData(reread), c);
    EXPECT_EQ(reread.readString("STAKES", "Profit_1_Profit", ""), "1000");
    EXPECT_EQ(reread.readString("CDL", "Count", ""), "0,5");
}

TEST(MainFormSettings, DefaultsWithoutAFile) {
    TempDir dir;
    IniFile frm(dir.file("Pentad.frm"));
    MainFormSettings s;
    s.LeftPanelWidth = 1;
    s.load(frm);
    EXPECT_EQ(s.LeftPanelWidth, 335);
    EXPECT_EQ(s.DrawsStatLen, 1000);
    EXPECT_EQ(s.DrawsGraphLen, 100);
    EXPECT_EQ(s.LayoutLen, 100);
    EXPECT_EQ(s.LayoutCompareLen, (std::array<int, 5>{50, 100, 200, 300, 400}));
    EXPECT_EQ(s.WeekLen, 1000);
    EXPECT_EQ(s.ScriptLibraryFilter, 2);
    EXPECT_FALSE(s.FirstRun);
    EXPECT_TRUE(s.ColorDraws);
    EXPECT_FALSE(s.SortedDraws);
    EXPECT_EQ(s.Language, 1033);
}

TEST(WindowPlacement, PrefersTheScreenSizeEntryAndChecksPixelsPerInch) {
    TempDir dir;
    dir.write("Pentad.frm",
              "[TFormMain]\r\nPixelsPerInch=96\r\nShowCmd=3\r\nNormPos=1,2,3,4\r\n"
              "NormPos_1920x1080=10,20,810,620\r\nlvDraws.Column2=44\r\n");
    IniFile frm(dir.file("Pentad.frm"));
    auto p = readWindowPlacement(frm, "TFormMain", 1920, 1080, 96);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->NormPos, (std::array<int, 4>{10, 20, 810, 620}));
    EXPECT_TRUE(p->maximised());
    EXPECT_EQ(readWindowPlacement(frm, "TFormMain", 800, 600, 96)->NormPos[0], 1);
    EXPECT_FALSE(readWindowPlacement(frm, "TFormMain", 1920, 1080, 120));

    std::vector<int> widths = {50, 30, 30};
    readColumnWidths(frm, "TFormMain", "lvDraws", widths);
    EXPECT_EQ(widths, (std::vector<int>{50, 30, 44}));

    WindowPlacement w;
    w.NormPos = {5, 6, 7, 8};
    writeWindowPlacement(frm, "TFormMain", w, 1024, 768);
    IniFile reread(dir.file("Pentad.frm"));
    EXPECT_EQ(reread.readString("TFormMain", "NormPos_1024x768", ""), "5,6,7,8");
    EXPECT_EQ(reread.readString("TFormMain", "NormPos_1920x1080", ""), "10,20,810,620");
}

}  // namespace
}  // namespace pentad
