// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/combined_pattern.h"

#include <gtest/gtest.h>

#include "core/stats/family_support.h"

namespace pentad {
namespace {

using namespace test;

std::vector<std::string> choiceTexts(const CombineChoices& c) {
    std::vector<std::string> out;
    for (int i = 0; i < c.count; ++i) {
        std::string t;
        for (int j = 0; j < c.size; ++j) {
            t += std::to_string(c.at[static_cast<size_t>(i)][static_cast<size_t>(j)] + 1);
        }
        out.push_back(t);
    }
    return out;
}

TEST(CombinedPattern, ChoicesInMergeOrder) {
    EXPECT_EQ(choiceTexts(makeCombineChoices(CombineKind::Mix, 5, 3, 1)),
              (std::vector<std::string>{"123", "124", "125", "134", "135", "145", "234", "235",
                                        "245", "345"}));
    EXPECT_EQ(choiceTexts(makeCombineChoices(CombineKind::Mix, 5, 4, 1)),
              (std::vector<std::string>{"1234", "1235", "1245", "1345", "2345"}));
    EXPECT_EQ(makeCombineChoices(CombineKind::Mix, 5, 2, 1).count, 10);
    EXPECT_EQ(choiceTexts(makeCombineChoices(CombineKind::Seq, 5, 2, 1)),
              (std::vector<std::string>{"12", "23", "34", "45"}));
    EXPECT_EQ(choiceTexts(makeCombineChoices(CombineKind::Seq, 4, 3, 1)),
              (std::vector<std::string>{"123", "234"}));
    EXPECT_EQ(choiceTexts(makeCombineChoices(CombineKind::Pos, 5, 3, 3)),
              (std::vector<std::string>{"345"}));
    EXPECT_EQ(makeCombineChoices(CombineKind::Pos, 5, 3, 4).count, 0);
}

// The digits themselves as items, as the combined-value members use them.
template <CombineKind Kind, int Size>
class DigitGroups : public TCustomCombValuesStat {
public:
    DigitGroups(const TStatList& list, int variant)
        : TCustomCombValuesStat(list, variant, Kind, Size) {}
    const StatClass& statClass() const override { return kClass; }
    static inline const StatClass kClass = {.name = "DigitGroups", .hasNumericValue = false};
};

// Texts and counts of the rows over the whole archive.
template <typename Stat>
std::vector<std::pair<std::string, int>> groupsOf(StatFixture& f, int variant = 0,
                                                  bool sorted = false) {
    Stat stat(f.list, variant);
    TStatDrawArray rows;
    StatContext context;
    TLastValueArray last;
    stat.PrepareRows(f.archive.lastIndex(), rows);
    for (int i = 0; i <= f.archive.lastIndex(); ++i) {
        stat.CountDraw(i, f.archive.lastIndex(), sorted, rows, context, last);
    }
    std::vector<std::pair<std::string, int>> out;
    for (const TStatRow& r : rows) {
        out.emplace_back(stat.ValueText(r), r.Count);
    }
    return out;
}

using Groups = std::vector<std::pair<std::string, int>>;

TEST(CombinedPattern, GroupsOfDigitsByKind) {
    StatFixture f({{3, 1, 4, 1, 5}});
    EXPECT_EQ((groupsOf<DigitGroups<CombineKind::Seq, 2>>(f)),
              (Groups{{"3:1", 1}, {"1:4", 1}, {"4:1", 1}, {"1:5", 1}}));
    EXPECT_EQ((groupsOf<DigitGroups<CombineKind::Sort, 2>>(f)),
              (Groups{{"1:1", 1}, {"1:3", 1}, {"3:4", 1}, {"4:5", 1}}));
    EXPECT_EQ((groupsOf<DigitGroups<CombineKind::Pos, 2>>(f, 4)), (Groups{{"1:5", 1}}));
    // The sorted view changes the draw before the groups are formed.
    EXPECT_EQ((groupsOf<DigitGroups<CombineKind::Seq, 4>>(f, 0, true)),
              (Groups{{"1:1:3:4", 1}, {"1:3:4:5", 1}}));

    StatFixture g({{1, 1, 1, 2, 3}});
    Groups mix3 = groupsOf<DigitGroups<CombineKind::Mix, 3>>(g);
    EXPECT_EQ(mix3[0], (std::pair<std::string, int>{"1:1:1", 1}));
    EXPECT_EQ(mix3[1], (std::pair<std::string, int>{"1:1:2", 3}));
    StatFixture zeros({{0, 0, 0, 0, 0}});
    EXPECT_EQ((groupsOf<DigitGroups<CombineKind::Mix, 4>>(zeros)), (Groups{{"0:0:0:0", 5}}));
}

TEST(CombinedPattern, CandidateMatchesWhenOneChoiceIsSelected) {
    StatFixture f({});
    TStatDrawArray oneFive = selection({rowOfKey(1, 5)});
    DigitGroups<CombineKind::Mix, 2> mix(f.list, 0);
    EXPECT_TRUE(mix.TestCombination(TCombRec{{1, 0, 0, 0, 5}}, oneFive, false, false, -1));
    EXPECT_FALSE(mix.TestCombination(TCombRec{{5, 0, 0, 0, 1}}, oneFive, false, false, -1));
    DigitGroups<CombineKind::Sort, 2> sorted(f.list, 0);
    EXPECT_TRUE(sorted.TestCombination(TCombRec{{5, 0, 0, 0, 1}}, oneFive, false, false, -1));
    EXPECT_TRUE(sorted.TestCombination(TCombRec{{0, 0, 1, 5, 9}}, oneFive, false, false, -1));
    EXPECT_FALSE(sorted.TestCombination(TCombRec{{1, 2, 5, 0, 0}}, oneFive, false, false, -1));
    // The whole key counts: a pair does not match a triple starting with it.
    DigitGroups<CombineKind::Seq, 3> triple(f.list, 0);
    EXPECT_FALSE(triple.TestCombination(TCombRec{{1, 5, 2, 2, 2}}, oneFive, false, false, -1));
}

}  // namespace
}  // namespace pentad
