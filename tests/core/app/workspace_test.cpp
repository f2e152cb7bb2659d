// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/workspace.h"

#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

#include "shell/cp1251.h"
#include "shell/file_io.h"
#include "shell/program_version.h"
#include "stats/prefetch.h"
#include "support/scripted_user_interface.h"
#include "support/temp_dir.h"

namespace pentad {

// The version field of the program file, as an update stamps it.
extern char gVersionStamp[64];

namespace {

using test::drawBytes;
using test::ScriptedUserInterface;
using test::TempDir;

class WorkspaceTest : public ::testing::Test {
protected:
    void writeArchive(const std::vector<int>& numbers) {
        std::string bytes;
        for (int n : numbers) {
            bytes += drawBytes(n, {n % 10, 1, 2, 3, 4}, "01/31/2024 E");
        }
        dir.write("Pentad.ldr", bytes);
    }

    TempDir dir;
    ScriptedUserInterface ui;
    Shell shell{ui};
};

TEST_F(WorkspaceTest, LoadingADamagedArchiveReportsAndKeepsWholeRecords) {
    writeArchive({1, 2});
    dir.write("Pentad.ldr", dir.read("Pentad.ldr") + "xyz");
    Workspace ws(shell, dir.path());
    EXPECT_FALSE(ws.loadArchive());
    EXPECT_EQ(ws.archive().count(), 2);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("Ошибка чтения файла тиражей!\r\r", 0), 0u);
    EXPECT_TRUE(shell.isIdle());
    EXPECT_EQ(shell.status(), "");
}

TEST_F(WorkspaceTest, AddEditAndDeleteRewriteTheArchiveFile) {
    writeArchive({9122, 9123});
    Workspace ws(shell, dir.path());
    ASSERT_TRUE(ws.loadArchive());

    TDrawRec rec = ws.newDrawTemplate();
    EXPECT_EQ(rec.Number, 9124);
    rec.Digits = {5, 2, 3, 9, 1};
    rec.setDateText("02/01/2024 M");
    ASSERT_TRUE(ws.addDraw(rec));
    EXPECT_EQ(dir.read("Pentad.ldr").size(), 72u);
    EXPECT_EQ(dir.read("Pentad.ldr").substr(48), drawBytes(9124, {5, 2, 3, 9, 1}, "02/01/2024 M"));

    rec.Digits = {0, 0, 0, 0, 7};
    ASSERT_TRUE(ws.editDraw(0, rec));
    EXPECT_EQ(dir.read("Pentad.ldr").substr(48), drawBytes(9124, {0, 0, 0, 0, 7}, "02/01/2024 M"));

    // Declined confirmation keeps everything.
    EXPECT_FALSE(ws.deleteDrawRows({0, 2}));
    EXPECT_EQ(ws.archive().count(), 3);
    ui.answerNext(true);
    ASSERT_TRUE(ws.deleteDrawRows({0, 2}));
    EXPECT_EQ(ui.questions.back().text,
              "Удалить все выделенные записи (всего будет удалено 2 записи(ей))?");
    EXPECT_EQ(dir.read("Pentad.ldr"), drawBytes(9123, {3, 1, 2, 3, 4}, "01/31/2024 E"));
    EXPECT_NE(ws.takeChanges() & kChangeDraws, 0u);
}

TEST_F(WorkspaceTest, DeletingTwoRowsWithTheSameNumberRemovesBoth) {
    writeArchive({1, 5, 5, 6});
    Workspace ws(shell, dir.path());
    ws.loadArchive();
    ui.answerNext(true);
    ASSERT_TRUE(ws.deleteDrawRows({1, 2}));
    ASSERT_EQ(ws.archive().count(), 2);
    EXPECT_EQ(ws.archive().draws()[0].Number, 1);
    EXPECT_EQ(ws.archive().draws()[1].Number, 6);
}

TEST_F(WorkspaceTest, FailedImportLeavesTheArchiveAsItWas) {
    writeArchive({1});
    std::string before = dir.read("Pentad.ldr");
    Workspace ws(shell, dir.path());
    ws.loadArchive();
    EXPECT_EQ(ws.importDraws(dir.file("missing.csv")), -1);
    EXPECT_TRUE(ui.hasError());
    EXPECT_EQ(ws.archive().count(), 1);
    EXPECT_EQ(dir.read("Pentad.ldr"), before);

    dir.write("in.csv", "2;\"x\";1;2;3;4;5\r\n");
    EXPECT_EQ(ws.importDraws(dir.file("in.csv")), 1);
    EXPECT_EQ(dir.read("Pentad.ldr").size(), 48u);
}

TEST_F(WorkspaceTest, OffsetChangesTheStatusPanels) {
    writeArchive({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    Workspace ws(shell, dir.path());
    ws.loadArchive();
    ws.setOffset(2);
    EXPECT_EQ(ws.archive().statusTexts()[1], "Следующий тираж: 9");
    EXPECT_NE(ws.takeChanges() & kChangeOffset, 0u);
    ws.setOffset(2);
    EXPECT_EQ(ws.takeChanges(), 0u);
}

TEST_F(WorkspaceTest, DrawInformationListsNumberDateAndGrid) {
    writeArchive({3});
    Workspace ws(shell, dir.path());
    ws.loadArchive();
    DrawInfo info = ws.drawInfo(0);
    ASSERT_EQ(info.properties.size(), 2u);
    EXPECT_EQ(info.properties[0], (std::pair<std::string, std::string>{"Номер тиража:", "3"}));
    EXPECT_EQ(info.properties[1].second, "01/31/2024 E");
    // A column per position, whatever the matrix settings say.
    ASSERT_EQ(info.columns, 5);
    EXPECT_EQ(info.cells[3][0], 3);  // position 1 holds digit 3
    EXPECT_EQ(info.cells[1][1], 1);
    EXPECT_EQ(info.cells[3][3], 3);  // positions 4 and 5 too
    EXPECT_EQ(info.cells[4][4], 4);
    EXPECT_EQ(info.cells[0][0], -1);
}

// New formulas reach the file, the captions and the full-set counts; files
// counted with the old formulas never outlive the change.
TEST_F(WorkspaceTest, NewShreddingFormulasAreSavedAndTheirPrefetchFilesRenewed) {
    Workspace ws(shell, dir.path());
    const int shr1 = ws.stats().IndexOfCode("SHR1");
    const int nums = ws.stats().IndexOfCode("NUMS");
    ASSERT_GE(shr1, 0);
    ASSERT_TRUE(ws.prefetchs().build(ws.stats(), shr1));
    ASSERT_TRUE(ws.prefetchs().build(ws.stats(), nums));
    const std::string shrFile = ws.prefetchs().pathOf(ws.stats(), shr1);
    const std::string numsFile = ws.prefetchs().pathOf(ws.stats(), nums);

    // Prefetch files off: the stale file goes, the other groups stay.
    ASSERT_FALSE(ws.form().PrefetchsEnabled);
    EXPECT_TRUE(ws.applyShredding({"n1+0.5", "N2/4", "sqrt(n3)"}, {1, 2, 5}));
    EXPECT_FALSE(fileExists(shrFile));
    EXPECT_TRUE(fileExists(numsFile));
    std::string ini = cp1251ToUtf8(dir.read("Pentad.ini"));
    EXPECT_NE(ini.find("Formula1=n1+0.5"), std::string::npos);
    EXPECT_NE(ini.find("Formula2=N2/4"), std::string::npos);
    EXPECT_NE(ini.find("Formula3Digits=5"), std::string::npos);
    EXPECT_EQ(ws.stats().Item(ws.stats().IndexOfCode("SHR3")).FormulaText, "sqrt(n3)");
    EXPECT_EQ(ws.stats().Item(shr1).DisplayCaption(), "Метод шинковки 1: n1+0.5");
    EXPECT_EQ(shell.status(), "");
    EXPECT_FALSE(ui.hasError());

    // A fresh start reads the formulas back.
    {
        Workspace again(shell, dir.path());
        EXPECT_EQ(again.stats().Formulas[1], "N2/4");
        EXPECT_EQ(again.stats().FormulaDigits[2], 5);
    }

    // Prefetch files on: the file is counted with the new formula, n1 + 0.5
    // to one decimal being 5 for every combination.
    ws.form().PrefetchsEnabled = true;
    EXPECT_TRUE(ws.applyShredding({"n1+0.5", "N2/4", "sqrt(n3)"}, {1, 2, 5}));
    std::optional<PrefetchData> data = ws.prefetchs().open(ws.stats(), shr1);
    ASSERT_TRUE(data.has_value());
    ASSERT_EQ(data->records.size(), 1u);
    EXPECT_EQ(data->records[0].Key[0], 5);
    EXPECT_EQ(data->records[0].FullCount, 100000);
}

TEST_F(WorkspaceTest, UnwritableConfigurationKeepsTheNewFormulasInUse) {
    Workspace ws(shell, dir.path());
    // A folder in the place of the file makes every write fail.
    std::filesystem::remove(dir.file("Pentad.ini"));
    std::filesystem::create_directory(dir.file("Pentad.ini"));
    EXPECT_FALSE(ws.applyShredding({"n1", "n2", "n3"}, {2, 2, 2}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("Ошибка записи в файл конфигурации!\r\r", 0), 0u);
    EXPECT_EQ(ws.stats().Formulas[0], "n1");
    EXPECT_TRUE(shell.isIdle());
}

TEST_F(WorkspaceTest, StartUpWordsBuildMissingOrEveryPrefetchFile) {
    Workspace ws(shell, dir.path());
    const std::string shrFile = ws.prefetchs().pathOf(ws.stats(), ws.stats().IndexOfCode("SHR1"));

    // Prefetch files off and no word: nothing is counted, the start goes on.
    EXPECT_FALSE(ws.startupPrefetchs({"--dir", dir.path()}));
    EXPECT_FALSE(fileExists(shrFile));

    std::filesystem::create_directories(dir.file("Prefetchs"));
    dir.write("Prefetchs/Pentad_NUMS.dfc", std::string(12, '\x01'));
    EXPECT_TRUE(ws.startupPrefetchs({"/FullRefresh"}));
    EXPECT_TRUE(fileExists(shrFile));
    EXPECT_EQ(dir.read("Prefetchs/Pentad_NUMS.dfc").size(), 12u);  // present, so kept

    EXPECT_TRUE(ws.startupPrefetchs({"fullrecreate"}));
    EXPECT_EQ(dir.read("Prefetchs/Pentad_NUMS.dfc").size(), 132u);
    EXPECT_FALSE(ui.hasError());
}

TEST_F(WorkspaceTest, CatalogueRequestsCarryTheStampedVersionOfTheProgramFile) {
    const std::string built = programVersion();
    char* field = gVersionStamp + std::string(kVersionStampMarker).size();
    std::string stamped = "1.0.0.9999";
    stamped.resize(kVersionStampRoom, '\0');
    std::memcpy(field, stamped.data(), stamped.size());
    Workspace ws(shell, dir.path());
    const std::string sent = ws.online().catalogue().identity().appVer;
    stamped = built;
    stamped.resize(kVersionStampRoom, '\0');
    std::memcpy(field, stamped.data(), stamped.size());
    EXPECT_EQ(sent, "1.0.0.9999");
    EXPECT_EQ(programVersion(), built);
}

}  // namespace
}  // namespace pentad
