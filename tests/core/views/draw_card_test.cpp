// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/draw_card.h"

#include <gtest/gtest.h>

#include "game/routines.h"
#include "support/stat_support.h"
#include "views/layout_view.h"
#include "views/view_sheets.h"

namespace pentad {
namespace {

using Digits = std::array<uint8_t, 5>;

DrawCard cardOf(const std::vector<Digits>& rows) {
    DrawCard card;
    card.update(test::archiveOfDigits(rows).draws(), true);
    return card;
}

TEST(DrawCard, RowsAreNewestFirstWithEachDigitOnce) {
    const DrawCard card = cardOf({{5, 6, 7, 8, 9}, {0, 0, 0, 0, 0}});
    ASSERT_EQ(card.rowCount(), 2);
    EXPECT_EQ(card.number(0), 2);
    EXPECT_EQ(card.mask(0), 1u);  // 0 0 0 0 0 fills only the column of 0
    EXPECT_EQ(card.number(1), 1);
    EXPECT_EQ(card.mask(1), 0b1111100000u);
}

TEST(DrawCard, RepeatsAndNeighboursTakeTheirColours) {
    const CardOptions options;
    // Newest 1 2 3 4 5 over 5 6 7 8 9.
    const DrawCard card = cardOf({{5, 6, 7, 8, 9}, {1, 2, 3, 4, 5}});
    EXPECT_EQ(card.cellColor(0, 5, options), kCardRepeatNeighbour);  // left neighbour 4
    for (int d = 1; d <= 4; ++d) {
        EXPECT_EQ(card.cellColor(0, d, options), kCardNeighbour) << d;
    }
    EXPECT_EQ(card.cellColor(1, 5, options), kCardRepeatNeighbour);  // right neighbour 6
    EXPECT_EQ(card.cellColor(1, 9, options), kCardNeighbour);

    // A repeat without neighbours is green; an isolated digit its channel's colour.
    const DrawCard sparse = cardOf({{0, 3, 5, 7, 9}, {0, 2, 4, 6, 8}});
    EXPECT_EQ(sparse.cellColor(0, 0, options), kCardRepeat);
    EXPECT_EQ(sparse.cellColor(1, 0, options), kCardRepeat);
    EXPECT_EQ(sparse.cellColor(0, 4, options), groupColorRgb(4, options.channelSize));
    // Empty cells are tinted with their channel too.
    EXPECT_EQ(sparse.cellColor(0, 1, options), groupColorRgb(1, options.channelSize));
}

TEST(DrawCard, OptionsSwitchTheColoursOff) {
    const DrawCard card = cardOf({{5, 6, 7, 8, 9}, {1, 2, 3, 4, 5}});
    const CardOptions channelsOnly{.channels = true, .sequences = false, .channelSize = 3};
    EXPECT_EQ(card.cellColor(0, 5, channelsOnly), groupColorRgb(5, 3));
    const CardOptions sequencesOnly{.channels = false, .sequences = true, .channelSize = 2};
    EXPECT_EQ(card.cellColor(0, 5, sequencesOnly), kCardRepeatNeighbour);
    EXPECT_EQ(card.cellColor(0, 0, sequencesOnly), std::nullopt);
    const DrawCard lone = cardOf({{4, 4, 4, 4, 4}});
    EXPECT_EQ(lone.cellColor(0, 4, sequencesOnly), std::nullopt);
}

TEST(DrawCard, RebuildsOnlyWhenForcedOrTheCountChanged) {
    DrawArchive archive = test::archiveOfDigits({{1, 2, 3, 4, 5}});
    DrawCard card;
    EXPECT_TRUE(card.update(archive.draws(), false));
    TDrawRec edited = archive.draws()[0];
    edited.Digits = {9, 9, 9, 9, 9};
    archive.replaceAt(0, edited);
    EXPECT_FALSE(card.update(archive.draws(), false));
    EXPECT_TRUE(card.update(archive.draws(), true));
    EXPECT_EQ(card.mask(0), 1u << 9);
    archive.clear();
    EXPECT_TRUE(card.update(archive.draws(), false));
    EXPECT_EQ(card.rowCount(), 0);
}

TEST(ViewSheets, CardAndLayoutAsTheirGridsShowThem) {
    const DrawArchive archive = test::archiveOfDigits({{5, 6, 7, 8, 9}, {0, 0, 1, 1, 5}}, 7);
    DrawCard card;
    card.update(archive.draws(), true);
    const SheetTable c = cardSheet(card);
    EXPECT_EQ(c.title, "Карта");
    EXPECT_EQ(c.headers,
              (std::vector<std::string>{"", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    ASSERT_EQ(c.rows.size(), 2u);
    EXPECT_EQ(c.rows[0],
              (std::vector<std::string>{"8", "0", "1", "", "", "", "5", "", "", "", ""}));

    const SheetTable l =
        layoutSheet(buildLayout(digitTally(archive.draws(), analysisWindow(archive, 10)), {}));
    EXPECT_EQ(l.title, "Схема");
    EXPECT_EQ(l.headers, (std::vector<std::string>{"", "8", "7"}));
    ASSERT_EQ(l.rows.size(), 2u);
    EXPECT_EQ(l.rows[0], (std::vector<std::string>{"2", "0, 1, 5", ""}));
    EXPECT_EQ(l.rows[1], (std::vector<std::string>{"1", "", "6, 7, 8, 9"}));
}

}  // namespace
}  // namespace pentad
