// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/channel_stats.h"

#include <algorithm>

#include "game/routines.h"
#include "shell/format_args.h"
#include "shell/text_utils.h"
#include "stats/stat_list.h"

namespace pentad {
namespace {

// One entry per channel of the current size; none for a size below 1.
std::pair<int, int> channelVariants(const TStatList& list) {
    int width = list.config.ChannelSize;
    if (width <= 0) {
        return {0, -1};
    }
    return {ChannelOf(0, width), ChannelOf(9, width)};
}

uint64_t pairKey(int a, int b) {
    return static_cast<uint64_t>(static_cast<uint16_t>(a)) |
           (static_cast<uint64_t>(static_cast<uint16_t>(b)) << 16);
}

}  // namespace

ChannelMapping::ChannelMapping(const TStatList& list) : m_width(list.config.ChannelSize) {}

int ChannelMapping::of(int digit) const {
    return ChannelOf(digit, m_width);
}

std::string ChannelMapping::text(int channel) const {
    return formatIndexed("%.2d [%s-%s]",
                         {static_cast<long long>(channel), std::to_string(m_width * (channel - 1)),
                          std::to_string(channel * m_width - 1)});
}

std::array<int, kDigitCount + 1> ChannelMapping::tally(
    const std::array<uint8_t, kPositions>& digits) const {
    std::array<int, kDigitCount + 1> counts{};
    for (uint8_t d : digits) {
        ++counts[static_cast<size_t>(std::clamp(of(d), 0, kDigitCount))];
    }
    return counts;
}

// clang-format off
const StatClass TstChannels::Class = {
    .name = "TstChannels", .codeFormat = "CHAN", .captionFormat = "Каналы", .group = 3,
    .baseFlags = kFlagN, .create = &createStat<TstChannels>};
const StatClass TstChanValues::Class = {
    .name = "TstChanValues", .codeFormat = "CHNV", .captionFormat = "Количество чисел в канале",
    .group = 3, .baseFlags = kFlagN, .hasNumericValue = false,
    .create = &createStat<TstChanValues>};
const StatClass TstChanCount::Class = {
    .name = "TstChanCount", .codeFormat = "CHNC", .captionFormat = "Количество каналов в тираже",
    .group = 3, .baseFlags = kFlagN, .isGraph = true, .create = &createStat<TstChanCount>};
const StatClass TstChnValCnt::Class = {
    .name = "TstChnValCnt", .codeFormat = "CHN%d",
    .captionFormat = "Количество чисел в %0:d канале", .helpCodeFormat = "CHNx", .group = 3,
    .baseFlags = kFlagN, .isGraph = true, .hasVariants = true, .variantRange = &channelVariants,
    .create = &createStat<TstChnValCnt>};
template <> const StatClass TstCombChnMix2::Class = {
    .name = "TstCombChnMix2", .codeFormat = "KCM2",
    .captionFormat = "Сочетания из 2 каналов по всем числам тиража", .group = 3,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombChnMix2>};
template <> const StatClass TstCombChnMix3::Class = {
    .name = "TstCombChnMix3", .codeFormat = "KCM3",
    .captionFormat = "Сочетания из 3 каналов по всем числам тиража", .group = 3,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombChnMix3>};
template <> const StatClass TstCombChnMix4::Class = {
    .name = "TstCombChnMix4", .codeFormat = "KCM4",
    .captionFormat = "Сочетания из 4 каналов по всем числам тиража", .group = 3,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombChnMix4>};
template <> const StatClass TstCombChnSeq2::Class = {
    .name = "TstCombChnSeq2", .codeFormat = "KCS2",
    .captionFormat = "Сочетания из 2 каналов по соседним числам", .group = 3,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombChnSeq2>};
template <> const StatClass TstCombChnSeq3::Class = {
    .name = "TstCombChnSeq3", .codeFormat = "KCS3",
    .captionFormat = "Сочетания из 3 каналов по соседним числам", .group = 3,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombChnSeq3>};
template <> const StatClass TstCombChnSeq4::Class = {
    .name = "TstCombChnSeq4", .codeFormat = "KCS4",
    .captionFormat = "Сочетания из 4 каналов по соседним числам", .group = 3,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombChnSeq4>};
// clang-format on

// ---- TstChannels ----

std::string TstChannels::ValueText(const TStatRow& row) const {
    return m_channels.text(row.B(1));
}

int32_t TstChannels::ValueFromText(const std::string& text) const {
    std::string t = trim(text);
    return textToInt(t.substr(0, t.find(' ')));
}

void TstChannels::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomChannelsStat::PrepareRows(lastIndex, rows);
    for (int d = 0; d <= 9; ++d) {
        WorkRow.setB(1, static_cast<uint8_t>(m_channels.of(d)));
        MergeRow(rows, false);
    }
}

void TstChannels::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                            StatContext& context, TLastValueArray& lastValues) {
    TCustomChannelsStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    for (uint8_t d : CurrentDraw.Digits) {
        WorkRow.setB(1, static_cast<uint8_t>(m_channels.of(d)));
        MergeRow(rows, true);
    }
}

void TstChannels::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomChannelsStat::CountCombination(comb, rows);
    for (uint8_t d : comb.Digits) {
        WorkRow.setB(1, static_cast<uint8_t>(m_channels.of(d)));
        MergeRow(rows, false);
    }
}

bool TstChannels::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool, bool,
                                  int) {
    for (uint8_t d : comb.Digits) {
        if (selected.hasByte(1, static_cast<uint8_t>(m_channels.of(d)))) {
            return true;
        }
    }
    return false;
}

// ---- TstChanValues ----

std::string TstChanValues::ValueText(const TStatRow& row) const {
    return formatIndexed("%0:s x %1:d",
                         {m_channels.text(row.V(1)), static_cast<long long>(row.V(2))});
}

void TstChanValues::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomChannelsStat::PrepareRows(lastIndex, rows);
    int most = std::min(m_channels.width(), kPositions);
    for (int c = m_channels.of(0); c <= m_channels.last(); ++c) {
        for (int k = 0; k <= most; ++k) {
            WorkRow.setKeyValue(pairKey(c, k));
            MergeRow(rows, false);
        }
    }
}

void TstChanValues::mergeTally(const std::array<uint8_t, kPositions>& digits, TStatDrawArray& rows,
                               bool trackPeriods) {
    auto counts = m_channels.tally(digits);
    for (int c = m_channels.of(0); c <= m_channels.last(); ++c) {
        WorkRow.setKeyValue(pairKey(c, counts[static_cast<size_t>(c)]));
        MergeRow(rows, trackPeriods);
    }
}

void TstChanValues::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                              StatContext& context, TLastValueArray& lastValues) {
    TCustomChannelsStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    mergeTally(CurrentDraw.Digits, rows, true);
}

void TstChanValues::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomChannelsStat::CountCombination(comb, rows);
    mergeTally(comb.Digits, rows, false);
}

bool TstChanValues::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool,
                                    bool, int) {
    auto counts = m_channels.tally(comb.Digits);
    for (int c = m_channels.of(0); c <= m_channels.last(); ++c) {
        if (selected.hasKey(pairKey(c, counts[static_cast<size_t>(c)]))) {
            return true;
        }
    }
    return false;
}

// ---- one number per draw ----

void TCustomChannelsGraphStat::CountDraw(int index, int lastIndex, bool sorted,
                                         TStatDrawArray& rows, StatContext& context,
                                         TLastValueArray& lastValues) {
    TCustomGraphStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    WorkRow.setV(1,
                 static_cast<uint16_t>(DigitsValue(CurrentDraw.Digits, index, lastIndex, sorted)));
    MergeRow(rows, true);
}

void TCustomChannelsGraphStat::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomGraphStat::CountCombination(comb, rows);
    WorkRow.setV(1, static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)));
    MergeRow(rows, false);
}

bool TCustomChannelsGraphStat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected,
                                               bool, bool, int) {
    return selected.hasCell(1, static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)));
}

void TstChanCount::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomChannelsGraphStat::PrepareRows(lastIndex, rows);
    for (int n = 1; n <= std::min(m_channels.width(), kPositions); ++n) {
        WorkRow.setV(1, static_cast<uint16_t>(n));
        MergeRow(rows, false);
    }
}

int32_t TstChanCount::DigitsValue(const std::array<uint8_t, kPositions>& digits, int, int, bool) {
    auto counts = m_channels.tally(digits);
    return static_cast<int32_t>(
        std::count_if(counts.begin(), counts.end(), [](int n) { return n > 0; }));
}

void TstChnValCnt::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomChannelsGraphStat::PrepareRows(lastIndex, rows);
    for (int n = 1; n <= m_channels.width(); ++n) {
        WorkRow.setV(1, static_cast<uint16_t>(n));
        MergeRow(rows, false);
    }
}

int32_t TstChnValCnt::DigitsValue(const std::array<uint8_t, kPositions>& digits, int, int, bool) {
    if (Variant < 0 || Variant > kDigitCount) {
        return 0;
    }
    return m_channels.tally(digits)[static_cast<size_t>(Variant)];
}

// ---- channel patterns ----

void TCustomCombChnStat::ItemsOf(const std::array<uint8_t, kPositions>& digits,
                                 Items& items) const {
    for (size_t p = 0; p < digits.size(); ++p) {
        items[p] = static_cast<uint16_t>(m_channels.of(digits[p]));
    }
}

}  // namespace pentad
