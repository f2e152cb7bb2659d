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
        "NUMS", "DIGS", "EVEN", "EVNV", "SMAL", "SMLV", "PRIM", "PRMV", "SUMS", "SUM1", "SUM2",
        "SUM3", "SUMC", "SUMV", "SUMT", "SUME", "SUMP", "S2T3", "DIFA", "DIFM", "DIFD", "DIFO",
        "DIFK", "CHAN", "CHNV", "CHNC", "SGMS", "SGMV", "SGMC", "SEQL", "SEQS", "LENS", "RPV2",
        "RPV3", "PRL2", "PRV2O1", "PRV2O2", "PRV2O3", "PRV+1", "PRV-1", "PRV+2", "PRV-2", "RPC2",
        "RPC3", "PRB2", "RPO1", "PRC2O2", "PRC2O3", "PRC+1", "PRC-1", "PRC+2", "PRC-2", "KNM2",
        "KNM3", "KNM4", "KNS2", "KNS3", "KNS4", "KNP21", "KNP22", "KNP23", "KNP24", "KNP31",
        "KNP32", "KNP33", "KNP41", "KNP42", "KNO2", "KNO3", "KNO4", "KDS2", "KDS3", "KDS4", "KCM2",
        "KCM3", "KCM4", "KCS2", "KCS3", "KCS4", "KFM2", "KFM3", "KFM4", "KFS2", "KFS3", "KFS4",
        "KRM2", "KRM3", "KRM4", "KRS2", "KRS3", "KRS4", "KGM2", "KGM3", "KGM4", "KGS2", "KGS3",
        "KGS4", "POS1", "POS2", "POS3", "POS4", "POS5", "CHN1", "CHN2", "CHN3", "CHN4", "CHN5",
        "SGM1", "GRPV", "GRPP", "GRCV", "GRCP", "GRSV", "GRSP", "PRDV", "PRDC", "PRDG", "SDV2",
        "SDP2", "SDN1", "SDN2", "SDN3", "SDN4", "SDN5", "SDP3", "SDM1", "SDM2", "SDM3", "SDM4",
        "SDM5", "SCV2", "SCP2", "SCN1", "SCN2", "SCN3", "SCN4", "SCN5", "SCP3", "SCM1", "SCM2",
        "SCM3", "SCM4", "SCM5", "SC2C1", "SC2C2", "SC2C3", "SC2C4", "SC2C5", "SC3C1", "SC3C2",
        "SC3C3", "SC3C4", "SC3C5", "SDA2", "SDG2", "SDZ2", "SDC2", "SSV2", "SSP2", "SSN1", "SSN2",
        "SSN3", "SSN4", "SSN5", "SSP3", "SSM1", "SSM2", "SSM3", "SSM4", "SSM5", "SS2C1", "SS3C1",
        "HCQ1", "HCQ2", "HCQ3", "SHR1", "SHR2", "SHR3",
    };
    // clang-format on
    std::vector<std::string> codes;
    for (int i = 0; i < f.list.Count(); ++i) {
        codes.push_back(f.list.Item(i).Code());
    }
    EXPECT_EQ(codes, expected);
    EXPECT_EQ(codes.size(), 178u);
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
        {"SGM1", "sgm", "NG"},  {"RPV2", "rep", "D"},   {"PRC-2", "rep", "D"},
        {"KNM2", "num", "S"},   {"KNP42", "num", "S"},  {"KNO3", "num", ""},
        {"GRPV", "ser", "D"},   {"GRSP", "ser", "D"},   {"PRDC", "per", "P"},
        {"SDV2", "mov", "D"},   {"SDP2", "mov", "SD"},  {"SCM5", "mov", "SD"},
        {"SC2C3", "mov", "D"},  {"SDZ2", "mov", "D"},   {"SSV2", "mov", "D"},
        {"SSN2", "mov", "SD"},  {"SS3C1", "mov", "D"},  {"HCQ1", "qrn", "SNG"},
        {"HCQ3", "qrn", "SD"},  {"SHR2", "shr", "SNG"},
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
    EXPECT_EQ(f.list.ListCaption(f.entry("SDM3"), true),
              "{ mov } Переходы чисел между 3 тиражами в 3 позиции [ SD ]");
    EXPECT_EQ(f.list.Item(f.entry("SC3C4")).DisplayCaption(),
              "Переходы кол-ва чисел в 4 канале между 3 тиражами");
    EXPECT_EQ(f.list.Item(f.entry("PRV2O2")).DisplayCaption(),
              "Повторяющиеся числа в 2-х тиражах через 2 тираж(а)");
    EXPECT_EQ(f.list.Item(f.entry("PRC+1")).DisplayCaption(),
              "Количество совпадений \"значений + 1\"");
    EXPECT_EQ(f.list.Item(f.entry("SHR3")).DisplayCaption(),
              "Метод шинковки 3: (n3+n4+n5)/(n1+n2)");
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
        if ((m.Class->baseFlags & (kFlagD | kFlagP)) != 0) {
            continue;  // valued against other draws, not stand-alone
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

TEST(StatisticFamilies, NextOccurrencesAgreeWithTheSearchOfEachRow) {
    // Hidden draws after the window, so that most rows find a next occurrence.
    StatFixture f(randomDraws(90, 17));
    f.archive.setOffset(30);
    int found = 0;
    for (int i = 0; i < f.list.Count(); ++i) {
        const TStatMethod& m = f.list.Item(i);
        StatComputation c = f.compute(m.Code(), 40, nullptr, i % 2 == 1);
        auto stat = f.list.CreateStat(i);
        for (size_t r = 0; r < c.rows.size(); ++r) {
            const TStatRow& row = c.rows[r];
            int32_t expected = -1;
            if (row.Count >= 1 && row.Depth > 0) {
                expected = stat->FindNextOccurrence(row, f.archive.findByNumber(row.LastDraw) + 1,
                                                    c.lastIndex, i % 2 == 1);
            }
            EXPECT_EQ(c.facts[r], expected) << m.Code() << " " << c.valueTexts[r];
            found += expected >= 0 ? 1 : 0;
        }
    }
    EXPECT_GT(found, 1000);
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
