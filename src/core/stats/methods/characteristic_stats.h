// SPDX-License-Identifier: GPL-3.0-or-later
// Methods that reduce a whole draw to one number: the characteristic number
// (the digits replaced by the differences of neighbours until one value is
// left) and the shredding methods (the first decimals of a user formula over
// the draw and the draws before it).
#pragma once

#include "stats/custom_stat.h"
#include "stats/formula.h"
#include "stats/methods/bound_stat.h"

namespace pentad {

// The reduced value of the five digits (DifferenceReduce in `mode` 0 or 1).
class TCustomQuorinGraphStat : public TCustomGraphStat {
public:
    TCustomQuorinGraphStat(const TStatList& list, int variant, int mode)
        : TCustomGraphStat(list, variant), m_mode(mode) {}
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;

private:
    int m_mode;
};

// clang-format off
using TstQuorin1 = TBoundStat<TCustomQuorinGraphStat, 0>;
using TstQuorin2 = TBoundStat<TCustomQuorinGraphStat, 1>;
template <> const StatClass TstQuorin1::Class;
template <> const StatClass TstQuorin2::Class;
// clang-format on

// For the filter only: the newest draw's reduced value (mode 2; a result of 1
// is kept as the pair "sum (1)") and its small multiples, each counted 1 when
// the draw after the window (hidden by the analysis offset; all zero when
// there is none) holds that digit, else 0.
class TstQuorin3 : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    // V1, and " (V2)" when V4 holds 2.
    std::string ValueText(const TStatRow& row) const override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    // True when a candidate digit is the V1 of a selected row.
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
};

// The shredded value of formula Variant (1..3) of the settings. Five decimals
// reach 99 999, so the value is held in the 32-bit half H1 of the key, not
// in the 16-bit cell V1: rows, filter tests and prefetch files keep it exactly.
class TstShreddingStat : public TCustomGraphStat {
public:
    TstShreddingStat(const TStatList& list, int variant);
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }

    std::string ValueText(const TStatRow& row) const override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    // The combination alone: the draws before it read as zeros.
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    // The candidate follows the window: the newest draw and the one before it
    // are its previous draws.
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
    // The value of the digits as draw `index`, with the draws before it.
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;

private:
    ShredFormula m_formula;
};

}  // namespace pentad
