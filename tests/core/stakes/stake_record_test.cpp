// SPDX-License-Identifier: GPL-3.0-or-later
#include "stakes/stake_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "game/routines.h"
#include "stakes/ratings.h"
#include "stakes/regular_stakes.h"

namespace pentad {
namespace {

TEST(StakeRecord, RoundTripsHandWrittenBytes) {
    uint8_t bytes[312] = {};
    bytes[0] = 2;                      // version
    bytes[1] = 3;                      // scenario
    bytes[4] = 0x39;                   // draw 0x1239
    bytes[5] = 0x12;
    bytes[8] = 1;                      // checked
    bytes[12] = 0xA0;                  // sample 100000 = 0x0186A0
    bytes[13] = 0x86;
    bytes[14] = 0x01;
    bytes[16] = 5;                     // stake count
    const uint8_t digits[5] = {1, 2, 3, 4, 5};
    std::memcpy(bytes + 20, digits, 5);
    const uint8_t result[5] = {5, 2, 3, 9, 1};
    std::memcpy(bytes + 28, result, 5);
    bytes[36] = 2;                     // matches count
    bytes[40] = 2;
    bytes[41] = 3;
    bytes[48] = 0x90;                  // profit 90000 = 0x015F90
    bytes[49] = 0x5F;
    bytes[50] = 0x01;
    bytes[56] = 3;                     // comment "Abc"
    bytes[57] = 'A';
    bytes[58] = 'b';
    bytes[59] = 'c';
    TStakeRec r = TStakeRec::decode(bytes);
    EXPECT_EQ(r.Kind, kStakeScenario);
    EXPECT_EQ(r.DrawNumber, 0x1239);
    EXPECT_EQ(r.SampleSize, 100000);
    EXPECT_EQ(r.Matches.Count, 2);
    EXPECT_EQ(r.Profit, 90000);
    EXPECT_EQ(r.Comment, "Abc");
    uint8_t out[312];
    std::memset(out, 0xCC, sizeof out);
    r.encode(out);
    EXPECT_EQ(0, std::memcmp(out, bytes, 312));
}

TEST(StakeRecord, SeparatorLayout) {
    uint8_t out[312];
    separatorStake().encode(out);
    EXPECT_EQ(out[0], 2);
    EXPECT_EQ(out[1], 0);
    EXPECT_EQ(out[4], 0xFF);  // draw -1
    EXPECT_EQ(out[7], 0xFF);
    EXPECT_EQ(out[36], 0xFF);  // matches -1
    EXPECT_EQ(out[16], 0);
}

TEST(RatingRecord, RoundTripsHandWrittenBytes) {
    uint8_t bytes[296] = {};
    bytes[0] = 2;
    bytes[1] = 0xC0;  // "Аб" in cp1251
    bytes[2] = 0xE1;
    bytes[256] = 10;   // stakes
    bytes[260] = 4;    // matched
    bytes[264] = 6;    // 0 matches
    bytes[268] = 4;    // 1 match
    bytes[288] = 0xF0; // profit -10000
    bytes[289] = 0xD8;
    std::memset(bytes + 290, 0xFF, 6);
    TRatingRec r = TRatingRec::decode(bytes);
    EXPECT_EQ(r.Comment, "Аб");
    EXPECT_EQ(r.Stakes, 10);
    EXPECT_EQ(r.MatchCounts[1], 4);
    EXPECT_EQ(r.Profit, -10000);
    uint8_t out[296];
    r.encode(out);
    EXPECT_EQ(0, std::memcmp(out, bytes, 296));
}

TEST(TableRecord, RoundTripsHandWrittenBytes) {
    uint8_t bytes[276] = {};
    bytes[0] = 1;
    bytes[1] = 'R';
    bytes[256] = 1;  // from draw
    const uint8_t start[5] = {1, 2, 3, 4, 5};
    std::memcpy(bytes + 257, start, 5);
    const uint8_t last[5] = {4, 5, 6, 7, 8};
    std::memcpy(bytes + 262, last, 5);
    bytes[268] = 0xFD;  // step -3
    bytes[269] = 0xFF;
    bytes[270] = 0xFF;
    bytes[271] = 0xFF;
    bytes[272] = 7;
    TTableRec r = TTableRec::decode(bytes);
    EXPECT_EQ(r.Comment, "R");
    EXPECT_EQ(r.Step, -3);
    EXPECT_EQ(r.Count, 7);
    uint8_t out[276];
    r.encode(out);
    EXPECT_EQ(0, std::memcmp(out, bytes, 276));
}

TEST(PrizeTable, ProfitsAndTickets) {
    TConfigData c;
    c.Cost = 10000;
    c.Profits = {{3, 100000}, {5, 10000000}};
    TNumberSet five = combToNumberSet(TCombRec{{1, 2, 3, 4, 5}});
    EXPECT_EQ(StakeCost(c, five, 3), 90000);
    EXPECT_EQ(StakeCost(c, five, 4), -10000);
    EXPECT_EQ(StakeCost(c, five, -1), -10000);
    TNumberSet six = five;
    six.Count = 6;
    EXPECT_EQ(ticketCount(six), 7776);
    EXPECT_EQ(StakeCost(c, six, -1), -77760000);
}

TEST(Scoring, CountsPositionalMatches) {
    TConfigData c;
    TDrawRec draw;
    draw.Digits = {5, 2, 3, 9, 1};
    TStakeRec s = makeStake(c, kStakeManual, TCombRec{{1, 2, 3, 4, 5}}, 1, 0, "x");
    scoreStake(s, draw, c);
    EXPECT_EQ(s.Matches.Count, 2);
    auto cells = stakeCells(s);
    EXPECT_EQ(cells[2], "1;2;3;4;5");
    EXPECT_EQ(cells[4], "5;2;3;9;1");
    EXPECT_EQ(cells[6], "2 3");

    draw.Digits = {0, 7, 1, 7, 7};
    TStakeRec sevens = makeStake(c, kStakeManual, TCombRec{{7, 7, 7, 7, 7}}, 1, 0, "x");
    scoreStake(sevens, draw, c);
    EXPECT_EQ(stakeCells(sevens)[6], "7 7 7");
}

TEST(Ratings, MergeByCommentWithoutRegardToCase) {
    TRatingsArray ratings;
    TStakeRec s;
    s.Matches.Count = 1;
    for (const char* c : {"A", "a", "B"}) {
        s.Comment = c;
        MergeRating(ratings, s);
    }
    ASSERT_EQ(ratings.size(), 2u);
    EXPECT_EQ(ratings[0].Comment, "A");
    EXPECT_EQ(ratings[0].Stakes, 2);
    s.Matches.Count = -1;
    MergeRating(ratings, s);
    EXPECT_EQ(ratings[1].Stakes, 1);
}

TEST(Ratings, RowsOfADamagedFileStayAtTheirLimits) {
    // A row read from a damaged file with every sum at its limit.
    TRatingRec full;
    full.Comment = "full";
    full.Stakes = full.Matched = std::numeric_limits<int32_t>::max();
    full.MatchCounts.fill(std::numeric_limits<int32_t>::max());
    full.Profit = std::numeric_limits<int64_t>::max();
    TRatingRec low = full;
    low.Comment = "low";
    low.Profit = std::numeric_limits<int64_t>::min();
    TRatingsArray ratings = {full, low};
    TStakeRec s;
    s.Matches.Count = 5;
    s.Comment = "FULL";
    s.Profit = 100;
    MergeRating(ratings, s);
    EXPECT_EQ(ratings[0], full);
    s.Comment = "low";
    s.Profit = -100;
    MergeRating(ratings, s);
    EXPECT_EQ(ratings[1], low);

    // Profits of opposite extremes still compare by sign.
    EXPECT_GT(compareRatings(full, low, 4), 0);
    EXPECT_LT(compareRatings(low, full, 4), 0);
}

TEST(Ratings, EfficiencyTexts) {
    TRatingRec r;
    r.Comment = "x";
    r.Stakes = 10;
    r.Matched = 4;
    r.MatchCounts = {6, 4, 0, 0, 0, 0};
    EXPECT_EQ(ratingCells(r, 1)[3], "0.400");
    EXPECT_EQ(ratingCells(r, 1)[12], "0.951%");
    EXPECT_EQ(ratingCells(r, 2)[13], "121.933%");
    EXPECT_EQ(ratingCells(r, 0)[12], "6");
    r.Stakes = 0;
    EXPECT_EQ(ratingCells(r, 0)[3], "");
}

TEST(Ratings, CsvHasQuotedCaptionsAndElevenFields) {
    TRatingRec r;
    r.Comment = "a\"b";
    r.Stakes = 2;
    r.Matched = 3;
    r.Profit = -20000;
    std::string csv = ratingsCsv({r});
    EXPECT_EQ(csv.substr(0, 25), "\"\xCA\xEE\xEC\xEC\xE5\xED\xF2\xE0\xF0\xE8\xE9\";\"\xD1\xF2\xE0\xE2\xEE\xEA\";\"\xD3");
    EXPECT_NE(csv.find("\r\n\"a\"\"b\";2;3;1.500;-2.00;-1.00;0;0;0;0;0;0\r\n"), std::string::npos);
}

TEST(RegularStakes, StepAndFromDraw) {
    DrawArchive archive;
    TTableRec r;
    r.Start = r.Last = {1, 2, 3, 4, 5};
    r.Step = 3;
    NextCombination(r, archive);
    EXPECT_EQ(r.Last, (std::array<uint8_t, 5>{4, 5, 6, 7, 8}));
    NextCombination(r, archive);
    EXPECT_EQ(r.Last, (std::array<uint8_t, 5>{7, 8, 9, 0, 1}));
    NextCombination(r, archive);
    EXPECT_EQ(r.Last, (std::array<uint8_t, 5>{0, 1, 2, 3, 4}));
    EXPECT_EQ(r.Count, 3);

    TDrawRec d;
    d.Number = 1;
    d.Digits = {0, 5, 9, 2, 1};
    archive.append(d);
    d.Number = 2;
    d.Digits = {9, 9, 9, 9, 9};
    archive.append(d);
    archive.setOffset(1);
    TTableRec fromDraw;
    fromDraw.FromDraw = 1;
    fromDraw.Step = -1;
    NextCombination(fromDraw, archive);
    EXPECT_EQ(fromDraw.Last, (std::array<uint8_t, 5>{9, 4, 8, 1, 0}));

    // A count read from a damaged file at the limit stays there.
    TTableRec full;
    full.Last = {1, 2, 3, 4, 5};
    full.Count = std::numeric_limits<int32_t>::max();
    NextCombination(full, archive);
    EXPECT_EQ(full.Count, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(full.Last, (std::array<uint8_t, 5>{2, 3, 4, 5, 6}));
}

TEST(RegularStakes, AddingFromSelectedCombinations) {
    TCombsArray combs = {TCombRec{{1, 1, 1, 1, 1}}, TCombRec{{2, 2, 2, 2, 2}},
                         TCombRec{{3, 3, 3, 3, 3}}};
    TTableRec dialog;
    dialog.Comment = "Регулярная ставка";
    TTableArray three = rulesToAdd(dialog, {0, 2, 1}, combs);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[1].Comment, "Регулярная ставка (3)");
    EXPECT_EQ(three[1].Last, combs[2].Digits);
    EXPECT_TRUE(rulesToAdd(dialog, {}, combs).empty());
    EXPECT_EQ(*validateRule("x", true, "1;2;3;4", {}, nullptr), "Введена некорректная комбинация!");
    EXPECT_EQ(*validateRule("", false, "", {}, nullptr), "Необходимо ввести комментарий!");
    EXPECT_TRUE(validateRule("Регулярная ставка (3)", false, "", three, nullptr));
    std::array<uint8_t, 5> start{};
    EXPECT_FALSE(validateRule("y", true, "1,2;3 ;4,5", three, &start));
    EXPECT_EQ(start, (std::array<uint8_t, 5>{1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace pentad
