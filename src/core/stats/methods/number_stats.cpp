// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/number_stats.h"

#include <string>

namespace pentad {
namespace {

std::pair<int, int> positions(const TStatList&) {
    return {1, 5};
}

std::pair<int, int> noVariants(const TStatList&) {
    return {1, 0};
}

void prepareDigits(TStatRow& work, TStatDrawArray& rows) {
    for (uint16_t d = 0; d <= 9; ++d) {
        work.setV(1, d);
        rows.merge(work, false);
    }
}

}  // namespace

// clang-format off
const StatClass TstValues::Class = {
    .name = "TstValues", .codeFormat = "NUMS", .captionFormat = "Числа тиража",
    .group = 0, .baseFlags = kFlagN, .create = &createStat<TstValues>};
const StatClass TstDigits::Class = {
    .name = "TstDigits", .codeFormat = "DIGS", .captionFormat = "Цифры тиража",
    .group = 0, .baseFlags = kFlagN, .create = &createStat<TstDigits>};
const StatClass TstEvenCount::Class = {
    .name = "TstEvenCount", .codeFormat = "EVEN",
    .captionFormat = "Количество четных чисел в тираже (Ч:Н)",
    .group = 0, .baseFlags = kFlagN, .isGraph = true, .create = &createStat<TstEvenCount>};
const StatClass TstEvenValues::Class = {
    .name = "TstEvenValues", .codeFormat = "EVNV",
    .captionFormat = "Четные и нечетные числа в тираже (Чн..нЧ)",
    .group = 0, .baseFlags = kFlagS | kFlagN, .create = &createStat<TstEvenValues>};
const StatClass TstSmallCount::Class = {
    .name = "TstSmallCount", .codeFormat = "SMAL",
    .captionFormat = "Количество чисел из первой половины диапазона (1П:2П)",
    .group = 0, .baseFlags = kFlagN, .isGraph = true, .create = &createStat<TstSmallCount>};
const StatClass TstSmallValues::Class = {
    .name = "TstSmallValues", .codeFormat = "SMLV",
    .captionFormat = "Числа из первой половины диапазона (12..12)",
    .group = 0, .baseFlags = kFlagS | kFlagN, .create = &createStat<TstSmallValues>};
const StatClass TstPrimeCount::Class = {
    .name = "TstPrimeCount", .codeFormat = "PRIM", .captionFormat = "Количество простых чисел (П:С)",
    .group = 0, .baseFlags = kFlagN, .isGraph = true, .create = &createStat<TstPrimeCount>};
const StatClass TstPrimeValues::Class = {
    .name = "TstPrimeValues", .codeFormat = "PRMV",
    .captionFormat = "Простые и составные числа (ПС..СП)",
    .group = 0, .baseFlags = kFlagS | kFlagN, .create = &createStat<TstPrimeValues>};
const StatClass TstPosVal::Class = {
    .name = "TstPosVal", .codeFormat = "POS%d", .captionFormat = "Число в %0:d позиции тиража",
    .helpCodeFormat = "POSx", .group = 0, .baseFlags = kFlagS | kFlagN, .isGraph = true,
    .hasVariants = true, .variantRange = &positions, .create = &createStat<TstPosVal>};
const StatClass TstPosExt::Class = {
    .name = "TstPosExt", .codeFormat = "POE%d",
    .captionFormat = "Extra (Bonus, Star...) - число (!без фильтра!)",
    .helpCodeFormat = "POSx", .group = 0, .baseFlags = 0, .isGraph = true,
    .hasVariants = true, .variantRange = &noVariants, .create = &createStat<TstPosExt>};
// clang-format on

// ---- TstValues ----

void TstValues::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomValuesStat::PrepareRows(lastIndex, rows);
    prepareDigits(WorkRow, rows);
}

void TstValues::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                          StatContext& context, TLastValueArray& lastValues) {
    TCustomValuesStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    for (uint8_t d : CurrentDraw.Digits) {
        WorkRow.setV(1, d);
        MergeRow(rows, true);
    }
}

void TstValues::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomValuesStat::CountCombination(comb, rows);
    for (uint8_t d : comb.Digits) {
        WorkRow.setV(1, d);
        MergeRow(rows, false);
    }
}

bool TstValues::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool, bool,
                                int) {
    for (uint8_t d : comb.Digits) {
        if (selected.hasKey(d)) {
            return true;
        }
    }
    return false;
}

// ---- TstDigits ----

void TstDigits::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                          StatContext& context, TLastValueArray& lastValues) {
    TCustomNumbersStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    for (uint8_t n : CurrentDraw.Digits) {
        for (char c : std::to_string(n)) {
            WorkRow.setV(1, static_cast<uint16_t>(c - '0'));
            MergeRow(rows, true);
        }
    }
}

void TstDigits::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomNumbersStat::CountCombination(comb, rows);
    for (uint8_t n : comb.Digits) {
        for (char c : std::to_string(n)) {
            WorkRow.setV(1, static_cast<uint16_t>(c - '0'));
            MergeRow(rows, false);
        }
    }
}

bool TstDigits::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool, bool,
                                int) {
    for (uint8_t n : comb.Digits) {
        for (char c : std::to_string(n)) {
            if (selected.hasKey(static_cast<uint64_t>(c - '0'))) {
                return true;
            }
        }
    }
    return false;
}

// ---- property counts ----

int32_t TCustomPropertyCount::DigitsValue(const std::array<uint8_t, kPositions>& digits, int, int,
                                          bool) {
    int n = 0;
    for (uint8_t d : digits) {
        n += hasProperty(d) ? 1 : 0;
    }
    return n;
}

void TCustomPropertyCount::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomRatioStat::PrepareRows(lastIndex, rows);
    for (uint16_t n = 1; n <= 5; ++n) {
        WorkRow.setV(1, n);
        MergeRow(rows, false);
    }
}

void TCustomPropertyCount::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                                     StatContext& context, TLastValueArray& lastValues) {
    TCustomRatioStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    WorkRow.setV(1, static_cast<uint16_t>(DigitsValue(CurrentDraw.Digits, index, lastIndex, sorted)));
    MergeRow(rows, true);
}

void TCustomPropertyCount::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomRatioStat::CountCombination(comb, rows);
    WorkRow.setV(1, static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)));
    MergeRow(rows, false);
}

bool TCustomPropertyCount::TestCombination(const TCombRec& comb, const TStatDrawArray& selected,
                                           bool, bool, int) {
    return selected.hasCell(1, static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)));
}

bool TstPrimeCount::hasProperty(uint8_t d) const {
    return d == 1 || d == 2 || d == 3 || d == 5 || d == 7;
}

// ---- property masks ----

uint32_t TCustomPropertyMask::maskOf(const std::array<uint8_t, kPositions>& digits) const {
    uint32_t mask = 0;
    for (uint8_t d : digits) {
        mask = (mask << 1) + (hasProperty(d) ? 1u : 0u);
    }
    return mask;
}

void TCustomPropertyMask::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                                    StatContext& context, TLastValueArray& lastValues) {
    TCustomMaskStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    WorkRow.setH(1, maskOf(CurrentDraw.Digits));
    MergeRow(rows, true);
}

void TCustomPropertyMask::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomMaskStat::CountCombination(comb, rows);
    WorkRow.setH(1, maskOf(comb.Digits));
    MergeRow(rows, false);
}

bool TCustomPropertyMask::TestCombination(const TCombRec& comb, const TStatDrawArray& selected,
                                          bool, bool, int) {
    return selected.hasHalf(1, maskOf(comb.Digits));
}

void TstSmallValues::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomStat::PrepareRows(lastIndex, rows);
}

bool TstPrimeValues::hasProperty(uint8_t d) const {
    return d == 1 || d == 2 || d == 3 || d == 5 || d == 7;
}

// ---- TstPosVal ----

void TstPosVal::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomGraphStat::PrepareRows(lastIndex, rows);
    prepareDigits(WorkRow, rows);
}

int32_t TstPosVal::DigitsValue(const std::array<uint8_t, kPositions>& digits, int, int, bool) {
    if (Variant < 1 || Variant > kPositions) {
        return 0;
    }
    return digits[static_cast<size_t>(Variant - 1)];
}

void TstPosVal::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                          StatContext& context, TLastValueArray& lastValues) {
    TCustomGraphStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    WorkRow.setV(1, static_cast<uint16_t>(DigitsValue(CurrentDraw.Digits, index, lastIndex, sorted)));
    MergeRow(rows, true);
}

void TstPosVal::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomGraphStat::CountCombination(comb, rows);
    WorkRow.setV(1, static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)));
    MergeRow(rows, false);
}

bool TstPosVal::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool, bool,
                                int) {
    return selected.hasCell(1, static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)));
}

}  // namespace pentad
