// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/repeats.h"

#include <algorithm>

#include "game/routines.h"
#include "shell/error.h"
#include "views/view_texts.h"

namespace pentad {

std::string RepeatRow::earlierText() const {
    std::string text;
    for (int32_t n : earlier) {
        if (!text.empty()) {
            text += ' ';
        }
        text += std::to_string(n);
    }
    return text;
}

RepeatsAnalysis analyseRepeats(const TDrawsArray& draws, int length, int depth,
                               const std::function<void()>& step) {
    RepeatsAnalysis result;
    const int last = static_cast<int>(draws.size()) - 1;
    const int first = std::max(0, last - std::max(length, 1) + 1);
    for (int p = last; p >= first; --p) {
        const TDrawRec& draw = draws[static_cast<size_t>(p)];
        const size_t own = result.rows.size();
        for (int k = p - 1; k >= std::max(0, p - std::max(depth, 1)); --k) {
            const TDrawRec& earlier = draws[static_cast<size_t>(k)];
            const int m = positionalMatches(draw, earlier);
            result.maxMatches = std::max(result.maxMatches, m);
            if (m == 0) {
                continue;
            }
            auto row =
                std::find_if(result.rows.begin() + static_cast<std::ptrdiff_t>(own),
                             result.rows.end(), [m](const RepeatRow& r) { return r.matches == m; });
            if (row != result.rows.end()) {
                ++row->count;
                row->earlier.push_back(earlier.Number);
            } else {
                result.rows.push_back({draw.Number, m, 1, {earlier.Number}});
            }
        }
        if (step) {
            step();
        }
    }
    return result;
}

GraphData repeatsGraphData(const RepeatsAnalysis& analysis) {
    GraphData data;
    data.title = texts::kRepeatsCaption;
    for (int m = 1; m <= analysis.maxMatches; ++m) {
        data.series.push_back({.title = format(texts::kRepeatsSeries, m),
                               .autoColour = true,
                               .labels = false,
                               .points = {}});
    }
    for (auto row = analysis.rows.rbegin(); row != analysis.rows.rend(); ++row) {
        data.series[static_cast<size_t>(row->matches - 1)].points.push_back(
            {row->draw, static_cast<double>(row->count)});
    }
    return data;
}

}  // namespace pentad
