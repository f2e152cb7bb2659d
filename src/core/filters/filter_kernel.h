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
#include <cstring>
#include <memory>
#include <vector>

#include "filters/combination_generator.h"
#include "stats/custom_stat.h"

namespace pentad {

// The full set of combinations, numbered 0..kFullSetSize-1.

// One keep flag per combination number: 1 when the step keeps it.
using KeepTable = std::vector<uint8_t>;

// Ten times the number of the first four digits (read as a 32-bit word,
// digit 1 in the low byte), or -1 with a digit above 9.
inline int prefixBase(uint32_t x) {
    // A byte below 0x80 gets its top bit from adding 0x76 exactly when it is
    // 10 or more; bytes from 0x80 have it already.
    if (((x | (x + 0x76767676u)) & 0x80808080u) != 0) {
        return -1;
    }
    // Pairs d1d2 and d3d4, then the four digits.
    const uint32_t pairs = (x * 10 + (x >> 8)) & 0x00FF00FFu;
    return static_cast<int>(((pairs * 100 + (pairs >> 16)) & 0xFFFFu) * 10);
}

// Looks combinations up in a keep table in the order of a set. Neighbours in
// a set mostly share their first four digits, so the number is worked out
// once per run of them.
class KeepLookup {
public:
    explicit KeepLookup(const uint8_t* keep) : m_keep(keep) {}

    // 1 keep, 0 drop, -1 outside the full set (the method has to answer).
    int operator()(const TCombRec& comb) {
        uint32_t x;
        std::memcpy(&x, comb.Digits.data(), sizeof x);
        if (x != m_prefix) {
            m_prefix = x;
            m_base = prefixBase(x);
        }
        const uint32_t last = comb.Digits[4];
        if (m_base >= 0 && last <= 9) {
            return m_keep[static_cast<uint32_t>(m_base) + last];
        }
        return -1;
    }

private:
    const uint8_t* m_keep;
    uint32_t m_prefix = 0xFFFFFFFFu;  // never a valid prefix
    int m_base = -1;
};

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
