// SPDX-License-Identifier: GPL-3.0-or-later
// The repeats analysis: for each of the newest draws, how many earlier draws
// (within a depth) matched it in 1, 2, ... positions, and which ones. The
// whole archive is looked at; the analysis offset does not apply.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/records.h"
#include "stakes/ratings.h"

namespace pentad {

// The repeats window's section in "Pentad.frm" and its two lengths.
inline constexpr const char* kRepeatsSection = "TFormAnalyzeRepeats";
inline constexpr int kDefaultRepeatsLength = 100;
inline constexpr int kDefaultRepeatsDepth = 100;

struct RepeatRow {
    int32_t draw = 0;              // "Тираж"
    int matches = 0;               // "Совпадений"
    int count = 0;                 // "Кол-во повторов"
    std::vector<int32_t> earlier;  // "Список тиражей", newest first

    // The earlier draws' numbers joined by blanks.
    std::string earlierText() const;
};

struct RepeatsAnalysis {
    std::vector<RepeatRow> rows;  // newest draw first
    int maxMatches = 0;
};

// Looks at the `length` newest draws, each against the `depth` draws before
// it. `step` is called once per draw looked at. Rows of one draw come in the
// order their match counts are first met.
RepeatsAnalysis analyseRepeats(const TDrawsArray& draws, int length, int depth,
                               const std::function<void()>& step = {});

// One series per match count 1..max ("Совпадений: %d"), a point per row
// (x = draw, y = count), oldest row first. The series take the chart's own
// colours.
GraphData repeatsGraphData(const RepeatsAnalysis& analysis);

}  // namespace pentad
