// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/sum_stats.h"

#include <cstdlib>

#include "shell/format_args.h"

namespace pentad {
namespace {

constexpr const char* kOtherSums = "Остальные";

struct SumRange {
    int lo, hi;
    int captionA, captionB;  // the "(a/b)" of the caption
};
constexpr SumRange kSumRanges[3] = {{12, 33, 1, 3}, {14, 31, 1, 2}, {16, 29, 2, 3}};

const SumRange& sumRange(int variant) {
    return kSumRanges[variant >= 1 && variant <= 3 ? variant - 1 : 0];
}

int sumOf(const std::array<uint8_t, kPositions>& digits) {
    int s = 0;
    for (uint8_t d : digits) {
        s += d;
    }
    return s;
}

// Sum of the draw before `index` in drawn order; zero before the first draw.
int previousSum(const TCustomStat& stat, int index) {
    return sumOf(stat.GetDraw(index - 1, false).Digits);
}

int direction(int from, int to) {
    return to > from ? 1 : to < from ? -1 : 0;
}

std::pair<int, int> sumRangeVariants(const TStatList&) {
    return {1, 3};
}

}  // namespace

// clang-format off
const StatClass TstSumValues::Class = {
    .name = "TstSumValues", .codeFormat = "SUMS", .captionFormat = "Сумма тиража: все значения",
    .group = 1, .baseFlags = kFlagN, .isGraph = true, .create = &createStat<TstSumValues>};
const StatClass TstSumRanges::Class = {
    .name = "TstSumRanges", .codeFormat = "SUM%d",
    .captionFormat = "Сумма тиража: диапазон %d (%d/%d)", .helpCodeFormat = "SUMx",
    .group = 1, .baseFlags = kFlagN, .isGraph = true, .hasNumericValue = false,
    .hasVariants = true, .variantRange = &sumRangeVariants,
    .captionOf = &TstSumRanges::VariantCaption, .create = &createStat<TstSumRanges>};
const StatClass TstSumChange::Class = {
    .name = "TstSumChange", .codeFormat = "SUMC",
    .captionFormat = "Сумма тиража: изменения (точно)", .group = 1, .baseFlags = kFlagD,
    .isGraph = true, .hasNumericValue = false, .create = &createStat<TstSumChange>};
const StatClass TstSumChangeSome::Class = {
    .name = "TstSumChangeSome", .codeFormat = "SUMV",
    .captionFormat = "Сумма тиража: изменения (диапазон)", .group = 1, .baseFlags = kFlagD,
    .hasNumericValue = false, .create = &createStat<TstSumChangeSome>};
const StatClass TstSumTrend::Class = {
    .name = "TstSumTrend", .codeFormat = "SUMT",
    .captionFormat = "Сумма тиража: направление изменения", .group = 1, .baseFlags = kFlagD,
    .isGraph = true, .hasNumericValue = false, .create = &createStat<TstSumTrend>};
const StatClass TstSumEvenValues::Class = {
    .name = "TstSumEvenValues", .codeFormat = "SUME",
    .captionFormat = "Сумма тиража: только четные", .group = 1, .baseFlags = kFlagN,
    .isGraph = true, .create = &createStat<TstSumEvenValues>};
const StatClass TstSumPrimeValues::Class = {
    .name = "TstSumPrimeValues", .codeFormat = "SUMP",
    .captionFormat = "Сумма тиража: только простые", .group = 1, .baseFlags = kFlagN,
    .isGraph = true, .create = &createStat<TstSumPrimeValues>};
const StatClass TstSum2To3::Class = {
    .name = "TstSum2To3", .codeFormat = "S2T3",
    .captionFormat = "Сумма двух чисел тиража равна третьему числу", .group = 1,
    .baseFlags = kFlagN, .isGraph = true, .create = &createStat<TstSum2To3>};
// clang-format on

// ---- sums of some digits ----

int32_t TCustomSumStat::DigitsValue(const std::array<uint8_t, kPositions>& digits, int, int, bool) {
    int s = 0;
    for (uint8_t d : digits) {
        s += counts(d) ? d : 0;
    }
    return s;
}

void TCustomSumStat::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                               StatContext& context, TLastValueArray& lastValues) {
    TCustomGraphStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    WorkRow.setH(1,
                 static_cast<uint32_t>(DigitsValue(CurrentDraw.Digits, index, lastIndex, sorted)));
    MergeRow(rows, true);
}

void TCustomSumStat::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomGraphStat::CountCombination(comb, rows);
    WorkRow.setH(1, static_cast<uint32_t>(DigitsValue(comb.Digits, -1, -1, false)));
    MergeRow(rows, false);
}

bool TCustomSumStat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool,
                                     bool, int) {
    return selected.hasCells13(static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)), 0);
}

void TstSumValues::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomSumStat::PrepareRows(lastIndex, rows);
    for (int s = SumLow; s <= SumHigh; ++s) {
        WorkRow.setH(1, static_cast<uint32_t>(s));
        MergeRow(rows, false);
    }
}

bool TstSumPrimeValues::counts(uint8_t d) const {
    return d == 1 || d == 2 || d == 3 || d == 5 || d == 7;
}

// ---- TstSumRanges ----

std::string TstSumRanges::VariantCaption(int variant) {
    const SumRange& r = sumRange(variant);
    return formatIndexed(Class.captionFormat,
                         {static_cast<long long>(variant), static_cast<long long>(r.captionA),
                          static_cast<long long>(r.captionB)});
}

int32_t TstSumRanges::DigitsValue(const std::array<uint8_t, kPositions>& digits, int, int, bool) {
    const SumRange& r = sumRange(Variant);
    int s = sumOf(digits);
    return s >= r.lo && s <= r.hi ? 1 : 0;
}

std::string TstSumRanges::ValueText(const TStatRow& row) const {
    if (row.H(1) == 1) {
        const SumRange& r = sumRange(Variant);
        return std::to_string(r.lo) + "-" + std::to_string(r.hi);
    }
    return kOtherSums;
}

void TstSumRanges::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomGraphStat::PrepareRows(lastIndex, rows);
    for (uint32_t v : {0u, 1u}) {
        WorkRow.setH(1, v);
        MergeRow(rows, false);
    }
}

void TstSumRanges::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                             StatContext& context, TLastValueArray& lastValues) {
    TCustomGraphStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    WorkRow.setH(1,
                 static_cast<uint32_t>(DigitsValue(CurrentDraw.Digits, index, lastIndex, sorted)));
    MergeRow(rows, true);
}

void TstSumRanges::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomGraphStat::CountCombination(comb, rows);
    WorkRow.setH(1, static_cast<uint32_t>(DigitsValue(comb.Digits, -1, -1, false)));
    MergeRow(rows, false);
}

bool TstSumRanges::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool, bool,
                                   int) {
    bool inRange = DigitsValue(comb.Digits, -1, -1, false) == 1;
    return selected.hasHalf(1, 1) ? inRange : !inRange;
}

// ---- TstSumChange ----

std::string TstSumChange::ValueText(const TStatRow& row) const {
    auto a = static_cast<long long>(row.H(1));
    auto b = static_cast<long long>(row.H(2));
    // The change is written with two digits both times: "- 05 : 23 - 05 = 18".
    if (b < a) {
        return formatIndexed("- %0:.2d : %1:d - %0:.2d = %2:d", {a - b, a, b});
    }
    return formatIndexed("+%0:.2d : %1:d + %0:.2d = %2:d", {b - a, a, b});
}

void TstSumChange::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                             StatContext& context, TLastValueArray& lastValues) {
    TCustomGraphStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    int previous = previousSum(*this, index);
    if (previous != ReferenceDraw.sum()) {
        return;
    }
    WorkRow.setH(1, static_cast<uint32_t>(previous));
    WorkRow.setH(2, static_cast<uint32_t>(CurrentDraw.sum()));
    MergeRow(rows, true);
}

bool TstSumChange::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool, bool,
                                   int) {
    return selected.hasHalf(2, static_cast<uint32_t>(sumOf(comb.Digits)));
}

int32_t TstSumChange::DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int,
                                  bool) {
    return sumOf(digits) - previousSum(*this, index);
}

// ---- TstSumChangeSome ----

std::string TstSumChangeSome::ValueText(const TStatRow& row) const {
    auto v = static_cast<long long>(static_cast<int32_t>(row.H(1)));
    if (v < 0) {
        return formatIndexed("- %0:.2d", {-v});
    }
    return formatIndexed("+%0:.2d", {v});
}

void TstSumChangeSome::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                                 StatContext& context, TLastValueArray& lastValues) {
    TCustomStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    int previous = previousSum(*this, index);
    if (std::abs(ReferenceDraw.sum() - previous) > SumBand) {
        return;
    }
    WorkRow.setH(1, static_cast<uint32_t>(CurrentDraw.sum() - previous));
    MergeRow(rows, true);
}

bool TstSumChangeSome::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool,
                                       bool sorted, int lastIndex) {
    LoadDraws(lastIndex, lastIndex, sorted);
    return selected.hasHalf(1, static_cast<uint32_t>(sumOf(comb.Digits) - CurrentDraw.sum()));
}

// ---- TstSumTrend ----

std::string TstSumTrend::ValueText(const TStatRow& row) const {
    auto v = static_cast<int32_t>(row.H(1));
    return v == 0 ? "=" : v > 0 ? "+" : "-";
}

void TstSumTrend::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomGraphStat::PrepareRows(lastIndex, rows);
    for (int v : {0, 1, -1}) {
        WorkRow.setH(1, static_cast<uint32_t>(v));
        MergeRow(rows, false);
    }
}

void TstSumTrend::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                            StatContext& context, TLastValueArray& lastValues) {
    TCustomGraphStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    int previous = previousSum(*this, index);
    if (previous != ReferenceDraw.sum()) {
        return;
    }
    WorkRow.setH(1, static_cast<uint32_t>(direction(previous, CurrentDraw.sum())));
    MergeRow(rows, true);
}

bool TstSumTrend::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool,
                                  bool sorted, int lastIndex) {
    LoadDraws(lastIndex, lastIndex, sorted);
    int dir = direction(CurrentDraw.sum(), sumOf(comb.Digits));
    return selected.hasHalf(1, static_cast<uint32_t>(dir));
}

int32_t TstSumTrend::DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int,
                                 bool) {
    return direction(previousSum(*this, index), sumOf(digits));
}

// ---- TstSum2To3 ----

int32_t TstSum2To3::DigitsValue(const std::array<uint8_t, kPositions>& d, int, int, bool) {
    int n = 0;
    for (int p = 0; p < kPositions; ++p) {
        for (int q = 0; q < kPositions; ++q) {
            for (int s = q + 1; s < kPositions; ++s) {
                if (q != p && s != p && d[q] + d[s] == d[p]) {
                    ++n;
                }
            }
        }
    }
    return n;
}

void TstSum2To3::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                           StatContext& context, TLastValueArray& lastValues) {
    TCustomGraphStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    WorkRow.setV(1,
                 static_cast<uint16_t>(DigitsValue(CurrentDraw.Digits, index, lastIndex, sorted)));
    MergeRow(rows, true);
}

void TstSum2To3::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomGraphStat::CountCombination(comb, rows);
    WorkRow.setV(1, static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)));
    MergeRow(rows, false);
}

bool TstSum2To3::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool, bool,
                                 int) {
    return selected.hasCell(1, static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)));
}

}  // namespace pentad
