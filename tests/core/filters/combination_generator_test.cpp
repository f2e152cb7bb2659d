// SPDX-License-Identifier: GPL-3.0-or-later
#include "filters/combination_generator.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::TempDir;

std::vector<TCombRec> generate(int mode, const std::string& params) {
    std::vector<TCombRec> out(kFullSetSize);
    out.resize(static_cast<size_t>(generateCombinations(mode, parseMyNumbers(params), out.data())));
    return out;
}

TEST(CombinationGenerator, FullSetIsInNumberOrder) {
    std::vector<TCombRec> all = generate(kGenerateFull, "");
    ASSERT_EQ(all.size(), 100000u);
    for (int i = 0; i < 100000; ++i) {
        const auto& d = all[static_cast<size_t>(i)].Digits;
        ASSERT_EQ(d[0] * 10000 + d[1] * 1000 + d[2] * 100 + d[3] * 10 + d[4], i);
    }
    // A mode without a meaning, and the file mode when asked here, give the full set.
    EXPECT_EQ(generate(7, "3").size(), 100000u);
    EXPECT_EQ(generate(kGenerateFromFile, "3").size(), 100000u);
}

TEST(CombinationGenerator, MyNumbersModes) {
    EXPECT_EQ(generate(kGenerateAnyOf, "3;5").size(), 67232u);
    EXPECT_EQ(generate(kGenerateOnlyFrom, "3;5").size(), 32u);
    EXPECT_EQ(generate(kGenerateNoneOf, "3;5").size(), 32768u);
    EXPECT_EQ(generate(kGenerateAnyOf, "").size(), 0u);

    // Values 10..255 enter the set without effect; others are ignored.
    EXPECT_EQ(generate(kGenerateOnlyFrom, " 3 , 7;300;-1;200").size(), 32u);

    std::vector<TCombRec> only = generate(kGenerateOnlyFrom, "5,3");
    EXPECT_EQ(only.front().Digits, (std::array<uint8_t, 5>{3, 3, 3, 3, 3}));
    EXPECT_EQ(only[1].Digits, (std::array<uint8_t, 5>{3, 3, 3, 3, 5}));
    EXPECT_EQ(only.back().Digits, (std::array<uint8_t, 5>{5, 5, 5, 5, 5}));
}

TEST(CombinationGenerator, WordThatIsNotANumberCountsAsZero) {
    std::vector<TCombRec> set = generate(kGenerateNoneOf, "x");
    EXPECT_EQ(set.size(), 59049u);  // 9^5
    for (const TCombRec& c : set) {
        for (uint8_t d : c.Digits) {
            ASSERT_NE(d, 0);
        }
    }
    EXPECT_EQ(set.front().Digits, (std::array<uint8_t, 5>{1, 1, 1, 1, 1}));
}

TEST(GenerateParams, DefaultsAndConfigurationKeys) {
    TempDir dir;
    IniFile empty(dir.file("none.ini"));
    EXPECT_EQ(loadGenerateParams(empty), GenerateParams{});

    dir.write("a.ini", "[GLOBAL]\r\nCombsGenerateMode=260\r\nCombsGenerateParameters=1;2\r\n");
    IniFile ini(dir.file("a.ini"));
    EXPECT_EQ(loadGenerateParams(ini), (GenerateParams{4, "1;2"}));

    saveGenerateParams(ini, GenerateParams{2, std::string(300, 'x')});
    EXPECT_EQ(dir.read("a.ini"), "[GLOBAL]\r\nCombsGenerateMode=2\r\nCombsGenerateParameters=" +
                                     std::string(255, 'x') + "\r\n");
    // Characters, not bytes, are counted.
    std::string cyrillic;
    for (int i = 0; i < 300; ++i) {
        cyrillic += "ж";
    }
    EXPECT_EQ(normalizedParams(GenerateParams{4, cyrillic}).Parameters.size(), 510u);
}

}  // namespace
}  // namespace pentad
