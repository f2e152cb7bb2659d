// SPDX-License-Identifier: GPL-3.0-or-later
// One data folder, several programs: readers side by side, writers one at a
// time behind the folder's writer lock.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "shell/folder_lock.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::drawBytes;
using test::TempDir;

// What the desktop program holds while it runs: the folder's writer lock
// (naming itself) and the stake ledger.
class HeldLikeTheDesktop {
public:
    explicit HeldLikeTheDesktop(const TempDir& dir) {
        EXPECT_TRUE(m_lock.acquire(dir.path(), "the desktop program Pentad (process 42)", 0));
        m_ledger = ::open(dir.file("Pentad.lsk").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        EXPECT_EQ(::flock(m_ledger, LOCK_EX | LOCK_NB), 0);
    }
    ~HeldLikeTheDesktop() { ::close(m_ledger); }

private:
    FolderLock m_lock;
    int m_ledger = -1;
};

// Runs `args` on the folder from `count` threads at once.
std::vector<test::CliResult> runTogether(const TempDir& dir, const std::string& args, int count) {
    std::vector<test::CliResult> results(static_cast<size_t>(count));
    std::vector<std::thread> threads;
    for (int i = 0; i < count; ++i) {
        threads.emplace_back([&, i] {
            std::string cmd = std::string(PENTAD_CLI_PATH) + " --dir '" + dir.path() + "' " + args +
                              " 2>'" + dir.file("err" + std::to_string(i) + ".txt") + "'";
            FILE* p = ::popen(cmd.c_str(), "r");
            ASSERT_NE(p, nullptr);
            char buf[4096];
            size_t n;
            while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) {
                results[static_cast<size_t>(i)].out.append(buf, n);
            }
            int status = ::pclose(p);
            results[static_cast<size_t>(i)].code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        });
    }
    for (std::thread& t : threads) {
        t.join();
    }
    return results;
}

void expectSameTables(const TempDir& dir, const std::vector<test::CliResult>& results) {
    ASSERT_FALSE(results.empty());
    EXPECT_FALSE(results[0].out.empty());
    for (size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(results[i].code, 0) << dir.read("err" + std::to_string(i) + ".txt");
        EXPECT_EQ(results[i].out, results[0].out);
    }
}

TEST(SharedFolder, EightStatsTogetherAlsoWhileTheDesktopProgramHoldsTheFolder) {
    TempDir dir;
    dir.write("Pentad.ldr", drawBytes(1, {1, 2, 3, 4, 5}, "") + drawBytes(2, {7, 7, 0, 0, 9}, ""));
    expectSameTables(dir, runTogether(dir, "stats --method nums", 8));
    const std::string alone = test::runCli(dir, "stats --method nums").out;
    {
        HeldLikeTheDesktop desktop(dir);
        std::vector<test::CliResult> held = runTogether(dir, "stats --method nums", 8);
        expectSameTables(dir, held);
        EXPECT_EQ(held[0].out, alone);
        EXPECT_EQ(test::runCli(dir, "draws list").out,
                  "2\t7\t7\t0\t0\t9\t23\t\n1\t1\t2\t3\t4\t5\t15\t\n");
    }
}

TEST(SharedFolder, WriterWaitsThenNamesWhatHoldsTheFolder) {
    TempDir dir;
    const std::string before = drawBytes(1, {1, 2, 3, 4, 5}, "");
    dir.write("Pentad.ldr", before);
    {
        HeldLikeTheDesktop desktop(dir);
        test::CliResult r = test::runCli(dir, "--wait 0.3 draws add --digits 5,5,5,5,5");
        EXPECT_EQ(r.code, 1);
        const std::string err = dir.read("stderr.txt");
        EXPECT_NE(err.find("the desktop program Pentad (process 42)"), std::string::npos) << err;
        EXPECT_NE(err.find("--wait"), std::string::npos) << err;
        EXPECT_EQ(err.find("монопольный"), std::string::npos) << err;
        EXPECT_EQ(dir.read("Pentad.ldr"), before);
    }
    // Released: the same command goes through, and writers in a row wait
    // for each other instead of failing.
    std::vector<test::CliResult> adds = runTogether(dir, "draws add --digits 5,5,5,5,5", 4);
    for (const test::CliResult& r : adds) {
        EXPECT_EQ(r.code, 0);
    }
    EXPECT_EQ(dir.read("Pentad.ldr").size(), before.size() * 5);
}

TEST(SharedFolder, LockNamesItsHolderToTheNextOne) {
    TempDir dir;
    FolderLock first;
    FolderLock second;
    std::string heldBy;
    ASSERT_TRUE(first.acquire(dir.path(), "first holder", 0));
    EXPECT_FALSE(second.acquire(dir.path(), "second holder", 0.1, &heldBy));
    EXPECT_EQ(heldBy, "first holder");
    first.release();
    EXPECT_TRUE(second.acquire(dir.path(), "second holder", 0));
}

}  // namespace
}  // namespace pentad
