// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics table: one method computed over a window of the newest
// draws, with the row measures (percentages, norm and deviation, depth,
// weight, periods, expected and actual next draws), the cell texts of the 20
// columns and the chart series.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/draw_archive.h"
#include "stats/prefetch.h"
#include "stats/stat_list.h"
#include "stats/stat_row.h"

namespace pentad {

inline constexpr int kStatColumns = 20;

// Texts of one row as the user sees them.
struct TStatValues {
    std::string Value, Count, CountPercent, Deviation, DeviationPercent, Depth, DepthPercent,
        Weight, PeriodMin, Period, PeriodMax;
};

struct ChartPoint {
    double x = 0;
    double y = 0;
    std::string label;
};

struct StatChart {
    std::vector<ChartPoint> actual;  // "Фактические данные"
    std::vector<ChartPoint> ideal;   // "Все возможные комбинации" (only with a norm)
};

struct StatComputation {
    int entry = -1;
    int firstIndex = 0;
    int lastIndex = -1;
    int N = 0;
    TStatDrawArray rows;
    std::vector<std::string> valueTexts;
    std::vector<int32_t> facts;  // number of the next draw with the value, -1 none
    int64_t Total = 0;
    int32_t MinCount = INT32_MAX;
    int32_t MaxCount = 0;
    int32_t MaxDepth = 0;
    bool HaveNorm = false;
    long double Scale = 0;
    StatChart chart;
};

// Computes entry `entry` of the list over the `windowLength` newest draws up
// to the archive's analysis offset. With `prefetch` the norms are filled;
// `withChart` also builds the chart series.
StatComputation computeStatistic(const TStatList& list, int entry, const DrawArchive& archive,
                                 int windowLength, bool sorted, const PrefetchData* prefetch,
                                 bool showTotalLine = true, bool withChart = true);

// The weight of a row with the list's coefficients.
long double rowWeight(const StatComputation& c, const TStatRow& row, const CdlWeights& w);

// The 20 cell texts of row `i`, real numbers with "." as decimal point.
std::array<std::string, kStatColumns> statCells(const StatComputation& c, size_t i,
                                                const CdlWeights& w);

TStatValues rowSnapshot(const std::array<std::string, kStatColumns>& cells);

// Columns holding real numbers (their "." is the locale's decimal separator in views).
bool isRealColumn(int column);

}  // namespace pentad
