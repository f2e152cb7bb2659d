// SPDX-License-Identifier: GPL-3.0-or-later
// Transitions of how many digits fall in one channel or segment, and of
// digits inside their channel, between draws and seen from the newest draw of
// the window. These members always value the digits in their drawn order.
#pragma once

#include "stats/custom_stat.h"
#include "stats/methods/bound_stat.h"
#include "stats/methods/element_map.h"

namespace pentad {

// n(draw) = the number of positions whose element (channel or segment) is
// Variant. Depth 2: key (n of the previous draw, n of the draw), counted when
// the previous draw had the newest draw's n. Depth 3 adds the draw before
// that in front. The likely continuations of the newest draw are prepared.
class TCustomChainCountStat : public TCustomStat {
public:
    TCustomChainCountStat(const TStatList& list, int variant, ElementKind kind, int depth)
        : TCustomStat(list, variant), m_elements(list, kind), m_depth(depth) {}

    int countIn(const std::array<uint8_t, kPositions>& digits) const;

    std::string ValueText(const TStatRow& row) const override;
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    // True when the candidate's n is the "to" of a selected row.
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

private:
    ElementMap m_elements;
    int m_depth;
};

// How the inside members record a digit x of the previous draw that the
// newest draw also holds, followed by the draw's digits of x's channel.
enum class InsideMode : uint8_t {
    All = 0,        // every same-channel continuation, and "none" when there is none
    Successes = 1,  // only the continuations
    Failures = 2,   // only the "none" records
    Count = 3,      // one row (x, number of same-channel digits)
};

// Key (x, y) for a continuation to the digit y. "No continuation" is its own
// key (x, 0, kNoContinuation), so a real move to the digit 0 is not taken for
// a failure; its text is "x -> -".
class TCustomChainChannels2Inside : public TCustomStat {
public:
    static constexpr uint16_t kNoContinuation = 1;  // in cell V3

    TCustomChainChannels2Inside(const TStatList& list, int variant, InsideMode mode)
        : TCustomStat(list, variant), m_channels(list, ElementKind::Channel), m_mode(mode) {}

    InsideMode Mode() const { return m_mode; }

    std::string ValueText(const TStatRow& row) const override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    // For a digit y of the newest draw and a candidate digit z: a selected
    // continuation (y, z) matches; a selected "none" row of y (and, counting,
    // any row of y) matches when z lies in y's channel.
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

private:
    int channel(int digit) const { return m_channels.of(1, digit); }
    void mergeKey(TStatDrawArray& rows, int x, int y, uint16_t marker);

    ElementMap m_channels;
    InsideMode m_mode;
};

// clang-format off
using TstChain2CnlCnt =
    TBoundStat<TCustomChainCountStat, ElementKind::Channel, 2>;
using TstChain3CnlCnt =
    TBoundStat<TCustomChainCountStat, ElementKind::Channel, 3>;
using TstChain2SgmCnt =
    TBoundStat<TCustomChainCountStat, ElementKind::Segment, 2>;
using TstChain3SgmCnt =
    TBoundStat<TCustomChainCountStat, ElementKind::Segment, 3>;
using TstChainChannels2InsideAll =
    TBoundStat<TCustomChainChannels2Inside, InsideMode::All>;
using TstChainChannels2InsideSuc =
    TBoundStat<TCustomChainChannels2Inside, InsideMode::Successes>;
using TstChainChannels2InsideBad =
    TBoundStat<TCustomChainChannels2Inside, InsideMode::Failures>;
using TstChainChannels2InsideCnt =
    TBoundStat<TCustomChainChannels2Inside, InsideMode::Count>;
template <> const StatClass TstChain2CnlCnt::Class;
template <> const StatClass TstChain3CnlCnt::Class;
template <> const StatClass TstChain2SgmCnt::Class;
template <> const StatClass TstChain3SgmCnt::Class;
template <> const StatClass TstChainChannels2InsideAll::Class;
template <> const StatClass TstChainChannels2InsideSuc::Class;
template <> const StatClass TstChainChannels2InsideBad::Class;
template <> const StatClass TstChainChannels2InsideCnt::Class;
// clang-format on

}  // namespace pentad
