// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenarios/runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "game/game_texts.h"
#include "app/workspace.h"
#include "support/scripted_user_interface.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::drawBytes;

class RunnerTest : public ::testing::Test {
protected:
    // Twenty draws numbered 1..20 with varied digits.
    RunnerTest() {
        std::string bytes;
        for (int n = 1; n <= 20; ++n) {
            bytes += drawBytes(n, {n % 10, (n * 3) % 10, (n * 7) % 10, (n + 4) % 10, (n * 9) % 10},
                               "");
        }
        dir.write("Pentad.ldr", bytes);
        ws = std::make_unique<Workspace>(shell, dir.path());
        ws->loadArchive();
        EXPECT_TRUE(ws->openLedger());
        ws->generateDefaultCombs();
    }

    std::vector<TStakeRec> stakes() {
        std::vector<TStakeRec> out;
        for (const TStakeRec& r : ws->stakes().ledger().readAll()) {
            if (r.DrawNumber > 0) {
                out.push_back(r);
            }
        }
        return out;
    }

    int statusCount(const std::string& prefix) const {
        return static_cast<int>(std::count_if(ui.statusTexts.begin(), ui.statusTexts.end(),
                                              [&](const std::string& s) {
                                                  return s.rfind(prefix, 0) == 0;
                                              }));
    }

    std::string logText() {
        for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
            if (e.path().filename().string().rfind("ScriptLog_", 0) == 0) {
                return dir.read(e.path().filename().string());
            }
        }
        return std::string();
    }

    test::TempDir dir;
    test::ScriptedUserInterface ui;
    Shell shell{ui};
    std::unique_ptr<Workspace> ws;
};

TEST_F(RunnerTest, TestStakesForThePastDrawsAndScoresThem) {
    ws->scenario().AddLine("FULL:0#FIRST|TSD1#NUMS:5#LNO:#ST:2| | | | | | |t");
    ASSERT_TRUE(ws->runner().ScriptTest(3, 1));
    std::vector<TStakeRec> s = stakes();
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].DrawNumber, 18);
    EXPECT_EQ(s[2].DrawNumber, 20);
    for (const TStakeRec& r : s) {
        EXPECT_EQ(r.Checked, 1);
        EXPECT_EQ(r.Kind, kStakeScenario);
        EXPECT_EQ(r.Comment.rfind("01.001: t @ FULL#FIRST + TSD#NUMS:5#LNO:#ST:2", 0), 0u);
    }
    EXPECT_EQ(ws->offset(), 0);  // restored
    EXPECT_EQ(ws->stakes().ratings().size(), 1u);
    EXPECT_TRUE(shell.isIdle());
}

TEST_F(RunnerTest, StopModeWithSeveralCombinationsStopsTheWholeTest) {
    // Keep only digit 0 at... nothing filters: the full set stays.
    ws->scenario().AddLine("FULL:0#STOP| | | | | | | |");
    EXPECT_FALSE(ws->runner().ScriptTest(3, 1));
    EXPECT_TRUE(stakes().empty());
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().kind, MessageKind::Attention);
    EXPECT_EQ(ui.messages.back().text.rfind(
                  "Выполнение сценария прервано, т.к. после применения всех фильтров в списке "
                  "комбинаций их осталось более одной: 100000!",
                  0),
              0u);
    EXPECT_EQ(ws->offset(), 3);  // a stopped test stays where it stopped
}

TEST_F(RunnerTest, NewOnlyAddsAStakeOnce) {
    ws->scenario().AddLine("FULL:0#FIRST#NEX| | | | | | | |");
    ASSERT_TRUE(ws->runner().ScriptRun(1));
    ASSERT_TRUE(ws->runner().ScriptRun(1));
    EXPECT_EQ(stakes().size(), 1u);
    EXPECT_EQ(stakes()[0].DrawNumber, 21);
    EXPECT_EQ(stakes()[0].Comment, "01.000: @ FULL#FIRST#NEX");
}

TEST_F(RunnerTest, LineWithoutFiltersIsLoggedAndStillStakes) {
    ws->setViewOption("ScriptLogEnabled", true);
    ws->scenario().AddLine("FULL:0#LAST| | | | | | | |");
    ASSERT_TRUE(ws->runner().ScriptRun(1));
    std::string log = logText();
    EXPECT_NE(log.find("{ERROR} \xD4\xE8\xEB\xFC\xF2\xF0\xFB"), std::string::npos);  // "Фильтры"
    ASSERT_EQ(stakes().size(), 1u);
    EXPECT_EQ(stakes()[0].Stake.Digits[0], 9);  // the last combination 99999
}

TEST_F(RunnerTest, TwoExclLinesWithTheSameNumberExcludeOnce) {
    ws->scenario().AddLine("EXCL:5#NONE| | | | | | | |");
    ws->scenario().AddLine("EXCL:5#NONE| | | | | | | |");
    ASSERT_TRUE(ws->runner().ScriptRun(1));
    EXPECT_EQ(statusCount("Удаление из списка комбинаций 5 последних тиражей..."), 1);
    EXPECT_EQ(ws->combs().CombsCount(), 99995);
}

TEST_F(RunnerTest, StoppedRunLogHasBothBanners) {
    ws->setViewOption("ScriptLogEnabled", true);
    ws->scenario().AddLine("FULL:0#FIRST|TSD1#NUMS:1-10;1#LNO:#SF:0| | | | | | |");
    ScenarioRunner& runner = ws->runner();
    runner.onStatus = [&] {
        if (runner.status().text.rfind("Фильтр 3 из", 0) == 0) {
            runner.ScriptStop(true);
        }
    };
    EXPECT_FALSE(runner.ScriptRun(1));
    std::string log = logText();
    size_t stop = log.find("### \xC2\xDB\xCF\xCE\xCB\xCD\xC5\xCD\xC8\xC5");  // "### ВЫПОЛНЕНИЕ"
    size_t end = log.find("### \xC7\xC0\xC2\xC5\xD0\xD8\xC5\xCD\xC8\xC5");   // "### ЗАВЕРШЕНИЕ"
    ASSERT_NE(stop, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    EXPECT_LT(stop, end);
    EXPECT_EQ(stakes().size(), 2u);  // variants 1 and 2 staked before the stop
    EXPECT_FALSE(runner.running());
}

TEST_F(RunnerTest, BadFilterDescriptionStopsTheRun) {
    ws->scenario().AddLine("FULL:0#FIRST|TSD1#NUMS:abc#LNO:#SF:0| | | | | | |");
    EXPECT_FALSE(ws->runner().ScriptRun(1));
    ASSERT_TRUE(ui.hasError());
    EXPECT_EQ(ui.messages.back().text, "Некорректное описание фильтра: TSD1#NUMS:abc#LNO:#SF:0!");
}

}  // namespace
}  // namespace pentad
