// SPDX-License-Identifier: GPL-3.0-or-later
// The sequence family: runs of neighbouring positions whose digits rise by
// exactly one (3 4 5). A draw is valued by the length of each run, the number
// of runs of two or more, and the longest run. The graph view is looser and
// also follows falling steps (5 4 3).
#pragma once

#include "stats/custom_stat.h"

namespace pentad {

// Lengths of the runs of five digits, left to right; they add up to five.
// A step continues a run when the next digit is one greater, or with
// `eitherWay` when the two differ by one in either direction.
struct DigitRuns {
    std::array<int, kPositions> lengths{};
    int count = 0;
    int longest() const;
    int atLeastTwo() const;
};
DigitRuns digitRuns(const std::array<uint8_t, kPositions>& digits, bool eitherWay);

// Length of every run; rows 1..5 prepared.
class TstSequenceLen : public TCustomNumbersStat {
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

// One number per draw from the rising runs; the graph counts steps of one
// either way.
class TCustomSequenceGraphStat : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
    virtual int ValueOf(const DigitRuns& runs) const = 0;

protected:
    void prepareRange(TStatDrawArray& rows, int lo, int hi);
};

// Number of runs of two or more (0..2); rows 0..2 prepared.
class TstSequenceCnt : public TCustomSequenceGraphStat {
public:
    using TCustomSequenceGraphStat::TCustomSequenceGraphStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    int ValueOf(const DigitRuns& runs) const override { return runs.atLeastTwo(); }
};

// The longest run (1..5); rows 1..5 prepared.
class TstSequenceLenMax : public TCustomSequenceGraphStat {
public:
    using TCustomSequenceGraphStat::TCustomSequenceGraphStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    int ValueOf(const DigitRuns& runs) const override { return runs.longest(); }
};

}  // namespace pentad
