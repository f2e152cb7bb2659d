// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/view_filter.h"

#include <gtest/gtest.h>

#include "filters/combination_generator.h"
#include "filters/filter_engine.h"
#include "shell/shell.h"
#include "support/scripted_user_interface.h"
#include "support/stat_support.h"
#include "support/temp_dir.h"
#include "views/draw_card.h"
#include "views/layout_view.h"

namespace pentad {
namespace {

TEST(ViewSelection, CardCellsGiveTheirDigitsColumnByColumn) {
    DrawCard card;
    card.update(test::archiveOfDigits({{1, 2, 3, 4, 5}, {7, 7, 7, 7, 9}, {0, 2, 4, 6, 8}}).draws(),
                true);
    // Rows: 0 = 0 2 4 6 8, 1 = 7 9, 2 = 1 2 3 4 5. Column d + 1 shows d.
    ViewValues v = cardSelectionValues(card, {{0, 9, 2, 10}, {0, 0, 2, 3}});
    EXPECT_EQ(v.values, (std::vector<int>{0, 1, 2, 8, 9}));
    EXPECT_EQ(v.description, "0; 1; 2; 8; 9");
    // Empty cells and the number column give nothing.
    v = cardSelectionValues(card, {{1, 0, 1, 1}, {0, 2, 0, 2}});
    EXPECT_TRUE(v.values.empty());
    EXPECT_TRUE(v.description.empty());
}

TEST(ViewSelection, LayoutCellsSplitIntoDigitsWithoutBrackets) {
    DrawArchive archive = test::archiveOfDigits({{3, 3, 5, 1, 9}, {5, 0, 0, 0, 0}});
    archive.setOffset(1);
    const LayoutGrid grid = buildLayout(digitTally(archive.draws(), analysisWindow(archive, 10)),
                                        archive.hiddenDigits());
    ASSERT_EQ(grid.cell(1, 0), "[5], 1, 9");
    ViewValues v = layoutSelectionValues(grid, {{0, 0, 1, 0}, {1, 0, 1, 0}});
    EXPECT_EQ(v.values, (std::vector<int>{3, 5, 1, 9}));
    EXPECT_EQ(v.description, "3; 5; 1; 9");
}

TEST(ViewSelection, WeekColumnsAreDigits) {
    const ViewValues v = weekSelectionValues({{2, 3, 4, 3}, {0, 7, 6, 9}, {5, 3, 5, 3}});
    EXPECT_EQ(v.values, (std::vector<int>{3, 7, 8, 9}));
    EXPECT_EQ(v.description, "3; 7; 8; 9");
}

class ViewFilterTest : public ::testing::Test {
protected:
    ViewFilterTest()
        : archive(test::archiveOfDigits({{1, 2, 3, 4, 5}})),
          list(archive.draws()),
          prefetchs(shell, dir.path()),
          page(shell, list, archive, prefetchs),
          combs(shell, archive),
          engine(shell, list, archive, combs, page) {
        list.Fill();
        page.FillChoosers(false);
        combs.Generate(GenerateParams{0, ""}, false);
        combs.ClearEntries();
    }

    test::TempDir dir;
    test::ScriptedUserInterface ui;
    Shell shell{ui};
    DrawArchive archive;
    TStatList list;
    PrefetchStore prefetchs;
    StatPage page;
    CombinationSet combs;
    FilterEngine engine;
};

TEST_F(ViewFilterTest, KeepsOrDeletesByTheDigitsWithAnEntryAndUndo) {
    ASSERT_TRUE(filterByView(shell, combs, engine, {{7}, "7"}, "Неделя", true));
    EXPECT_EQ(combs.CombsCount(), 59049);  // 9^5 without a 7
    ASSERT_EQ(combs.Entries().size(), 1u);
    EXPECT_EQ(combs.Entries()[0].Caption, "Неделя");
    EXPECT_EQ(combs.Entries()[0].Value, "7");
    EXPECT_EQ(combs.Entries()[0].EntryKind, FilterEntry::Kind::Delete);
    ASSERT_TRUE(combs.Undo());
    EXPECT_EQ(combs.CombsCount(), 100000);

    ASSERT_TRUE(filterByView(shell, combs, engine, {{0, 9}, "0; 9"}, "Карта", false));
    EXPECT_EQ(combs.CombsCount(), 100000 - 32768);  // at least one 0 or 9
    EXPECT_EQ(combs.Entries().back().EntryKind, FilterEntry::Kind::Keep);
}

TEST_F(ViewFilterTest, NoValuesIsAnErrorAndLeavesTheSet) {
    EXPECT_FALSE(filterByView(shell, combs, engine, {}, "Схема", false));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "В выделенном диапазоне нет значений для фильтра!");
    EXPECT_EQ(combs.CombsCount(), 100000);
    EXPECT_TRUE(combs.Entries().empty());
}

}  // namespace
}  // namespace pentad
