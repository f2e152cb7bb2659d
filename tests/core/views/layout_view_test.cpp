// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/layout_view.h"

#include <gtest/gtest.h>

#include "shell/shell.h"
#include "support/scripted_user_interface.h"
#include "support/stat_support.h"

namespace pentad {
namespace {

using Digits = std::array<uint8_t, 5>;

LayoutGrid layoutOf(const DrawArchive& archive, int length) {
    return buildLayout(digitTally(archive.draws(), analysisWindow(archive, length)),
                       archive.hiddenDigits());
}

TEST(Layout, OneDrawGivesTwoRowsInOrder) {
    const DrawArchive archive = test::archiveOfDigits({{0, 0, 0, 0, 0}, {3, 3, 5, 1, 9}}, 41);
    const LayoutGrid grid = layoutOf(archive, 1);
    EXPECT_EQ(grid.counts, (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(grid.draws, (std::vector<int32_t>{42}));
    EXPECT_EQ(grid.cell(0, 0), "3");
    EXPECT_EQ(grid.cell(1, 0), "5, 1, 9");
}

TEST(Layout, TallyWalksFromTheNewestDraw) {
    const DrawArchive archive =
        test::archiveOfDigits({{7, 7, 7, 2, 2}, {1, 2, 3, 4, 5}, {1, 1, 0, 0, 9}});
    const TShemaArray tally = digitTally(archive.draws(), analysisWindow(archive, 100));
    ASSERT_EQ(tally.size(), 8u);
    EXPECT_EQ(tally[0].Digit, 1);
    EXPECT_EQ(tally[0].Count, 3);
    EXPECT_EQ(tally[0].LastDraw, 3);
    EXPECT_EQ(tally[3].Digit, 2);
    EXPECT_EQ(tally[3].Count, 3);
    EXPECT_EQ(tally[3].LastDraw, 2);
    EXPECT_EQ(tally[7].Digit, 7);
    EXPECT_EQ(tally[7].Count, 3);
    EXPECT_EQ(tally[7].LastDraw, 1);

    const LayoutGrid grid = buildLayout(tally, {});
    EXPECT_EQ(grid.counts, (std::vector<int32_t>{3, 2, 1}));
    EXPECT_EQ(grid.draws, (std::vector<int32_t>{3, 2, 1}));
    EXPECT_EQ(grid.cell(0, 0), "1");
    EXPECT_EQ(grid.cell(0, 1), "2");
    EXPECT_EQ(grid.cell(0, 2), "7");
    EXPECT_EQ(grid.cell(1, 0), "0");
    EXPECT_EQ(grid.cell(2, 0), "9");
    EXPECT_EQ(grid.cell(2, 1), "3, 4, 5");
    EXPECT_EQ(grid.cell(1, 1), "");
}

TEST(Layout, HiddenDrawDigitsAreBracketedAndGreen) {
    DrawArchive archive = test::archiveOfDigits({{1, 2, 3, 4, 5}, {5, 6, 6, 6, 6}});
    archive.setOffset(1);
    const LayoutGrid grid = layoutOf(archive, 100);
    ASSERT_EQ(grid.draws, (std::vector<int32_t>{1}));
    EXPECT_EQ(grid.cell(0, 0), "1, 2, 3, 4, [5]");
    EXPECT_EQ(layoutCellColor(grid, 0, 0, true), kLayoutHiddenColor);
    EXPECT_EQ(layoutCellColor(grid, 0, 0, false), kLayoutHiddenColor);
}

TEST(Layout, GradientAndChequerColours) {
    // Two counts and one draw: a grid of 3 rows and 2 columns with headers.
    const DrawArchive archive = test::archiveOfDigits({{3, 3, 5, 1, 9}});
    const LayoutGrid grid = layoutOf(archive, 1);
    // 255 - 155/3 = 203.33, 255 - 155/2 = 177.5 (to even: 178), 155/3 + 100 = 151.67.
    EXPECT_EQ(layoutCellColor(grid, 0, 0, true), 0xCBB298u);
    // Row 2: 255 - 310/3 = 151.67, blue 310/3 + 100 = 203.33.
    EXPECT_EQ(layoutCellColor(grid, 1, 0, true), 0x98B2CBu);

    LayoutGrid wide;
    wide.counts.resize(12);
    wide.draws.resize(12);
    wide.cells.resize(144);
    // Grid rows and columns 1..5 and 11..15 are in the blocks; 6..10 are not.
    EXPECT_EQ(layoutCellColor(wide, 0, 0, false), kLayoutChequerOther);
    EXPECT_EQ(layoutCellColor(wide, 5, 0, false), kLayoutChequerOne);
    EXPECT_EQ(layoutCellColor(wide, 5, 5, false), kLayoutChequerOther);
    EXPECT_EQ(layoutCellColor(wide, 10, 5, false), kLayoutChequerOne);
    EXPECT_EQ(layoutCellColor(wide, 10, 10, false), kLayoutChequerOther);
}

TEST(CompareList, CaptionNamesTheWindowAndRowsJoinDigitsByCount) {
    DrawArchive archive = test::archiveOfDigits({{1, 1, 2, 2, 3}, {4, 4, 5, 5, 6}}, 100);
    CompareList list = buildCompareList(archive, 400);
    EXPECT_EQ(list.caption, "100 - 101");
    ASSERT_EQ(list.rows.size(), 2u);
    EXPECT_EQ(list.rows[0], (std::pair<int32_t, std::string>{2, "4, 5, 1, 2"}));
    EXPECT_EQ(list.rows[1], (std::pair<int32_t, std::string>{1, "6, 3"}));

    archive.setOffset(1);
    list = buildCompareList(archive, 1);
    EXPECT_EQ(list.caption, "100 - 100");
    archive.clear();
    EXPECT_TRUE(buildCompareList(archive, 50).rows.empty());
}

TEST(LayoutPage, LayoutAndListsFollowOnlyWhatTheyDependOn) {
    test::ScriptedUserInterface ui;
    Shell shell(ui);
    DrawArchive archive = test::archiveOfDigits({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 0}});
    LayoutPage page(shell, archive);
    EXPECT_TRUE(page.refreshLayout(false));
    EXPECT_TRUE(page.refreshCompare(false));
    EXPECT_FALSE(page.refreshLayout(false));
    EXPECT_FALSE(page.refreshCompare(false));

    page.compareLengths[0] = 1;
    EXPECT_FALSE(page.refreshLayout(false));
    EXPECT_FALSE(page.refreshCompare(false));  // lengths apply when forced
    EXPECT_TRUE(page.refreshCompare(true));
    EXPECT_EQ(page.lists()[0].caption, "2 - 2");

    page.length = 1;
    EXPECT_FALSE(page.refreshCompare(false));
    EXPECT_TRUE(page.refreshLayout(false));
    EXPECT_EQ(page.grid().draws, (std::vector<int32_t>{2}));

    archive.setOffset(1);
    EXPECT_TRUE(page.refreshLayout(false));
    EXPECT_TRUE(page.refreshCompare(false));
    EXPECT_EQ(page.grid().draws, (std::vector<int32_t>{1}));
    page.invalidate();
    EXPECT_TRUE(page.refreshLayout(false));
    EXPECT_TRUE(page.refreshCompare(false));
    EXPECT_EQ(ui.statusTexts.front(), "Построение схемы выпадения номеров...");
    EXPECT_FALSE(ui.busy);
}

}  // namespace
}  // namespace pentad
