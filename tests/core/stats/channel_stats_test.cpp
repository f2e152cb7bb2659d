// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/channel_stats.h"

#include <gtest/gtest.h>

#include "core/stats/family_support.h"

namespace pentad {
namespace {

using namespace test;

// Refills the list for another channel size, as the program rebuilds the
// method list after the setting changes.
void setChannelSize(StatFixture& f, int size) {
    f.list.config.ChannelSize = size;
    f.list.Fill();
}

TEST(ChannelStats, SizeTwoOnADrawOfTheFirstChannel) {
    StatFixture f({{0, 1, 0, 1, 0}});
    StatComputation chan = f.compute("CHAN");
    EXPECT_EQ(chan.valueTexts, (std::vector<std::string>{"01 [0-1]", "02 [2-3]", "03 [4-5]",
                                                         "04 [6-7]", "05 [8-9]"}));
    EXPECT_EQ(chan.rows[0].Count, 5);

    StatComputation values = f.compute("CHNV");
    ASSERT_EQ(values.rows.size(), 16u);  // five channels x counts 0..2, then 5 appended
    EXPECT_EQ(values.valueTexts[0], "01 [0-1] x 0");
    EXPECT_EQ(values.valueTexts[15], "01 [0-1] x 5");
    EXPECT_EQ(values.rows[15].Count, 1);
    EXPECT_EQ(countOf(values, "02 [2-3] x 0"), 1);
    EXPECT_EQ(countOf(values, "05 [8-9] x 0"), 1);
    EXPECT_EQ(values.Total, 5);  // one row per channel

    StatComputation count = f.compute("CHNC");
    EXPECT_EQ(count.valueTexts, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(count.rows[0].Count, 1);
    StatComputation first = f.compute("CHN1");
    EXPECT_EQ(first.valueTexts, (std::vector<std::string>{"1", "2", "5"}));
    EXPECT_EQ(first.rows[2].Count, 1);
    EXPECT_EQ(f.list.CreateStat(f.entry("CHN3"))->GraphValue(0, 0, false), 0);

    auto chanStat = f.list.CreateStat(f.entry("CHAN"));
    EXPECT_EQ(chanStat->ParseValue("02 [2-3]"), 2);
    EXPECT_EQ(TstChnValCnt::Class.helpCode(3), "CHNx");
}

TEST(ChannelStats, VariantsAndTextsFollowTheChannelSize) {
    StatFixture three({{9, 3, 0, 6, 9}});
    setChannelSize(three, 3);
    EXPECT_NE(three.entry("CHN4"), -1);
    EXPECT_EQ(three.entry("CHN5"), -1);
    StatComputation chan = three.compute("CHAN");
    EXPECT_EQ(chan.valueTexts.back(), "04 [9-11]");
    EXPECT_EQ(chan.rows[3].Count, 2);
    EXPECT_EQ(countOf(three.compute("CHNC"), "4"), 1);  // appended beyond 1..3

    StatFixture ten({{9, 3, 0, 6, 9}});
    setChannelSize(ten, 10);
    EXPECT_EQ(ten.compute("CHAN").valueTexts, (std::vector<std::string>{"01 [0-9]"}));
    EXPECT_EQ(countOf(ten.compute("CHNC"), "1"), 1);
    EXPECT_EQ(ten.entry("CHN2"), -1);

    StatFixture none({});
    setChannelSize(none, 0);
    EXPECT_EQ(none.entry("CHN1"), -1);
    EXPECT_EQ(none.entry("CHN0"), -1);

    // An instance keeps the size it was created with.
    StatFixture f({{0, 1, 2, 3, 4}});
    auto chanStat = f.list.CreateStat(f.entry("CHAN"));
    f.list.config.ChannelSize = 5;
    EXPECT_EQ(chanStat->ValueText(rowOfKey(2)), "02 [2-3]");
}

TEST(ChannelStats, PatternsAndCandidates) {
    StatFixture f({{1, 2, 3, 4, 5}});
    EXPECT_EQ(f.compute("KCS2").valueTexts, (std::vector<std::string>{"1:2", "2:2", "2:3", "3:3"}));
    StatComputation mix = f.compute("KCM4");
    EXPECT_EQ(mix.valueTexts, (std::vector<std::string>{"1:2:2:3", "1:2:3:3", "2:2:3:3"}));
    EXPECT_EQ(countOf(mix, "1:2:3:3"), 2);

    auto chanStat = f.list.CreateStat(f.entry("CHAN"));
    TStatDrawArray third = selection({rowOfKey(3)});
    EXPECT_TRUE(chanStat->TestCombination(TCombRec{{0, 0, 0, 0, 5}}, third, false, false, 0));
    EXPECT_FALSE(chanStat->TestCombination(TCombRec{{0, 2, 6, 8, 9}}, third, false, false, 0));
    auto values = f.list.CreateStat(f.entry("CHNV"));
    TStatDrawArray twoInSecond = selection({rowOfKey(2, 2)});
    EXPECT_TRUE(values->TestCombination(TCombRec{{2, 3, 0, 0, 0}}, twoInSecond, false, false, 0));
    EXPECT_FALSE(values->TestCombination(TCombRec{{2, 3, 3, 0, 0}}, twoInSecond, false, false, 0));
}

TEST(ChannelStats, FullSetCountsForSizeTwo) {
    StatFixture f({});
    auto chan = fullSetCounts(*f.list.CreateStat(f.entry("CHAN")));
    ASSERT_EQ(chan.size(), 5u);
    for (const auto& [key, n] : chan) {
        EXPECT_EQ(n, 100000);  // five digits, one in five in each channel
    }
    // k of the five digits in one channel: C(5, k) 2^k 8^(5-k).
    auto first = fullSetCounts(*f.list.CreateStat(f.entry("CHN1")));
    auto values = fullSetCounts(*f.list.CreateStat(f.entry("CHNV")));
    for (int k = 0; k <= 5; ++k) {
        long long n = choose(5, k) * power(2, k) * power(8, 5 - k);
        EXPECT_EQ(first[rowOfKey(static_cast<uint16_t>(k)).Key], n);
        EXPECT_EQ(values[rowOfKey(4, static_cast<uint16_t>(k)).Key], n);
    }
    // j channels used: C(5, j) * onto maps of five positions * 2^5 digits.
    const long long onto[6] = {0, 1, 30, 150, 240, 120};
    auto used = fullSetCounts(*f.list.CreateStat(f.entry("CHNC")));
    for (int j = 1; j <= 5; ++j) {
        EXPECT_EQ(used[rowOfKey(static_cast<uint16_t>(j)).Key], choose(5, j) * onto[j] * 32);
    }
}

}  // namespace
}  // namespace pentad
