// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenarios/line_check.h"

#include <gtest/gtest.h>

#include "support/stat_support.h"

namespace pentad {
namespace {

using Words = std::vector<std::string>;

TEST(LineCheck, OptionWords) {
    EXPECT_EQ(unreadOptionWords(""), Words{});
    EXPECT_EQ(unreadOptionWords("FULL:0#RAND"), Words{});
    EXPECT_EQ(unreadOptionWords("excl:12#sysc#NEX#clr"), Words{});
    EXPECT_EQ(unreadOptionWords("CURR"), Words{});
    // The reader would take "FULLY" for FULL, "-3" for 0 and "RANDOM" for RAND.
    EXPECT_EQ(unreadOptionWords("FULLY:1#RANDOM"), (Words{"FULLY:1", "RANDOM"}));
    EXPECT_EQ(unreadOptionWords("EXCL:-3#ALL#NEW"), (Words{"EXCL:-3", "NEW"}));
    EXPECT_EQ(unreadOptionWords("garbage"), Words{"garbage"});
}

TEST(LineCheck, FilterWords) {
    test::StatFixture f({});
    EXPECT_EQ(unreadFilterWords("TSD1#NUMS:10-30;10#LMV:2#ST:3", f.list), Words{});
    EXPECT_EQ(unreadFilterWords("BMF#nums:5#lva:1,2#sf:0#1.5:-1:0,5:1:0", f.list), Words{});
    EXPECT_EQ(unreadFilterWords("TSD1#NUMS:1#LNO:#SV", f.list), Words{});
    EXPECT_EQ(unreadFilterWords("tsd1#NUMS:1", f.list), Words{"tsd1"});
    EXPECT_EQ(unreadFilterWords("TSD12#NUMSX:1#LMVV:2#ST:-1", f.list),
              (Words{"TSD12", "NUMSX:1", "LMVV:2", "ST:-1"}));
    EXPECT_EQ(unreadFilterWords("TSD1#NUMS:1#LNO:#ST:1#1:2:3:4#x", f.list),
              (Words{"1:2:3:4", "x"}));
    // An empty word is dropped: the level mode would be read as the method.
    EXPECT_EQ(unreadFilterWords("TSD1##LMV:2", f.list), Words{"LMV:2"});
}

TEST(LineCheck, LineWords) {
    test::StatFixture f({});
    EXPECT_EQ(unreadLineWords("FULL:0#RAND|TSD1#NUMS:1#LNO:#ST:1| | | | | | |comment", f.list),
              Words{});
    EXPECT_EQ(unreadLineWords("garbage|||", f.list), Words{"garbage"});
    EXPECT_EQ(unreadLineWords("FULL:0#RAND| |TSD1#NOPE:1| | | | | |c|more|most", f.list),
              (Words{"NOPE:1", "more", "most"}));
}

}  // namespace
}  // namespace pentad
