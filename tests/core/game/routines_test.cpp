// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/routines.h"

#include <gtest/gtest.h>

#include "shell/error.h"

namespace pentad {
namespace {

TEST(ParseValueList, ReadsListsAndRanges) {
    EXPECT_EQ(ParseValueList("1; 3,5"), (TIntArray{1, 3, 5}));
    EXPECT_EQ(ParseValueList("1-10;2"), (TIntArray{1, 3, 5, 7, 9}));
    EXPECT_EQ(ParseValueList("10-30,10"), (TIntArray{10, 20, 30}));
    EXPECT_EQ(ParseValueList("-5"), (TIntArray{-5}));
    EXPECT_EQ(ParseValueList("-5-5;5"), (TIntArray{-5, 0, 5}));
    EXPECT_EQ(ParseValueList("10-1;-3"), (TIntArray{10, 7, 4, 1}));
}

TEST(ParseValueList, FailuresGiveAnEmptyList) {
    EXPECT_TRUE(ParseValueList("1-10;0").empty());
    EXPECT_TRUE(ParseValueList("").empty());
    EXPECT_TRUE(ParseValueList("1-10").empty());  // a range needs its step
    EXPECT_TRUE(ParseValueList("a,b").empty());
    EXPECT_TRUE(ParseValueList("10-1;1").empty());
    EXPECT_TRUE(ParseValueList("0-2000000000;1").empty());  // refused, not allocated
}

TEST(TextToComb, NeedsExactlyFiveWords) {
    EXPECT_THROW(TextToComb("1 2 3 4"), Error);
    try {
        TextToComb("1 2 3 4");
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Некорректная комбинация: \"1 2 3 4\"!");
    }
    EXPECT_EQ(TextToComb("1-2-3-4-5").Digits, (std::array<uint8_t, 5>{1, 2, 3, 4, 5}));
    EXPECT_EQ(TextToComb("1;2;3;4;x").Digits, (std::array<uint8_t, 5>{1, 2, 3, 4, 0}));
    EXPECT_EQ(TextToComb("05 00 09 01 03").Digits, (std::array<uint8_t, 5>{5, 0, 9, 1, 3}));
    EXPECT_EQ(TextToComb("1, 2, 3, 4, 5").Digits, (std::array<uint8_t, 5>{1, 2, 3, 4, 5}));
}

TEST(CombinationTexts, JoinAndPadDigits) {
    TCombRec c{{5, 0, 9, 1, 3}};
    EXPECT_EQ(CombToText(c), "5;0;9;1;3");
    EXPECT_EQ(CombToDisplayText(c), "05 00 09 01 03");
    TDrawRec d;
    d.Number = 12;
    d.Digits = {1, 2, 3, 4, 5};
    d.setDateText("01/31/2024 E");
    EXPECT_EQ(DrawDescription(d), "Тираж № 12 от 01/31/2024 E, значения: 1;2;3;4;5");
}

TEST(Digits, ShiftWrapsOnce) {
    EXPECT_EQ(ShiftDigit(9, 1), 0);
    EXPECT_EQ(ShiftDigit(0, -1), 9);
    EXPECT_EQ(ShiftDigit(4, 0), 4);
    EXPECT_EQ(ShiftDigit(5, 9), 4);
    EXPECT_EQ(shiftComb(TCombRec{{0, 9, 5, 1, 8}}, 2).Digits,
              (std::array<uint8_t, 5>{2, 1, 7, 3, 0}));
}

TEST(Channels, AreNumberedFromOneWithPaletteColours) {
    EXPECT_EQ(ChannelOf(9, 3), 4);
    EXPECT_EQ(ChannelOf(0, 3), 1);
    EXPECT_EQ(ChannelOf(9, 1), 10);
    EXPECT_EQ(GroupColor(10, 2), 255u);
    EXPECT_EQ(GroupColor(-1, 2), 255u);
    // Channel 1 is AAFFAA; the Windows colour value swaps red and blue.
    EXPECT_EQ(groupColorRgb(0, 2), 0xAAFFAAu);
    EXPECT_EQ(groupColorRgb(9, 2), 0xAAAAFFu);  // channel 5
    EXPECT_EQ(GroupColor(9, 2), 0xFFAAAAu);
}

TEST(DifferenceReduce, FollowsItsModes) {
    const uint8_t a[] = {1, 4, 9};
    EXPECT_EQ(DifferenceReduce(a, 3, 0), (TByteArray{2}));
    const uint8_t same[] = {3, 3};
    EXPECT_EQ(DifferenceReduce(same, 2, 0), (TByteArray{0}));
    EXPECT_EQ(DifferenceReduce(same, 2, 1), (TByteArray{6}));
    EXPECT_EQ(DifferenceReduce(same, 2, 2), (TByteArray{6}));
    const uint8_t near[] = {4, 5};
    EXPECT_EQ(DifferenceReduce(near, 2, 1), (TByteArray{9}));
    EXPECT_EQ(DifferenceReduce(near, 2, 2), (TByteArray{1, 9}));
    const uint8_t five[] = {1, 4, 9, 0, 0};
    // 3 5 9 0 -> 2 4 9 -> 2 5 -> 3
    EXPECT_EQ(DifferenceReduce(five, 5, 0), (TByteArray{3}));
}

TEST(DifferenceText, MarksGrowthAndNonNumbers) {
    EXPECT_EQ(differenceText("12", 5), "+7");
    EXPECT_EQ(differenceText("5", 5), "0");
    EXPECT_EQ(differenceText("2", 5), "-3");
    EXPECT_EQ(differenceText("x", 5), "-");
    EXPECT_EQ(differenceText("-2", 5), "-");
    EXPECT_EQ(differenceText("", 5), "-");
}

TEST(Matches, CountPositionsAndListMatchedDigits) {
    TDrawRec d;
    d.Digits = {5, 2, 3, 9, 1};
    TCombRec c{{1, 2, 3, 4, 5}};
    EXPECT_EQ(positionalMatches(d, c), 2);
    TNumberSet matched = matchedDigits(d, combToNumberSet(c));
    EXPECT_EQ(matched.Count, 2);
    EXPECT_EQ(numberSetToText(matched, " "), "2 3");
    EXPECT_TRUE(numberSetsEqual(combToNumberSet(c), combToNumberSet(c)));
    EXPECT_FALSE(numberSetsEqual(combToNumberSet(c), matched));
}

TEST(Counting, BinomialPowerAndMatchCounts) {
    EXPECT_DOUBLE_EQ(static_cast<double>(binomial(5, 2)), 10.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(binomial(5, 0)), 1.0);
    EXPECT_EQ(powerCount(10, 5), 100000);
    EXPECT_EQ(powerCount(3, 5), 1);
    // Combinations with exactly k positional matches: C(5, k) * 9^(5 - k).
    int64_t total = 0;
    for (int k = 0; k <= 5; ++k) {
        total += matchCount(10, 5, k);
    }
    EXPECT_EQ(total, 100000);
    EXPECT_EQ(matchCount(10, 5, 2), 7290);
}

TEST(DistinctDigits, StopAtTen) {
    TCombsArray combs = {TCombRec{{1, 1, 2, 2, 3}}, TCombRec{{3, 4, 0, 1, 9}}};
    EXPECT_EQ(distinctDigits(combs), (TByteArray{1, 2, 3, 4, 0, 9}));
    combs.push_back(TCombRec{{5, 6, 7, 8, 8}});
    EXPECT_EQ(countDistinctDigits(combs), 10);
}

TEST(MatrixSegments, CodecReadsMissingCharactersAsOne) {
    std::array<uint8_t, 50> seg = textToSegments("0123x");
    EXPECT_EQ(seg[0], 0);
    EXPECT_EQ(seg[3], 3);
    EXPECT_EQ(seg[4], 1);
    EXPECT_EQ(seg[49], 1);
    EXPECT_EQ(segmentsToText(seg).substr(0, 6), "012311");
    EXPECT_EQ(segmentsToText(seg).size(), 50u);
}

TEST(ProfitDraw, MergesByDraw) {
    TProfitDrawArray a;
    MergeProfitDraw(a, 5, 100);
    MergeProfitDraw(a, 6, -10);
    MergeProfitDraw(a, 5, 20);
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].Profit, 120);
}

}  // namespace
}  // namespace pentad
