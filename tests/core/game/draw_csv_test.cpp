// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/draw_csv.h"

#include <gtest/gtest.h>

namespace pentad {
namespace {

using Fields = std::vector<std::string>;

TEST(DrawFields, SplitLikeTheExchangeFormat) {
    EXPECT_EQ(splitDrawFields("9124;\"01/31/2024 E\";0;4;4;9;1"),
              (Fields{"9124", "01/31/2024 E", "0", "4", "4", "9", "1"}));
    // An unquoted date holds a blank and so counts as two fields.
    EXPECT_EQ(splitDrawFields("01/31/2024 E;0;4;4;9;1").size(), 7u);
    EXPECT_EQ(splitDrawFields("  \"a\"\"b\" ; 1 ;"), (Fields{"a\"b", "1", ""}));
    EXPECT_EQ(splitDrawFields("1;;2"), (Fields{"1", "", "2"}));
    EXPECT_TRUE(splitDrawFields("   ").empty());
}

TEST(DrawExchange, ExportWritesSevenFieldLines) {
    TDrawRec d;
    d.Number = 9124;
    d.Digits = {0, 4, 4, 9, 1};
    d.setDateText("01/31/2024 E");
    EXPECT_EQ(exportDrawsText({d}), "9124;\"01/31/2024 E\";0;4;4;9;1\r\n");
    d.setDateText("a\"b");
    EXPECT_EQ(exportDrawsText({d}), "9124;\"a\"\"b\";0;4;4;9;1\r\n");
}

TEST(DrawExchange, ReimportingAnExportAddsNothing) {
    DrawArchive a;
    importDrawsText(a, "\"08/01/2016 M\";9;8;6;5;6\r\n\"08/01/2016 E\";0;8;6;1;0\r\n");
    ASSERT_EQ(a.count(), 2);
    std::string text = exportDrawsText(a.draws());
    EXPECT_EQ(importDrawsText(a, text), 0);

    DrawArchive copy;
    EXPECT_EQ(importDrawsText(copy, text), 2);
    EXPECT_EQ(copy.draws(), a.draws());
}

TEST(DrawExchange, SixFieldLinesAreNumberedInFileOrder) {
    DrawArchive a;
    EXPECT_EQ(importDrawsText(a, "\"08/01/2016 M\";9;8;6;5;6\n\n  \n\"08/01/2016 E\";0;8;6;1;0\n"
                                 "\"08/02/2016 M\";1;2;3;4;5"),
              3);
    EXPECT_EQ(a.draws()[0].Number, 1);
    EXPECT_EQ(a.draws()[2].Number, 3);
    EXPECT_EQ(a.draws()[2].dateText(), "08/02/2016 M");
}

TEST(DrawExchange, SkipsLinesThatDoNotFit) {
    DrawArchive a;
    importDrawsText(a, "5;\"01/01/2020 M\";1;1;1;1;1\r\n");
    ASSERT_EQ(a.count(), 1);
    // Stored number with other digits, unquoted date, number 0, text number,
    // a digit outside 0..9.
    EXPECT_EQ(importDrawsText(a,
                              "5;\"01/01/2020 M\";2;2;2;2;2\r\n"
                              "6;01/01/2020 E;1;2;3;4;5\r\n"
                              "0;\"x\";1;2;3;4;5\r\n"
                              "abc;\"x\";1;2;3;4;5\r\n"
                              "7;\"x\";1;2;3;4;12\r\n"),
              0);
    EXPECT_EQ(a.draws()[0].Digits[0], 1);
    // A non-number digit reads as 0.
    EXPECT_EQ(importDrawsText(a, "8;\"x\";1;2;3;4;z\r\n"), 1);
    EXPECT_EQ(a.draws()[1].Digits[4], 0);
}

TEST(DrawExchange, DrawsAddedEarlierInTheSameImportCountAsStored) {
    DrawArchive a;
    EXPECT_EQ(importDrawsText(a, "3;\"a\";1;1;1;1;1\r\n3;\"b\";2;2;2;2;2\r\n"), 1);
    EXPECT_EQ(a.draws()[0].dateText(), "a");
}

// Stored numbers out of order, six-field lines numbered after the stored
// draws, numbers repeated within the file and digits outside 0..9: every line
// is judged against the draws stored so far, and the added draws keep the
// file's order.
TEST(DrawExchange, MixedFileAddsTheSameDrawsInFileOrder) {
    DrawArchive a;
    for (int number : {9, 3, 5}) {
        TDrawRec d;
        d.Number = number;
        d.Digits = {1, 1, 1, 1, 1};
        a.append(d);
    }
    const int added = importDrawsText(a,
                                      "4;\"a\";0;1;2;3;4\r\n"    // new
                                      "\"b\";5;5;5;5;5\r\n"      // six fields: number 5, stored
                                      "3;\"c\";2;2;2;2;2\r\n"    // stored
                                      "10;\"d\";1;2;3;4;10\r\n"  // digit out of range
                                      "10;\"e\";9;8;7;6;5\r\n"   // new (the line above was skipped)
                                      "\"f\";4;4;4;4;4\r\n"      // six fields: number 6, new
                                      "4;\"g\";7;7;7;7;7\r\n"    // added above
                                      "-2;\"h\";1;2;3;4;5\r\n"   // not a number of a draw
                                      "\"i\";3;3;3;3;-1\r\n"     // digit out of range
                                      "\"j\";0;0;0;0;0\r\n");    // six fields: number 7, new
    EXPECT_EQ(added, 4);
    std::vector<std::pair<int, std::string>> got;
    for (const TDrawRec& d : a.draws()) {
        got.emplace_back(d.Number, d.dateText());
    }
    EXPECT_EQ(got, (std::vector<std::pair<int, std::string>>{
                       {9, ""}, {3, ""}, {5, ""}, {4, "a"}, {10, "e"}, {6, "f"}, {7, "j"}}));
    EXPECT_EQ(a.draws()[4].Digits, (std::array<uint8_t, 5>{9, 8, 7, 6, 5}));
}

}  // namespace
}  // namespace pentad
