// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/segment_stats.h"

#include <algorithm>

#include "shell/format_args.h"
#include "stats/stat_list.h"

namespace pentad {
namespace {

std::pair<int, int> segmentVariants(const TStatList& list) {
    return SegmentTable(list).range();
}

}  // namespace

SegmentTable::SegmentTable(const TStatList& list) : SegmentTable(list.config.MatrixSegments) {}

SegmentTable::SegmentTable(const std::array<uint8_t, 50>& table) : m_table(table) {
    for (uint8_t s : m_table) {
        if (std::find(m_used.begin(), m_used.end(), s) == m_used.end()) {
            m_used.push_back(s);
        }
    }
}

uint8_t SegmentTable::of(int position, int digit) const {
    return m_table[static_cast<size_t>((position - 1) * kDigitCount + std::clamp(digit, 0, 9))];
}

std::array<uint8_t, kPositions> SegmentTable::cells(
    const std::array<uint8_t, kPositions>& digits) const {
    std::array<uint8_t, kPositions> out{};
    for (int p = 0; p < kPositions; ++p) {
        out[static_cast<size_t>(p)] = of(p + 1, digits[static_cast<size_t>(p)]);
    }
    return out;
}

std::pair<int, int> SegmentTable::range() const {
    auto [lo, hi] = std::minmax_element(m_table.begin(), m_table.end());
    return {*lo, *hi};
}

// clang-format off
const StatClass TstSegments::Class = {
    .name = "TstSegments", .codeFormat = "SGMS", .captionFormat = "Сегменты матрицы",
    .group = 5, .baseFlags = kFlagN, .create = &createStat<TstSegments>};
const StatClass TstSegmValues::Class = {
    .name = "TstSegmValues", .codeFormat = "SGMV",
    .captionFormat = "Количество чисел в сегменте матрицы", .group = 5, .baseFlags = kFlagN,
    .hasNumericValue = false, .create = &createStat<TstSegmValues>};
const StatClass TstSegmCount::Class = {
    .name = "TstSegmCount", .codeFormat = "SGMC",
    .captionFormat = "Количество не пустых сегментов в матрице", .group = 5, .baseFlags = kFlagN,
    .isGraph = true, .create = &createStat<TstSegmCount>};
const StatClass TstSgmValCnt::Class = {
    .name = "TstSgmValCnt", .codeFormat = "SGM%d",
    .captionFormat = "Количество чисел в %0:d сегменте матрицы", .helpCodeFormat = "SGMx",
    .group = 5, .baseFlags = kFlagN, .isGraph = true, .hasVariants = true,
    .variantRange = &segmentVariants, .create = &createStat<TstSgmValCnt>};
template <> const StatClass TstCombSegmMix2::Class = {
    .name = "TstCombSegmMix2", .codeFormat = "KGM2",
    .captionFormat = "Сочетания из 2 сегментов по всем числам тиража", .group = 5,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombSegmMix2>};
template <> const StatClass TstCombSegmMix3::Class = {
    .name = "TstCombSegmMix3", .codeFormat = "KGM3",
    .captionFormat = "Сочетания из 3 сегментов по всем числам тиража", .group = 5,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombSegmMix3>};
template <> const StatClass TstCombSegmMix4::Class = {
    .name = "TstCombSegmMix4", .codeFormat = "KGM4",
    .captionFormat = "Сочетания из 4 сегментов по всем числам тиража", .group = 5,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombSegmMix4>};
template <> const StatClass TstCombSegmSeq2::Class = {
    .name = "TstCombSegmSeq2", .codeFormat = "KGS2",
    .captionFormat = "Сочетания из 2 сегментов по соседним числам", .group = 5,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombSegmSeq2>};
template <> const StatClass TstCombSegmSeq3::Class = {
    .name = "TstCombSegmSeq3", .codeFormat = "KGS3",
    .captionFormat = "Сочетания из 3 сегментов по соседним числам", .group = 5,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombSegmSeq3>};
template <> const StatClass TstCombSegmSeq4::Class = {
    .name = "TstCombSegmSeq4", .codeFormat = "KGS4",
    .captionFormat = "Сочетания из 4 сегментов по соседним числам", .group = 5,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombSegmSeq4>};
// clang-format on

// ---- TstSegments ----

void TstSegments::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomSegmentsStat::PrepareRows(lastIndex, rows);
    for (uint8_t s : m_segments.used()) {
        WorkRow.setV(1, s);
        MergeRow(rows, false);
    }
}

void TstSegments::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                            StatContext& context, TLastValueArray& lastValues) {
    TCustomSegmentsStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    for (uint8_t s : m_segments.cells(CurrentDraw.Digits)) {
        WorkRow.setV(1, s);
        MergeRow(rows, true);
    }
}

void TstSegments::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomSegmentsStat::CountCombination(comb, rows);
    for (uint8_t s : m_segments.cells(comb.Digits)) {
        WorkRow.setV(1, s);
        MergeRow(rows, false);
    }
}

bool TstSegments::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool, bool,
                                  int) {
    for (uint8_t s : m_segments.cells(comb.Digits)) {
        if (selected.hasCell(1, s)) {
            return true;
        }
    }
    return false;
}

// ---- TstSegmValues ----

std::string TstSegmValues::ValueText(const TStatRow& row) const {
    return formatIndexed("%0:d x %1:d",
                         {static_cast<long long>(row.V(1)), static_cast<long long>(row.V(2))});
}

TStatSimpleArray TstSegmValues::tally(const std::array<uint8_t, kPositions>& digits) const {
    TStatSimpleArray out;
    for (uint8_t s : m_segments.used()) {
        out.push_back({s, 0});
    }
    for (uint8_t s : m_segments.cells(digits)) {
        for (TStatSimpleRec& r : out) {
            if (r.Key == s) {
                ++r.Count;
                break;
            }
        }
    }
    return out;
}

void TstSegmValues::mergeTally(const std::array<uint8_t, kPositions>& digits, TStatDrawArray& rows,
                               bool trackPeriods) {
    for (const TStatSimpleRec& r : tally(digits)) {
        WorkRow.clearKey();
        WorkRow.setV(1, static_cast<uint16_t>(r.Key));
        WorkRow.setV(2, static_cast<uint16_t>(r.Count));
        MergeRow(rows, trackPeriods);
    }
}

void TstSegmValues::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                              StatContext& context, TLastValueArray& lastValues) {
    TCustomSegmentsStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    mergeTally(CurrentDraw.Digits, rows, true);
}

void TstSegmValues::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomSegmentsStat::CountCombination(comb, rows);
    mergeTally(comb.Digits, rows, false);
}

bool TstSegmValues::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool,
                                    bool, int) {
    for (const TStatSimpleRec& r : tally(comb.Digits)) {
        TStatRow key;
        key.setV(1, static_cast<uint16_t>(r.Key));
        key.setV(2, static_cast<uint16_t>(r.Count));
        if (selected.hasKey(key.keyValue())) {
            return true;
        }
    }
    return false;
}

// ---- one number per draw ----

void TCustomSegmentsGraphStat::CountDraw(int index, int lastIndex, bool sorted,
                                         TStatDrawArray& rows, StatContext& context,
                                         TLastValueArray& lastValues) {
    TCustomGraphStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    WorkRow.setV(1,
                 static_cast<uint16_t>(DigitsValue(CurrentDraw.Digits, index, lastIndex, sorted)));
    MergeRow(rows, true);
}

void TCustomSegmentsGraphStat::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomGraphStat::CountCombination(comb, rows);
    WorkRow.setV(1, static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)));
    MergeRow(rows, false);
}

bool TCustomSegmentsGraphStat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected,
                                               bool, bool, int) {
    return selected.hasCell(1, static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)));
}

int32_t TstSegmCount::DigitsValue(const std::array<uint8_t, kPositions>& digits, int, int, bool) {
    std::array<uint8_t, kPositions> cells = m_segments.cells(digits);
    std::sort(cells.begin(), cells.end());
    return static_cast<int32_t>(std::unique(cells.begin(), cells.end()) - cells.begin());
}

int32_t TstSgmValCnt::DigitsValue(const std::array<uint8_t, kPositions>& digits, int, int, bool) {
    std::array<uint8_t, kPositions> cells = m_segments.cells(digits);
    return static_cast<int32_t>(std::count(cells.begin(), cells.end(), Variant));
}

// ---- segment patterns ----

void TCustomCombSegmStat::ItemsOf(const std::array<uint8_t, kPositions>& digits,
                                  Items& items) const {
    std::array<uint8_t, kPositions> cells = m_segments.cells(digits);
    std::copy(cells.begin(), cells.end(), items.begin());
}

}  // namespace pentad
