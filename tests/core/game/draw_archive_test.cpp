// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/draw_archive.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/error.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::drawBytes;
using test::TempDir;

DrawArchive archiveOf(const std::vector<int>& numbers) {
    DrawArchive a;
    for (int n : numbers) {
        TDrawRec d;
        d.Number = n;
        d.Digits = {static_cast<uint8_t>(n % 10), 1, 2, 3, 4};
        a.append(d);
    }
    return a;
}

TEST(DrawArchiveFile, FortyEightBytesAreTwoDraws) {
    TempDir dir;
    dir.write("Pentad.ldr", drawBytes(1, {9, 8, 6, 5, 6}, "08/01/2016 M") +
                                drawBytes(2, {0, 8, 6, 1, 0}, "08/01/2016 E"));
    DrawArchive a;
    EXPECT_EQ(a.load(dir.file("Pentad.ldr")), "");
    ASSERT_EQ(a.count(), 2);
    EXPECT_EQ(a.atRow(0).Number, 2);  // newest first
    EXPECT_EQ(a.atRow(1).dateText(), "08/01/2016 M");
}

TEST(DrawArchiveFile, DamagedFileKeepsTheWholeRecords) {
    TempDir dir;
    dir.write("Pentad.ldr", drawBytes(1, {1, 2, 3, 4, 5}, "") + drawBytes(2, {1, 2, 3, 4, 5}, "") +
                                std::string(10, '\x07'));
    DrawArchive a;
    std::string failure = a.load(dir.file("Pentad.ldr"));
    EXPECT_FALSE(failure.empty());
    EXPECT_EQ(a.count(), 2);
}

TEST(DrawArchiveFile, MissingAndEmptyFilesGiveAnEmptyArchive) {
    TempDir dir;
    DrawArchive a;
    EXPECT_EQ(a.load(dir.file("Pentad.ldr")), "");
    dir.write("Pentad.ldr", "");
    EXPECT_EQ(a.load(dir.file("Pentad.ldr")), "");
    EXPECT_EQ(a.count(), 0);
    auto panels = a.statusTexts();
    EXPECT_EQ(panels[0], "Архив тиражей: 0");
    EXPECT_EQ(panels[1], "Следующий тираж: 1");
    EXPECT_EQ(panels[2], "");
}

TEST(DrawArchiveFile, SaveWritesRecordsInArchiveOrder) {
    TempDir dir;
    std::string bytes = drawBytes(7, {1, 2, 3, 4, 5}, "01/31/2024 E") +
                        drawBytes(8, {0, 0, 0, 0, 9}, "01/31/2024 M");
    dir.write("Pentad.ldr", bytes);
    DrawArchive a;
    a.load(dir.file("Pentad.ldr"));
    a.save(dir.file("copy.ldr"));
    EXPECT_EQ(dir.read("copy.ldr"), bytes);
}

TEST(DrawArchiveFile, FailedSaveLeavesNoPartialFile) {
    TempDir dir;
    DrawArchive a = archiveOf({1, 2});
    EXPECT_THROW(a.save(dir.file("missing-folder/Pentad.ldr")), Error);
    // A folder in the file's place makes the final rename fail.
    std::filesystem::create_directories(dir.file("Pentad.ldr/inner"));
    EXPECT_THROW(a.save(dir.file("Pentad.ldr")), Error);
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);  // the temporary file was removed
}

TEST(FindByNumber, FindsExactAndIrregularNumbers) {
    DrawArchive a = archiveOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_EQ(a.findByNumber(1), 0);
    EXPECT_EQ(a.findByNumber(10), 9);
    EXPECT_EQ(a.findByNumber(6), 5);
    EXPECT_EQ(a.findByNumber(11), -1);

    DrawArchive gaps = archiveOf({1, 5, 6, 40, 41, 90, 3});
    EXPECT_EQ(gaps.findByNumber(40), 3);
    EXPECT_EQ(gaps.findByNumber(6), 2);
    EXPECT_EQ(gaps.findByNumber(90), 5);
    EXPECT_EQ(gaps.findByNumber(2), -1);
    EXPECT_EQ(DrawArchive().findByNumber(1), -1);
}

TEST(FindByNumber, NewestOneBelowOldestDoesNotDivideByZero) {
    DrawArchive a = archiveOf({10, 4, 12, 9});  // span 9 - 10 + 1 = 0
    EXPECT_EQ(a.findByNumber(4), 1);
    EXPECT_EQ(a.findByNumber(12), 2);
    EXPECT_EQ(a.findByNumber(5), -1);
}

TEST(DrawArchiveEdit, DeleteAtChecksTheIndex) {
    DrawArchive a = archiveOf({1, 2, 3});
    a.deleteAt(1);
    EXPECT_EQ(a.count(), 2);
    EXPECT_EQ(a.draws()[1].Number, 3);
    try {
        a.deleteAt(5);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Запись со индексом 5 в файле данных не найдена!");
    }
}

TEST(DrawArchiveView, NextNumberAndDateOfRow) {
    DrawArchive a = archiveOf({9121, 9122, 9123});
    EXPECT_EQ(a.nextDrawNumber(0), 9124);
    EXPECT_EQ(a.nextDrawNumber(2), 9122);
    EXPECT_EQ(a.nextDrawNumber(3), -1);
    EXPECT_EQ(DrawArchive().nextDrawNumber(0), 1);
    EXPECT_EQ(DrawArchive().dateOfRow(0, 0), 20160801);
    EXPECT_EQ(a.digitsAtRow(9).Digits, (std::array<uint8_t, 5>{0, 0, 0, 0, 0}));
}

TEST(DrawArchiveView, OffsetHidesTheNewestDraws) {
    DrawArchive a = archiveOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    a.setOffset(2);
    EXPECT_EQ(a.latestIndex(), 7);
    auto panels = a.statusTexts();
    EXPECT_EQ(panels[0], "Архив тиражей: 10");
    EXPECT_EQ(panels[1], "Следующий тираж: 9");  // row 2 is draw 8
    EXPECT_EQ(panels[2], "9;1;2;3;4");              // row 1, the first hidden draw
    EXPECT_TRUE(a.hiddenDigits().test(9));
    EXPECT_FALSE(a.hiddenDigits().test(5));
    a.setOffset(0);
    EXPECT_EQ(a.statusTexts()[2], "");
    EXPECT_TRUE(a.hiddenDigits().none());
    a.setOffset(50);
    EXPECT_EQ(a.offset(), 9);
}

TEST(DrawDialogDigits, AcceptsFiveDigitsOnly) {
    EXPECT_FALSE(parseDrawDigits("1;2;3;4"));
    EXPECT_FALSE(parseDrawDigits("1;2;3;4;12"));
    EXPECT_FALSE(parseDrawDigits("1;2;3;4;5;6"));
    EXPECT_FALSE(parseDrawDigits("1;2;3;4;-1"));
    ASSERT_TRUE(parseDrawDigits("1, 2, 3, 4, 5"));
    EXPECT_EQ(*parseDrawDigits("1, 2, 3, 4, 5"), (std::array<uint8_t, 5>{1, 2, 3, 4, 5}));
    EXPECT_EQ(*parseDrawDigits("1;2;3;4;x"), (std::array<uint8_t, 5>{1, 2, 3, 4, 0}));
}

}  // namespace
}  // namespace pentad
