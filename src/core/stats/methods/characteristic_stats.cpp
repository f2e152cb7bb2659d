// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/characteristic_stats.h"

#include "game/routines.h"
#include "stats/stat_list.h"

namespace pentad {
namespace {

std::pair<int, int> formulas(const TStatList&) {
    return {1, 3};
}

std::string formulaOf(const TStatList& list, int variant) {
    return variant >= 1 && variant <= 3 ? list.Formulas[static_cast<size_t>(variant - 1)]
                                        : std::string();
}

int decimalsOf(const TStatList& list, int variant) {
    return variant >= 1 && variant <= 3 ? list.FormulaDigits[static_cast<size_t>(variant - 1)] : 0;
}

}  // namespace

// clang-format off
template <> const StatClass TstQuorin1::Class = {
    .name = "TstQuorin1", .codeFormat = "HCQ1",
    .captionFormat = "Число Кворина 1 (только разность)", .group = 11,
    .baseFlags = kFlagS | kFlagN, .isGraph = true, .create = &createStat<TstQuorin1>};
template <> const StatClass TstQuorin2::Class = {
    .name = "TstQuorin2", .codeFormat = "HCQ2",
    .captionFormat = "Число Кворина 2 (разность + сложение, если {0,1})", .group = 11,
    .baseFlags = kFlagS | kFlagN, .isGraph = true, .create = &createStat<TstQuorin2>};
const StatClass TstQuorin3::Class = {
    .name = "TstQuorin3", .codeFormat = "HCQ3",
    .captionFormat = "Числа Кворина 3 (динамический, только фильтр)", .group = 11,
    .baseFlags = kFlagS | kFlagD, .hasNumericValue = false, .create = &createStat<TstQuorin3>};
const StatClass TstShreddingStat::Class = {
    .name = "TstShreddingStat", .codeFormat = "SHR%d",
    .captionFormat = "Метод шинковки %0:d: %%s", .helpCodeFormat = "SHRx", .group = kShreddingGroup,
    .baseFlags = kFlagS | kFlagN, .isGraph = true, .hasVariants = true,
    .variantRange = &formulas, .create = &createStat<TstShreddingStat>};
// clang-format on

// ---- characteristic numbers ----

int32_t TCustomQuorinGraphStat::DigitsValue(const std::array<uint8_t, kPositions>& digits, int, int,
                                            bool) {
    return DifferenceReduce(digits.data(), kPositions, m_mode)[0];
}

void TCustomQuorinGraphStat::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                                       StatContext& context, TLastValueArray& lastValues) {
    TCustomGraphStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    WorkRow.setV(1,
                 static_cast<uint16_t>(DigitsValue(CurrentDraw.Digits, index, lastIndex, sorted)));
    MergeRow(rows, true);
}

void TCustomQuorinGraphStat::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomGraphStat::CountCombination(comb, rows);
    WorkRow.setV(1, static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)));
    MergeRow(rows, false);
}

bool TCustomQuorinGraphStat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected,
                                             bool, bool, int) {
    return selected.hasCell(1, static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)));
}

// ---- TstQuorin3 ----

std::string TstQuorin3::ValueText(const TStatRow& row) const {
    std::string text = std::to_string(row.V(1));
    if (row.V(4) == 2) {
        text += " (" + std::to_string(row.V(2)) + ")";
    }
    return text;
}

void TstQuorin3::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                           StatContext& context, TLastValueArray& lastValues) {
    TCustomStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    if (index != lastIndex) {
        return;
    }
    TByteArray r = DifferenceReduce(CurrentDraw.Digits.data(), kPositions, 2);
    if (r.size() == 2) {
        WorkRow.setV(1, r[1]);
        WorkRow.setV(2, 1);
        WorkRow.setV(4, 2);
    } else {
        WorkRow.setV(1, r[0]);
    }
    const TDrawRec next = GetDraw(lastIndex + 1, false);
    const int e = WorkRow.V(1);
    WorkRow.Count = digitInDraw(next, e) ? 1 : 0;
    MergeRow(rows, false);
    // The multiples below the square (or the cube, for small values) that are
    // digits: 2 gives 8, 6, 4; 3 gives 9, 6; 4 gives 8.
    for (int f = e * e > 8 ? e * e : e * e * e; f > e; f -= e) {
        if (f >= 0 && f <= 9) {
            WorkRow.clearKey();
            WorkRow.setV(1, static_cast<uint16_t>(f));
            WorkRow.Count = digitInDraw(next, f) ? 1 : 0;
            MergeRow(rows, false);
        }
    }
}

bool TstQuorin3::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool, bool,
                                 int) {
    for (uint8_t d : comb.Digits) {
        if (selected.hasCell(1, d)) {
            return true;
        }
    }
    return false;
}

// ---- shredding ----

TstShreddingStat::TstShreddingStat(const TStatList& list, int variant)
    : TCustomGraphStat(list, variant),
      m_formula(formulaOf(list, variant), decimalsOf(list, variant)) {}

std::string TstShreddingStat::ValueText(const TStatRow& row) const {
    return std::to_string(row.H(1));
}

int32_t TstShreddingStat::DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int,
                                      bool sorted) {
    FormulaDigits d;
    d.n = digits;
    d.p = GetDraw(index - 1, sorted).Digits;
    d.t = GetDraw(index - 2, sorted).Digits;
    return m_formula.value(d);
}

void TstShreddingStat::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                                 StatContext& context, TLastValueArray& lastValues) {
    TCustomGraphStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    WorkRow.setH(1,
                 static_cast<uint32_t>(DigitsValue(CurrentDraw.Digits, index, lastIndex, sorted)));
    MergeRow(rows, true);
}

void TstShreddingStat::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomGraphStat::CountCombination(comb, rows);
    FormulaDigits d;
    d.n = comb.Digits;
    WorkRow.setH(1, static_cast<uint32_t>(m_formula.value(d)));
    MergeRow(rows, false);
}

bool TstShreddingStat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool,
                                       bool sorted, int lastIndex) {
    FormulaDigits d;
    d.n = comb.Digits;
    d.p = GetDraw(lastIndex, sorted).Digits;
    d.t = GetDraw(lastIndex - 1, sorted).Digits;
    return selected.hasHalf(1, static_cast<uint32_t>(m_formula.value(d)));
}

}  // namespace pentad
