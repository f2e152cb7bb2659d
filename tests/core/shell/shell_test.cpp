// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/shell.h"

#include <gtest/gtest.h>

#include "shell/cp1251.h"
#include "shell/data_folder.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/money.h"
#include "shell/operation.h"
#include "support/scripted_user_interface.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::ScriptedUserInterface;
using test::TempDir;

TEST(BusyState, NestsAndNeverGoesBelowZero) {
    ScriptedUserInterface ui;
    Shell shell(ui);
    shell.beginBusy();
    shell.beginBusy();
    shell.endBusy();
    EXPECT_FALSE(shell.isIdle());
    EXPECT_TRUE(ui.busy);
    shell.endBusy();
    EXPECT_TRUE(shell.isIdle());
    EXPECT_FALSE(ui.busy);
    shell.endBusy();
    EXPECT_EQ(shell.busyCount(), 0);
}

TEST(BusyState, ScopesRestoreStateWhenACommandFails) {
    ScriptedUserInterface ui;
    Shell shell(ui);
    bool ok = shell.guard("Ошибка чтения файла тиражей!\r\r%s", [&] {
        OperationScope op(shell, "Загрузка файла тиражей...");
        throw Error("broken");
    });
    EXPECT_FALSE(ok);
    EXPECT_TRUE(shell.isIdle());
    EXPECT_EQ(shell.status(), "");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Ошибка чтения файла тиражей!\r\rbroken");
}

TEST(Progress, StopsAtTheMaximumAndRefusesASecondWindow) {
    ScriptedUserInterface ui;
    Shell shell(ui);
    shell.startProgress("", 10);
    shell.stepProgress(7);
    shell.stepProgress(7);
    EXPECT_EQ(shell.progressPosition(), 10);
    try {
        shell.startProgress("again", 5);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Окно индикатора уже создано!");
    }
    EXPECT_EQ(shell.progressMaximum(), 10);  // the first one stays
    shell.endProgress();
    EXPECT_NO_THROW(shell.startProgress("", 1));
}

TEST(Confirmations, DeleteTextsAndDefaults) {
    ScriptedUserInterface ui;
    Shell shell(ui);
    EXPECT_FALSE(shell.confirmDelete(3));  // closed without choosing
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text,
              "Удалить все выделенные записи (всего будет удалено 3 записи(ей))?");
    EXPECT_EQ(ui.questions[0].caption, "Предупреждение");
    EXPECT_FALSE(ui.questions[0].defaultYes);
    ui.answerNext(true);
    EXPECT_TRUE(shell.confirmDelete(1));
    EXPECT_EQ(ui.questions[1].text, "Удалить выделенную запись?");
    ui.answerNext(true);
    EXPECT_TRUE(shell.confirm("?"));
    EXPECT_TRUE(ui.questions[2].defaultYes);
    EXPECT_EQ(ui.questions[2].caption, "Подтверждение");
}

TEST(Operation, SummaryTexts) {
    OperationRecord op("Удаление");
    op.total = 3;
    op.add(TransactionType::Processed, "a", "");
    op.add(TransactionType::Skipped, "b", "");
    EXPECT_EQ(op.resultText(),
              "Всего - 3, обработано - 1, пропущено - 1, предупреждений - 0, ошибок - 0.");
    EXPECT_EQ(op.status(), OperationStatus::Completed);
    op.add(TransactionType::Error, "c", "x");
    EXPECT_EQ(op.status(), OperationStatus::CompletedWithErrors);
    op.bytes = 2048 * 1024 + 512;
    EXPECT_EQ(op.resultText(),
              "Всего - 3, обработано - 1 ( 2 048,50 Kb ), пропущено - 1, предупреждений - 0, "
              "ошибок - 1.");
    op.interrupt();
    EXPECT_EQ(op.resultText(), "Операция прервана по команде пользователя или системы!");
}

TEST(Operation, DeleteFilesByMask) {
    TempDir dir;
    ScriptedUserInterface ui;
    Shell shell(ui);
    deleteFilesByMask(shell, dir.path(), "Pentad-*.log", "Удаление журналов");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Файлы журналов не найдены!");

    dir.write("Pentad-1.log", "x");
    dir.write("PENTAD-22.LOG", "x");
    dir.write("Pentad.ldr", "x");
    deleteFilesByMask(shell, dir.path(), "Pentad-*.log", "Удаление журналов");
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].kind, MessageKind::Information);
    EXPECT_EQ(ui.messages[1].text,
              "Удаление журналов\r\rВсего - 2, обработано - 2, пропущено - 0, "
              "предупреждений - 0, ошибок - 0.");
    EXPECT_TRUE(fileExists(dir.file("Pentad.ldr")));
    EXPECT_TRUE(shell.isIdle());
}

TEST(CommandWords, AcceptPrefixesWithoutRegardToCase) {
    std::vector<std::string> args = {"/LOADONLY", "x"};
    EXPECT_TRUE(hasCommandWord(args, "loadonly"));
    EXPECT_TRUE(hasCommandWord({"--loadonly"}, "loadonly"));
    EXPECT_TRUE(hasCommandWord({"\\Restart"}, "restart"));
    EXPECT_TRUE(hasCommandWord({"-no-language"}, "no-language"));
    EXPECT_FALSE(hasCommandWord({"loadonly2"}, "loadonly"));
    EXPECT_FALSE(hasCommandWord({"---loadonly"}, "loadonly"));
}

TEST(DataFolder, ExplicitThenEnvironmentThenProgramThenUserFolder) {
    EXPECT_EQ(chooseDataFolder(std::string("/d"), "/env", "/prog", true, "/xdg", "/home/u"), "/d");
    EXPECT_EQ(chooseDataFolder(std::nullopt, "/env", "/prog", true, "/xdg", "/home/u"), "/env");
    EXPECT_EQ(chooseDataFolder(std::nullopt, nullptr, "/prog", true, "/xdg", "/home/u"), "/prog");
    EXPECT_EQ(chooseDataFolder(std::nullopt, "", "/prog", false, "/xdg", "/home/u"),
              "/xdg/Pentad");
    EXPECT_EQ(chooseDataFolder(std::nullopt, nullptr, "/prog", false, nullptr, "/home/u"),
              "/home/u/.local/share/Pentad");
}

TEST(Codepage, RoundTripsCyrillicAndReplacesTheRest) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(bytes)), bytes);
    EXPECT_EQ(utf8ToCp1251("Тираж №"), "\xD2\xE8\xF0\xE0\xE6 \xB9");
    EXPECT_EQ(utf8ToCp1251("a\xE4\xB8\xAD" "b"), "a?b");      // CJK character
    EXPECT_EQ(utf8ToCp1251("a\xFF" "b\xD0"), "a?b?");         // malformed UTF-8
    EXPECT_EQ(utf8Length("Ёжик"), 4u);
    EXPECT_TRUE(sameTextNoCase("пРоФиТ", "ПрОфИт"));
}

TEST(Money, RoundsHalvesToEven) {
    EXPECT_EQ(roundHalfEven(2.5L), 2);
    EXPECT_EQ(roundHalfEven(3.5L), 4);
    EXPECT_EQ(roundHalfEven(-2.5L), -2);
    EXPECT_EQ(roundHalfEven(-2.6L), -3);
    EXPECT_EQ(moneyFromReal(1.5L), 15000);
    EXPECT_EQ(moneyFromReal(0.00005L), 0);
    EXPECT_EQ(moneyToText(90000), "9.00");
    EXPECT_EQ(moneyToText(-10000), "-1.00");
    EXPECT_EQ(moneyToText(125), "0.01");
    EXPECT_EQ(moneyToText(150), "0.02");   // half to even
    EXPECT_EQ(moneyToText(250), "0.02");
    EXPECT_EQ(moneyToText(-250), "-0.02");
}

}  // namespace
}  // namespace pentad

namespace pentad {
namespace {

TEST(OpenAddress, BareHostsGetHttp) {
    EXPECT_EQ(Shell::addressToOpen("example.org/x"), "http://example.org/x");
    EXPECT_EQ(Shell::addressToOpen("HTTPS://example.org"), "HTTPS://example.org");
    EXPECT_EQ(Shell::addressToOpen("ftps://h"), "ftps://h");
}

}  // namespace
}  // namespace pentad
