// SPDX-License-Identifier: GPL-3.0-or-later
// The families together: their place in the method list, their flags, and
// properties every method must keep whatever its family (a counted
// combination passes its own test, numeric texts read back, graph values
// agree with the table).
#include <random>

#include <gtest/gtest.h>

#include "core/stats/family_support.h"

namespace pentad {
namespace {

using namespace test;

std::vector<Digits> randomDraws(int count, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<Digits> rows(static_cast<size_t>(count));
    for (Digits& d : rows) {
        for (uint8_t& digit : d) {
            digit = static_cast<uint8_t>(rng() % 10);
        }
    }
    return rows;
}

TEST(StatisticFamilies, ListFollowsTheRegistryOrder) {
    StatFixture f({});
    // clang-format off
    const std::vector<std::string> expected = {
        "NUMS", "DIGS", "EVEN", "EVNV", "SMAL", "SMLV", "PRIM", "PRMV",  // numbers
        "SUMS", "SUM1", "SUM2", "SUM3", "SUMC", "SUMV", "SUMT", "SUME", "SUMP", "S2T3",
        "DIFA", "DIFM", "DIFD", "DIFO", "DIFK", "CHAN", "CHNV", "CHNC", "SGMS", "SGMV",
        "SGMC", "SEQL", "SEQS", "LENS", "KDS2", "KDS3", "KDS4", "KCM2", "KCM3", "KCM4",
        "KCS2", "KCS3", "KCS4", "KFM2", "KFM3", "KFM4", "KFS2", "KFS3", "KFS4", "KRM2",
        "KRM3", "KRM4", "KRS2", "KRS3", "KRS4", "KGM2", "KGM3", "KGM4", "KGS2", "KGS3",
        "KGS4", "POS1", "POS2", "POS3", "POS4", "POS5", "CHN1", "CHN2", "CHN3", "CHN4",
        "CHN5", "SGM1"};
    // clang-format on
    std::vector<std::string> codes;
    for (int i = 0; i < f.list.Count(); ++i) {
        codes.push_back(f.list.Item(i).Code());
    }
    EXPECT_EQ(codes, expected);
}

TEST(StatisticFamilies, GroupsAndFlags) {
    StatFixture f({});
    struct Expect {
        const char* code;
        const char* group;
        const char* flags;
    };
    // clang-format off
    const Expect table[] = {
        {"SUMS", "sum", "NG"},  {"SUM2", "sum", "NG"},  {"SUMC", "sum", "DG"},
        {"SUMV", "sum", "D"},   {"SUMT", "sum", "DG"},  {"SUME", "sum", "NG"},
        {"SUMP", "sum", "NG"},  {"S2T3", "sum", "NG"},  {"DIFA", "dif", "SN"},
        {"DIFM", "dif", "SNG"}, {"DIFD", "dif", "NG"},  {"DIFO", "dif", "SN"},
        {"DIFK", "dif", "SNG"}, {"CHAN", "grp", "N"},   {"CHNV", "grp", "N"},
        {"CHNC", "grp", "NG"},  {"SGMS", "sgm", "N"},   {"SGMV", "sgm", "N"},
        {"SGMC", "sgm", "NG"},  {"SEQL", "seq", "SN"},  {"SEQS", "seq", "SNG"},
        {"LENS", "seq", "SNG"}, {"KDS3", "dif", "S"},   {"KCM2", "grp", "S"},
        {"KCS4", "grp", "S"},   {"KFM3", "mtx", "S"},   {"KRS2", "mtx", "S"},
        {"KGM4", "sgm", "S"},   {"KGS3", "sgm", "S"},   {"CHN2", "grp", "NG"},
        {"SGM1", "sgm", "NG"},
    };
    // clang-format on
    for (const Expect& e : table) {
        int i = f.entry(e.code);
        ASSERT_NE(i, -1) << e.code;
        const StatClass& cls = *f.list.Item(i).Class;
        EXPECT_STREQ(groupCode(cls.group), e.group) << e.code;
        EXPECT_EQ(flagLetters(cls.flags()), e.flags) << e.code;
    }
    EXPECT_EQ(f.list.ListCaption(f.entry("KCM3"), true),
              "{ grp } Сочетания из 3 каналов по всем числам тиража [ S ]");
    EXPECT_EQ(f.list.Item(f.entry("CHN2")).DisplayCaption(), "Количество чисел в 2 канале");
}

TEST(StatisticFamilies, EveryEntryComputesOverARandomArchive) {
    StatFixture f(randomDraws(60, 7));
    for (int i = 0; i < f.list.Count(); ++i) {
        const TStatMethod& m = f.list.Item(i);
        for (bool sorted : {false, true}) {
            StatComputation c;
            ASSERT_NO_THROW(c = f.compute(m.Code(), 40, nullptr, sorted)) << m.Code();
            EXPECT_EQ(c.N, 40);
            if ((m.Class->baseFlags & kFlagD) == 0) {
                EXPECT_GT(c.Total, 0) << m.Code();
            }
            EXPECT_EQ(c.valueTexts.size(), c.rows.size());
        }
    }
}

TEST(StatisticFamilies, CountedCombinationPassesItsOwnTest) {
    StatFixture f(randomDraws(5, 11));
    std::vector<Digits> combs = randomDraws(300, 3);
    combs.push_back({0, 0, 0, 0, 0});
    combs.push_back({9, 9, 9, 9, 9});
    combs.push_back({0, 1, 2, 3, 4});
    for (int i = 0; i < f.list.Count(); ++i) {
        const TStatMethod& m = f.list.Item(i);
        if ((m.Class->baseFlags & kFlagD) != 0) {
            continue;  // valued against the newest draw, not stand-alone
        }
        auto stat = f.list.CreateStat(i);
        stat->LoadDraws(-1, f.archive.lastIndex(), false);
        for (const Digits& d : combs) {
            TCombRec comb{d};
            TStatDrawArray own;
            stat->CountCombination(comb, own);
            ASSERT_FALSE(own.empty()) << m.Code();
            ASSERT_TRUE(stat->TestCombination(comb, own, false, false, f.archive.lastIndex()))
                << m.Code() << " " << int(d[0]) << int(d[1]) << int(d[2]) << int(d[3]) << int(d[4]);
        }
    }
}

TEST(StatisticFamilies, NumericTextsReadBackAndGraphsAgreeWithTheTable) {
    StatFixture f(randomDraws(30, 5));
    for (int i = 0; i < f.list.Count(); ++i) {
        const TStatMethod& m = f.list.Item(i);
        auto stat = f.list.CreateStat(i);
        StatComputation c = f.compute(m.Code());
        if (m.HasNumericValue()) {
            for (size_t r = 0; r < c.rows.size(); ++r) {
                EXPECT_EQ(stat->ParseValue(c.valueTexts[r]), c.rows[r].V(1)) << m.Code();
            }
        }
        // The sequence graphs deliberately count falling steps too, and the
        // D members chart the change against the previous draw.
        bool sameAsTable = m.Class->isGraph && (m.Class->baseFlags & kFlagD) == 0 &&
                           std::string(groupCode(m.Class->group)) != "seq";
        if (!sameAsTable) {
            continue;
        }
        for (int d = 0; d <= f.archive.lastIndex(); ++d) {
            TStatDrawArray rows;
            StatContext context;
            TLastValueArray last;
            stat->CountDraw(d, f.archive.lastIndex(), false, rows, context, last);
            ASSERT_EQ(rows.size(), 1u) << m.Code();
            EXPECT_EQ(stat->GraphValue(d, f.archive.lastIndex(), false), rows[0].V(1))
                << m.Code() << " draw " << d;
        }
    }
}

}  // namespace
}  // namespace pentad
