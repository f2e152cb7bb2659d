// SPDX-License-Identifier: GPL-3.0-or-later
// Transitions of an element (a digit, its channel or its segment) between
// draws, seen from the newest draw of the window: every earlier draw preceded
// by the same situation as the newest draw contributes what it showed itself.
// Selecting a continuation keeps or removes the candidates that continue the
// newest draw the same way.
#pragma once

#include "stats/custom_stat.h"
#include "stats/methods/bound_stat.h"
#include "stats/methods/element_map.h"

namespace pentad {

// Which positions a transition looks at: the element of the previous draw
// found anywhere in the newest draw followed by every element of the draw
// (All), the same position (SamePosition), or only position Variant (OnePosition).
enum class ChainScope : uint8_t { All, SamePosition, OnePosition };

// Depth 2: key (from, to), text "from -> to". Depth 3: key (older from, newer
// from, to), text "a-b -> c". Channels are written with two digits.
class TCustomChainStat : public TCustomStat {
public:
    TCustomChainStat(const TStatList& list, int variant, ElementKind kind, int depth,
                     ChainScope scope)
        : TCustomStat(list, variant), m_elements(list, kind), m_depth(depth), m_scope(scope) {}

    std::string ValueText(const TStatRow& row) const override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    // True when the element of some candidate position is the "to" of a
    // selected row (at any position).
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

private:
    int elem(int position, const TDrawRec& draw) const {
        return m_elements.of(position, draw.Digits[static_cast<size_t>(position - 1)]);
    }

    ElementMap m_elements;
    int m_depth;
    ChainScope m_scope;
};

// clang-format off
using TstChain2DrawsAll = TBoundStat<TCustomChainStat, ElementKind::Digit, 2, ChainScope::All>;
using TstChain2DrawsPos =
    TBoundStat<TCustomChainStat, ElementKind::Digit, 2, ChainScope::SamePosition>;
using TstChain2Pos = TBoundStat<TCustomChainStat, ElementKind::Digit, 2, ChainScope::OnePosition>;
using TstChain3DrawsPos =
    TBoundStat<TCustomChainStat, ElementKind::Digit, 3, ChainScope::SamePosition>;
using TstChain3Pos = TBoundStat<TCustomChainStat, ElementKind::Digit, 3, ChainScope::OnePosition>;
using TstChain2ChannelsAll = TBoundStat<TCustomChainStat, ElementKind::Channel, 2, ChainScope::All>;
using TstChain2ChannelsPos =
    TBoundStat<TCustomChainStat, ElementKind::Channel, 2, ChainScope::SamePosition>;
using TstChain2Channel =
    TBoundStat<TCustomChainStat, ElementKind::Channel, 2, ChainScope::OnePosition>;
using TstChain3ChannelsPos =
    TBoundStat<TCustomChainStat, ElementKind::Channel, 3, ChainScope::SamePosition>;
using TstChain3Channel =
    TBoundStat<TCustomChainStat, ElementKind::Channel, 3, ChainScope::OnePosition>;
using TstChain2SegmentsAll = TBoundStat<TCustomChainStat, ElementKind::Segment, 2, ChainScope::All>;
using TstChain2SegmentsPos =
    TBoundStat<TCustomChainStat, ElementKind::Segment, 2, ChainScope::SamePosition>;
using TstChain2Segment =
    TBoundStat<TCustomChainStat, ElementKind::Segment, 2, ChainScope::OnePosition>;
using TstChain3SegmentsPos =
    TBoundStat<TCustomChainStat, ElementKind::Segment, 3, ChainScope::SamePosition>;
using TstChain3Segment =
    TBoundStat<TCustomChainStat, ElementKind::Segment, 3, ChainScope::OnePosition>;
template <> const StatClass TstChain2DrawsAll::Class;
template <> const StatClass TstChain2DrawsPos::Class;
template <> const StatClass TstChain2Pos::Class;
template <> const StatClass TstChain3DrawsPos::Class;
template <> const StatClass TstChain3Pos::Class;
template <> const StatClass TstChain2ChannelsAll::Class;
template <> const StatClass TstChain2ChannelsPos::Class;
template <> const StatClass TstChain2Channel::Class;
template <> const StatClass TstChain3ChannelsPos::Class;
template <> const StatClass TstChain3Channel::Class;
template <> const StatClass TstChain2SegmentsAll::Class;
template <> const StatClass TstChain2SegmentsPos::Class;
template <> const StatClass TstChain2Segment::Class;
template <> const StatClass TstChain3SegmentsPos::Class;
template <> const StatClass TstChain3Segment::Class;
// clang-format on

}  // namespace pentad
