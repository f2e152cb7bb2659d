// SPDX-License-Identifier: GPL-3.0-or-later
#include "filters/filter_kernel.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "filters/combination_generator.h"
#include "filters/filter_engine.h"
#include "shell/shell.h"
#include "support/scripted_user_interface.h"
#include "support/stat_support.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using Digits = std::array<uint8_t, 5>;

std::vector<Digits> randomDraws(int n) {
    std::mt19937 rng(777);
    std::vector<Digits> rows;
    for (int i = 0; i < n; ++i) {
        Digits d{};
        for (auto& x : d) {
            x = static_cast<uint8_t>(rng() % 10);
        }
        rows.push_back(d);
    }
    return rows;
}

// Sets the environment for the life of the scope.
class KernelMode {
public:
    explicit KernelMode(bool direct) {
        if (direct) {
            ::setenv("PENTAD_FILTER_KERNEL", "direct", 1);
        } else {
            ::unsetenv("PENTAD_FILTER_KERNEL");
        }
    }
    ~KernelMode() { ::unsetenv("PENTAD_FILTER_KERNEL"); }
};

class FilterKernelTest : public ::testing::Test {
protected:
    FilterKernelTest()
        : archive(test::archiveOfDigits(randomDraws(300))),
          list(archive.draws()),
          prefetchs(shell, dir.path()),
          page(shell, list, archive, prefetchs),
          combs(shell, archive),
          engine(shell, list, archive, combs, page) {
        list.Fill();
        page.FillChoosers(false);
        FilterKernel::clear();
    }

    // A random half of the full set, as after earlier steps.
    std::string startText() {
        std::mt19937 rng(99);
        std::string text;
        for (int n = 0; n < kFullSetSize; n += 1 + static_cast<int>(rng() % 3)) {
            char buf[16];
            std::snprintf(buf, sizeof buf, "%d %d %d %d %d\r\n", n / 10000, n / 1000 % 10,
                          n / 100 % 10, n / 10 % 10, n % 10);
            text += buf;
        }
        return text;
    }

    // The set left by one cut, with the kernel or the direct path.
    std::vector<TCombRec> cut(int entry, const TStatDrawArray& rows, bool exclude, bool direct) {
        KernelMode mode(direct);
        EXPECT_TRUE(combs.PasteText(start).ok);
        combs.SaveUndo(true);
        auto stat = list.CreateStat(entry);
        engine.CutByRows(*stat, rows, "c", "d", exclude);
        std::vector<TCombRec> out;
        for (int i = 0; i < combs.CombsCount(); ++i) {
            out.push_back(combs.at(i));
        }
        return out;
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
    std::string start = startText();
};

// Every method of the registry: the table path leaves exactly the set the
// direct path leaves, keeping and deleting, for a selection of values the
// method itself gives to random combinations.
TEST_F(FilterKernelTest, TablePathEqualsDirectPathForEveryMethod) {
    ASSERT_EQ(list.Count(), 178);
    std::mt19937 rng(4242);
    int tabled = 0;
    for (int entry = 0; entry < list.Count(); ++entry) {
        SCOPED_TRACE(list.Item(entry).DisplayCaption());
        auto stat = list.CreateStat(entry);
        TStatDrawArray values;
        for (int i = 0; i < 6; ++i) {
            TCombRec c;
            for (auto& d : c.Digits) {
                d = static_cast<uint8_t>(rng() % 10);
            }
            stat->CountCombination(c, values);
        }
        TStatDrawArray rows;
        for (size_t i = 0; i < values.size(); i += 2) {
            rows.append(values[i]);
        }
        tabled += FilterKernel::windowFree(stat->statClass()) ? 1 : 0;
        for (bool exclude : {false, true}) {
            std::vector<TCombRec> direct = cut(entry, rows, exclude, true);
            std::vector<TCombRec> fast = cut(entry, rows, exclude, false);
            // Again from the stored table.
            std::vector<TCombRec> again = cut(entry, rows, exclude, false);
            EXPECT_EQ(fast, direct) << "exclude " << exclude;
            EXPECT_EQ(again, direct) << "exclude " << exclude;
        }
    }
    EXPECT_GT(tabled, 20);
}

// The environment switch really selects the direct path, and a table holds
// the method's answer at each combination's number.
TEST_F(FilterKernelTest, SwitchAndTableContents) {
    const int nums = list.IndexOfCode("NUMS");
    auto stat = list.CreateStat(nums);
    TStatDrawArray rows;
    TStatRow r;
    r.setV(1, 7);
    rows.append(r);
    {
        KernelMode mode(true);
        EXPECT_FALSE(FilterKernel::enabled());
        EXPECT_EQ(FilterKernel::table(*stat, rows, false, false, 0), nullptr);
    }
    EXPECT_TRUE(FilterKernel::enabled());
    auto table = FilterKernel::table(*stat, rows, false, false, 0);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ((*table)[12345], 0);
    EXPECT_EQ((*table)[70000], 1);
    EXPECT_EQ((*table)[99997], 1);
    EXPECT_EQ(FilterKernel::table(*stat, rows, false, false, 0), table);
}

}  // namespace
}  // namespace pentad
