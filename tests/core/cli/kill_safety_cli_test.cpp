// SPDX-License-Identifier: GPL-3.0-or-later
// A writer killed at any moment leaves each file as it was before or after
// the write, never torn, and the program opens it afterwards.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
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

// Runs `args` to the end on the folder and returns how long it took, so that
// the kills below fall inside the run on a fast machine and a slow one alike.
std::chrono::milliseconds timedRun(const TempDir& dir, const std::vector<std::string>& args) {
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = startCli(dir, args);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
}

// Kills `args` at a random moment of a run that takes about `duration`;
// returns whether the kill came before the end.
bool killDuring(const TempDir& dir, const std::vector<std::string>& args,
                std::chrono::milliseconds duration, std::mt19937& random) {
    pid_t pid = startCli(dir, args);
    const int span = std::max(1, static_cast<int>(duration.count() * 9 / 10));
    std::this_thread::sleep_for(
        std::chrono::milliseconds(std::uniform_int_distribution<int>(0, span)(random)));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status);
}

std::string archiveOfDraws(int count) {
    std::string bytes;
    for (int n = 1; n <= count; ++n) {
        bytes += test::drawBytes(n, {n % 10, (n * 3) % 10, (n * 7) % 10, (n + 4) % 10, 9 - n % 10},
                                 "");
    }
    return bytes;
}

// A scenario test appends stakes and writes ratings as it goes: a kill leaves
// the ledger's whole records as the first ones of an undisturbed run, and both
// files open.
TEST(KillSafety, ScenarioTestKilledAtRandomMomentsLeavesWholeStakes) {
    const std::vector<std::string> args = {"scenario", "test", "--count", "60", "--seed", "3"};
    const std::string line = "'FULL:0#RAND|TSD1#NUMS:5-15;5#LLV:1-3;1#SF:0| | | | | | |j'";
    TempDir reference;
    reference.write("Pentad.ldr", archiveOfDraws(300));
    ASSERT_EQ(test::runCli(reference, "scenario add " + line).code, 0);
    const std::chrono::milliseconds duration = timedRun(reference, args);
    const std::string full = reference.read("Pentad.lsk");
    ASSERT_GT(full.size(), 100u * TStakeRec::kSize);

    TempDir dir;
    dir.write("Pentad.ldr", archiveOfDraws(300));
    ASSERT_EQ(test::runCli(dir, "scenario add " + line).code, 0);
    std::mt19937 random(12122026);
    int kills = 0;
    for (int round = 0; round < 8; ++round) {
        std::filesystem::remove(dir.file("Pentad.lsk"));
        std::filesystem::remove(dir.file("Pentad.lrt"));
        kills += killDuring(dir, args, duration, random) ? 1 : 0;
        std::string bytes =
            std::filesystem::exists(dir.file("Pentad.lsk")) ? dir.read("Pentad.lsk") : "";
        // A record cut in two at the end is dropped by the next open.
        bytes.resize(bytes.size() - bytes.size() % TStakeRec::kSize);
        EXPECT_TRUE(full.compare(0, bytes.size(), bytes) == 0)
            << "round " << round << ": " << bytes.size() << " bytes";
        EXPECT_EQ(test::runCli(dir, "stakes list").code, 0) << "round " << round;
        EXPECT_EQ(test::runCli(dir, "ratings list").code, 0) << "round " << round;
    }
    std::printf("scenario test kills: %d killed of 8\n", kills);
    EXPECT_GT(kills, 0);
}

// A prefetch build writes one full-set file per method: each is absent or
// whole after a kill, and the statistics with norms read them.
TEST(KillSafety, PrefetchBuildKilledAtRandomMomentsLeavesWholeFiles) {
    const std::vector<std::string> args = {"prefetch", "--all"};
    TempDir reference;
    reference.write("Pentad.ldr", archiveOfDraws(50));
    const std::chrono::milliseconds duration = timedRun(reference, args);
    std::map<std::string, std::string> built;
    for (const auto& entry :
         std::filesystem::directory_iterator(reference.file("Prefetchs"))) {
        built[entry.path().filename().string()] = reference.read("Prefetchs/" +
                                                                  entry.path().filename().string());
    }
    ASSERT_GT(built.size(), 10u);

    TempDir dir;
    dir.write("Pentad.ldr", archiveOfDraws(50));
    std::mt19937 random(13122026);
    int kills = 0;
    for (int round = 0; round < 8; ++round) {
        std::filesystem::remove_all(dir.file("Prefetchs"));
        kills += killDuring(dir, args, duration, random) ? 1 : 0;
        if (std::filesystem::exists(dir.file("Prefetchs"))) {
            for (const auto& entry :
                 std::filesystem::directory_iterator(dir.file("Prefetchs"))) {
                const std::string name = entry.path().filename().string();
                if (name.front() == '~') {
                    continue;  // the killed writer's temporary file, swept by the next write
                }
                ASSERT_EQ(built.count(name), 1u) << "round " << round << ": " << name;
                EXPECT_EQ(dir.read("Prefetchs/" + name), built[name])
                    << "round " << round << ": " << name;
            }
        }
        EXPECT_EQ(test::runCli(dir, "stats --method NUMS --norm").code, 0) << "round " << round;
    }
    std::printf("prefetch kills: %d killed of 8\n", kills);
    EXPECT_GT(kills, 0);

    // A build left alone afterwards completes the set and sweeps the leftovers.
    ASSERT_EQ(test::runCli(dir, "prefetch --all").code, 0);
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.file("Prefetchs"))) {
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(built.count(name), 1u) << name;
        ++files;
    }
    EXPECT_EQ(files, built.size());
}

}  // namespace
}  // namespace pentad
