// SPDX-License-Identifier: GPL-3.0-or-later
// The fast path of a filter step. Many statistics value a combination the
// same way whatever the draw window: their test against a given selection
// is then a fixed answer per combination. The kernel keeps those answers as
// tables indexed by the combination's number (its digits read as a decimal
// number), computed once with the method's own test over the full set, and a
// filter step becomes one lookup per combination. Tables are shared by every
// engine and thread of the process; they never change once made.
//
// PENTAD_FILTER_KERNEL=direct turns the tables off: every step then tests
// each combination with the method, as the reference path.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "filters/combination_generator.h"
#include "stats/custom_stat.h"

namespace pentad {

// The full set of combinations, numbered 0..kFullSetSize-1.

// One keep flag per combination number: 1 when the step keeps it.
using KeepTable = std::vector<uint8_t>;

// The combination's number in the full set, or -1 with a digit above 9.
inline int fullSetIndex(const TCombRec& comb) {
    const auto& d = comb.Digits;
    if (d[0] < 10 && d[1] < 10 && d[2] < 10 && d[3] < 10 && d[4] < 10) {
        return (((d[0] * 10 + d[1]) * 10 + d[2]) * 10 + d[3]) * 10 + d[4];
    }
    return -1;
}

class FilterKernel {
public:
    // False when the environment asks for the direct path.
    static bool enabled();

    // True when the method's test depends only on the combination and the
    // selection (not on the draw window or on settings that may change).
    static bool windowFree(const StatClass& cls);

    // The keep table of this step, made on first use; null when the method
    // is not window-free or the kernel is off.
    static std::shared_ptr<const KeepTable> table(TCustomStat& stat, const TStatDrawArray& rows,
                                                  bool exclude, bool sorted, int lastIndex);

    // Drops every table (tests and benchmarks measure the first use).
    static void clear();
};

}  // namespace pentad
