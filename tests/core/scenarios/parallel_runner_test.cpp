// SPDX-License-Identifier: GPL-3.0-or-later
// Scenario tests on worker threads write what the one-thread test writes.
#include "scenarios/runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "app/workspace.h"
#include "filters/filter_kernel.h"
#include "stakes/stake_texts.h"
#include "support/scripted_user_interface.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::drawBytes;

// Lines with every kind of step the pool must keep in order: random picks,
// the kept list without the newest draws, a cleared ledger, stakes only when
// new, and a line that may stop the whole test.
const std::vector<std::string> kLines = {
    "EXCL:3#RAND|TSD1#NUMS:10-30;10#LLV:1-3;1#SF:0|TMF1#EVEN:10,20#CMV:2,3#SF:0| | | | | |a",
    "FULL:0#RAND#NEX|TSD1#NUMS:10,20#LLV:1-2;1#SF:0| | | | | | |b",
    "EXCL:3#FIRST#CLR|TMF1#SUMS:20#CMV:4,6#SF:0|TSD1#NUMS:15#LLV:1-2;1#SF:0| | | | | |c",
    "FULL:0#RAND#NEX|TSD1#NUMS:10-20;10#LLV:1-4;1#SF:0|TSD1#EVEN:15#LLV:1-2;1#SF:0| | | | | |d",
    "FULL:0#STOP|TSD1#NUMS:10;1#LLV:1-3;1#SF:0|TSD1#NUMS:20#LLV:1-2;1#SF:0|TSD1#DIGS:30#LLV:1;1#SF:0| | | | |e",
};

struct RunFiles {
    std::string ledger;
    std::string ratings;
    std::string log;  // without the time of each line
    int stakes = 0;
};

class ParallelRunnerTest : public ::testing::Test {
protected:
    static std::string archiveBytes() {
        std::mt19937 rng(2024);
        std::string bytes;
        for (int n = 1; n <= 60; ++n) {
            std::vector<int> d(5);
            for (int& x : d) {
                x = static_cast<int>(rng() % 10);
            }
            bytes += drawBytes(n, {d[0], d[1], d[2], d[3], d[4]}, "");
        }
        return bytes;
    }

    // Runs the test in a fresh folder; `stopAfter` stops it after that many
    // stakes (0: never).
    // tests = 0: a forecast run.
    RunFiles run(int jobs, int tests, int stopAfter = 0,
                 const std::vector<std::string>& lines = kLines) {
        test::TempDir dir;
        test::ScriptedUserInterface ui;
        Shell shell{ui};
        dir.write("Pentad.ldr", archiveBytes());
        RunFiles files;
        {
            Workspace ws(shell, dir.path());
            EXPECT_TRUE(ws.loadArchive());
            EXPECT_TRUE(ws.openLedger());
            ws.generateDefaultCombs();
            ws.setViewOption("ScriptLogEnabled", true);
            for (const std::string& line : lines) {
                ws.scenario().AddLine(line);
            }
            ScenarioRunner& runner = ws.runner();
            runner.jobs = jobs;
            if (stopAfter > 0) {
                runner.onStatus = [&] {
                    if (runner.status().stakes >= stopAfter && runner.CanStop()) {
                        runner.ScriptStop(true);
                    }
                };
            }
            if (tests > 0) {
                runner.ScriptTest(tests, 7);
            } else {
                runner.ScriptRun(7);
            }
            files.stakes = runner.status().stakes;
            ws.shutdown();
        }
        files.ledger = dir.read(texts::kLedgerFileName);
        files.ratings = dir.read(texts::kRatingsFileName);
        for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
            const std::string name = e.path().filename().string();
            if (name.rfind("ScriptLog_", 0) == 0) {
                std::string text = dir.read(name);
                size_t pos = 0;
                while (pos < text.size()) {
                    size_t end = text.find("\r\n", pos);
                    end = end == std::string::npos ? text.size() : end + 2;
                    const std::string line = text.substr(pos, end - pos);
                    const size_t mark = line.find("]: ");
                    files.log += mark == std::string::npos ? line : line.substr(mark + 3);
                    pos = end;
                }
            }
        }
        return files;
    }
};

TEST_F(ParallelRunnerTest, SameSeedWritesTheSameFilesWithAnyNumberOfThreads) {
    const RunFiles one = run(1, 8);
    ASSERT_GT(one.stakes, 3);
    ASSERT_FALSE(one.ratings.empty());
    ASSERT_GT(one.log.size(), 1000u);
    for (int jobs : {2, 4}) {
        SCOPED_TRACE(jobs);
        const RunFiles many = run(jobs, 8);
        EXPECT_EQ(many.stakes, one.stakes);
        EXPECT_TRUE(many.ledger == one.ledger);
        EXPECT_TRUE(many.ratings == one.ratings);
        EXPECT_TRUE(many.log == one.log);
    }
    // The direct filter path writes the same files too.
    ::setenv("PENTAD_FILTER_KERNEL", "direct", 1);
    const RunFiles direct = run(2, 8);
    ::unsetenv("PENTAD_FILTER_KERNEL");
    EXPECT_TRUE(direct.ledger == one.ledger);
    EXPECT_TRUE(direct.log == one.log);
    // A forecast run uses the pool as well.
    const RunFiles forecastOne = run(1, 0);
    const RunFiles forecastTwo = run(2, 0);
    EXPECT_GT(forecastOne.stakes, 0);
    EXPECT_TRUE(forecastTwo.ledger == forecastOne.ledger);
    EXPECT_TRUE(forecastTwo.log == forecastOne.log);
}

// Stopped on worker threads, the ledger is the beginning of the ledger the
// one-thread test writes.
TEST_F(ParallelRunnerTest, StopLeavesAPrefixOfTheOneThreadLedger) {
    // Without the line that clears the ledger.
    const std::vector<std::string> lines = {kLines[0], kLines[1], kLines[3]};
    const RunFiles one = run(1, 8, 0, lines);
    const RunFiles stopped = run(2, 8, 5, lines);
    ASSERT_GE(stopped.stakes, 5);
    ASSERT_LT(stopped.stakes, one.stakes);
    ASSERT_LT(stopped.ledger.size(), one.ledger.size());
    EXPECT_TRUE(one.ledger.compare(0, stopped.ledger.size(), stopped.ledger) == 0);
}

}  // namespace
}  // namespace pentad
