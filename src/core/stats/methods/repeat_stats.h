// SPDX-License-Identifier: GPL-3.0-or-later
// The repeat family: how often a digit stays at its position from one draw to
// a later one (the next draw, one to three draws later, or moved up or down by
// one or two), always seen from the newest draw of the window. Value members
// list the digits the newest draw suggests; count members count the repeated
// positions of a draw.
#pragma once

#include "stats/custom_stat.h"
#include "stats/methods/bound_stat.h"

namespace pentad {

// Digits of the newest draw that reappear at their position `Lag` draws later,
// shifted by `Shift`. The rows are the shifted digits of the newest draw.
class TCustomRepValues2Stat : public TCustomValuesStat {
public:
    TCustomRepValues2Stat(const TStatList& list, int variant, int shift, int lag)
        : TCustomValuesStat(list, variant), m_shift(shift), m_lag(lag) {}
    // The shift applied to the earlier draw's digits (-2..2).
    int Shift() const { return m_shift; }
    // How many draws back the earlier draw lies (1 = the previous draw).
    int Lag() const { return m_lag; }

    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    // True when any candidate digit is a selected value.
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

private:
    int m_shift;
    int m_lag;
};

// Number of positions (0..5) at which a draw holds the digit of the draw `Lag`
// before it, shifted by `Shift`; rows 1..5 prepared.
class TCustomRepCount2Stat : public TCustomNumbersStat {
public:
    TCustomRepCount2Stat(const TStatList& list, int variant, int shift, int lag)
        : TCustomNumbersStat(list, variant), m_shift(shift), m_lag(lag) {}
    int Shift() const { return m_shift; }
    int Lag() const { return m_lag; }

    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    // The candidate is the draw after the window: its earlier draw lies at
    // lastIndex + 1 - Lag.
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

private:
    int repeats(const std::array<uint8_t, kPositions>& digits, const TDrawRec& earlier) const;

    int m_shift;
    int m_lag;
};

// Repeats over three draws in a row. With `exactlyTwo` a position counts when
// it repeats the previous draw but not the one before it; otherwise when it
// repeats both.
class TRepValues3Stat : public TCustomValuesStat {
public:
    TRepValues3Stat(const TStatList& list, int variant, bool exactlyTwo)
        : TCustomValuesStat(list, variant), m_exactlyTwo(exactlyTwo) {}
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

private:
    bool m_exactlyTwo;
};

class TRepCount3Stat : public TCustomNumbersStat {
public:
    TRepCount3Stat(const TStatList& list, int variant, bool exactlyTwo)
        : TCustomNumbersStat(list, variant), m_exactlyTwo(exactlyTwo) {}
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    // Against the newest draw of the window and the one before it.
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

private:
    int repeats(const std::array<uint8_t, kPositions>& digits, const TDrawRec& d1,
                const TDrawRec& d2) const;

    bool m_exactlyTwo;
};

// clang-format off
using TstRepValues2      = TBoundStat<TCustomRepValues2Stat, 0, 1>;
using TstRepValues3      = TBoundStat<TRepValues3Stat, false>;
using TstRepValues2B3    = TBoundStat<TRepValues3Stat, true>;
using TstRepValues2over1 = TBoundStat<TCustomRepValues2Stat, 0, 2>;
using TstRepValues2over2 = TBoundStat<TCustomRepValues2Stat, 0, 3>;
using TstRepValues2over3 = TBoundStat<TCustomRepValues2Stat, 0, 4>;
using TstRepValues2P1    = TBoundStat<TCustomRepValues2Stat, 1, 1>;
using TstRepValues2N1    = TBoundStat<TCustomRepValues2Stat, -1, 1>;
using TstRepValues2P2    = TBoundStat<TCustomRepValues2Stat, 2, 1>;
using TstRepValues2N2    = TBoundStat<TCustomRepValues2Stat, -2, 1>;
using TstRepCount2       = TBoundStat<TCustomRepCount2Stat, 0, 1>;
using TstRepCount3       = TBoundStat<TRepCount3Stat, false>;
using TstRepCount2B3     = TBoundStat<TRepCount3Stat, true>;
using TstRepCount2over1  = TBoundStat<TCustomRepCount2Stat, 0, 2>;
using TstRepCount2over2  = TBoundStat<TCustomRepCount2Stat, 0, 3>;
using TstRepCount2over3  = TBoundStat<TCustomRepCount2Stat, 0, 4>;
using TstRepCount2P1     = TBoundStat<TCustomRepCount2Stat, 1, 1>;
using TstRepCount2N1     = TBoundStat<TCustomRepCount2Stat, -1, 1>;
using TstRepCount2P2     = TBoundStat<TCustomRepCount2Stat, 2, 1>;
using TstRepCount2N2     = TBoundStat<TCustomRepCount2Stat, -2, 1>;
template <> const StatClass TstRepValues2::Class;
template <> const StatClass TstRepValues3::Class;
template <> const StatClass TstRepValues2B3::Class;
template <> const StatClass TstRepValues2over1::Class;
template <> const StatClass TstRepValues2over2::Class;
template <> const StatClass TstRepValues2over3::Class;
template <> const StatClass TstRepValues2P1::Class;
template <> const StatClass TstRepValues2N1::Class;
template <> const StatClass TstRepValues2P2::Class;
template <> const StatClass TstRepValues2N2::Class;
template <> const StatClass TstRepCount2::Class;
template <> const StatClass TstRepCount3::Class;
template <> const StatClass TstRepCount2B3::Class;
template <> const StatClass TstRepCount2over1::Class;
template <> const StatClass TstRepCount2over2::Class;
template <> const StatClass TstRepCount2over3::Class;
template <> const StatClass TstRepCount2P1::Class;
template <> const StatClass TstRepCount2N1::Class;
template <> const StatClass TstRepCount2P2::Class;
template <> const StatClass TstRepCount2N2::Class;
// clang-format on

}  // namespace pentad
