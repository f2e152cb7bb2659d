// SPDX-License-Identifier: GPL-3.0-or-later
// The distribution of digit sums: how often each sum occurs among the draws
// of the archive and among all 100 000 combinations, the latter scaled to the
// former, and the sums whose share of the combinations reaches a third, a
// half and two thirds of the way from the rarest to the commonest sum.
#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "game/records.h"
#include "stakes/ratings.h"

namespace pentad {

inline constexpr int kSumCount = 5 * 9 + 1;  // sums 0..45

struct SumRange {
    int level = 0;
    int low = 0;  // 0 when no sum reaches the level
    int high = 0;
};

struct SumDistribution {
    std::array<int, kSumCount> theoretical{};  // combinations per sum
    std::vector<std::pair<int, int>> actual;   // (sum, draws), sums that occur, ascending
    int tMax = 0;
    int tMin = 0;
    int aMax = 0;
    std::array<SumRange, 3> ranges;  // levels 1/3, 1/2, 2/3

    // Draws with that sum.
    int actualCount(int sum) const;
    // A combinations count brought to the scale of the draws (count / Tmax x Amax).
    double scaled(double count) const { return tMax > 0 ? count / tMax * aMax : 0; }
};

SumDistribution sumDistribution(const TDrawsArray& draws);

// The chart of the distribution: actual counts (points and labels), the scaled
// combinations and the three level lines.
GraphData sumDistributionGraphData(const SumDistribution& distribution);

// The caption of range line i (0..2): "Диапазон %d (от %s и выше по оси Y) -
// суммы %d-%d".
std::string sumRangeCaption(const SumDistribution& distribution, int i);

}  // namespace pentad
