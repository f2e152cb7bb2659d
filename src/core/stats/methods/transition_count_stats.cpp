// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/transition_count_stats.h"

#include "game/routines.h"
#include "stats/methods/segment_stats.h"
#include "stats/stat_list.h"

namespace pentad {
namespace {

// One entry per channel of the current width; none for a width below 1.
std::pair<int, int> channelVariants(const TStatList& list) {
    int width = list.config.ChannelSize;
    if (width <= 0) {
        return {0, -1};
    }
    return {ChannelOf(0, width), ChannelOf(9, width)};
}

std::pair<int, int> segmentVariants(const TStatList& list) {
    return SegmentTable(list).range();
}

uint64_t keyOf(int v1, int v2, int v3 = 0) {
    return static_cast<uint64_t>(static_cast<uint16_t>(v1)) |
           (static_cast<uint64_t>(static_cast<uint16_t>(v2)) << 16) |
           (static_cast<uint64_t>(static_cast<uint16_t>(v3)) << 32);
}

}  // namespace

// clang-format off
template <> const StatClass TstChain2CnlCnt::Class = {
    .name = "TstChain2CnlCnt", .codeFormat = "SC2C%d",
    .captionFormat = "Переходы кол-ва чисел в %d канале между 2 тиражами",
    .helpCodeFormat = "SC2Cx", .group = 10, .baseFlags = kFlagD, .hasNumericValue = false,
    .hasVariants = true, .variantRange = &channelVariants, .create = &createStat<TstChain2CnlCnt>};
template <> const StatClass TstChain3CnlCnt::Class = {
    .name = "TstChain3CnlCnt", .codeFormat = "SC3C%d",
    .captionFormat = "Переходы кол-ва чисел в %d канале между 3 тиражами",
    .helpCodeFormat = "SC3Cx", .group = 10, .baseFlags = kFlagD, .hasNumericValue = false,
    .hasVariants = true, .variantRange = &channelVariants, .create = &createStat<TstChain3CnlCnt>};
template <> const StatClass TstChain2SgmCnt::Class = {
    .name = "TstChain2SgmCnt", .codeFormat = "SS2C%d",
    .captionFormat = "Переходы кол-ва чисел в %d сегменте между 2 тиражами",
    .helpCodeFormat = "SS2Cx", .group = 10, .baseFlags = kFlagD, .hasNumericValue = false,
    .hasVariants = true, .variantRange = &segmentVariants, .create = &createStat<TstChain2SgmCnt>};
template <> const StatClass TstChain3SgmCnt::Class = {
    .name = "TstChain3SgmCnt", .codeFormat = "SS3C%d",
    .captionFormat = "Переходы кол-ва чисел в %d сегменте между 3 тиражами",
    .helpCodeFormat = "SS3Cx", .group = 10, .baseFlags = kFlagD, .hasNumericValue = false,
    .hasVariants = true, .variantRange = &segmentVariants, .create = &createStat<TstChain3SgmCnt>};
template <> const StatClass TstChainChannels2InsideAll::Class = {
    .name = "TstChainChannels2InsideAll", .codeFormat = "SDA2",
    .captionFormat = "Переходы чисел в пределах каналов (все)", .group = 10,
    .baseFlags = kFlagD, .hasNumericValue = false,
    .create = &createStat<TstChainChannels2InsideAll>};
template <> const StatClass TstChainChannels2InsideSuc::Class = {
    .name = "TstChainChannels2InsideSuc", .codeFormat = "SDG2",
    .captionFormat = "Переходы чисел в пределах каналов (N-M, удачные)", .group = 10,
    .baseFlags = kFlagD, .hasNumericValue = false,
    .create = &createStat<TstChainChannels2InsideSuc>};
template <> const StatClass TstChainChannels2InsideBad::Class = {
    .name = "TstChainChannels2InsideBad", .codeFormat = "SDZ2",
    .captionFormat = "Переходы чисел в пределах каналов (N-0, не удачные)", .group = 10,
    .baseFlags = kFlagD, .hasNumericValue = false,
    .create = &createStat<TstChainChannels2InsideBad>};
template <> const StatClass TstChainChannels2InsideCnt::Class = {
    .name = "TstChainChannels2InsideCnt", .codeFormat = "SDC2",
    .captionFormat = "Переходы чисел в пределах каналов (количество)", .group = 10,
    .baseFlags = kFlagD, .hasNumericValue = false,
    .create = &createStat<TstChainChannels2InsideCnt>};
// clang-format on

// ---- counts in one channel or segment ----

int TCustomChainCountStat::countIn(const std::array<uint8_t, kPositions>& digits) const {
    int n = 0;
    for (int p = 1; p <= kPositions; ++p) {
        n += m_elements.of(p, digits[static_cast<size_t>(p - 1)]) == Variant ? 1 : 0;
    }
    return n;
}

std::string TCustomChainCountStat::ValueText(const TStatRow& row) const {
    if (m_depth == 3) {
        return std::to_string(row.V(1)) + "-" + std::to_string(row.V(2)) + " -> " +
               std::to_string(row.V(3));
    }
    return std::to_string(row.V(1)) + " -> " + std::to_string(row.V(2));
}

void TCustomChainCountStat::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomStat::PrepareRows(lastIndex, rows);
    int newest = countIn(GetDraw(lastIndex, false).Digits);
    int before = countIn(GetDraw(lastIndex - 1, false).Digits);
    // A channel holds `width` digit values; a segment member only prepares 0.
    int high = m_elements.kind() == ElementKind::Channel ? m_elements.width() : 0;
    for (int to = 0; to <= high; ++to) {
        WorkRow.setKeyValue(m_depth == 3 ? keyOf(before, newest, to) : keyOf(newest, to));
        MergeRow(rows, false);
    }
}

void TCustomChainCountStat::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                                      StatContext& context, TLastValueArray& lastValues) {
    TCustomStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    TDrawRec p1 = GetDraw(index - 1, false);
    if (p1.Number == 0) {
        return;
    }
    int from = countIn(p1.Digits);
    if (from != countIn(GetDraw(lastIndex, false).Digits)) {
        return;
    }
    int to = countIn(GetDraw(index, false).Digits);
    if (m_depth == 3) {
        TDrawRec p2 = GetDraw(index - 2, false);
        if (p2.Number == 0) {
            return;
        }
        int older = countIn(p2.Digits);
        if (older != countIn(GetDraw(lastIndex - 1, false).Digits)) {
            return;
        }
        WorkRow.setKeyValue(keyOf(older, from, to));
    } else {
        WorkRow.setKeyValue(keyOf(from, to));
    }
    MergeRow(rows, true);
}

bool TCustomChainCountStat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected,
                                            bool, bool, int) {
    return selected.hasCell(m_depth, static_cast<uint16_t>(countIn(comb.Digits)));
}

// ---- digits inside their channel ----

std::string TCustomChainChannels2Inside::ValueText(const TStatRow& row) const {
    std::string to = m_mode != InsideMode::Count && row.V(3) == kNoContinuation
                         ? std::string("-")
                         : std::to_string(row.V(2));
    return std::to_string(row.V(1)) + " -> " + to;
}

void TCustomChainChannels2Inside::mergeKey(TStatDrawArray& rows, int x, int y, uint16_t marker) {
    WorkRow.setKeyValue(keyOf(x, y, marker));
    MergeRow(rows, true);
}

void TCustomChainChannels2Inside::CountDraw(int index, int lastIndex, bool sorted,
                                            TStatDrawArray& rows, StatContext& context,
                                            TLastValueArray& lastValues) {
    TCustomStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    TDrawRec p1 = GetDraw(index - 1, false);
    if (p1.Number == 0) {
        return;
    }
    TDrawRec ref = GetDraw(lastIndex, false);
    TDrawRec cur = GetDraw(index, false);
    for (uint8_t x : p1.Digits) {
        if (!digitInDraw(ref, x)) {
            continue;
        }
        int same = 0;
        for (uint8_t y : cur.Digits) {
            if (channel(y) != channel(x)) {
                continue;
            }
            ++same;
            if (m_mode == InsideMode::All || m_mode == InsideMode::Successes) {
                mergeKey(rows, x, y, 0);
            }
        }
        if (m_mode == InsideMode::Count) {
            mergeKey(rows, x, same, 0);
        } else if (same == 0 && m_mode != InsideMode::Successes) {
            mergeKey(rows, x, 0, kNoContinuation);
        }
    }
}

bool TCustomChainChannels2Inside::TestCombination(const TCombRec& comb,
                                                  const TStatDrawArray& selected, bool, bool,
                                                  int lastIndex) {
    TDrawRec newest = GetDraw(lastIndex, false);
    for (uint8_t y : newest.Digits) {
        bool channelRow = m_mode == InsideMode::Count
                              ? selected.hasCell(1, y)
                              : selected.hasKey(keyOf(y, 0, kNoContinuation));
        for (uint8_t z : comb.Digits) {
            if (channelRow && channel(z) == channel(y)) {
                return true;
            }
            if (m_mode != InsideMode::Count && selected.hasKey(keyOf(y, z))) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace pentad
