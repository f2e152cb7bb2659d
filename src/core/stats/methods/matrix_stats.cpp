// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/matrix_stats.h"

#include <algorithm>
#include <cstdlib>

#include "shell/format_args.h"
#include "stats/stat_list.h"

namespace pentad {
namespace {

std::pair<int, int> columnVariants(const TStatList& list) {
    return {1, list.config.MatrixCols};
}

std::pair<int, int> rowVariants(const TStatList&) {
    return {1, kMatrixRows};
}

uint64_t pairKey(int a, int b) {
    return static_cast<uint64_t>(static_cast<uint16_t>(a)) |
           (static_cast<uint64_t>(static_cast<uint16_t>(b)) << 16);
}

void addTo(TStatSimpleArray& tally, int key, int count) {
    auto it = std::find_if(tally.begin(), tally.end(),
                           [key](const TStatSimpleRec& r) { return r.Key == key; });
    if (it == tally.end()) {
        tally.push_back({key, count});
    } else {
        it->Count += count;
    }
}

}  // namespace

// clang-format off
template <> const StatClass TstColumns::Class = {
    .name = "TstColumns", .codeFormat = "COLS", .captionFormat = "Столбцы матрицы (не пустые)",
    .group = 4, .baseFlags = kFlagN, .enabled = false, .create = &createStat<TstColumns>};
template <> const StatClass TstRows::Class = {
    .name = "TstRows", .codeFormat = "ROWS", .captionFormat = "Строки матрицы (не пустые)",
    .group = 4, .baseFlags = kFlagN, .enabled = false, .create = &createStat<TstRows>};
template <> const StatClass TstColValues::Class = {
    .name = "TstColValues", .codeFormat = "COLV",
    .captionFormat = "Количество чисел в столбце матрицы", .group = 4, .baseFlags = kFlagN,
    .enabled = false, .hasNumericValue = false, .create = &createStat<TstColValues>};
template <> const StatClass TstRowValues::Class = {
    .name = "TstRowValues", .codeFormat = "ROWV",
    .captionFormat = "Количество чисел в строке матрицы", .group = 4, .baseFlags = kFlagN,
    .enabled = false, .hasNumericValue = false, .create = &createStat<TstRowValues>};
template <> const StatClass TstColCount::Class = {
    .name = "TstColCount", .codeFormat = "COLN",
    .captionFormat = "Количество не пустых столбцов в матрице", .group = 4, .baseFlags = kFlagN,
    .enabled = false, .isGraph = true, .create = &createStat<TstColCount>};
template <> const StatClass TstRowCount::Class = {
    .name = "TstRowCount", .codeFormat = "ROWN",
    .captionFormat = "Количество не пустых строк в матрице", .group = 4, .baseFlags = kFlagN,
    .enabled = false, .isGraph = true, .create = &createStat<TstRowCount>};
template <> const StatClass TstColMask::Class = {
    .name = "TstColMask", .codeFormat = "COLM", .captionFormat = "Сочетания столбцов матрицы",
    .group = 4, .baseFlags = kFlagN, .enabled = false, .hasNumericValue = false,
    .create = &createStat<TstColMask>};
template <> const StatClass TstRowMask::Class = {
    .name = "TstRowMask", .codeFormat = "ROWM", .captionFormat = "Сочетания строк матрицы",
    .group = 4, .baseFlags = kFlagN, .enabled = false, .hasNumericValue = false,
    .create = &createStat<TstRowMask>};
template <> const StatClass TstColAjacent::Class = {
    .name = "TstColAjacent", .codeFormat = "COLA",
    .captionFormat = "Столбцы матрицы со смежными числами", .group = 4, .baseFlags = kFlagN,
    .enabled = false, .hasNumericValue = false, .create = &createStat<TstColAjacent>};
template <> const StatClass TstRowAjacent::Class = {
    .name = "TstRowAjacent", .codeFormat = "ROWA",
    .captionFormat = "Строки матрицы со смежными числами", .group = 4, .baseFlags = kFlagN,
    .enabled = false, .hasNumericValue = false, .create = &createStat<TstRowAjacent>};
template <> const StatClass TstColAjacentCnt::Class = {
    .name = "TstColAjacentCnt", .codeFormat = "COLC",
    .captionFormat = "Количество столбцов матрицы со смежными числами", .group = 4,
    .baseFlags = kFlagN, .enabled = false, .isGraph = true,
    .create = &createStat<TstColAjacentCnt>};
template <> const StatClass TstRowAjacentCnt::Class = {
    .name = "TstRowAjacentCnt", .codeFormat = "ROWC",
    .captionFormat = "Количество строк матрицы со смежными числами", .group = 4,
    .baseFlags = kFlagN, .enabled = false, .isGraph = true,
    .create = &createStat<TstRowAjacentCnt>};
template <> const StatClass TstColValCnt::Class = {
    .name = "TstColValCnt", .codeFormat = "COL%d",
    .captionFormat = "Количество чисел в %0:d столбце матрицы", .helpCodeFormat = "COLx",
    .group = 4, .baseFlags = kFlagN, .enabled = false, .isGraph = true, .hasVariants = true,
    .variantRange = &columnVariants, .create = &createStat<TstColValCnt>};
template <> const StatClass TstRowValCnt::Class = {
    .name = "TstRowValCnt", .codeFormat = "ROW%d",
    .captionFormat = "Количество чисел в %0:d строке матрицы", .helpCodeFormat = "ROWx",
    .group = 4, .baseFlags = kFlagN, .enabled = false, .isGraph = true, .hasVariants = true,
    .variantRange = &rowVariants, .create = &createStat<TstRowValCnt>};

template <> const StatClass TstCombColMix2::Class = {
    .name = "TstCombColMix2", .codeFormat = "KFM2",
    .captionFormat = "Сочетания из 2 столбцов по всем числам тиража", .group = 4,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombColMix2>};
template <> const StatClass TstCombColMix3::Class = {
    .name = "TstCombColMix3", .codeFormat = "KFM3",
    .captionFormat = "Сочетания из 3 столбцов по всем числам тиража", .group = 4,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombColMix3>};
template <> const StatClass TstCombColMix4::Class = {
    .name = "TstCombColMix4", .codeFormat = "KFM4",
    .captionFormat = "Сочетания из 4 столбцов по всем числам тиража", .group = 4,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombColMix4>};
template <> const StatClass TstCombColSeq2::Class = {
    .name = "TstCombColSeq2", .codeFormat = "KFS2",
    .captionFormat = "Сочетания из 2 столбцов по соседним числам", .group = 4,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombColSeq2>};
template <> const StatClass TstCombColSeq3::Class = {
    .name = "TstCombColSeq3", .codeFormat = "KFS3",
    .captionFormat = "Сочетания из 3 столбцов по соседним числам", .group = 4,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombColSeq3>};
template <> const StatClass TstCombColSeq4::Class = {
    .name = "TstCombColSeq4", .codeFormat = "KFS4",
    .captionFormat = "Сочетания из 4 столбцов по соседним числам", .group = 4,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombColSeq4>};
template <> const StatClass TstCombRowMix2::Class = {
    .name = "TstCombRowMix2", .codeFormat = "KRM2",
    .captionFormat = "Сочетания из 2 строк по всем числам тиража", .group = 4,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombRowMix2>};
template <> const StatClass TstCombRowMix3::Class = {
    .name = "TstCombRowMix3", .codeFormat = "KRM3",
    .captionFormat = "Сочетания из 3 строк по всем числам тиража", .group = 4,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombRowMix3>};
template <> const StatClass TstCombRowMix4::Class = {
    .name = "TstCombRowMix4", .codeFormat = "KRM4",
    .captionFormat = "Сочетания из 4 строк по всем числам тиража", .group = 4,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombRowMix4>};
template <> const StatClass TstCombRowSeq2::Class = {
    .name = "TstCombRowSeq2", .codeFormat = "KRS2",
    .captionFormat = "Сочетания из 2 строк по соседним числам", .group = 4,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombRowSeq2>};
template <> const StatClass TstCombRowSeq3::Class = {
    .name = "TstCombRowSeq3", .codeFormat = "KRS3",
    .captionFormat = "Сочетания из 3 строк по соседним числам", .group = 4,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombRowSeq3>};
template <> const StatClass TstCombRowSeq4::Class = {
    .name = "TstCombRowSeq4", .codeFormat = "KRS4",
    .captionFormat = "Сочетания из 4 строк по соседним числам", .group = 4,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombRowSeq4>};
// clang-format on

// ---- mapping ----

MatrixMapping::MatrixMapping(const TStatList& list, MatrixLine line)
    : m_cols(list.config.MatrixCols), m_line(line) {}

TStatSimpleArray MatrixMapping::tally(const std::array<uint8_t, kPositions>& digits) const {
    TStatSimpleArray out;
    for (int l = 1; l <= lines(); ++l) {
        out.push_back({l, 0});
    }
    for (uint8_t d : digits) {
        addTo(out, lineOf(d), 1);
    }
    return out;
}

TStatSimpleArray MatrixMapping::adjacent(const std::array<uint8_t, kPositions>& digits) const {
    std::array<bool, kDigitCount> drawn{};
    for (uint8_t d : digits) {
        drawn[std::min<size_t>(d, kDigitCount - 1)] = true;
    }
    TStatSimpleArray out;
    for (int a = 0; a < kDigitCount; ++a) {
        for (int b = a + 1; b < kDigitCount; ++b) {
            if (drawn[static_cast<size_t>(a)] && drawn[static_cast<size_t>(b)] &&
                lineOf(a) == lineOf(b) && std::abs(crossOf(a) - crossOf(b)) == 1) {
                addTo(out, lineOf(a), 1);
            }
        }
    }
    return out;
}

// ---- plain members ----

void TCustomMatrixStat::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                                  StatContext& context, TLastValueArray& lastValues) {
    TCustomNumbersStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    for (uint64_t key : Values(CurrentDraw.Digits)) {
        WorkRow.setKeyValue(key);
        MergeRow(rows, true);
    }
}

void TCustomMatrixStat::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomNumbersStat::CountCombination(comb, rows);
    for (uint64_t key : Values(comb.Digits)) {
        WorkRow.setKeyValue(key);
        MergeRow(rows, false);
    }
}

bool TCustomMatrixStat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool,
                                        bool, int) {
    for (uint64_t key : Values(comb.Digits)) {
        if (selected.hasKey(key)) {
            return true;
        }
    }
    return false;
}

void TMatrixLines::PrepareRows(int lastIndex, TStatDrawArray& rows) {
    TCustomMatrixStat::PrepareRows(lastIndex, rows);
    for (int l = 1; l <= m_matrix.lines(); ++l) {
        WorkRow.setKeyValue(static_cast<uint64_t>(l));
        MergeRow(rows, false);
    }
}

std::vector<uint64_t> TMatrixLines::Values(const std::array<uint8_t, kPositions>& digits) const {
    std::vector<uint64_t> out;
    for (uint8_t d : digits) {
        out.push_back(static_cast<uint16_t>(m_matrix.lineOf(d)));
    }
    return out;
}

std::string TMatrixLineValues::ValueText(const TStatRow& row) const {
    return formatIndexed("%0:d x %1:d",
                         {static_cast<long long>(row.V(1)), static_cast<long long>(row.V(2))});
}

std::vector<uint64_t> TMatrixLineValues::Values(
    const std::array<uint8_t, kPositions>& digits) const {
    std::vector<uint64_t> out;
    for (const TStatSimpleRec& r : m_matrix.tally(digits)) {
        out.push_back(pairKey(r.Key, r.Count));
    }
    return out;
}

std::vector<uint64_t> TMatrixLineAdjacent::Values(
    const std::array<uint8_t, kPositions>& digits) const {
    std::vector<uint64_t> out;
    for (const TStatSimpleRec& r : m_matrix.adjacent(digits)) {
        out.push_back(pairKey(r.Key, r.Count));
    }
    return out;
}

std::string TMatrixLineMask::ValueText(const TStatRow& row) const {
    uint32_t mask = row.H(1);
    std::string out;
    for (int bit = m_matrix.lines() - 1; bit >= 0; --bit) {
        out += ((mask >> bit) & 1u) != 0 ? '1' : '0';
    }
    return out + formatIndexed(" (%.3d)", {static_cast<long long>(mask)});
}

int32_t TMatrixLineMask::ValueFromText(const std::string& text) const {
    int32_t mask = 0;
    for (size_t i = 0; i < static_cast<size_t>(std::max(m_matrix.lines(), 0)); ++i) {
        mask = (mask << 1) + (i < text.size() && text[i] == '1' ? 1 : 0);
    }
    return mask;
}

std::vector<uint64_t> TMatrixLineMask::Values(const std::array<uint8_t, kPositions>& digits) const {
    uint32_t mask = 0;
    int n = m_matrix.lines();
    for (uint8_t d : digits) {
        int l = m_matrix.lineOf(d);
        if (l >= 1 && l <= n && n <= 32) {
            mask |= 1u << (n - l);
        }
    }
    return {mask};
}

// ---- graph members ----

void TCustomMatrixGraphStat::CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                                       StatContext& context, TLastValueArray& lastValues) {
    TCustomGraphStat::CountDraw(index, lastIndex, sorted, rows, context, lastValues);
    WorkRow.setV(1,
                 static_cast<uint16_t>(DigitsValue(CurrentDraw.Digits, index, lastIndex, sorted)));
    MergeRow(rows, true);
}

void TCustomMatrixGraphStat::CountCombination(const TCombRec& comb, TStatDrawArray& rows) {
    TCustomGraphStat::CountCombination(comb, rows);
    WorkRow.setV(1, static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)));
    MergeRow(rows, false);
}

bool TCustomMatrixGraphStat::TestCombination(const TCombRec& comb, const TStatDrawArray& selected,
                                             bool, bool, int) {
    return selected.hasCell(1, static_cast<uint16_t>(DigitsValue(comb.Digits, -1, -1, false)));
}

int32_t TMatrixLineCount::DigitsValue(const std::array<uint8_t, kPositions>& digits, int, int,
                                      bool) {
    TStatSimpleArray tally = m_matrix.tally(digits);
    return static_cast<int32_t>(std::count_if(tally.begin(), tally.end(),
                                              [](const TStatSimpleRec& r) { return r.Count > 0; }));
}

int32_t TMatrixLineAdjacentCnt::DigitsValue(const std::array<uint8_t, kPositions>& digits, int, int,
                                            bool) {
    return static_cast<int32_t>(m_matrix.adjacent(digits).size());
}

int32_t TMatrixLineValCnt::DigitsValue(const std::array<uint8_t, kPositions>& digits, int, int,
                                       bool) {
    return static_cast<int32_t>(std::count_if(
        digits.begin(), digits.end(), [this](uint8_t d) { return m_matrix.lineOf(d) == Variant; }));
}

// ---- column and row patterns ----

void TCustomCombMatrixStat::ItemsOf(const std::array<uint8_t, kPositions>& digits,
                                    Items& items) const {
    for (size_t p = 0; p < digits.size(); ++p) {
        items[p] = static_cast<uint16_t>(m_matrix.lineOf(digits[p]));
    }
}

}  // namespace pentad
