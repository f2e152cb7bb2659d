// SPDX-License-Identifier: GPL-3.0-or-later
#include "filters/lcv_file.h"

#include <gtest/gtest.h>

#include "shell/error.h"

namespace pentad {
namespace {

TCombRec comb(uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint8_t e) {
    TCombRec r;
    r.Digits = {a, b, c, d, e};
    return r;
}

TEST(LcvFile, ReaderSkipsLinesThatAreNotCombinations) {
    std::string text =
        "1;2;3;4\r\n"              // four fields
        "\r\n"                     // empty, not counted
        "1,2;;3 4;5\r\n"           // blanks do not separate: four fields
        " 1 ; 2 ; 3 ; 4 ; 5\r\n"   // read
        "1;2;3;4;12\r\n"           // value outside 0..9
        "9;x;0;-0;+7\n"            // a non-number is 0; LF alone ends a line
        "1;2;3;4;5;6\r"            // six fields; CR alone ends a line
        ";;0,,0;0;0;1;\r\n"        // empty fields do not count
        "   \r\n"                  // blanks only: empty
        "2;2;2;2;-1\r\n"           // negative
        "3;3;3;3;99999999999999";  // huge, and no line end
    TCombsArray combs(1);
    int count = 0;
    CombListRead r = readLcvText(text, combs, count);
    EXPECT_EQ(r.read, 3);
    EXPECT_EQ(r.skipped, 6);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(combs[0], comb(1, 2, 3, 4, 5));
    EXPECT_EQ(combs[1], comb(9, 0, 0, 0, 7));
    EXPECT_EQ(combs[2], comb(0, 0, 0, 0, 1));
}

TEST(LcvFile, ReaderAppendsAfterTheCountAndNeverShrinks) {
    TCombsArray combs(10, comb(8, 8, 8, 8, 8));
    int count = 1;
    readLcvText("0;7;3;3;9\r\n", combs, count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(combs[0], comb(8, 8, 8, 8, 8));
    EXPECT_EQ(combs[1], comb(0, 7, 3, 3, 9));
    EXPECT_EQ(combs.size(), 10u);
}

TEST(LcvFile, WriterGivesOneLinePerCombination) {
    std::vector<TCombRec> combs = {comb(0, 7, 3, 3, 9), comb(1, 0, 0, 0, 2)};
    EXPECT_EQ(lcvText(combs), "0;7;3;3;9\r\n1;0;0;0;2\r\n");
    EXPECT_EQ(lcvText({}), "");
}

TEST(LcvFile, PastedLinesFollowTheCombinationTextRules) {
    TCombRec c;
    EXPECT_EQ(parsePastedLine("1-2-3-4-5", c), CombLine::Combination);
    EXPECT_EQ(c, comb(1, 2, 3, 4, 5));
    EXPECT_EQ(parsePastedLine("05 00 09 01 03", c), CombLine::Combination);
    EXPECT_EQ(c, comb(5, 0, 9, 1, 3));
    EXPECT_EQ(parsePastedLine("1;2;3;4;x", c), CombLine::Combination);
    EXPECT_EQ(c, comb(1, 2, 3, 4, 0));
    EXPECT_EQ(parsePastedLine("1|2|3|4|265", c), CombLine::Malformed);
    try {
        parsePastedLine("1 2 3 4", c);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Некорректная комбинация: \"1 2 3 4\"!");
    }
    EXPECT_THROW(parsePastedLine("", c), Error);
}

}  // namespace
}  // namespace pentad
