// SPDX-License-Identifier: GPL-3.0-or-later
#include "filters/filter_engine.h"

#include <gtest/gtest.h>

#include "filters/combination_generator.h"
#include "shell/error.h"
#include "shell/shell.h"
#include "support/scripted_user_interface.h"
#include "support/stat_support.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using Digits = std::array<uint8_t, 5>;

class FilterEngineTest : public ::testing::Test {
protected:
    FilterEngineTest()
        : archive(test::archiveOfDigits(drawRows())),
          list(archive.draws()),
          prefetchs(shell, dir.path()),
          page(shell, list, archive, prefetchs),
          combs(shell, archive),
          engine(shell, list, archive, combs, page) {
        list.Fill();
        page.FillChoosers(false);
    }

    // Twelve draws; the newest holds 7 and 8.
    static std::vector<Digits> drawRows() {
        std::vector<Digits> rows;
        for (int i = 0; i < 11; ++i) {
            rows.push_back(Digits{static_cast<uint8_t>(i % 7), 1, 2, 3, 4});
        }
        rows.push_back(Digits{7, 8, 0, 0, 0});
        return rows;
    }

    void fullSet() {
        combs.Generate(GenerateParams{0, ""}, false);
        combs.ClearEntries();
    }

    void setCombs(const std::string& text) {
        ASSERT_TRUE(combs.PasteText(text).ok);
    }

    // Selects the NUMS rows whose values are listed.
    void selectNums(const std::vector<std::string>& values) {
        ASSERT_TRUE(page.selectEntry(list.IndexOfCode("NUMS")));
        page.Compute(true);
        std::vector<int> rows;
        for (int r = 0; r < page.rowCount(); ++r) {
            for (const std::string& v : values) {
                if (page.cells(r)[0] == v) {
                    rows.push_back(r);
                }
            }
        }
        page.setSelection(rows);
    }

    int rollbacks() const {
        int n = 0;
        for (const FilterEntry& e : combs.Entries()) {
            n += e.EntryKind == FilterEntry::Kind::Rollback ? 1 : 0;
        }
        return n;
    }

    TFilterPart part(const std::string& itemText) {
        TFilterItem item = TextToFilterItem(itemText, list);
        return engine.ExpandVariants({item}, 1).at(0)[0];
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

TEST_F(FilterEngineTest, KeepAndDeleteBySelectedDigits) {
    fullSet();
    selectNums({"7", "8"});
    ASSERT_TRUE(engine.StatFilter(false));
    EXPECT_EQ(combs.CombsCount(), 67232);
    ASSERT_EQ(combs.Entries().size(), 1u);
    EXPECT_EQ(combs.Entries()[0].Value, "7; 8");
    EXPECT_EQ(combs.Entries()[0].EntryKind, FilterEntry::Kind::Keep);
    ASSERT_TRUE(combs.Undo());
    EXPECT_EQ(combs.CombsCount(), 100000);

    selectNums({"7", "8"});
    ASSERT_TRUE(engine.StatFilter(true));
    EXPECT_EQ(combs.CombsCount(), 32768);
    for (const TCombRec& c : combs.combs()) {
        for (uint8_t d : c.Digits) {
            ASSERT_TRUE(d != 7 && d != 8);
        }
    }
    EXPECT_TRUE(shell.isIdle());
}

TEST_F(FilterEngineTest, EmptyUndoCopyLeavesAnEmptySetAndNoEntry) {
    fullSet();  // a fresh set has no undo copy
    selectNums({"1"});
    ASSERT_EQ(combs.UndoCount(), 0);
    engine.FilterBySelection(nullptr, false);
    EXPECT_EQ(combs.CombsCount(), 0);
    EXPECT_TRUE(combs.Entries().empty());
}

TEST_F(FilterEngineTest, ViewValuesNeedAtLeastOneValue) {
    fullSet();
    combs.SaveUndo(false);
    EXPECT_THROW(engine.FilterByValues({}, "Карта", "", false), Error);
    engine.FilterByValues({3, 3}, "Неделя", "3", true);
    EXPECT_EQ(combs.CombsCount(), 59049);  // 9^5 without a 3
    EXPECT_EQ(combs.Entries().back().Caption, "Неделя");
}

TEST_F(FilterEngineTest, SingleSelectRollsBackEveryStepThatEmptiesTheSet) {
    setCombs("0 0 0 0 0\r\n1 1 1 1 1\r\n");
    // Keep digit 5, then digit 6: each would leave nothing.
    engine.ApplyPart(part("TSF1#NUMS:12#LVA:5,6#SF:0"));
    EXPECT_EQ(combs.CombsCount(), 2);
    EXPECT_EQ(rollbacks(), 2);
    EXPECT_EQ(combs.Entries().back().Caption, "Отмена последней операции");
}

TEST_F(FilterEngineTest, StopModeTwoEndsAfterTheFirstRollback) {
    setCombs("0 0 0 0 0\r\n1 1 1 1 1\r\n");
    engine.ApplyPart(part("TSF1#NUMS:12#LVA:5,6#SZ:1"));
    EXPECT_EQ(combs.CombsCount(), 2);
    EXPECT_EQ(rollbacks(), 1);
}

TEST_F(FilterEngineTest, StopModeThreeCountsSteps) {
    fullSet();
    // Multi-select: only the first two rows walked are considered (table
    // sorted by value descending: 9, 8, ...), so 9 and 8 are deleted.
    engine.ApplyPart(part("TMD0#NUMS:12#LNO:#ST:2"));
    EXPECT_EQ(combs.CombsCount(), 32768);
    // Single-select: two steps that left a non-empty set, then the walk ends.
    fullSet();
    engine.ApplyPart(part("TSD0#NUMS:12#LNO:#ST:2"));
    EXPECT_EQ(combs.CombsCount(), 32768);
    EXPECT_EQ(combs.Entries().size(), 2u);
}

TEST_F(FilterEngineTest, StopModeOneEndsAtTheRemainingCount) {
    fullSet();
    // Deleting digits 9, 8, 7, ... leaves 9^5, 8^5, 7^5 = 16807, 6^5 = 7776.
    engine.ApplyPart(part("TSD0#NUMS:12#LNO:#SC:10000"));
    EXPECT_EQ(combs.CombsCount(), 7776);
}

TEST_F(FilterEngineTest, VariantsAreTheProductInCreationOrder) {
    TFilterItem a = TextToFilterItem("TSD1#NUMS:10,20#LMV:1,2#SF:0", list);
    TFilterItem b = TextToFilterItem("TSD1#NUMS:5-15;5#LMV:3#SF:0", list);
    FilterVariants v = engine.ExpandVariants({a, b}, 2);
    ASSERT_EQ(v.size(), 12u);
    auto key = [](const TFilterRec& r) {
        return std::to_string(r[0].DrawsLen) + "," + r[0].LevelText + "|" +
               std::to_string(r[1].DrawsLen) + "," + r[1].LevelText;
    };
    EXPECT_EQ(key(v[0]), "10,1|5,3");
    EXPECT_EQ(key(v[1]), "10,1|10,3");
    EXPECT_EQ(key(v[3]), "10,2|5,3");
    EXPECT_EQ(key(v[11]), "20,2|15,3");
    EXPECT_FALSE(v[0][2].Active);
    EXPECT_EQ(VariantToText(v[1]), "TSD#NUMS:10#LMV:1#SF:0 + TSD#NUMS:10#LMV:3#SF:0");
}

TEST_F(FilterEngineTest, ListModesKeepTheWholeListInOnePart) {
    TFilterItem item = TextToFilterItem("TSD1#NUMS:10,20#WDV:4, 6#SF:0", list);
    FilterVariants v = engine.ExpandVariants({item}, 1);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0][0].LevelValue, "4,6");
    EXPECT_EQ(v[0][0].LevelText, "4, 6");
}

TEST_F(FilterEngineTest, ItemsThatExpandToNothingAreRefused) {
    TFilterItem item = TextToFilterItem("TSD1#NUMS:1-10#LMV:1#SF:0", list);
    try {
        engine.ExpandVariants({item}, 1);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Некорректное описание фильтра: TSD1#NUMS:1-10#LMV:1#SF:0!");
    }
}

TEST_F(FilterEngineTest, TooManyVariantsAreRefusedBeforeThePartsAreMade) {
    // A million lengths times a million thresholds: refused at once, not
    // after 10^12 parts.
    TFilterItem huge = TextToFilterItem("TSD1#NUMS:1-1000000;1#LMV:1-1000000;1#SF:0", list);
    try {
        engine.ExpandVariants({huge}, 1);
        FAIL() << "a step beyond the limit must be refused";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("1000000000000 > 10000000"), std::string::npos)
            << e.what();
    }
    // 10^5 and 10^6 parts: the product is refused before either is made.
    TFilterItem first = TextToFilterItem("TSD1#NUMS:1-1000;1#LMV:1-100;1#SF:0", list);
    TFilterItem second = TextToFilterItem("TSD1#NUMS:1-1000;1#LMV:1-1000;1#SF:0", list);
    EXPECT_THROW(engine.ExpandVariants({first, second}, 2), Error);
    EXPECT_EQ(engine.ExpandVariants({first}, 1).size(), 100000u);
}

TEST_F(FilterEngineTest, MethodsThatAreNotOfferedEndTheStep) {
    fullSet();
    list.SetFavouritesText("EVEN");
    page.FillChoosers(false);
    EXPECT_THROW(engine.ApplyPart(part("TSD1#NUMS:12#LNO:#SF:0")), Error);
}

}  // namespace
}  // namespace pentad
