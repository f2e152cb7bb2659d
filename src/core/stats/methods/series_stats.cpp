// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/series_stats.h"

#include <algorithm>

namespace pentad {
namespace {

constexpr int kContextEntries = static_cast<int>(std::tuple_size_v<decltype(StatContext::Entries)>);

std::string elementTimes(const ElementMap& elements, const TStatRow& row) {
    return elements.text(row.V(1)) + " x " + std::to_string(row.V(2));
}

}  // namespace

// clang-format off
template <> const StatClass TstNumGroups::Class = {
    .name = "TstNumGroups", .codeFormat = "GRPV",
    .captionFormat = "Повторы чисел в нескольких тиражах подряд", .group = 8,
    .baseFlags = kFlagD, .hasNumericValue = false, .create = &createStat<TstNumGroups>};
template <> const StatClass TstNumPauses::Class = {
    .name = "TstNumPauses", .codeFormat = "GRPP",
    .captionFormat = "Интервалы между повторениями чисел", .group = 8,
    .baseFlags = kFlagD, .hasNumericValue = false, .create = &createStat<TstNumPauses>};
template <> const StatClass TstChnGroups::Class = {
    .name = "TstChnGroups", .codeFormat = "GRCV",
    .captionFormat = "Повторы каналов в нескольких тиражах подряд", .group = 8,
    .baseFlags = kFlagD, .hasNumericValue = false, .create = &createStat<TstChnGroups>};
template <> const StatClass TstChnPauses::Class = {
    .name = "TstChnPauses", .codeFormat = "GRCP",
    .captionFormat = "Интервалы между повторениями каналов", .group = 8,
    .baseFlags = kFlagD, .hasNumericValue = false, .create = &createStat<TstChnPauses>};
template <> const StatClass TstSgmGroups::Class = {
    .name = "TstSgmGroups", .codeFormat = "GRSV",
    .captionFormat = "Повторы сегментов в нескольких тиражах подряд", .group = 8,
    .baseFlags = kFlagD, .hasNumericValue = false, .create = &createStat<TstSgmGroups>};
template <> const StatClass TstSgmPauses::Class = {
    .name = "TstSgmPauses", .codeFormat = "GRSP",
    .captionFormat = "Интервалы между повторениями сегментов", .group = 8,
    .baseFlags = kFlagD, .hasNumericValue = false, .create = &createStat<TstSgmPauses>};
template <> const StatClass TstNumPeriods::Class = {
    .name = "TstNumPeriods", .codeFormat = "PRDV", .captionFormat = "Периоды повторения чисел",
    .group = 9, .baseFlags = kFlagP, .hasNumericValue = false,
    .create = &createStat<TstNumPeriods>};
template <> const StatClass TstChnPeriods::Class = {
    .name = "TstChnPeriods", .codeFormat = "PRDC", .captionFormat = "Периоды повторения каналов",
    .group = 9, .baseFlags = kFlagP, .hasNumericValue = false,
    .create = &createStat<TstChnPeriods>};
template <> const StatClass TstSgmPeriods::Class = {
    .name = "TstSgmPeriods", .codeFormat = "PRDG",
    .captionFormat = "Периоды повторения сегментов", .group = 9, .baseFlags = kFlagP,
    .hasNumericValue = false, .create = &createStat<TstSgmPeriods>};
// clang-format on

// ---- series ----

std::string TCustomSerialStat::ValueText(const TStatRow& row) const {
    return elementTimes(m_elements, row);
}

void TCustomSerialStat::mergeRun(int element, const std::array<int32_t, 3>& run,
                                 TStatDrawArray& rows) {
    WorkRow.clearKey();
    WorkRow.setV(1, static_cast<uint16_t>(element));
    WorkRow.setV(2, static_cast<uint16_t>(run[0]));
    WorkRow.LastDraw = run[1];
    WorkRow.PrevDraw = run[1];
    WorkRow.Depth = run[2];
    WorkRow.Count = 1;
    MergeRow(rows, true);
}

void TCustomSerialStat::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                                  StatContext& context, TLastValueArray& lastValues) {
    TCustomStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    auto [lo, hi] = m_elements.range();
    for (int v = std::max(lo, 0); v <= std::min(hi, kContextEntries - 1); ++v) {
        std::array<int32_t, 3>& run = context.Entries[static_cast<size_t>(v)];
        bool present = m_elements.inDigits(CurrentDraw.Digits, v);
        if (present == m_presence) {
            run[0] += 1;
            run[1] = CurrentDraw.Number;
            run[2] = lastIndex - index + 1;
            if (index == lastIndex && InNewest(v)) {
                mergeRun(v, run, rows);  // the run still going at the end of the window
            }
        } else {
            if (run[0] > 0 && InNewest(v)) {
                mergeRun(v, run, rows);
            }
            run = {0, 0, 0};
        }
    }
}

bool TCustomSerialStat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool,
                                        bool, int) {
    for (int p = 1; p <= kPositions; ++p) {
        int e = ElementOf(p, comb.Digits[static_cast<size_t>(p - 1)]);
        if (selected.hasCell(1, static_cast<uint16_t>(e))) {
            return true;
        }
    }
    return false;
}

// ---- periods ----

std::string TCustomPeriodsStat::ValueText(const TStatRow& row) const {
    return elementTimes(m_elements, row);
}

void TCustomPeriodsStat::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                                   StatContext& context, TLastValueArray& lastValues) {
    TCustomStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    for (int p = 1; p <= kPositions; ++p) {
        int e = ElementOf(p, CurrentDraw.Digits[static_cast<size_t>(p - 1)]);
        int32_t distance =
            lastValues.lookup({static_cast<int16_t>(e), 0, 0, 0}, CurrentDraw.Number);
        // A second occurrence in the same draw gives 0 and is not merged again.
        if (distance > 0) {
            WorkRow.clearKey();
            WorkRow.setV(1, static_cast<uint16_t>(e));
            WorkRow.setV(2, static_cast<uint16_t>(distance));
            MergeRow(rows, true);
        }
    }
}

bool TCustomPeriodsStat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected,
                                         bool exclude, bool, int lastIndex) {
    for (int p = 1; p <= kPositions; ++p) {
        int e = ElementOf(p, comb.Digits[static_cast<size_t>(p - 1)]);
        if (!selected.hasCell(1, static_cast<uint16_t>(e))) {
            continue;
        }
        for (const TStatRow& row : selected) {
            if (row.V(1) != e) {
                continue;
            }
            TDrawRec earlier = GetDraw(lastIndex - row.V(2) + 1, false);
            if (m_elements.inDigits(earlier.Digits, e) != exclude) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace pentad
