// SPDX-License-Identifier: GPL-3.0-or-later
// The segment family: the user's table names a segment for every digit at
// every position. A draw is valued by the segments of its five cells, how many
// cells each segment holds, how many segments are used, and segment patterns
// over two to four positions.
#pragma once

#include "stats/methods/bound_stat.h"
#include "stats/methods/combined_pattern.h"

namespace pentad {

// The segment table copied from the settings when an instance is created.
class SegmentTable {
public:
    explicit SegmentTable(const TStatList& list);
    explicit SegmentTable(const std::array<uint8_t, 50>& table);
    // Segment of `digit` at position `position` (1..5).
    uint8_t of(int position, int digit) const;
    std::array<uint8_t, kPositions> cells(const std::array<uint8_t, kPositions>& digits) const;
    // Every segment number of the table once, in order of first appearance
    // (position 1 digits 0..9, then position 2, ...).
    const std::vector<uint8_t>& used() const { return m_used; }
    // Smallest and largest entry of the table.
    std::pair<int, int> range() const;

private:
    std::array<uint8_t, 50> m_table;
    std::vector<uint8_t> m_used;
};

class TCustomSegmentsStat : public TCustomNumbersStat {
public:
    TCustomSegmentsStat(const TStatList& list, int variant)
        : TCustomNumbersStat(list, variant), m_segments(list) {}

protected:
    SegmentTable m_segments;
};

class TCustomSegmentsGraphStat : public TCustomGraphStat {
public:
    TCustomSegmentsGraphStat(const TStatList& list, int variant)
        : TCustomGraphStat(list, variant), m_segments(list) {}
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

protected:
    SegmentTable m_segments;
};

// The segment of each cell (five values per draw); every used segment prepared.
class TstSegments : public TCustomSegmentsStat {
public:
    using TCustomSegmentsStat::TCustomSegmentsStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
};

// (segment, cells in it) for every segment of the table.
class TstSegmValues : public TCustomSegmentsStat {
public:
    using TCustomSegmentsStat::TCustomSegmentsStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    std::string ValueText(const TStatRow& row) const override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

private:
    TStatSimpleArray tally(const std::array<uint8_t, kPositions>& digits) const;
    void mergeTally(const std::array<uint8_t, kPositions>& digits, TStatDrawArray& rows,
                    bool trackPeriods);
};

// Number of distinct segments among the five cells.
class TstSegmCount : public TCustomSegmentsGraphStat {
public:
    using TCustomSegmentsGraphStat::TCustomSegmentsGraphStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
};

// Cells in segment Variant; one entry per number from the smallest to the
// largest entry of the table.
class TstSgmValCnt : public TCustomSegmentsGraphStat {
public:
    using TCustomSegmentsGraphStat::TCustomSegmentsGraphStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
};

class TCustomCombSegmStat : public TCustomCombinedStat {
public:
    TCustomCombSegmStat(const TStatList& list, int variant, CombineKind kind, int size)
        : TCustomCombinedStat(list, variant, kind, size), m_segments(list) {}

protected:
    void ItemsOf(const std::array<uint8_t, kPositions>& digits, Items& items) const override;

private:
    SegmentTable m_segments;
};

// clang-format off
using TstCombSegmMix2 = TBoundStat<TCustomCombSegmStat, CombineKind::Mix, 2>;
using TstCombSegmMix3 = TBoundStat<TCustomCombSegmStat, CombineKind::Mix, 3>;
using TstCombSegmMix4 = TBoundStat<TCustomCombSegmStat, CombineKind::Mix, 4>;
using TstCombSegmSeq2 = TBoundStat<TCustomCombSegmStat, CombineKind::Seq, 2>;
using TstCombSegmSeq3 = TBoundStat<TCustomCombSegmStat, CombineKind::Seq, 3>;
using TstCombSegmSeq4 = TBoundStat<TCustomCombSegmStat, CombineKind::Seq, 4>;
template <> const StatClass TstCombSegmMix2::Class;
template <> const StatClass TstCombSegmMix3::Class;
template <> const StatClass TstCombSegmMix4::Class;
template <> const StatClass TstCombSegmSeq2::Class;
template <> const StatClass TstCombSegmSeq3::Class;
template <> const StatClass TstCombSegmSeq4::Class;
// clang-format on

}  // namespace pentad
