// SPDX-License-Identifier: GPL-3.0-or-later
// The difference family: the four distances between neighbouring digits, their
// maximum, the spread between the smallest and the largest digit, how often
// the same distance repeats, and runs of two to four consecutive distances.
#pragma once

#include "stats/methods/bound_stat.h"
#include "stats/methods/combined_pattern.h"

namespace pentad {

// |d1 - d2|, |d2 - d3|, |d3 - d4|, |d4 - d5|.
using Differences = std::array<uint8_t, kPositions - 1>;
Differences neighbourDifferences(const std::array<uint8_t, kPositions>& digits);

// Each of the four differences; rows 1..9 prepared. Only the first
// difference of a draw updates the periods.
class TstDiffTotal : public TCustomNumbersStat {
public:
    using TCustomNumbersStat::TCustomNumbersStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
};

// One number per draw in V1, rows 1..PreparedHigh() prepared.
class TCustomDiffGraphStat : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
    virtual int PreparedHigh() const { return 9; }
};

// The largest of the four differences.
class TstDiffMax : public TCustomDiffGraphStat {
public:
    using TCustomDiffGraphStat::TCustomDiffGraphStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
};

// Largest digit minus smallest digit.
class TstMinMaxDiffs : public TCustomDiffGraphStat {
public:
    using TCustomDiffGraphStat::TCustomDiffGraphStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
};

// (difference, how many of the four have it) for each distinct difference.
class TstDiffSame : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    std::string ValueText(const TStatRow& row) const override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

private:
    void mergeTally(const std::array<uint8_t, kPositions>& digits, TStatDrawArray& rows,
                    bool trackPeriods);
};

// The largest repetition of one difference (1..4); rows 1..4 prepared.
class TstDiffSameCnt : public TCustomDiffGraphStat {
public:
    using TCustomDiffGraphStat::TCustomDiffGraphStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    int PreparedHigh() const override { return 4; }
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
};

// Runs of k consecutive differences; only the first run of a draw updates
// the periods.
class TCustomCombDiffStat : public TCustomCombinedStat {
public:
    TCustomCombDiffStat(const TStatList& list, int variant, CombineKind kind, int size)
        : TCustomCombinedStat(list, variant, kind, size, kPositions - 1, true) {}

protected:
    void ItemsOf(const std::array<uint8_t, kPositions>& digits, Items& items) const override;
};

// clang-format off
using TstCombDiffSeq2 = TBoundStat<TCustomCombDiffStat, CombineKind::Seq, 2>;
using TstCombDiffSeq3 = TBoundStat<TCustomCombDiffStat, CombineKind::Seq, 3>;
using TstCombDiffSeq4 = TBoundStat<TCustomCombDiffStat, CombineKind::Seq, 4>;
template <> const StatClass TstCombDiffSeq2::Class;
template <> const StatClass TstCombDiffSeq3::Class;
template <> const StatClass TstCombDiffSeq4::Class;
// clang-format on

}  // namespace pentad
