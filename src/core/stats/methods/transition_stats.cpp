// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/transition_stats.h"

namespace pentad {
namespace {

constexpr uint8_t kSD = kFlagS | kFlagD;

std::pair<int, int> positions(const TStatList&) {
    return {1, kPositions};
}

}  // namespace

// clang-format off
template <> const StatClass TstChain2DrawsAll::Class = {
    .name = "TstChain2DrawsAll", .codeFormat = "SDV2",
    .captionFormat = "Переходы чисел между 2 тиражами без учета позиции", .group = 10,
    .baseFlags = kFlagD, .hasNumericValue = false, .create = &createStat<TstChain2DrawsAll>};
template <> const StatClass TstChain2DrawsPos::Class = {
    .name = "TstChain2DrawsPos", .codeFormat = "SDP2",
    .captionFormat = "Переходы чисел между 2 тиражами с учетом позиции", .group = 10,
    .baseFlags = kSD, .hasNumericValue = false, .create = &createStat<TstChain2DrawsPos>};
template <> const StatClass TstChain2Pos::Class = {
    .name = "TstChain2Pos", .codeFormat = "SDN%d",
    .captionFormat = "Переходы чисел между 2 тиражами в %d позиции", .helpCodeFormat = "SDNx",
    .group = 10, .baseFlags = kSD, .hasNumericValue = false, .hasVariants = true,
    .variantRange = &positions, .create = &createStat<TstChain2Pos>};
template <> const StatClass TstChain3DrawsPos::Class = {
    .name = "TstChain3DrawsPos", .codeFormat = "SDP3",
    .captionFormat = "Переходы чисел между 3 тиражами с учетом позиции", .group = 10,
    .baseFlags = kSD, .hasNumericValue = false, .create = &createStat<TstChain3DrawsPos>};
template <> const StatClass TstChain3Pos::Class = {
    .name = "TstChain3Pos", .codeFormat = "SDM%d",
    .captionFormat = "Переходы чисел между 3 тиражами в %d позиции", .helpCodeFormat = "SDMx",
    .group = 10, .baseFlags = kSD, .hasNumericValue = false, .hasVariants = true,
    .variantRange = &positions, .create = &createStat<TstChain3Pos>};
template <> const StatClass TstChain2ChannelsAll::Class = {
    .name = "TstChain2ChannelsAll", .codeFormat = "SCV2",
    .captionFormat = "Переходы каналов между 2 тиражами без учета позиции", .group = 10,
    .baseFlags = kFlagD, .hasNumericValue = false, .create = &createStat<TstChain2ChannelsAll>};
template <> const StatClass TstChain2ChannelsPos::Class = {
    .name = "TstChain2ChannelsPos", .codeFormat = "SCP2",
    .captionFormat = "Переходы каналов между 2 тиражами с учетом позиции", .group = 10,
    .baseFlags = kSD, .hasNumericValue = false, .create = &createStat<TstChain2ChannelsPos>};
template <> const StatClass TstChain2Channel::Class = {
    .name = "TstChain2Channel", .codeFormat = "SCN%d",
    .captionFormat = "Переходы каналов между 2 тиражами в %d позиции", .helpCodeFormat = "SCNx",
    .group = 10, .baseFlags = kSD, .hasNumericValue = false, .hasVariants = true,
    .variantRange = &positions, .create = &createStat<TstChain2Channel>};
template <> const StatClass TstChain3ChannelsPos::Class = {
    .name = "TstChain3ChannelsPos", .codeFormat = "SCP3",
    .captionFormat = "Переходы каналов между 3 тиражами с учетом позиции", .group = 10,
    .baseFlags = kSD, .hasNumericValue = false, .create = &createStat<TstChain3ChannelsPos>};
template <> const StatClass TstChain3Channel::Class = {
    .name = "TstChain3Channel", .codeFormat = "SCM%d",
    .captionFormat = "Переходы каналов между 3 тиражами в %d позиции", .helpCodeFormat = "SCMx",
    .group = 10, .baseFlags = kSD, .hasNumericValue = false, .hasVariants = true,
    .variantRange = &positions, .create = &createStat<TstChain3Channel>};
template <> const StatClass TstChain2SegmentsAll::Class = {
    .name = "TstChain2SegmentsAll", .codeFormat = "SSV2",
    .captionFormat = "Переходы сегментов между 2 тиражами без учета позиции", .group = 10,
    .baseFlags = kFlagD, .hasNumericValue = false, .create = &createStat<TstChain2SegmentsAll>};
template <> const StatClass TstChain2SegmentsPos::Class = {
    .name = "TstChain2SegmentsPos", .codeFormat = "SSP2",
    .captionFormat = "Переходы сегментов между 2 тиражами с учетом позиции", .group = 10,
    .baseFlags = kSD, .hasNumericValue = false, .create = &createStat<TstChain2SegmentsPos>};
template <> const StatClass TstChain2Segment::Class = {
    .name = "TstChain2Segment", .codeFormat = "SSN%d",
    .captionFormat = "Переходы сегментов между 2 тиражами в %d позиции",
    .helpCodeFormat = "SSNx", .group = 10, .baseFlags = kSD, .hasNumericValue = false,
    .hasVariants = true, .variantRange = &positions, .create = &createStat<TstChain2Segment>};
template <> const StatClass TstChain3SegmentsPos::Class = {
    .name = "TstChain3SegmentsPos", .codeFormat = "SSP3",
    .captionFormat = "Переходы сегментов между 3 тиражами с учетом позиции", .group = 10,
    .baseFlags = kSD, .hasNumericValue = false, .create = &createStat<TstChain3SegmentsPos>};
template <> const StatClass TstChain3Segment::Class = {
    .name = "TstChain3Segment", .codeFormat = "SSM%d",
    .captionFormat = "Переходы сегментов между 3 тиражами в %d позиции",
    .helpCodeFormat = "SSMx", .group = 10, .baseFlags = kSD, .hasNumericValue = false,
    .hasVariants = true, .variantRange = &positions, .create = &createStat<TstChain3Segment>};
// clang-format on

std::string TCustomChainStat::ValueText(const TStatRow& row) const {
    if (m_depth == 3) {
        return m_elements.text(row.V(1)) + "-" + m_elements.text(row.V(2)) + " -> " +
               m_elements.text(row.V(3));
    }
    return m_elements.text(row.V(1)) + " -> " + m_elements.text(row.V(2));
}

void TCustomChainStat::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                                 StatContext& context, TLastValueArray& lastValues) {
    TCustomStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    // A draw without the earlier draws it needs contributes nothing.
    TDrawRec p1 = GetDraw(index - 1, sorted);
    if (p1.Number == 0) {
        return;
    }
    TDrawRec p2;
    TDrawRec ref2;
    if (m_depth == 3) {
        p2 = GetDraw(index - 2, sorted);
        if (p2.Number == 0) {
            return;
        }
        ref2 = GetDraw(lastIndex - 1, sorted);
    }
    if (m_scope == ChainScope::All) {
        for (int q = 1; q <= kPositions; ++q) {
            int from = elem(q, p1);
            if (!m_elements.inDigits(ReferenceDraw.Digits, from)) {
                continue;
            }
            for (int i = 1; i <= kPositions; ++i) {
                WorkRow.clearKey();
                WorkRow.setV(1, static_cast<uint16_t>(from));
                WorkRow.setV(2, static_cast<uint16_t>(elem(i, CurrentDraw)));
                MergeRow(rows, true);
            }
        }
        return;
    }
    int first = m_scope == ChainScope::OnePosition ? Variant : 1;
    int last = m_scope == ChainScope::OnePosition ? Variant : kPositions;
    for (int i = std::max(first, 1); i <= std::min(last, kPositions); ++i) {
        int from = elem(i, p1);
        if (from != elem(i, ReferenceDraw)) {
            continue;
        }
        WorkRow.clearKey();
        if (m_depth == 3) {
            int older = elem(i, p2);
            if (older != elem(i, ref2)) {
                continue;
            }
            WorkRow.setV(1, static_cast<uint16_t>(older));
            WorkRow.setV(2, static_cast<uint16_t>(from));
            WorkRow.setV(3, static_cast<uint16_t>(elem(i, CurrentDraw)));
        } else {
            WorkRow.setV(1, static_cast<uint16_t>(from));
            WorkRow.setV(2, static_cast<uint16_t>(elem(i, CurrentDraw)));
        }
        MergeRow(rows, true);
    }
}

bool TCustomChainStat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool,
                                       bool, int) {
    for (int i = 1; i <= kPositions; ++i) {
        int to = m_elements.of(i, comb.Digits[static_cast<size_t>(i - 1)]);
        if (selected.hasCell(m_depth, static_cast<uint16_t>(to))) {
            return true;
        }
    }
    return false;
}

}  // namespace pentad
