// SPDX-License-Identifier: GPL-3.0-or-later
// The sum family: the digit sum of a draw, of its even or prime digits,
// whether it lies in a central range, how many digits are the sum of two
// others, and three forecasts of how the sum moves after draws whose
// predecessor had (about) the sum of the newest draw.
#pragma once

#include "stats/custom_stat.h"

namespace pentad {

// A sum of some of the five digits, kept in H1; candidates match on V1/V3.
class TCustomSumStat : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
    // Whether a digit takes part in the sum.
    virtual bool counts(uint8_t digit) const = 0;
};

// Sum of all five digits; rows SumLow..SumHigh prepared.
class TstSumValues : public TCustomSumStat {
public:
    using TCustomSumStat::TCustomSumStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    bool counts(uint8_t) const override { return true; }
};

class TstSumEvenValues : public TCustomSumStat {
public:
    using TCustomSumStat::TCustomSumStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    bool counts(uint8_t digit) const override { return digit % 2 == 0; }
};

class TstSumPrimeValues : public TCustomSumStat {
public:
    using TCustomSumStat::TCustomSumStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    bool counts(uint8_t digit) const override;
};

// 1 when the sum lies in the range of the variant (1..3), else 0.
class TstSumRanges : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    // The caption of a variant: "Сумма тиража: диапазон 2 (1/2)".
    static std::string VariantCaption(int variant);
    std::string ValueText(const TStatRow& row) const override;
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    // With the in-range row selected only in-range candidates pass, otherwise
    // only the others.
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
};

// (previous sum, sum) of the draws whose predecessor has the newest draw's sum.
class TstSumChange : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    std::string ValueText(const TStatRow& row) const override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
    // The sum minus the sum of the draw before `index` (signed).
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
};

// Sum minus previous sum, after predecessors within SumBand of the newest sum.
class TstSumChangeSome : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    std::string ValueText(const TStatRow& row) const override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
};

// Direction of the sum (1 up, 0 equal, -1 down) after predecessors with the
// newest draw's sum; rows "=", "+", "-" prepared.
class TstSumTrend : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    std::string ValueText(const TStatRow& row) const override;
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
    // Direction against the draw before `index`, whatever the newest sum.
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
};

// How many (digit, pair of two other digits) have the pair summing to the
// digit: 0..30.
class TstSum2To3 : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
};

}  // namespace pentad
