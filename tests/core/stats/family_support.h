// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the tests of the statistic families: rows looked up
// by value text, selections built from keys, full-set counts by key, and the
// exact combinatorics they are checked against.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "stats/prefetch.h"
#include "support/stat_support.h"

namespace pentad::test {

using Digits = std::array<uint8_t, 5>;

// Count of the row whose value text is `text`, or -1 when there is none.
inline int countOf(const StatComputation& c, const std::string& text) {
    for (size_t i = 0; i < c.valueTexts.size(); ++i) {
        if (c.valueTexts[i] == text) {
            return c.rows[i].Count;
        }
    }
    return -1;
}

inline TStatRow rowOfKey(uint16_t v1, uint16_t v2 = 0, uint16_t v3 = 0, uint16_t v4 = 0) {
    TStatRow r;
    r.Key = {v1, v2, v3, v4};
    return r;
}

inline TStatDrawArray selection(const std::vector<TStatRow>& rows) {
    TStatDrawArray s;
    for (const TStatRow& r : rows) {
        s.append(r);
    }
    return s;
}

// Full-set count of every key of a method.
inline std::map<std::array<uint16_t, 4>, int> fullSetCounts(TCustomStat& stat) {
    std::map<std::array<uint16_t, 4>, int> out;
    for (const TStatRow& r : countFullSet(stat)) {
        out[r.Key] += r.Count;
    }
    return out;
}

inline long long choose(int n, int k) {
    if (k < 0 || k > n) {
        return 0;
    }
    long long r = 1;
    for (int i = 1; i <= k; ++i) {
        r = r * (n - k + i) / i;
    }
    return r;
}

inline long long power(long long base, int exp) {
    long long r = 1;
    for (int i = 0; i < exp; ++i) {
        r *= base;
    }
    return r;
}

}  // namespace pentad::test
