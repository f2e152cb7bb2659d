// SPDX-License-Identifier: GPL-3.0-or-later
// The channel family: bands of ChannelSize consecutive digit values numbered
// from 1. A draw is valued by the channels of its digits, how many digits
// each channel holds, how many channels are used, and channel patterns over
// two to four positions.
#pragma once

#include <string>

#include "stats/methods/bound_stat.h"
#include "stats/methods/combined_pattern.h"

namespace pentad {

// The channel size copied from the settings when an instance is created, so
// later changes of the setting leave the instance alone.
class ChannelMapping {
public:
    explicit ChannelMapping(const TStatList& list);
    int width() const { return m_width; }
    int of(int digit) const;
    // The channel of digit 9: channels run 1..last().
    int last() const { return of(9); }
    // "02 [2-3]"; the upper bound is not clipped at 9 ("04 [9-11]").
    std::string text(int channel) const;
    // Digits of five in each channel, indexed by channel (0 unused).
    std::array<int, kDigitCount + 1> tally(const std::array<uint8_t, kPositions>& digits) const;

private:
    int m_width;
};

class TCustomChannelsStat : public TCustomNumbersStat {
public:
    TCustomChannelsStat(const TStatList& list, int variant)
        : TCustomNumbersStat(list, variant), m_channels(list) {}

protected:
    ChannelMapping m_channels;
};

class TCustomChannelsGraphStat : public TCustomGraphStat {
public:
    TCustomChannelsGraphStat(const TStatList& list, int variant)
        : TCustomGraphStat(list, variant), m_channels(list) {}
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

protected:
    ChannelMapping m_channels;
};

// The channel of each digit (five values per draw); every channel prepared.
class TstChannels : public TCustomChannelsStat {
public:
    using TCustomChannelsStat::TCustomChannelsStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    std::string ValueText(const TStatRow& row) const override;
    // The first word as a number: "02 [2-3]" reads back as 2.
    int32_t ValueFromText(const std::string& text) const override;
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
};

// (channel, digits in it) for every channel, empty ones included.
class TstChanValues : public TCustomChannelsStat {
public:
    using TCustomChannelsStat::TCustomChannelsStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    std::string ValueText(const TStatRow& row) const override;
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

private:
    void mergeTally(const std::array<uint8_t, kPositions>& digits, TStatDrawArray& rows,
                    bool trackPeriods);
};

// Number of distinct channels; rows 1..min(size, 5) prepared.
class TstChanCount : public TCustomChannelsGraphStat {
public:
    using TCustomChannelsGraphStat::TCustomChannelsGraphStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
};

// Digits in channel Variant; rows 1..size prepared. One entry per channel.
class TstChnValCnt : public TCustomChannelsGraphStat {
public:
    using TCustomChannelsGraphStat::TCustomChannelsGraphStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
};

class TCustomCombChnStat : public TCustomCombinedStat {
public:
    TCustomCombChnStat(const TStatList& list, int variant, CombineKind kind, int size)
        : TCustomCombinedStat(list, variant, kind, size), m_channels(list) {}

protected:
    void ItemsOf(const std::array<uint8_t, kPositions>& digits, Items& items) const override;

private:
    ChannelMapping m_channels;
};

// clang-format off
using TstCombChnMix2 = TBoundStat<TCustomCombChnStat, CombineKind::Mix, 2>;
using TstCombChnMix3 = TBoundStat<TCustomCombChnStat, CombineKind::Mix, 3>;
using TstCombChnMix4 = TBoundStat<TCustomCombChnStat, CombineKind::Mix, 4>;
using TstCombChnSeq2 = TBoundStat<TCustomCombChnStat, CombineKind::Seq, 2>;
using TstCombChnSeq3 = TBoundStat<TCustomCombChnStat, CombineKind::Seq, 3>;
using TstCombChnSeq4 = TBoundStat<TCustomCombChnStat, CombineKind::Seq, 4>;
template <> const StatClass TstCombChnMix2::Class;
template <> const StatClass TstCombChnMix3::Class;
template <> const StatClass TstCombChnMix4::Class;
template <> const StatClass TstCombChnSeq2::Class;
template <> const StatClass TstCombChnSeq3::Class;
template <> const StatClass TstCombChnSeq4::Class;
// clang-format on

}  // namespace pentad
