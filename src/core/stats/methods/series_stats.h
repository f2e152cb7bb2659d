// SPDX-License-Identifier: GPL-3.0-or-later
// Series and periods of an element (a digit, its channel or its segment)
// across consecutive draws: how long the elements of the newest draw used to
// stay present (or absent) in a row, and how many draws lie between two
// occurrences of an element.
#pragma once

#include "stats/custom_stat.h"
#include "stats/methods/bound_stat.h"
#include "stats/methods/element_map.h"

namespace pentad {

// Runs of presence (`presence` true) or absence of every element value, kept
// in the computation's context (one entry per element value, 0..10:
// {run length, number of the run's latest draw, depth of that draw}). Only the
// elements of the newest draw get rows (element, run length).
class TCustomSerialStat : public TCustomStat {
public:
    TCustomSerialStat(const TStatList& list, int variant, ElementKind kind, bool presence)
        : TCustomStat(list, variant), m_elements(list, kind), m_presence(presence) {}

    int ElementOf(int position, int digit) const { return m_elements.of(position, digit); }
    // True when the element occurs in the newest draw of the window.
    bool InNewest(int element) const { return m_elements.inDigits(ReferenceDraw.Digits, element); }

    // "3 x 2"; channels "03 x 2".
    std::string ValueText(const TStatRow& row) const override;
    bool UsesRunContext() const override { return true; }
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    // True when the element of some candidate position is a selected element.
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

private:
    void mergeRun(int element, const std::array<int32_t, 3>& run, TStatDrawArray& rows);

    ElementMap m_elements;
    bool m_presence;
};

// Distances in draw numbers between consecutive occurrences of an element:
// rows (element, distance).
class TCustomPeriodsStat : public TCustomStat {
public:
    TCustomPeriodsStat(const TStatList& list, int variant, ElementKind kind)
        : TCustomStat(list, variant), m_elements(list, kind) {}

    int ElementOf(int position, int digit) const { return m_elements.of(position, digit); }

    std::string ValueText(const TStatRow& row) const override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    // For a candidate element with a selected row (element, P): whether the
    // element occurred in the draw P draws before the candidate (index
    // lastIndex - P + 1). Include mode answers true when it did, exclude mode
    // when it did not; the first such row decides.
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

private:
    ElementMap m_elements;
};

// clang-format off
using TstNumGroups  = TBoundStat<TCustomSerialStat, ElementKind::Digit, true>;
using TstNumPauses  = TBoundStat<TCustomSerialStat, ElementKind::Digit, false>;
using TstChnGroups  = TBoundStat<TCustomSerialStat, ElementKind::Channel, true>;
using TstChnPauses  = TBoundStat<TCustomSerialStat, ElementKind::Channel, false>;
using TstSgmGroups  = TBoundStat<TCustomSerialStat, ElementKind::Segment, true>;
using TstSgmPauses  = TBoundStat<TCustomSerialStat, ElementKind::Segment, false>;
using TstNumPeriods = TBoundStat<TCustomPeriodsStat, ElementKind::Digit>;
using TstChnPeriods = TBoundStat<TCustomPeriodsStat, ElementKind::Channel>;
using TstSgmPeriods = TBoundStat<TCustomPeriodsStat, ElementKind::Segment>;
template <> const StatClass TstNumGroups::Class;
template <> const StatClass TstNumPauses::Class;
template <> const StatClass TstChnGroups::Class;
template <> const StatClass TstChnPauses::Class;
template <> const StatClass TstSgmGroups::Class;
template <> const StatClass TstSgmPauses::Class;
template <> const StatClass TstNumPeriods::Class;
template <> const StatClass TstChnPeriods::Class;
template <> const StatClass TstSgmPeriods::Class;
// clang-format on

}  // namespace pentad
