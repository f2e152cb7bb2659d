// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/difference_stats.h"

#include <algorithm>
#include <cstdlib>

#include "shell/format_args.h"

namespace pentad {
namespace {

// Distinct differences in order of first appearance with their counts.
TStatSimpleArray tallyDifferences(const Differences& diffs) {
    TStatSimpleArray tally;
    for (uint8_t d : diffs) {
        auto it = std::find_if(tally.begin(), tally.end(),
                               [d](const TStatSimpleRec& r) { return r.Key == d; });
        if (it == tally.end()) {
            tally.push_back({d, 1});
        } else {
            ++it->Count;
        }
    }
    return tally;
}

uint64_t tallyKey(const TStatSimpleRec& r) {
    return static_cast<uint64_t>(r.Key) | (static_cast<uint64_t>(r.Count) << 16);
}

}  // namespace

Differences neighbourDifferences(const std::array<uint8_t, kPositions>& digits) {
    Differences out{};
    for (size_t i = 0; i + 1 < digits.size(); ++i) {
        out[i] = static_cast<uint8_t>(std::abs(digits[i] - digits[i + 1]));
    }
    return out;
}

// clang-format off
const StatClass TstDiffTotal::Class = {
    .name = "TstDiffTotal", .codeFormat = "DIFA",
    .captionFormat = "Все разности между соседними позициями", .group = 2,
    .baseFlags = kFlagS | kFlagN, .create = &createStat<TstDiffTotal>};
const StatClass TstDiffMax::Class = {
    .name = "TstDiffMax", .codeFormat = "DIFM",
    .captionFormat = "Максимальная разность между соседними позициями", .group = 2,
    .baseFlags = kFlagS | kFlagN, .isGraph = true, .create = &createStat<TstDiffMax>};
const StatClass TstMinMaxDiffs::Class = {
    .name = "TstMinMaxDiffs", .codeFormat = "DIFD",
    .captionFormat = "Разность между минимальным и максимальным числом", .group = 2,
    .baseFlags = kFlagN, .isGraph = true, .create = &createStat<TstMinMaxDiffs>};
const StatClass TstDiffSame::Class = {
    .name = "TstDiffSame", .codeFormat = "DIFO",
    .captionFormat = "Одинаковые разности между соседними позициями", .group = 2,
    .baseFlags = kFlagS | kFlagN, .hasNumericValue = false, .create = &createStat<TstDiffSame>};
const StatClass TstDiffSameCnt::Class = {
    .name = "TstDiffSameCnt", .codeFormat = "DIFK",
    .captionFormat = "Количество одинаковых разностей между соседними позициями", .group = 2,
    .baseFlags = kFlagS | kFlagN, .isGraph = true, .create = &createStat<TstDiffSameCnt>};
template <> const StatClass TstCombDiffSeq2::Class = {
    .name = "TstCombDiffSeq2", .codeFormat = "KDS2",
    .captionFormat = "Сочетания из 2 разностей между числами", .group = 2, .baseFlags = kFlagS,
    .hasNumericValue = false, .create = &createStat<TstCombDiffSeq2>};
template <> const StatClass TstCombDiffSeq3::Class = {
    .name = "TstCombDiffSeq3", .codeFormat = "KDS3",
    .captionFormat = "Сочетания из 3 разностей между числами", .group = 2, .baseFlags = kFlagS,
    .hasNumericValue = false, .create = &createStat<TstCombDiffSeq3>};
template <> const StatClass TstCombDiffSeq4::Class = {
    .name = "TstCombDiffSeq4", .codeFormat = "KDS4",
    .captionFormat = "Сочетания из 4 разностей между числами", .group = 2, .baseFlags = kFlagS,
    .hasNumericValue = false, .create = &createStat<TstCombDiffSeq4>};
// clang-format on

// ---- TstDiffTotal ----

void TstDiffTotal::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomNumbersStat::PrepareRows(lastIndex, rows);
    for (uint16_t d = 1; d <= 9; ++d) {
        WorkRow.setV(1, d);
        MergeRow(rows, false);
    }
}

void TstDiffTotal::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                             StatContext& context, TLastValueArray& lastValues) {
    TCustomNumbersStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    bool first = true;
    for (uint8_t d : neighbourDifferences(CurrentDraw.Digits)) {
        WorkRow.setV(1, d);
        MergeRow(rows, first);
        first = false;
    }
}

void TstDiffTotal::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomNumbersStat::CountCombination(comb, rows);
    for (uint8_t d : neighbourDifferences(comb.Digits)) {
        WorkRow.setV(1, d);
        MergeRow(rows, false);
    }
}

bool TstDiffTotal::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool, bool,
                                   int) {
    for (uint8_t d : neighbourDifferences(comb.Digits)) {
        if (selected.hasCell(1, d)) {
            return true;
        }
    }
    return false;
}

// ---- one number per draw ----

void TCustomDiffGraphStat::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomGraphStat::PrepareRows(lastIndex, rows);
    for (int v = 1; v <= PreparedHigh(); ++v) {
        WorkRow.setV(1, static_cast<uint16_t>(v));
        MergeRow(rows, false);
    }
}

void TCustomDiffGraphStat::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                                     StatContext& context, TLastValueArray& lastValues) {
    TCustomGraphStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    WorkRow.setV(1,
                 static_cast<uint16_t>(DigitsValue(CurrentDraw.Digits, index, lastIndex, sorted)));
    MergeRow(rows, true);
}

void TCustomDiffGraphStat::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomGraphStat::CountCombination(comb, rows);
    WorkRow.setV(1, static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)));
    MergeRow(rows, false);
}

bool TCustomDiffGraphStat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected,
                                           bool, bool, int) {
    return selected.hasCell(1, static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)));
}

int32_t TstDiffMax::DigitsValue(const std::array<uint8_t, kPositions>& digits, int, int, bool) {
    Differences d = neighbourDifferences(digits);
    return *std::max_element(d.begin(), d.end());
}

int32_t TstMinMaxDiffs::DigitsValue(const std::array<uint8_t, kPositions>& digits, int, int, bool) {
    auto [lo, hi] = std::minmax_element(digits.begin(), digits.end());
    return *hi - *lo;
}

int32_t TstDiffSameCnt::DigitsValue(const std::array<uint8_t, kPositions>& digits, int, int, bool) {
    int most = 0;
    for (const TStatSimpleRec& r : tallyDifferences(neighbourDifferences(digits))) {
        most = std::max(most, static_cast<int>(r.Count));
    }
    return most;
}

// ---- TstDiffSame ----

std::string TstDiffSame::ValueText(const TStatRow& row) const {
    return formatIndexed("%0:d x %1:d",
                         {static_cast<long long>(row.V(1)), static_cast<long long>(row.V(2))});
}

void TstDiffSame::mergeTally(const std::array<uint8_t, kPositions>& digits, TStatDrawArray& rows,
                             bool trackPeriods) {
    for (const TStatSimpleRec& r : tallyDifferences(neighbourDifferences(digits))) {
        WorkRow.setKeyValue(tallyKey(r));
        MergeRow(rows, trackPeriods);
    }
}

void TstDiffSame::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                            StatContext& context, TLastValueArray& lastValues) {
    TCustomStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    mergeTally(CurrentDraw.Digits, rows, true);
}

void TstDiffSame::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomStat::CountCombination(comb, rows);
    mergeTally(comb.Digits, rows, false);
}

bool TstDiffSame::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool, bool,
                                  int) {
    for (const TStatSimpleRec& r : tallyDifferences(neighbourDifferences(comb.Digits))) {
        if (selected.hasKey(tallyKey(r))) {
            return true;
        }
    }
    return false;
}

// ---- runs of differences ----

void TCustomCombDiffStat::ItemsOf(const std::array<uint8_t, kPositions>& digits,
                                  Items& items) const {
    Differences d = neighbourDifferences(digits);
    std::copy(d.begin(), d.end(), items.begin());
}

}  // namespace pentad
