// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/sequence_stats.h"

#include <algorithm>

namespace pentad {

int DigitRuns::longest() const {
    return *std::max_element(lengths.begin(), lengths.begin() + count);
}

int DigitRuns::atLeastTwo() const {
    return static_cast<int>(
        std::count_if(lengths.begin(), lengths.begin() + count, [](int n) { return n >= 2; }));
}

DigitRuns digitRuns(const std::array<uint8_t, kPositions>& digits, bool eitherWay) {
    DigitRuns runs;
    int length = 1;
    for (size_t i = 1; i < digits.size(); ++i) {
        int step = digits[i] - digits[i - 1];
        if (step == 1 || (eitherWay && step == -1)) {
            ++length;
        } else {
            runs.lengths[static_cast<size_t>(runs.count++)] = length;
            length = 1;
        }
    }
    runs.lengths[static_cast<size_t>(runs.count++)] = length;
    return runs;
}

// clang-format off
const StatClass TstSequenceLen::Class = {
    .name = "TstSequenceLen", .codeFormat = "SEQL",
    .captionFormat = "Длина последовательности в тираже", .group = 6,
    .baseFlags = kFlagS | kFlagN, .create = &createStat<TstSequenceLen>};
const StatClass TstSequenceCnt::Class = {
    .name = "TstSequenceCnt", .codeFormat = "SEQS",
    .captionFormat = "Количество последовательностей в тираже", .group = 6,
    .baseFlags = kFlagS | kFlagN, .isGraph = true, .create = &createStat<TstSequenceCnt>};
const StatClass TstSequenceLenMax::Class = {
    .name = "TstSequenceLenMax", .codeFormat = "LENS",
    .captionFormat = "Макс. длина последовательности в тираже", .group = 6,
    .baseFlags = kFlagS | kFlagN, .isGraph = true, .create = &createStat<TstSequenceLenMax>};
// clang-format on

// ---- TstSequenceLen ----

void TstSequenceLen::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomNumbersStat::PrepareRows(lastIndex, rows);
    for (uint16_t n = 1; n <= kPositions; ++n) {
        WorkRow.setV(1, n);
        MergeRow(rows, false);
    }
}

void TstSequenceLen::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                               StatContext& context, TLastValueArray& lastValues) {
    TCustomNumbersStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    DigitRuns runs = digitRuns(CurrentDraw.Digits, false);
    for (int i = 0; i < runs.count; ++i) {
        WorkRow.setV(1, static_cast<uint16_t>(runs.lengths[static_cast<size_t>(i)]));
        MergeRow(rows, true);
    }
}

void TstSequenceLen::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomNumbersStat::CountCombination(comb, rows);
    DigitRuns runs = digitRuns(comb.Digits, false);
    for (int i = 0; i < runs.count; ++i) {
        WorkRow.setV(1, static_cast<uint16_t>(runs.lengths[static_cast<size_t>(i)]));
        MergeRow(rows, false);
    }
}

bool TstSequenceLen::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool,
                                     bool, int) {
    DigitRuns runs = digitRuns(comb.Digits, false);
    for (int i = 0; i < runs.count; ++i) {
        if (selected.hasCell(1, static_cast<uint16_t>(runs.lengths[static_cast<size_t>(i)]))) {
            return true;
        }
    }
    return false;
}

// ---- one number per draw ----

void TCustomSequenceGraphStat::prepareRange(TStatDrawArray& rows, int lo, int hi) {
    for (int v = lo; v <= hi; ++v) {
        WorkRow.setV(1, static_cast<uint16_t>(v));
        MergeRow(rows, false);
    }
}

int32_t TCustomSequenceGraphStat::DigitsValue(const std::array<uint8_t, kPositions>& digits, int,
                                              int, bool) {
    return ValueOf(digitRuns(digits, true));
}

void TCustomSequenceGraphStat::CountDraw(int index, int lastIndex, bool sorted,
                                         TStatDrawArray& rows, StatContext& context,
                                         TLastValueArray& lastValues) {
    TCustomGraphStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    WorkRow.setV(1, static_cast<uint16_t>(ValueOf(digitRuns(CurrentDraw.Digits, false))));
    MergeRow(rows, true);
}

void TCustomSequenceGraphStat::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomGraphStat::CountCombination(comb, rows);
    WorkRow.setV(1, static_cast<uint16_t>(ValueOf(digitRuns(comb.Digits, false))));
    MergeRow(rows, false);
}

bool TCustomSequenceGraphStat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected,
                                               bool, bool, int) {
    return selected.hasCell(1, static_cast<uint16_t>(ValueOf(digitRuns(comb.Digits, false))));
}

void TstSequenceCnt::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomSequenceGraphStat::PrepareRows(lastIndex, rows);
    prepareRange(rows, 0, 2);
}

void TstSequenceLenMax::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomSequenceGraphStat::PrepareRows(lastIndex, rows);
    prepareRange(rows, 1, kPositions);
}

}  // namespace pentad
