// SPDX-License-Identifier: GPL-3.0-or-later
// A writer killed at any moment leaves each file as it was before or after
// the write, never torn, and the program opens it afterwards.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "stakes/stake_record.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::TempDir;

std::string csvOfDraws(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += std::to_string(i) + ";\"08/01/2016 " + (i % 2 == 1 ? "M" : "E") + "\";" +
                std::to_string(i % 10) + ";" + std::to_string(i / 10 % 10) + ";" +
                std::to_string(i / 100 % 10) + ";" + std::to_string(i / 1000 % 10) + ";" +
                std::to_string(i / 10000 % 10) + "\r\n";
    }
    return text;
}

// Starts pentad-cli with `args` on the folder; returns its process id.
pid_t startCli(const TempDir& dir, const std::vector<std::string>& args) {
    pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<std::string> all = {PENTAD_CLI_PATH, "--dir", dir.path()};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

TEST(KillSafety, ImportKilledAtRandomMomentsLeavesTheOldOrTheNewArchive) {
    const std::string csv = csvOfDraws(200000);
    // The archive an import that is left alone writes.
    TempDir reference;
    reference.write("draws.csv", csv);
    reference.write("Pentad.ldr", "");
    ASSERT_EQ(test::runCli(reference, "draws import '" + reference.file("draws.csv") + "'").code,
              0);
    const std::string after = reference.read("Pentad.ldr");
    ASSERT_EQ(after.size(), 200000u * 24u);

    TempDir dir;
    dir.write("draws.csv", csv);
    std::mt19937 random(20261211);
    int kills = 0;
    int completed = 0;
    for (int round = 0; round < 12; ++round) {
        dir.write("Pentad.ldr", "");
        pid_t pid = startCli(dir, {"draws", "import", dir.file("draws.csv")});
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(
            std::chrono::milliseconds(std::uniform_int_distribution<int>(0, 1500)(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (WIFSIGNALED(status)) {
            ++kills;
        } else {
            ++completed;
        }
        const std::string bytes = dir.read("Pentad.ldr");
        EXPECT_TRUE(bytes.empty() || bytes == after) << "round " << round << ": "
                                                      << bytes.size() << " bytes";
        test::CliResult list = test::runCli(dir, "draws list --limit 1");
        EXPECT_EQ(list.code, 0) << "round " << round;
        EXPECT_EQ(list.out.empty(), bytes.empty()) << "round " << round;
    }
    std::printf("import kills: %d killed, %d completed\n", kills, completed);
    EXPECT_GT(kills, 0);
}

// A ledger of `count` stakes for draw 1, every other one scored with one match.
std::string ledgerOfStakes(int count) {
    std::string bytes;
    uint8_t buf[TStakeRec::kSize];
    for (int i = 0; i < count; ++i) {
        TStakeRec rec;
        rec.Kind = 0;
        rec.DrawNumber = 1;
        rec.Stake.Count = 5;
        rec.Checked = static_cast<uint8_t>(i % 2);
        rec.Matches.Count = i % 2 == 1 ? 1 : -1;
        rec.Comment = "stake " + std::to_string(i);
        rec.encode(buf);
        bytes.append(reinterpret_cast<const char*>(buf), sizeof buf);
    }
    return bytes;
}

TEST(KillSafety, LedgerRewriteKilledAtRandomMomentsLeavesTheOldOrTheNewLedger) {
    const std::string before = ledgerOfStakes(100000);
    TempDir reference;
    reference.write("Pentad.lsk", before);
    ASSERT_EQ(test::runCli(reference, "stakes delete --rows 1-50000 --yes").code, 0);
    const std::string after = reference.read("Pentad.lsk");
    ASSERT_EQ(after.size(), 50000u * TStakeRec::kSize);

    TempDir dir;
    std::mt19937 random(11122026);
    int kills = 0;
    for (int round = 0; round < 8; ++round) {
        dir.write("Pentad.lsk", before);
        pid_t pid = startCli(dir, {"stakes", "delete", "--rows", "1-50000", "--yes"});
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(
            std::chrono::milliseconds(std::uniform_int_distribution<int>(0, 2000)(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        kills += WIFSIGNALED(status) ? 1 : 0;
        const std::string bytes = dir.read("Pentad.lsk");
        EXPECT_TRUE(bytes == before || bytes == after) << "round " << round << ": "
                                                        << bytes.size() << " bytes";
        EXPECT_EQ(test::runCli(dir, "stakes list").code, 0) << "round " << round;
    }
    std::printf("ledger kills: %d killed of 8\n", kills);
    EXPECT_GT(kills, 0);
}

}  // namespace
}  // namespace pentad
