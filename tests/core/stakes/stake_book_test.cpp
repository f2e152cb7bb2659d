// SPDX-License-Identifier: GPL-3.0-or-later
#include "stakes/stake_book.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "shell/shell.h"
#include "stats/stat_list.h"
#include "support/scripted_user_interface.h"
#include "support/stat_support.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using Digits = std::array<uint8_t, 5>;

class StakeBookTest : public ::testing::Test {
protected:
    StakeBookTest()
        : archive(test::archiveOfDigits({Digits{5, 2, 3, 9, 1}, Digits{0, 7, 1, 7, 7},
                                         Digits{1, 1, 1, 1, 1}})),
          list(archive.draws()),
          combs(shell, archive),
          book(shell, dir.path(), archive, list, combs) {
        list.config.Cost = 10000;
        list.config.Profits = {{3, 100000}, {5, 10000000}};
    }

    void open() { ASSERT_EQ(book.LoadLedger(), StakeLedger::OpenResult::Ok); }

    TStakeRec stake(const Digits& d, int draw, const std::string& comment = "c") {
        TCombRec comb;
        comb.Digits = d;
        TStakeRec r = book.newStake(kStakeManual, comb, comment);
        r.DrawNumber = draw;
        return r;
    }

    std::vector<int> draws() {
        std::vector<int> out;
        for (const TStakeRec& r : book.ledger().readAll()) {
            out.push_back(r.DrawNumber);
        }
        return out;
    }

    test::TempDir dir;
    test::ScriptedUserInterface ui;
    Shell shell{ui};
    DrawArchive archive;
    TStatList list;
    CombinationSet combs;
    StakeBook book;
};

TEST_F(StakeBookTest, StakeForSeveralDrawsIsSeparated) {
    open();
    ASSERT_TRUE(book.ledger().AppendStake(stake({1, 2, 3, 4, 5}, 10), 3));
    EXPECT_EQ(draws(), (std::vector<int>{10, -1, 11, -1, 12}));
    ASSERT_TRUE(book.ledger().AppendStake(stake({1, 2, 3, 4, 5}, 20), 2));
    EXPECT_EQ(draws(), (std::vector<int>{10, -1, 11, -1, 12, -1, 20, -1, 21}));
    TStakeRec checked = stake({1, 2, 3, 4, 5}, 1);
    checked.Checked = 1;
    EXPECT_FALSE(book.ledger().AppendStake(checked, 1));
    EXPECT_TRUE(ui.hasError());
}

TEST_F(StakeBookTest, DeleteRowsAndByCondition) {
    open();
    for (int n : {1, 2, 3, 4, 5}) {
        ASSERT_TRUE(book.ledger().WriteRecord(stake({1, 2, 3, 4, 5}, n), n - 1));
    }
    ASSERT_TRUE(book.ledger().DeleteRows(2, 3));
    EXPECT_EQ(draws(), (std::vector<int>{1, 4, 5}));

    // Scores: draw 1 -> 2 matches; 4, 5 stay unscored (no such draws).
    book.ledger().AppendSeparatorIfNeeded();
    ASSERT_TRUE(book.ledger().WriteRecord(stake({9, 9, 9, 9, 9}, 2), 4));  // 0 matches
    book.CheckAndRefresh();
    ASSERT_TRUE(book.ledger().DeleteByCondition(3, 1));  // "< 1"
    EXPECT_EQ(draws(), (std::vector<int>{1, -1}));
    EXPECT_EQ(dir.read("Pentad.lsk").size(), 624u);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Pentad.~tmp")));
}

TEST_F(StakeBookTest, CheckingScoresOnceAndFeedsRatings) {
    open();
    ASSERT_TRUE(book.CreateStake(stake({1, 2, 3, 4, 5}, 1, "A"), 1));
    ASSERT_TRUE(book.CreateStake(stake({7, 7, 7, 7, 7}, 2, "a"), 1));
    ASSERT_TRUE(book.CreateStake(stake({1, 2, 3, 4, 5}, 9, "B"), 1));
    std::vector<TStakeRec> recs = book.ledger().readAll();
    EXPECT_EQ(recs[0].Matches.Count, 2);
    EXPECT_EQ(recs[0].Profit, -10000);
    EXPECT_EQ(recs[1].Matches.Count, 3);
    EXPECT_EQ(recs[1].Profit, 90000);
    EXPECT_EQ(recs[2].Checked, 0);  // draw 9 is not known yet
    EXPECT_EQ(recs[2].Profit, -10000);
    std::string before = dir.read("Pentad.lsk");
    EXPECT_FALSE(book.CheckAndRefresh());
    EXPECT_EQ(dir.read("Pentad.lsk"), before);
    ASSERT_EQ(book.ratings().size(), 1u);  // "A" and "a" share a row
    EXPECT_EQ(book.ratings()[0].Stakes, 2);
    EXPECT_EQ(book.ratings()[0].Profit, 80000);
    EXPECT_EQ(dir.read("Pentad.lrt").size(), 296u);
}

TEST_F(StakeBookTest, LogsGoByMatchCount) {
    open();
    book.log().enabled = true;
    book.CreateStake(stake({0, 0, 0, 0, 0}, 1), 1);
    book.CreateStake(stake({1, 2, 3, 4, 5}, 1), 1);
    book.CreateStake(stake({1, 2, 3, 0, 0}, 1), 1);
    std::string two = dir.read("Pentad-2.log");
    EXPECT_EQ(std::count(two.begin(), two.end(), '\n'), 2);
    EXPECT_NE(two.find(": \xD2\xE8\xF0\xE0\xE6 \xB9 1. "), std::string::npos);  // "Тираж № 1."
    EXPECT_NE(two.find("[1;2;3;4;5] {0}. "), std::string::npos);
    EXPECT_NE(two.find("[5;2;3;9;1]. "), std::string::npos);
    EXPECT_NE(two.find(": 2. "), std::string::npos);
    EXPECT_NE(two.find("-1.00.\r\n"), std::string::npos);
    std::string zero = dir.read("Pentad-0.log");
    EXPECT_EQ(std::count(zero.begin(), zero.end(), '\n'), 1);
}

TEST_F(StakeBookTest, DamagedLedgerIsEmptiedAfterTheWarning) {
    dir.write("Pentad.lsk", std::string(312, '\x01'));  // version byte 1
    open();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Warning);
    EXPECT_TRUE(book.ledger().IsEmpty());
    book.ledger().Close();
    dir.write("Pentad.lsk", std::string(300, '\x02'));
    open();
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_TRUE(book.ledger().IsEmpty());
}

// An append cut off by a kill or a full disk leaves part of a record at the
// end: the whole stakes before it stay, readers included.
TEST_F(StakeBookTest, TornLastRecordIsCutOffAndTheStakesBeforeItKept) {
    open();
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(book.ledger().AppendStake(stake({1, 2, 3, 4, 5}, n), 1));
    }
    book.ledger().Close();
    const std::string whole = dir.read("Pentad.lsk");
    ASSERT_EQ(whole.size(), 3 * TStakeRec::kSize);
    dir.write("Pentad.lsk", whole + whole.substr(0, 100));

    StakeLedger reader(shell, dir.file("Pentad.lsk"));
    reader.setReadOnly(true);
    ASSERT_EQ(reader.Load(), StakeLedger::OpenResult::Ok);
    EXPECT_EQ(reader.RecordCount(), 3);
    reader.Close();
    EXPECT_EQ(dir.read("Pentad.lsk").size(), 3 * TStakeRec::kSize + 100);  // a reader changes nothing

    open();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(draws(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(dir.read("Pentad.lsk"), whole);
}

TEST_F(StakeBookTest, SecondOpenIsRefused) {
    open();
    int fd = ::open(dir.file("Pentad.lsk").c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    EXPECT_NE(::flock(fd, LOCK_EX | LOCK_NB), 0);
    ::close(fd);
    StakeLedger other(shell, dir.file("Pentad.lsk"));
    EXPECT_EQ(other.Load(), StakeLedger::OpenResult::Locked);
}

TEST_F(StakeBookTest, ClearAndRefreshRatings) {
    open();
    book.CreateStake(stake({1, 2, 3, 4, 5}, 1), 1);
    ASSERT_EQ(book.ratings().size(), 1u);
    EXPECT_FALSE(book.ClearStakes());  // not confirmed
    ui.answerNext(true);
    ASSERT_TRUE(book.ClearStakes());
    EXPECT_TRUE(book.ledger().IsEmpty());
    EXPECT_TRUE(book.ratings().empty());
}

TEST_F(StakeBookTest, RegularTestStakesEveryRuleAtEveryOffset) {
    open();
    TTableRec a;
    a.Comment = "a";
    a.Start = {1, 2, 3, 4, 5};
    TTableRec b = a;
    b.Comment = "b";
    b.FromDraw = 1;
    ASSERT_TRUE(book.AddRules(a, {0}));
    ASSERT_TRUE(book.AddRules(b, {0}));
    archive.setOffset(0);
    ASSERT_TRUE(book.TestRules({0, 1}, 2));
    std::vector<TStakeRec> recs = book.ledger().readAll();
    ASSERT_EQ(recs.size(), 4u);
    EXPECT_EQ(recs[0].DrawNumber, 2);  // offset 2: newest visible draw 1
    EXPECT_EQ(recs[2].DrawNumber, 3);
    EXPECT_EQ(book.rules()[0].Count, 2);
    EXPECT_EQ(book.rules()[1].Count, 2);
    EXPECT_EQ(recs[1].Stake.Digits[0], 6);  // draw 1 shifted: 5 -> 6
    EXPECT_EQ(archive.offset(), 0);
    EXPECT_TRUE(recs[0].Checked);  // draws 2 and 3 are known: scored at once
    EXPECT_EQ(dir.read("Pentad.ltb").size(), 552u);
}

}  // namespace
}  // namespace pentad

namespace pentad {
namespace {

// Checking in a batch (the ratings file written at the flush, the ledger read
// from the first record that may still need scoring) leaves the same files
// as checking after every stake, with stakes for unknown draws in between.
TEST_F(StakeBookTest, BatchedChecksWriteTheSameFiles) {
    test::TempDir other;
    StakeBook plain(shell, other.path(), archive, list, combs);
    ASSERT_EQ(plain.LoadLedger(), StakeLedger::OpenResult::Ok);
    open();
    book.BeginBatch();
    const std::vector<Digits> digits = {{5, 2, 3, 9, 1}, {0, 7, 1, 7, 7}, {1, 1, 1, 1, 1},
                                        {5, 2, 3, 0, 0}, {9, 9, 9, 9, 9}};
    for (int i = 0; i < 40; ++i) {
        // Draw 4 is not in the archive: that stake stays unscored.
        const int draw = i % 7 == 3 ? 4 : 1 + i % 3;
        const std::string comment = "line " + std::to_string(i % 4);
        for (StakeBook* b : {&plain, &book}) {
            ASSERT_TRUE(b->ledger().AppendStake(stake(digits[static_cast<size_t>(i) % 5], draw,
                                                      comment),
                                                1));
            b->CheckAndRefresh();
        }
        if (i % 10 == 9) {
            ASSERT_TRUE(book.FlushBatch());
            for (const auto& e : std::filesystem::directory_iterator(other.path())) {
                const std::string name = e.path().filename().string();
                SCOPED_TRACE(name);
                EXPECT_EQ(dir.read(name), other.read(name));
            }
        }
    }
    book.EndBatch();
    EXPECT_EQ(book.ratings().size(), plain.ratings().size());
    EXPECT_GT(book.ratings().size(), 1u);
}

}  // namespace
}  // namespace pentad
