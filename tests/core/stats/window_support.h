// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the families valued against a window of draws: the values one
// draw yields on its own, rows picked from a table by their text, and a
// candidate tested the way the filter tests it.
#pragma once

#include <string>
#include <vector>

#include "core/stats/family_support.h"

namespace pentad::test {

// Value texts of the rows draw `index` yields with fresh rows, the window
// ending at `lastIndex` (-1: the newest draw).
inline std::vector<std::string> drawValues(StatFixture& f, const std::string& code, int index,
                                           int lastIndex = -1, bool sorted = false) {
    auto stat = f.list.CreateStat(f.entry(code));
    TStatDrawArray rows;
    StatContext context;
    TLastValueArray last;
    stat->CountDraw(index, lastIndex < 0 ? f.archive.lastIndex() : lastIndex, sorted, rows, context,
                    last);
    std::vector<std::string> out;
    for (const TStatRow& r : rows) {
        out.push_back(stat->ValueText(r));
    }
    return out;
}

// The row of a table with that value text (a default row when there is none).
inline TStatRow rowOf(const StatComputation& c, const std::string& text) {
    for (size_t i = 0; i < c.valueTexts.size(); ++i) {
        if (c.valueTexts[i] == text) {
            return c.rows[i];
        }
    }
    ADD_FAILURE() << "no row " << text;
    return TStatRow{};
}

// Whether the candidate is kept in include mode (exclude false) or in exclude
// mode, with the selected rows, the window ending at the newest draw.
inline bool kept(StatFixture& f, const std::string& code, const Digits& candidate,
                 const std::vector<TStatRow>& selected, bool exclude = false) {
    auto stat = f.list.CreateStat(f.entry(code));
    int lastIndex = f.archive.lastIndex() - f.archive.offset();
    stat->LoadDraws(-1, lastIndex, false);
    bool answer =
        stat->TestCombination(TCombRec{candidate}, selection(selected), exclude, false, lastIndex);
    return answer != exclude;
}

}  // namespace pentad::test
