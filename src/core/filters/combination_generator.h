// SPDX-License-Identifier: GPL-3.0-or-later
// Generation of a new combination set: the parameters record (mode and the
// "my numbers" list or a file name), its defaults in "Pentad.ini" and the
// enumeration of the full set and its "my numbers" subsets in lexicographic order.
#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/records.h"
#include "shell/ini_file.h"

namespace pentad {

// Generation modes; any other value generates the full set.
enum GenerateMode : uint8_t {
    kGenerateFull = 0,      // all combinations
    kGenerateAnyOf = 1,     // at least one digit among "my numbers"
    kGenerateOnlyFrom = 2,  // every digit among "my numbers"
    kGenerateNoneOf = 3,    // no digit among "my numbers"
    kGenerateFromFile = 4,  // the combinations of a .lcv file
};
inline constexpr int kGenerateModeCount = 5;

// Size of the full set: every digit at every position.
static_assert(kPositions == 5, "the enumeration has one loop per position");
inline constexpr int kFullSetSize =
    kDigitCount * kDigitCount * kDigitCount * kDigitCount * kDigitCount;

// Longest parameter text, in characters.
inline constexpr size_t kGenerateParametersMax = 255;

struct GenerateParams {
    uint8_t Mode = kGenerateFull;
    std::string Parameters;  // UTF-8, at most 255 characters

    bool operator==(const GenerateParams&) const = default;
};

// The parameters with the text cut to 255 characters.
GenerateParams normalizedParams(GenerateParams params);

// Reads GLOBAL/CombsGenerateMode (low byte of the integer, default 0) and
// GLOBAL/CombsGenerateParameters (default empty, cut to 255 characters).
GenerateParams loadGenerateParams(const IniFile& ini);

// Writes both keys in one disk write. Throws pentad::Error when the file cannot be written.
void saveGenerateParams(IniFile& ini, const GenerateParams& params);

// Set of "my numbers": a bit per value 0..255.
using MyNumbers = std::bitset<256>;

// The parameter split at "," and ";": each word, trimmed, read as an integer
// (0 when it is not one); values 0..255 enter the set, others are ignored.
// An empty text gives an empty set.
MyNumbers parseMyNumbers(std::string_view text);

// Writes the combinations of mode 0..3 (any other value acts as 0; mode 4 is
// not handled here and acts as 0 too) to `out` in lexicographic order, first
// position slowest, and returns how many were written.
// REQUIRES: `out` has room for kFullSetSize records.
int generateCombinations(int mode, const MyNumbers& numbers, TCombRec* out);

}  // namespace pentad
