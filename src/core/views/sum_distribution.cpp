// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/sum_distribution.h"

#include <algorithm>
#include <cmath>

#include "shell/error.h"
#include "views/view_texts.h"

namespace pentad {
namespace {

constexpr std::array<uint32_t, 3> kRangeColors = {0x008000, 0x0000FF, 0xFF00FF};

std::array<int, kSumCount> combinationSums() {
    // Sums of one digit, then of two, ... of five: a convolution per position.
    std::array<int, kSumCount> sums{};
    sums[0] = 1;
    for (int position = 0; position < kPositions; ++position) {
        std::array<int, kSumCount> next{};
        for (int s = 0; s < kSumCount; ++s) {
            for (int d = 0; d < kDigitCount && s + d < kSumCount; ++d) {
                next[static_cast<size_t>(s + d)] += sums[static_cast<size_t>(s)];
            }
        }
        sums = next;
    }
    return sums;
}

SumRange rangeOf(const std::array<int, kSumCount>& t, int level) {
    SumRange range{level, 0, 0};
    const int middle = kSumCount / 2;
    for (int s = 0; s <= middle; ++s) {
        if (t[static_cast<size_t>(s)] >= level) {
            range.low = s;
            break;
        }
    }
    for (int s = kSumCount - 1; s >= middle; --s) {
        if (t[static_cast<size_t>(s)] >= level) {
            range.high = s;
            break;
        }
    }
    return range;
}

}  // namespace

int SumDistribution::actualCount(int sum) const {
    auto it =
        std::find_if(actual.begin(), actual.end(), [sum](const auto& a) { return a.first == sum; });
    return it != actual.end() ? it->second : 0;
}

SumDistribution sumDistribution(const TDrawsArray& draws) {
    SumDistribution d;
    d.theoretical = combinationSums();
    d.tMax = *std::max_element(d.theoretical.begin(), d.theoretical.end());
    d.tMin = *std::min_element(d.theoretical.begin(), d.theoretical.end());
    // Stored digits above 9 give sums above 45: they are counted as they are.
    std::vector<int> counts(256, 0);
    for (const TDrawRec& draw : draws) {
        int sum = 0;
        for (uint8_t digit : draw.Digits) {
            sum += digit;
        }
        if (static_cast<size_t>(sum) >= counts.size()) {
            counts.resize(static_cast<size_t>(sum) + 1, 0);
        }
        ++counts[static_cast<size_t>(sum)];
    }
    for (size_t s = 0; s < counts.size(); ++s) {
        if (counts[s] > 0) {
            d.actual.emplace_back(static_cast<int>(s), counts[s]);
            d.aMax = std::max(d.aMax, counts[s]);
        }
    }
    const double band = d.tMax - d.tMin + 1;
    const std::array<double, 3> shares = {band / 3, band / 2, 2 * band / 3};
    for (size_t i = 0; i < shares.size(); ++i) {
        d.ranges[i] = rangeOf(d.theoretical, static_cast<int>(std::trunc(d.tMin + shares[i])));
    }
    return d;
}

std::string sumRangeCaption(const SumDistribution& d, int i) {
    const SumRange& r = d.ranges[static_cast<size_t>(i)];
    return format(texts::kSumsRange, i + 1, std::string(texts::kSumsLevelNames[i]), r.low, r.high);
}

GraphData sumDistributionGraphData(const SumDistribution& d) {
    GraphData data;
    data.title = texts::kSumsCaption;
    GraphSeries actual{.title = texts::kSumsActual, .rgb = 0xFF0000, .points = {}};
    for (const auto& [sum, count] : d.actual) {
        actual.points.push_back({sum, static_cast<double>(count)});
    }
    GraphSeries theoretical{.title = texts::kSumsTheoretical,
                            .rgb = 0x800000,
                            .markers = false,
                            .labels = false,
                            .points = {}};
    for (int s = 0; s < kSumCount; ++s) {
        theoretical.points.push_back({s, d.scaled(d.theoretical[static_cast<size_t>(s)])});
    }
    data.series.push_back(std::move(actual));
    data.series.push_back(std::move(theoretical));
    for (int i = 0; i < 3; ++i) {
        GraphSeries line{.title = sumRangeCaption(d, i),
                         .rgb = kRangeColors[static_cast<size_t>(i)],
                         .markers = false,
                         .labels = false,
                         .points = {}};
        const double y = d.scaled(d.ranges[static_cast<size_t>(i)].level);
        for (int s = 0; s < kSumCount; ++s) {
            line.points.push_back({s, y});
        }
        data.series.push_back(std::move(line));
    }
    return data;
}

}  // namespace pentad
