// SPDX-License-Identifier: GPL-3.0-or-later
#include "filters/combination_set.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "game/routines.h"
#include "support/scripted_user_interface.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::ScriptedUserInterface;
using test::TempDir;

TCombRec comb(uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint8_t e) {
    TCombRec r;
    r.Digits = {a, b, c, d, e};
    return r;
}

class CombinationSetTest : public ::testing::Test {
protected:
    void addDraw(int number, const TCombRec& c) {
        TDrawRec d;
        d.Number = number;
        d.Digits = c.Digits;
        d.setDateText("01/31/2024 E");
        archive.append(d);
    }
    // The set as text lines, for short comparisons.
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        for (const TCombRec& c : set.combs()) {
            out.push_back(CombToText(c));
        }
        return out;
    }
    void expectIdle() {
        EXPECT_TRUE(shell.isIdle());
        EXPECT_EQ(shell.status(), "");
    }

    TempDir dir;
    ScriptedUserInterface ui;
    Shell shell{ui};
    DrawArchive archive;
    CombinationSet set{shell, archive};
};

TEST_F(CombinationSetTest, GenerationStartsAFreshHistory) {
    EXPECT_EQ(set.Combs().size(), 100000u);
    EXPECT_EQ(set.UndoCombs().size(), 100000u);
    EXPECT_EQ(set.BufferCombs().size(), 100000u);
    EXPECT_EQ(set.CombsCount(), 0);

    set.Generate(GenerateParams{}, true);
    set.AddFilterEntry(false, "Сумма", "15");
    set.SaveUndo(true);
    ASSERT_TRUE(set.StoreBuffer(0, 3));
    CombsReadResult r = set.Generate(GenerateParams{kGenerateOnlyFrom, "3;5"}, true);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.read, 32);
    EXPECT_EQ(set.StatusPanelText(), "Комбинаций: 32");
    EXPECT_TRUE(set.Entries().empty());
    EXPECT_EQ(set.UndoCount(), 0);
    EXPECT_EQ(set.BufferCount(), 0);
    EXPECT_EQ(set.BufferOffset(), 0);  // the key survives
    EXPECT_EQ(set.BufferExclude(), 3);
    EXPECT_NE(std::find(ui.statusTexts.begin(), ui.statusTexts.end(),
                        "Генерация возможных комбинаций..."),
              ui.statusTexts.end());
    expectIdle();

    // Without interaction nothing but the set changes.
    set.SaveUndo(false);
    set.AddFilterEntry(true, "Сумма", "16");
    set.Generate(GenerateParams{}, false);
    EXPECT_EQ(set.CombsCount(), 100000);
    EXPECT_EQ(set.UndoCount(), 32);
    EXPECT_EQ(set.Entries().size(), 1u);
}

TEST_F(CombinationSetTest, GenerationFromFileKeepsWhatItReadAndReportsErrors) {
    dir.write("a.lcv", "1;2;3;4;5\r\n1;2;3;4;12\r\n6;7;8;9;0\r\n");
    CombsReadResult r = set.Generate(GenerateParams{kGenerateFromFile, dir.file("a.lcv")}, true);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.read, 2);
    EXPECT_EQ(r.skipped, 1);
    EXPECT_EQ(lines(), (std::vector<std::string>{"1;2;3;4;5", "6;7;8;9;0"}));
    EXPECT_EQ(set.Combs().size(), 100000u);  // capacity is kept

    r = set.Generate(GenerateParams{kGenerateFromFile, dir.file("none.lcv")}, true);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(set.CombsCount(), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("Ошибка генерации файла комбинаций!\r\r", 0), 0u);
    expectIdle();
}

TEST_F(CombinationSetTest, SavedFileReopensByteForByte) {
    dir.write("a.lcv", "0;7;3;3;9\r\n9;9;9;9;9\r\n0;0;0;0;0\r\n");
    ASSERT_TRUE(set.OpenFile(dir.file("a.lcv")).ok);
    ASSERT_TRUE(set.SaveFile(dir.file("b.lcv")));
    EXPECT_EQ(dir.read("b.lcv"), "0;7;3;3;9\r\n9;9;9;9;9\r\n0;0;0;0;0\r\n");

    set.Generate(GenerateParams{kGenerateNoneOf, "0;1;2"}, true);
    ASSERT_TRUE(set.SaveFile(dir.file("c.lcv")));
    std::vector<std::string> before = lines();
    set.Generate(GenerateParams{}, true);
    ASSERT_TRUE(set.OpenFile(dir.file("c.lcv")).ok);
    EXPECT_EQ(lines(), before);
    EXPECT_TRUE(ui.messages.empty());
    expectIdle();
}

TEST_F(CombinationSetTest, OpenErrorRestoresThePreviousSet) {
    set.Generate(GenerateParams{kGenerateOnlyFrom, "1"}, true);
    set.AddFilterEntry(false, "Сумма", "5");
    std::string path = dir.file("missing.lcv");
    CombsReadResult r = set.OpenFile(path);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(lines(), (std::vector<std::string>{"1;1;1;1;1"}));
    EXPECT_EQ(set.UndoCount(), 0);
    EXPECT_TRUE(set.Entries().empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.messages[0].text.rfind("Ошибка чтения файла \"" + path + "\"!\r\r", 0), 0u);
    expectIdle();

    // Skipped lines are reported once the file is read.
    dir.write("a.lcv", "1;2;3;4;12\r\n1;2;3\r\n5;5;5;5;5\r\n");
    r = set.OpenFile(dir.file("a.lcv"));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.skipped, 2);
    EXPECT_EQ(ui.messages.back().text, "Пропущено некорректных строк: 2");
}

TEST_F(CombinationSetTest, SaveErrorIsReportedAndWritesNothing) {
    set.Generate(GenerateParams{}, true);
    std::string path = dir.file("no/such/folder/a.lcv");
    EXPECT_FALSE(set.SaveFile(path));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("Ошибка записи в файл \"" + path + "\"!\r\r", 0), 0u);
    expectIdle();
}

TEST_F(CombinationSetTest, ExcludeDrawsUsesTheRangeUpToTheOffset) {
    // Archive, oldest first: 1 1 1 1 1, 2 2 2 2 2, 3 3 3 3 3, 4 4 4 4 4.
    for (uint8_t i = 1; i <= 4; ++i) {
        addDraw(i, comb(i, i, i, i, i));
    }
    auto present = [&](uint8_t d) { return set.ContainsComb(comb(d, d, d, d, d)); };

    set.Generate(GenerateParams{}, true);
    set.SaveUndo(true);
    set.ExcludeDraws(100, 1);  // more than the archive: every draw up to the offset
    EXPECT_EQ(set.CombsCount(), 99997);
    EXPECT_FALSE(present(1) || present(2) || present(3));
    EXPECT_TRUE(present(4));
    ASSERT_EQ(set.Entries().size(), 1u);
    EXPECT_EQ(set.Entries()[0].Caption, "Последние тиражи");
    EXPECT_EQ(set.Entries()[0].Value, "100");
    EXPECT_EQ(set.Entries()[0].Count, "99997");
    EXPECT_EQ(set.Entries()[0].EntryKind, FilterEntry::Kind::Delete);
    EXPECT_EQ(std::count_if(ui.statusTexts.begin(), ui.statusTexts.end(),
                            [](const std::string& s) { return s.find("завершено") != s.npos; }),
              100);
    EXPECT_NE(
        std::find(ui.statusTexts.begin(), ui.statusTexts.end(),
                  "Удаление из списка комбинаций 100 последних тиражей ( завершено 100 % )..."),
        ui.statusTexts.end());
    expectIdle();

    set.SaveUndo(true);
    set.ExcludeDraws(2, 4);  // the offset is beyond the archive
    EXPECT_EQ(set.CombsCount(), 99997);

    // The archive's own offset; combinations keep their order.
    set.Generate(GenerateParams{}, true);
    set.ExcludeLastDraws(1);
    EXPECT_EQ(set.CombsCount(), 99999);
    EXPECT_FALSE(present(4));
    EXPECT_EQ(CombToText(set.at(44443)), "4;4;4;4;3");
    EXPECT_EQ(CombToText(set.at(44444)), "4;4;4;4;5");
}

TEST_F(CombinationSetTest, UndoIsOneLevelDeep) {
    addDraw(1, comb(0, 0, 0, 0, 0));
    set.Generate(GenerateParams{}, true);
    EXPECT_FALSE(set.CanUndo());
    set.ExcludeLastDraws(1);
    set.AddRollbackEntry();
    ASSERT_EQ(set.Entries().size(), 2u);
    EXPECT_EQ(set.Entries()[1].Caption, "Отмена последней операции");
    EXPECT_EQ(set.Entries()[1].EntryKind, FilterEntry::Kind::Rollback);

    ASSERT_TRUE(set.CanUndo());
    EXPECT_TRUE(set.Undo());
    EXPECT_EQ(set.CombsCount(), 100000);
    EXPECT_EQ(set.Entries().size(), 1u);
    EXPECT_FALSE(set.CanUndo());
    EXPECT_FALSE(set.Undo());
    EXPECT_EQ(set.Entries().size(), 1u);
    expectIdle();
}

TEST_F(CombinationSetTest, FindListsTheNewestTwentySixDraws) {
    for (int i = 1; i <= 60; ++i) {
        addDraw(i, i % 3 == 0 ? comb(1, 2, 3, 4, 5) : comb(0, 0, 0, 0, 0));
    }
    for (int i = 61; i <= 80; ++i) {  // 40 matching draws in all
        addDraw(i, comb(1, 2, 3, 4, 5));
    }
    std::vector<std::string> found = set.FindInArchive(comb(1, 2, 3, 4, 5));
    ASSERT_EQ(found.size(), 26u);
    EXPECT_EQ(found.front(), "Тираж № 80 от 01/31/2024 E, значения: 1;2;3;4;5");
    EXPECT_EQ(found.back(), "Тираж № 45 от 01/31/2024 E, значения: 1;2;3;4;5");

    archive.setOffset(30);  // not applied by the search
    set.Generate(GenerateParams{kGenerateOnlyFrom, "0"}, true);
    ASSERT_TRUE(set.ShowFindInArchive(0));
    EXPECT_EQ(ui.messages.back().kind, MessageKind::Information);
    EXPECT_EQ(ui.messages.back().text.rfind(
                  "Выделенная комбинация найдена в следующих тиражах:\r\n\r\nТираж № 59 от ", 0),
              0u);
    EXPECT_EQ(set.FindInArchiveText(comb(9, 9, 9, 9, 9)),
              "Выделенная комбинация не найдена архиве тиражей!");
    EXPECT_FALSE(set.ShowFindInArchive(1));
    expectIdle();
}

TEST_F(CombinationSetTest, BufferKeyRules) {
    set.Generate(GenerateParams{kGenerateOnlyFrom, "1;2"}, true);  // 32
    EXPECT_FALSE(set.LoadBuffer(-1, -1));                          // empty buffer
    ASSERT_TRUE(set.StoreBuffer(5, 10));
    EXPECT_EQ(set.BufferCount(), 32);

    set.Generate(GenerateParams{kGenerateOnlyFrom, "1"}, false);  // 1
    ASSERT_TRUE(set.StoreBuffer(5, 10));                          // same key: not refilled
    EXPECT_EQ(set.BufferCount(), 32);
    EXPECT_FALSE(set.LoadBuffer(5, 11));
    EXPECT_EQ(set.CombsCount(), 1);
    EXPECT_TRUE(set.LoadBuffer(5, 10));
    EXPECT_EQ(set.CombsCount(), 32);

    // A regeneration empties the buffer but keeps its key; an emptied buffer
    // is filled again under that key.
    set.Generate(GenerateParams{kGenerateOnlyFrom, "1"}, true);
    EXPECT_FALSE(set.LoadBuffer(5, 10));
    EXPECT_EQ(set.BufferOffset(), 5);
    set.StoreBuffer(5, 10);
    EXPECT_EQ(set.BufferCount(), 1);
    set.ResetBuffer();
    EXPECT_EQ(set.BufferOffset(), -1);
    EXPECT_EQ(set.BufferCombs().size(), 100000u);
    set.StoreBuffer(5, 10);
    EXPECT_EQ(set.BufferCount(), 1);

    set.FreeBuffer();
    EXPECT_TRUE(set.BufferCombs().empty());
    EXPECT_FALSE(set.LoadBuffer(5, 10));
    EXPECT_TRUE(set.StoreBuffer(0, 1));
    EXPECT_TRUE(set.LoadBuffer(0, 1));
    expectIdle();
}

TEST_F(CombinationSetTest, PasteReplacesTheSetOrRestoresIt) {
    set.Generate(GenerateParams{kGenerateOnlyFrom, "7"}, true);
    set.AddFilterEntry(true, "Сумма", "35");

    CombsReadResult r = set.PasteText("1 2 3 4 5\r\n1 2 3 4\r\n6 6 6 6 6\r\n");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(lines(), (std::vector<std::string>{"7;7;7;7;7"}));
    EXPECT_EQ(set.UndoCount(), 0);
    EXPECT_EQ(set.Entries().size(), 1u);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Некорректная комбинация: \"1 2 3 4\"!");
    expectIdle();

    r = set.PasteText("05 00 09 01 03\r\n1;2;3;4;10\r\n1-2-3-4-5\n");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.skipped, 1);
    EXPECT_EQ(lines(), (std::vector<std::string>{"5;0;9;1;3", "1;2;3;4;5"}));
    EXPECT_TRUE(set.Entries().empty());
    EXPECT_EQ(ui.messages.back().text, "Пропущено некорректных строк: 1");

    EXPECT_FALSE(set.PasteText("").ok);
    EXPECT_EQ(set.CombsCount(), 2);
}

TEST_F(CombinationSetTest, RowCommands) {
    set.Generate(GenerateParams{kGenerateOnlyFrom, "0;9"}, true);  // 32
    EXPECT_EQ(set.CopyText({3, 0, 3, 99}), "00 00 00 00 00\r\n00 00 00 09 09\r\n");

    EXPECT_FALSE(set.DeleteRows({-1, 32}));
    EXPECT_EQ(set.UndoCount(), 0);
    ASSERT_TRUE(set.DeleteRows({31, 0, 0, 1}));
    EXPECT_EQ(set.CombsCount(), 29);
    EXPECT_EQ(CombToText(set.at(0)), "0;0;0;9;0");
    EXPECT_FALSE(set.ContainsComb(comb(9, 9, 9, 9, 9)));  // stale record behind the count
    EXPECT_EQ(set.Entries().back().Caption, "Выделенные комбинации");
    EXPECT_EQ(set.Entries().back().Value, "3");
    EXPECT_EQ(set.Entries().back().Count, "29");
    EXPECT_EQ(set.UndoCount(), 32);

    EXPECT_EQ(set.UniqueNumbersText(),
              "В текущем списке комбинаций содержится 2 уникальных номеров");
    set.Generate(GenerateParams{kGenerateAnyOf, ""}, true);
    EXPECT_EQ(set.UniqueNumbers(), 0);
    set.Generate(GenerateParams{}, true);
    EXPECT_EQ(set.UniqueNumbers(), 10);
    expectIdle();
}

}  // namespace
}  // namespace pentad
