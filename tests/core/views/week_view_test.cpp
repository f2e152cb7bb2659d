// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/week_view.h"

#include <gtest/gtest.h>

#include "shell/shell.h"
#include "support/scripted_user_interface.h"

namespace pentad {
namespace {

TDrawRec draw(int number, std::array<uint8_t, 5> digits, const std::string& date) {
    TDrawRec d;
    d.Number = number;
    d.Digits = digits;
    d.setDateText(date);
    return d;
}

DrawArchive archiveOf(const std::vector<TDrawRec>& draws) {
    DrawArchive a;
    for (const TDrawRec& d : draws) {
        a.append(d);
    }
    return a;
}

constexpr int kMonday = 0;
constexpr int kWednesday = 2;
constexpr int kSaturday = 5;
constexpr int kSunday = 6;

TEST(WeekTable, CountsEachDigitOnTheDayOfItsDraw) {
    EXPECT_EQ(drawWeekday("01/31/2024 E"), 3);
    EXPECT_EQ(drawWeekday("01/29/2024 M"), 1);
    EXPECT_EQ(drawWeekday("02/04/2024"), 7);
    EXPECT_EQ(drawWeekday(""), 6);  // date 0 is a Saturday
    EXPECT_EQ(drawWeekday("02/30/2024 M"), std::nullopt);

    const DrawArchive archive = archiveOf({
        draw(1, {1, 1, 2, 3, 4}, "01/31/2024 M"),
        draw(2, {9, 9, 9, 9, 9}, ""),
        draw(3, {5, 5, 5, 5, 5}, "02/30/2024 M"),  // no such day: left out
        draw(4, {0, 1, 0, 1, 0}, "02/04/2024 E"),
    });
    const WeekTable t = buildWeekTable(archive.draws(), analysisWindow(archive, 1000));
    EXPECT_EQ(t.counts[kWednesday][1], 2);
    EXPECT_EQ(t.counts[kWednesday][2], 1);
    EXPECT_EQ(t.counts[kWednesday][4], 1);
    EXPECT_EQ(t.counts[kWednesday][0], 0);
    EXPECT_EQ(t.counts[kSaturday][9], 5);
    EXPECT_EQ(t.counts[kSunday][0], 3);
    EXPECT_EQ(t.counts[kSunday][1], 2);
    int total = 0;
    for (const auto& day : t.counts) {
        for (int v : day) {
            total += v;
        }
    }
    EXPECT_EQ(total, 15);
    EXPECT_EQ(t.maximum, 5);

    // The window ends at the latest known draw.
    DrawArchive shifted = archive;
    shifted.setOffset(1);
    const WeekTable s = buildWeekTable(shifted.draws(), analysisWindow(shifted, 2));
    EXPECT_EQ(s.counts[kSaturday][9], 5);
    EXPECT_EQ(s.counts[kWednesday][1], 0);
    EXPECT_EQ(s.counts[kSunday][0], 0);
}

TEST(WeekTable, ShadingRunsFromWhiteToRed) {
    EXPECT_EQ(weekCellColor(0, 0), std::nullopt);  // an all-zero table stays plain
    EXPECT_EQ(weekCellColor(0, 8), std::nullopt);
    EXPECT_EQ(weekCellColor(8, 8), 0xFF0000u);
    EXPECT_EQ(weekCellColor(4, 8), 0xFF8080u);  // 127.5 rounds to even 128
    EXPECT_EQ(weekCellColor(1, 3), 0xFFAAAAu);
}

TEST(WeekTable, ChartShowsARowOrAColumn) {
    WeekTable t;
    t.counts[kMonday][3] = 4;
    t.counts[kSunday][3] = 7;
    t.counts[kSunday][9] = 2;
    const auto days = weekChart(t, 1, kSunday, 3);
    ASSERT_EQ(days.size(), 7u);
    EXPECT_EQ(days[0].label, "Пн");
    EXPECT_EQ(days[0].value, 4);
    EXPECT_EQ(days[6].label, "Вс");
    EXPECT_EQ(days[6].value, 7);
    const auto digits = weekChart(t, 0, kSunday, 3);
    ASSERT_EQ(digits.size(), 10u);
    EXPECT_EQ(digits[3].value, 7);
    EXPECT_EQ(digits[9].label, "9");
    EXPECT_EQ(digits[9].value, 2);
    EXPECT_EQ(digits[0].value, 0);
}

TEST(WeekPage, RebuildsWhenTheWindowMoves) {
    test::ScriptedUserInterface ui;
    Shell shell(ui);
    DrawArchive archive = archiveOf(
        {draw(1, {1, 2, 3, 4, 5}, "01/31/2024 M"), draw(2, {1, 2, 3, 4, 5}, "01/31/2024 E")});
    WeekPage page(shell, archive);
    EXPECT_TRUE(page.refresh(false));
    EXPECT_EQ(page.table().counts[kWednesday][1], 2);
    EXPECT_FALSE(page.refresh(false));
    page.length = 1;
    EXPECT_TRUE(page.refresh(false));
    EXPECT_EQ(page.table().counts[kWednesday][1], 1);
    archive.append(draw(3, {1, 1, 1, 1, 1}, "01/31/2024 E"));
    EXPECT_TRUE(page.refresh(false));
    EXPECT_EQ(page.table().counts[kWednesday][1], 5);
    EXPECT_TRUE(page.refresh(true));
    EXPECT_EQ(ui.statusTexts.front(), "Построение статистики по дням недели...");
}

}  // namespace
}  // namespace pentad
