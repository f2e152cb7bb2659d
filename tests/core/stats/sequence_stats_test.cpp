// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/sequence_stats.h"

#include <gtest/gtest.h>

#include "core/stats/family_support.h"

namespace pentad {
namespace {

using namespace test;

// Counts of the prepared rows 1..5 of SEQL.
std::vector<int> lengthCounts(StatFixture& f, bool sorted = false) {
    StatComputation c = f.compute("SEQL", 10, nullptr, sorted);
    std::vector<int> out;
    for (size_t i = 0; i < 5; ++i) {
        out.push_back(c.rows[i].Count);
    }
    return out;
}

TEST(SequenceStats, RunsRiseByExactlyOne) {
    StatFixture a({{2, 3, 3, 4, 5}});
    EXPECT_EQ(lengthCounts(a), (std::vector<int>{0, 1, 1, 0, 0}));
    EXPECT_EQ(countOf(a.compute("SEQS"), "2"), 1);
    EXPECT_EQ(countOf(a.compute("LENS"), "3"), 1);

    StatFixture b({{9, 0, 1, 2, 8}});  // 9 to 0 is no rise
    EXPECT_EQ(lengthCounts(b), (std::vector<int>{2, 0, 1, 0, 0}));

    StatFixture c({{5, 5, 5, 5, 5}});
    EXPECT_EQ(lengthCounts(c), (std::vector<int>{5, 0, 0, 0, 0}));
    StatComputation none = c.compute("SEQS");
    EXPECT_EQ(none.valueTexts, (std::vector<std::string>{"0", "1", "2"}));
    EXPECT_EQ(none.rows[0].Count, 1);
    EXPECT_EQ(countOf(c.compute("LENS"), "1"), 1);

    StatFixture d({{5, 3, 4, 9, 1}});  // sorted: 1 3 4 5 9
    EXPECT_EQ(lengthCounts(d), (std::vector<int>{3, 1, 0, 0, 0}));
    EXPECT_EQ(lengthCounts(d, true), (std::vector<int>{2, 0, 1, 0, 0}));
}

TEST(SequenceStats, GraphAlsoFollowsFallingSteps) {
    StatFixture f({{5, 4, 3, 0, 0}});
    EXPECT_EQ(countOf(f.compute("SEQS"), "0"), 1);
    EXPECT_EQ(countOf(f.compute("LENS"), "1"), 1);
    EXPECT_EQ(f.list.CreateStat(f.entry("SEQS"))->GraphValue(0, 0, false), 1);
    EXPECT_EQ(f.list.CreateStat(f.entry("LENS"))->GraphValue(0, 0, false), 3);
}

TEST(SequenceStats, CandidatesAreReadInStoredOrder) {
    StatFixture f({{0, 0, 0, 0, 0}});
    auto longest = f.list.CreateStat(f.entry("LENS"));
    TStatDrawArray three = selection({rowOfKey(3)});
    EXPECT_TRUE(longest->TestCombination(TCombRec{{3, 4, 5, 0, 0}}, three, false, true, 0));
    EXPECT_FALSE(longest->TestCombination(TCombRec{{5, 4, 3, 0, 0}}, three, false, true, 0));
    auto lengths = f.list.CreateStat(f.entry("SEQL"));
    TStatDrawArray two = selection({rowOfKey(2)});
    EXPECT_TRUE(lengths->TestCombination(TCombRec{{7, 1, 2, 9, 9}}, two, false, false, 0));
    EXPECT_FALSE(lengths->TestCombination(TCombRec{{7, 1, 2, 3, 9}}, two, false, false, 0));
}

TEST(SequenceStats, FullSetCounts) {
    StatFixture f({});
    auto longest = fullSetCounts(*f.list.CreateStat(f.entry("LENS")));
    EXPECT_EQ(longest[rowOfKey(5).Key], 6);  // 01234 .. 56789
    // A run of four at either end starts at one of 7 digits; the fifth digit
    // must not extend it, which rules out one digit except for 6789 / 0123.
    EXPECT_EQ(longest[rowOfKey(4).Key], 2 * (6 * 9 + 1 * 10));
    long long total = 0;
    for (const auto& [key, n] : fullSetCounts(*f.list.CreateStat(f.entry("SEQL")))) {
        total += static_cast<long long>(key[0]) * n;
    }
    EXPECT_EQ(total, 500000);  // the lengths of every row add up to five
    // No run of two or more is the same as a longest run of one.
    auto runs = fullSetCounts(*f.list.CreateStat(f.entry("SEQS")));
    EXPECT_EQ(runs[rowOfKey(0).Key], longest[rowOfKey(1).Key]);
}

}  // namespace
}  // namespace pentad
