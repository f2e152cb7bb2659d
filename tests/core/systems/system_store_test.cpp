// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/system_store.h"

#include <gtest/gtest.h>

#include "shell/error.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

TEST(Systems, NormalisationRewritesAndDropsLines) {
    std::vector<std::string> lines =
        normalizeSystemLines("  1,2,3,4,5 \r\n 6 7 8 9 10\r\n1 2 3\r\n\r\n");
    EXPECT_EQ(lines, (std::vector<std::string>{"01 02 03 04 05", "06 07 08 09 10"}));
    EXPECT_EQ(systemNumbersOf(lines), 10);
    EXPECT_EQ(systemNumbersOf({}), 0);
    EXPECT_THROW(normalizeSystemLines("1 2 x 4 5"), Error);
}

TEST(Systems, NumbersOfTheSetPickTheSystemAndMapItsLines) {
    TCombsArray combs = {TCombRec{{3, 1, 4, 1, 5}}, TCombRec{{9, 2, 6, 5, 3}}};
    TByteArray numbers = ListNumbers(combs, 2);
    EXPECT_EQ(numbers, (TByteArray{3, 1, 4, 5, 9, 2, 6}));
    EXPECT_EQ(SystemMask(7), "5-07-*_*.dat");

    test::TempDir dir;
    LoadedSystem none = LoadSystemFor(dir.path(), numbers);
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.message, "Система для 7 чисел не найдена или не загружена на компьютер!");

    tSystemData data;
    data.Info.Id = 12;
    data.Info.Nums = 7;
    data.CList = "01 02 03 04 05\r\n03 04 05 06 07\r\n01 02 03 04 09";
    storeLocalSystem(dir.path(), data);
    EXPECT_EQ(dir.read("Systems/5-07-0_0012.dat"),
              "01 02 03 04 05\r\n03 04 05 06 07\r\n01 02 03 04 09\r\n");
    LoadedSystem s = LoadSystemFor(dir.path(), numbers);
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.fileName, "5-07-0_0012");
    ASSERT_EQ(s.combs.size(), 2u);  // index 9 is outside 1..7: skipped
    EXPECT_EQ(s.combs[0].Digits, (std::array<uint8_t, 5>{3, 1, 4, 5, 9}));

    // A second 7-number system replaces the first.
    data.Info.Id = 13;
    storeLocalSystem(dir.path(), data);
    std::vector<tSystemInfo> local = listLocalSystems(dir.path());
    ASSERT_EQ(local.size(), 1u);
    EXPECT_EQ(local[0].Id, 13);
    EXPECT_EQ(local[0].CSize, 3);
}

TEST(Systems, DialogChecksInOrder) {
    tSystemData d;
    EXPECT_EQ(*validateSystem(d), "Название системы должно быть указано обязательно!");
    d.Info.Title = "t";
    d.Info.Nums = 11;
    EXPECT_EQ(*validateSystem(d), "Указано недопустмое количество используемых чисел!");
    d.Info.Nums = 6;
    d.Info.Olap = 5;
    EXPECT_EQ(*validateSystem(d), "Указан недопустмый размер блока!");
    d.Info.Olap = 0;
    d.Info.Author = "a";
    d.Info.Descr = "d";
    EXPECT_EQ(*validateSystem(d), "Содержимое системы должно быть указано обязательно!");
    d.CList = "01 02 03 04 05";
    EXPECT_FALSE(validateSystem(d));
}

}  // namespace
}  // namespace pentad
