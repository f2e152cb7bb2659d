// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/stat_row.h"

#include <gtest/gtest.h>

namespace pentad {
namespace {

TStatRow work(uint16_t v1, int draw, int depth, int count = 1) {
    TStatRow r;
    r.setV(1, v1);
    r.LastDraw = draw;
    r.PrevDraw = draw;
    r.Depth = depth;
    r.Count = count;
    return r;
}

TEST(MergeRow, NewestOccurrenceWinsAndPeriodsAreTracked) {
    TStatDrawArray rows;
    rows.merge(work(7, 10, 5), true);
    rows.merge(work(7, 13, 2), true);
    rows.merge(work(7, 14, 1), true);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Count, 3);
    EXPECT_EQ(rows[0].LastDraw, 14);
    EXPECT_EQ(rows[0].Depth, 1);
    EXPECT_EQ(rows[0].PeriodMin, 1);
    EXPECT_EQ(rows[0].PeriodMax, 3);
    EXPECT_EQ(rows[0].PrevDraw, 14);
}

TEST(MergeRow, SameValueTwiceInOneDrawResetsPeriodMinOnly) {
    TStatDrawArray rows;
    rows.merge(work(3, 10, 3), true);
    rows.merge(work(3, 14, 2), true);  // distance 4
    rows.merge(work(3, 14, 2), true);  // same draw: distance 0
    EXPECT_EQ(rows[0].PeriodMin, 0);   // 0 counts as unset
    EXPECT_EQ(rows[0].PeriodMax, 4);
    rows.merge(work(3, 16, 1), true);  // the next real distance replaces it
    EXPECT_EQ(rows[0].PeriodMin, 2);
    EXPECT_EQ(rows[0].PeriodMax, 4);
    EXPECT_EQ(rows[0].Count, 4);
}

TEST(MergeRow, PreparedRowsKeepOrderAndTakeDrawsLater) {
    TStatDrawArray rows;
    for (uint16_t d = 0; d < 3; ++d) {
        rows.merge(work(d, 0, 0, 0), false);
    }
    rows.merge(work(9, 5, 2), true);
    rows.merge(work(1, 5, 2), true);
    rows.merge(work(1, 6, 1), false);  // no period tracking
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3].V(1), 9);  // first appearance after the prepared rows
    EXPECT_EQ(rows[1].Count, 2);
    EXPECT_EQ(rows[1].Depth, 1);
    EXPECT_EQ(rows[1].PeriodMin, 0);
    EXPECT_EQ(rows[0].Depth, 0);
}

TEST(MergeRow, ManyKeysStayFindable) {
    TStatDrawArray rows;
    for (uint32_t k = 0; k < 5000; ++k) {
        TStatRow r;
        r.setH(1, k * 7919);
        r.Count = 1;
        rows.merge(r, false);
        rows.merge(r, false);
    }
    ASSERT_EQ(rows.size(), 5000u);
    TStatRow probe;
    probe.setH(1, 4999 * 7919);
    int i = rows.find(probe.keyValue());
    ASSERT_EQ(i, 4999);
    EXPECT_EQ(rows[4999].Count, 2);
}

TEST(KeyLookups, CellsBytesHalvesAndCells13) {
    TStatDrawArray selected;
    TStatRow r;
    r.Key = {1, 2, 3, 0x0504};
    selected.append(r);
    EXPECT_TRUE(selected.hasKey(r.keyValue()));
    EXPECT_TRUE(selected.hasCell(3, 3));
    EXPECT_FALSE(selected.hasCell(3, 2));
    EXPECT_TRUE(selected.hasByte(7, 4));
    EXPECT_TRUE(selected.hasByte(8, 5));
    EXPECT_TRUE(selected.hasHalf(1, 0x00020001));
    EXPECT_TRUE(selected.hasCells13(1, 3));
    EXPECT_FALSE(selected.hasCells13(1, 2));
    EXPECT_FALSE(TStatDrawArray().hasCell(1, 0));
}

TEST(LastValues, ReturnDistanceOrMinusOne) {
    TLastValueArray last;
    EXPECT_EQ(last.lookup({1, 0, 0, 0}, 10), -1);
    EXPECT_EQ(last.lookup({1, 0, 0, 0}, 14), 4);
    EXPECT_EQ(last.lookup({1, 0, 0, 0}, 15), 1);
    EXPECT_EQ(last.lookup({2, 0, 0, 0}, 15), -1);
    EXPECT_EQ(last.size(), 2u);
}

}  // namespace
}  // namespace pentad
