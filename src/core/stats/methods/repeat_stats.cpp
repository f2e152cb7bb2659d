// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/repeat_stats.h"

#include "game/routines.h"

namespace pentad {
namespace {

constexpr uint8_t kRep = kFlagD;

// The distinct digits of the newest draw (stored order) shifted by `shift`,
// with count 0: the values this kind of repeat would give in the next draw.
void prepareShiftedDigits(TCustomStat& stat, int lastIndex, int shift, TStatDrawArray& rows) {
    TDrawRec newest = stat.GetDraw(lastIndex, false);
    for (uint8_t d : newest.Digits) {
        stat.WorkRow.setV(1, static_cast<uint16_t>(ShiftDigit(d, shift)));
        stat.MergeRow(rows, false);
    }
}

void prepareCounts(TCustomStat& stat, TStatDrawArray& rows) {
    for (uint16_t n = 1; n <= kPositions; ++n) {
        stat.WorkRow.setV(1, n);
        stat.MergeRow(rows, false);
    }
}

bool anyDigitSelected(const TCombRec& comb, const TStatDrawArray& selected) {
    for (uint8_t d : comb.Digits) {
        if (selected.hasCell(1, d)) {
            return true;
        }
    }
    return false;
}

}  // namespace

// clang-format off
template <> const StatClass TstRepValues2::Class = {
    .name = "TstRepValues2", .codeFormat = "RPV2",
    .captionFormat = "Повторяющиеся числа в 2-х тиражах подряд", .group = 7, .baseFlags = kRep,
    .create = &createStat<TstRepValues2>};
template <> const StatClass TstRepValues3::Class = {
    .name = "TstRepValues3", .codeFormat = "RPV3",
    .captionFormat = "Повторяющиеся числа в 3-х тиражах подряд", .group = 7, .baseFlags = kRep,
    .create = &createStat<TstRepValues3>};
template <> const StatClass TstRepValues2B3::Class = {
    .name = "TstRepValues2B3", .codeFormat = "PRL2",
    .captionFormat = "Повторяющиеся числа не более чем в 2-х тиражах", .group = 7,
    .baseFlags = kRep, .create = &createStat<TstRepValues2B3>};
template <> const StatClass TstRepValues2over1::Class = {
    .name = "TstRepValues2over1", .codeFormat = "PRV2O1",
    .captionFormat = "Повторяющиеся числа в 2-х тиражах через 1 тираж(а)", .group = 7,
    .baseFlags = kRep, .create = &createStat<TstRepValues2over1>};
template <> const StatClass TstRepValues2over2::Class = {
    .name = "TstRepValues2over2", .codeFormat = "PRV2O2",
    .captionFormat = "Повторяющиеся числа в 2-х тиражах через 2 тираж(а)", .group = 7,
    .baseFlags = kRep, .create = &createStat<TstRepValues2over2>};
template <> const StatClass TstRepValues2over3::Class = {
    .name = "TstRepValues2over3", .codeFormat = "PRV2O3",
    .captionFormat = "Повторяющиеся числа в 2-х тиражах через 3 тираж(а)", .group = 7,
    .baseFlags = kRep, .create = &createStat<TstRepValues2over3>};
template <> const StatClass TstRepValues2P1::Class = {
    .name = "TstRepValues2P1", .codeFormat = "PRV+1",
    .captionFormat = "Данные предыдущего тиража + 1", .group = 7, .baseFlags = kRep,
    .create = &createStat<TstRepValues2P1>};
template <> const StatClass TstRepValues2N1::Class = {
    .name = "TstRepValues2N1", .codeFormat = "PRV-1",
    .captionFormat = "Данные предыдущего тиража - 1", .group = 7, .baseFlags = kRep,
    .create = &createStat<TstRepValues2N1>};
template <> const StatClass TstRepValues2P2::Class = {
    .name = "TstRepValues2P2", .codeFormat = "PRV+2",
    .captionFormat = "Данные предыдущего тиража + 2", .group = 7, .baseFlags = kRep,
    .create = &createStat<TstRepValues2P2>};
template <> const StatClass TstRepValues2N2::Class = {
    .name = "TstRepValues2N2", .codeFormat = "PRV-2",
    .captionFormat = "Данные предыдущего тиража - 2", .group = 7, .baseFlags = kRep,
    .create = &createStat<TstRepValues2N2>};
template <> const StatClass TstRepCount2::Class = {
    .name = "TstRepCount2", .codeFormat = "RPC2",
    .captionFormat = "Количество повторов в 2-х тиражах подряд", .group = 7, .baseFlags = kRep,
    .create = &createStat<TstRepCount2>};
template <> const StatClass TstRepCount3::Class = {
    .name = "TstRepCount3", .codeFormat = "RPC3",
    .captionFormat = "Количество повторов в 3-х тиражах подряд", .group = 7, .baseFlags = kRep,
    .create = &createStat<TstRepCount3>};
template <> const StatClass TstRepCount2B3::Class = {
    .name = "TstRepCount2B3", .codeFormat = "PRB2",
    .captionFormat = "Количество повторов не более чем в 2-х тиражах", .group = 7,
    .baseFlags = kRep, .create = &createStat<TstRepCount2B3>};
template <> const StatClass TstRepCount2over1::Class = {
    .name = "TstRepCount2over1", .codeFormat = "RPO1",
    .captionFormat = "Количество повторов в 2-х тиражах через 1 тираж(а)", .group = 7,
    .baseFlags = kRep, .create = &createStat<TstRepCount2over1>};
template <> const StatClass TstRepCount2over2::Class = {
    .name = "TstRepCount2over2", .codeFormat = "PRC2O2",
    .captionFormat = "Количество повторов в 2-х тиражах через 2 тираж(а)", .group = 7,
    .baseFlags = kRep, .create = &createStat<TstRepCount2over2>};
template <> const StatClass TstRepCount2over3::Class = {
    .name = "TstRepCount2over3", .codeFormat = "PRC2O3",
    .captionFormat = "Количество повторов в 2-х тиражах через 3 тираж(а)", .group = 7,
    .baseFlags = kRep, .create = &createStat<TstRepCount2over3>};
template <> const StatClass TstRepCount2P1::Class = {
    .name = "TstRepCount2P1", .codeFormat = "PRC+1",
    .captionFormat = "Количество совпадений \"значений + 1\"", .group = 7, .baseFlags = kRep,
    .create = &createStat<TstRepCount2P1>};
template <> const StatClass TstRepCount2N1::Class = {
    .name = "TstRepCount2N1", .codeFormat = "PRC-1",
    .captionFormat = "Количество совпадений \"значений - 1\"", .group = 7, .baseFlags = kRep,
    .create = &createStat<TstRepCount2N1>};
template <> const StatClass TstRepCount2P2::Class = {
    .name = "TstRepCount2P2", .codeFormat = "PRC+2",
    .captionFormat = "Количество совпадений \"значений + 2\"", .group = 7, .baseFlags = kRep,
    .create = &createStat<TstRepCount2P2>};
template <> const StatClass TstRepCount2N2::Class = {
    .name = "TstRepCount2N2", .codeFormat = "PRC-2",
    .captionFormat = "Количество совпадений \"значений - 2\"", .group = 7, .baseFlags = kRep,
    .create = &createStat<TstRepCount2N2>};
// clang-format on

// ---- TCustomRepValues2Stat ----

void TCustomRepValues2Stat::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomValuesStat::PrepareRows(lastIndex, rows);
    prepareShiftedDigits(*this, lastIndex, m_shift, rows);
}

void TCustomRepValues2Stat::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                                      StatContext& context, TLastValueArray& lastValues) {
    TCustomValuesStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    TDrawRec prev = GetDraw(index - m_lag, sorted);
    for (size_t i = 0; i < kPositions; ++i) {
        // The earlier draw held the newest draw's digit here, and this draw
        // holds it shifted.
        int value = ShiftDigit(ReferenceDraw.Digits[i], m_shift);
        if (ShiftDigit(prev.Digits[i], m_shift) == value && CurrentDraw.Digits[i] == value) {
            WorkRow.setV(1, static_cast<uint16_t>(value));
            MergeRow(rows, true);
        }
    }
}

bool TCustomRepValues2Stat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected,
                                            bool, bool, int) {
    return anyDigitSelected(comb, selected);
}

// ---- TCustomRepCount2Stat ----

int TCustomRepCount2Stat::repeats(const std::array<uint8_t, kPositions>& digits,
                                  const TDrawRec& earlier) const {
    int n = 0;
    for (size_t i = 0; i < kPositions; ++i) {
        n += digits[i] == ShiftDigit(earlier.Digits[i], m_shift) ? 1 : 0;
    }
    return n;
}

void TCustomRepCount2Stat::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomNumbersStat::PrepareRows(lastIndex, rows);
    prepareCounts(*this, rows);
}

void TCustomRepCount2Stat::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                                     StatContext& context, TLastValueArray& lastValues) {
    TCustomNumbersStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    WorkRow.setV(
        1, static_cast<uint16_t>(repeats(CurrentDraw.Digits, GetDraw(index - m_lag, sorted))));
    MergeRow(rows, true);
}

bool TCustomRepCount2Stat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected,
                                           bool, bool sorted, int lastIndex) {
    int n = repeats(comb.Digits, GetDraw(lastIndex + 1 - m_lag, sorted));
    return selected.hasCell(1, static_cast<uint16_t>(n));
}

// ---- three draws ----

void TRepValues3Stat::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomValuesStat::PrepareRows(lastIndex, rows);
    prepareShiftedDigits(*this, lastIndex, 0, rows);
}

void TRepValues3Stat::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                                StatContext& context, TLastValueArray& lastValues) {
    TCustomValuesStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    TDrawRec d1 = GetDraw(index - 1, sorted);
    TDrawRec d2 = GetDraw(index - 2, sorted);
    for (size_t i = 0; i < kPositions; ++i) {
        uint8_t d = CurrentDraw.Digits[i];
        if (d != ReferenceDraw.Digits[i] || d != d1.Digits[i]) {
            continue;
        }
        if ((d == d2.Digits[i]) != m_exactlyTwo) {
            WorkRow.setV(1, d);
            MergeRow(rows, true);
        }
    }
}

bool TRepValues3Stat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool,
                                      bool, int) {
    return anyDigitSelected(comb, selected);
}

int TRepCount3Stat::repeats(const std::array<uint8_t, kPositions>& digits, const TDrawRec& d1,
                            const TDrawRec& d2) const {
    int n = 0;
    for (size_t i = 0; i < kPositions; ++i) {
        if (digits[i] == d1.Digits[i] && (digits[i] == d2.Digits[i]) != m_exactlyTwo) {
            ++n;
        }
    }
    return n;
}

void TRepCount3Stat::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomNumbersStat::PrepareRows(lastIndex, rows);
    prepareCounts(*this, rows);
}

void TRepCount3Stat::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                               StatContext& context, TLastValueArray& lastValues) {
    TCustomNumbersStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    int n = repeats(CurrentDraw.Digits, GetDraw(index - 1, sorted), GetDraw(index - 2, sorted));
    WorkRow.setV(1, static_cast<uint16_t>(n));
    MergeRow(rows, true);
}

bool TRepCount3Stat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool,
                                     bool sorted, int lastIndex) {
    int n = repeats(comb.Digits, GetDraw(lastIndex, sorted), GetDraw(lastIndex - 1, sorted));
    return selected.hasCell(1, static_cast<uint16_t>(n));
}

}  // namespace pentad
