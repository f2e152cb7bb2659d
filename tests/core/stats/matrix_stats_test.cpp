// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/matrix_stats.h"

#include <gtest/gtest.h>

#include "core/stats/family_support.h"

namespace pentad {
namespace {

using namespace test;

TEST(MatrixStats, OnlyTheCombinedMembersAreListed) {
    StatFixture f({});
    for (const char* code : {"KFM2", "KFM3", "KFM4", "KFS2", "KFS3", "KFS4", "KRM2", "KRM3", "KRM4",
                             "KRS2", "KRS3", "KRS4"}) {
        EXPECT_NE(f.entry(code), -1) << code;
    }
    for (const char* code : {"COLS", "ROWS", "COLV", "ROWV", "COLN", "ROWN", "COLM", "ROWM", "COLA",
                             "ROWA", "COLC", "ROWC", "COL1", "ROW1"}) {
        EXPECT_EQ(f.entry(code), -1) << code;
    }
    f.list.SetFavouritesText("COLS");
    for (int i = 0; i < f.list.Count(); ++i) {
        EXPECT_FALSE(f.list.IsShown(i)) << f.list.Item(i).Code();
    }
}

TEST(MatrixStats, ColumnPatternsHaveASingleValue) {
    StatFixture f({{1, 2, 3, 4, 5}, {0, 0, 9, 9, 7}, {6, 6, 6, 6, 6}});
    StatComputation mix = f.compute("KFM2");
    EXPECT_EQ(mix.valueTexts, (std::vector<std::string>{"0:0"}));
    EXPECT_EQ(mix.rows[0].Count, 30);
    StatComputation seq = f.compute("KFS4");
    EXPECT_EQ(seq.valueTexts, (std::vector<std::string>{"0:0:0:0"}));
    EXPECT_EQ(seq.rows[0].Count, 6);
    auto stat = f.list.CreateStat(f.entry("KFM3"));
    TStatDrawArray zeros = selection({rowOfKey(0, 0, 0)});
    EXPECT_TRUE(stat->TestCombination(TCombRec{{9, 8, 7, 6, 5}}, zeros, false, false, 2));
}

TEST(MatrixStats, RowPatternsAreTheDigitsShiftedByOne) {
    StatFixture threes({{3, 3, 3, 3, 3}});
    StatComputation mix = threes.compute("KRM2");
    EXPECT_EQ(mix.valueTexts, (std::vector<std::string>{"4:4"}));
    EXPECT_EQ(mix.rows[0].Count, 10);
    StatFixture f({{0, 5, 9, 1, 1}});
    EXPECT_EQ(f.compute("KRS2").valueTexts,
              (std::vector<std::string>{"1:6", "6:10", "10:2", "2:2"}));
    EXPECT_EQ(f.compute("KRS2", 10, nullptr, true).valueTexts,
              (std::vector<std::string>{"1:2", "2:2", "2:6", "6:10"}));
}

// The disabled members still value draws when created directly.
TEST(MatrixStats, DisabledMembersStillValueDraws) {
    StatFixture f({{1, 2, 5, 6, 9}});
    auto run = [&](const StatClass& cls, int variant) {
        auto stat = cls.create(f.list, variant);
        TStatDrawArray rows;
        StatContext context;
        TLastValueArray last;
        stat->PrepareRows(0, rows);
        stat->CountDraw(0, 0, false, rows, context, last);
        std::vector<std::string> out;
        for (const TStatRow& r : rows) {
            if (r.Count > 0) {
                out.push_back(stat->ValueText(r));
            }
        }
        return out;
    };
    EXPECT_FALSE(TstColumns::Class.enabled);
    EXPECT_FALSE(TstRowValCnt::Class.enabled);
    EXPECT_TRUE(TstCombRowSeq4::Class.enabled);
    EXPECT_EQ(run(TstRows::Class, 0), (std::vector<std::string>{"2", "3", "6", "7", "10"}));
    EXPECT_EQ(run(TstColValues::Class, 0),
              (std::vector<std::string>{"1 x 0", "2 x 0", "3 x 0", "0 x 5"}));
    EXPECT_EQ(run(TstRowMask::Class, 0), (std::vector<std::string>{"0110011001 (409)"}));
    EXPECT_EQ(run(TstColAjacent::Class, 0), (std::vector<std::string>{"0 x 2"}));  // 1-2, 5-6
    EXPECT_TRUE(run(TstRowAjacent::Class, 0).empty());
    EXPECT_EQ(run(TstRowCount::Class, 0), (std::vector<std::string>{"5"}));
    EXPECT_EQ(run(TstRowValCnt::Class, 10), (std::vector<std::string>{"1"}));
    EXPECT_EQ(TstColValCnt::Class.range(f.list), (std::pair<int, int>{1, 3}));
    EXPECT_EQ(TstRowValCnt::Class.helpCode(4), "ROWx");
}

}  // namespace
}  // namespace pentad
