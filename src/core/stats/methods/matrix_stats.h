// SPDX-License-Identifier: GPL-3.0-or-later
// The matrix family: every digit sits in a column and a row of the number
// matrix. In this game the matrix has one column (col = 0 for every digit) and
// ten rows (row = digit + 1). Only the column and row patterns over two to
// four positions are offered; the plain members stay registered but disabled.
#pragma once

#include <string>
#include <vector>

#include "stats/methods/bound_stat.h"
#include "stats/methods/combined_pattern.h"

namespace pentad {

enum class MatrixLine : uint8_t { Column, Row };

inline constexpr int kMatrixRows = kDigitCount;

// Columns or rows of the matrix, with MatrixCols copied at creation.
class MatrixMapping {
public:
    MatrixMapping(const TStatList& list, MatrixLine line);
    static int columnOf(int) { return 0; }
    static int rowOf(int digit) { return digit + 1; }
    // The line (column or row) of a digit, the other coordinate, and how many
    // lines there are (MatrixCols columns, ten rows).
    int lineOf(int digit) const {
        return m_line == MatrixLine::Column ? columnOf(digit) : rowOf(digit);
    }
    int crossOf(int digit) const {
        return m_line == MatrixLine::Column ? rowOf(digit) : columnOf(digit);
    }
    int lines() const { return m_line == MatrixLine::Column ? m_cols : kMatrixRows; }
    // Digits of five in each line: lines 1..lines() first (empty ones
    // included), then other lines in order of appearance.
    TStatSimpleArray tally(const std::array<uint8_t, kPositions>& digits) const;
    // Lines holding two distinct drawn values whose other coordinates are
    // neighbours, with the number of such pairs.
    TStatSimpleArray adjacent(const std::array<uint8_t, kPositions>& digits) const;

private:
    int m_cols;
    MatrixLine m_line;
};

// Plain members: the value list of a draw computed once by Values().
class TCustomMatrixStat : public TCustomNumbersStat {
public:
    TCustomMatrixStat(const TStatList& list, int variant, MatrixLine line)
        : TCustomNumbersStat(list, variant), m_matrix(list, line) {}
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

protected:
    virtual std::vector<uint64_t> Values(const std::array<uint8_t, kPositions>& digits) const = 0;
    MatrixMapping m_matrix;
};

// The line of each digit; lines 1..lines() prepared.
class TMatrixLines : public TCustomMatrixStat {
public:
    using TCustomMatrixStat::TCustomMatrixStat;
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;

protected:
    std::vector<uint64_t> Values(const std::array<uint8_t, kPositions>& digits) const override;
};

// (line, digits in it) for every line; "%0:d x %1:d".
class TMatrixLineValues : public TCustomMatrixStat {
public:
    using TCustomMatrixStat::TCustomMatrixStat;
    std::string ValueText(const TStatRow& row) const override;

protected:
    std::vector<uint64_t> Values(const std::array<uint8_t, kPositions>& digits) const override;
};

// Mask of the occupied lines 1..lines(), line 1 the highest bit.
class TMatrixLineMask : public TCustomMatrixStat {
public:
    using TCustomMatrixStat::TCustomMatrixStat;
    std::string ValueText(const TStatRow& row) const override;
    int32_t ValueFromText(const std::string& text) const override;

protected:
    std::vector<uint64_t> Values(const std::array<uint8_t, kPositions>& digits) const override;
};

// (line, neighbouring pairs in it) for lines with such pairs.
class TMatrixLineAdjacent : public TMatrixLineValues {
public:
    using TMatrixLineValues::TMatrixLineValues;

protected:
    std::vector<uint64_t> Values(const std::array<uint8_t, kPositions>& digits) const override;
};

// Graph members: one number per draw.
class TCustomMatrixGraphStat : public TCustomGraphStat {
public:
    TCustomMatrixGraphStat(const TStatList& list, int variant, MatrixLine line)
        : TCustomGraphStat(list, variant), m_matrix(list, line) {}
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;

protected:
    MatrixMapping m_matrix;
};

// Number of occupied lines.
class TMatrixLineCount : public TCustomMatrixGraphStat {
public:
    using TCustomMatrixGraphStat::TCustomMatrixGraphStat;
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
};

// Number of lines with neighbouring pairs.
class TMatrixLineAdjacentCnt : public TCustomMatrixGraphStat {
public:
    using TCustomMatrixGraphStat::TCustomMatrixGraphStat;
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
};

// Digits in line Variant; one entry per line.
class TMatrixLineValCnt : public TCustomMatrixGraphStat {
public:
    using TCustomMatrixGraphStat::TCustomMatrixGraphStat;
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
};

// clang-format off
using TstColumns = TBoundStat<TMatrixLines, MatrixLine::Column>;
using TstRows = TBoundStat<TMatrixLines, MatrixLine::Row>;
using TstColValues = TBoundStat<TMatrixLineValues, MatrixLine::Column>;
using TstRowValues = TBoundStat<TMatrixLineValues, MatrixLine::Row>;
using TstColCount = TBoundStat<TMatrixLineCount, MatrixLine::Column>;
using TstRowCount = TBoundStat<TMatrixLineCount, MatrixLine::Row>;
using TstColMask = TBoundStat<TMatrixLineMask, MatrixLine::Column>;
using TstRowMask = TBoundStat<TMatrixLineMask, MatrixLine::Row>;
using TstColAjacent = TBoundStat<TMatrixLineAdjacent, MatrixLine::Column>;
using TstRowAjacent = TBoundStat<TMatrixLineAdjacent, MatrixLine::Row>;
using TstColAjacentCnt = TBoundStat<TMatrixLineAdjacentCnt, MatrixLine::Column>;
using TstRowAjacentCnt = TBoundStat<TMatrixLineAdjacentCnt, MatrixLine::Row>;
using TstColValCnt = TBoundStat<TMatrixLineValCnt, MatrixLine::Column>;
using TstRowValCnt = TBoundStat<TMatrixLineValCnt, MatrixLine::Row>;
// clang-format on

// The column or the row of each digit as the item of a pattern.
class TCustomCombMatrixStat : public TCustomCombinedStat {
public:
    TCustomCombMatrixStat(const TStatList& list, int variant, MatrixLine line, CombineKind kind,
                          int size)
        : TCustomCombinedStat(list, variant, kind, size), m_matrix(list, line) {}

protected:
    void ItemsOf(const std::array<uint8_t, kPositions>& digits, Items& items) const override;

private:
    MatrixMapping m_matrix;
};

// clang-format off
using TstCombColMix2 = TBoundStat<TCustomCombMatrixStat, MatrixLine::Column, CombineKind::Mix, 2>;
using TstCombColMix3 = TBoundStat<TCustomCombMatrixStat, MatrixLine::Column, CombineKind::Mix, 3>;
using TstCombColMix4 = TBoundStat<TCustomCombMatrixStat, MatrixLine::Column, CombineKind::Mix, 4>;
using TstCombColSeq2 = TBoundStat<TCustomCombMatrixStat, MatrixLine::Column, CombineKind::Seq, 2>;
using TstCombColSeq3 = TBoundStat<TCustomCombMatrixStat, MatrixLine::Column, CombineKind::Seq, 3>;
using TstCombColSeq4 = TBoundStat<TCustomCombMatrixStat, MatrixLine::Column, CombineKind::Seq, 4>;
using TstCombRowMix2 = TBoundStat<TCustomCombMatrixStat, MatrixLine::Row, CombineKind::Mix, 2>;
using TstCombRowMix3 = TBoundStat<TCustomCombMatrixStat, MatrixLine::Row, CombineKind::Mix, 3>;
using TstCombRowMix4 = TBoundStat<TCustomCombMatrixStat, MatrixLine::Row, CombineKind::Mix, 4>;
using TstCombRowSeq2 = TBoundStat<TCustomCombMatrixStat, MatrixLine::Row, CombineKind::Seq, 2>;
using TstCombRowSeq3 = TBoundStat<TCustomCombMatrixStat, MatrixLine::Row, CombineKind::Seq, 3>;
using TstCombRowSeq4 = TBoundStat<TCustomCombMatrixStat, MatrixLine::Row, CombineKind::Seq, 4>;

template <> const StatClass TstColumns::Class;
template <> const StatClass TstRows::Class;
template <> const StatClass TstColValues::Class;
template <> const StatClass TstRowValues::Class;
template <> const StatClass TstColCount::Class;
template <> const StatClass TstRowCount::Class;
template <> const StatClass TstColMask::Class;
template <> const StatClass TstRowMask::Class;
template <> const StatClass TstColAjacent::Class;
template <> const StatClass TstRowAjacent::Class;
template <> const StatClass TstColAjacentCnt::Class;
template <> const StatClass TstRowAjacentCnt::Class;
template <> const StatClass TstColValCnt::Class;
template <> const StatClass TstRowValCnt::Class;
template <> const StatClass TstCombColMix2::Class;
template <> const StatClass TstCombColMix3::Class;
template <> const StatClass TstCombColMix4::Class;
template <> const StatClass TstCombColSeq2::Class;
template <> const StatClass TstCombColSeq3::Class;
template <> const StatClass TstCombColSeq4::Class;
template <> const StatClass TstCombRowMix2::Class;
template <> const StatClass TstCombRowMix3::Class;
template <> const StatClass TstCombRowMix4::Class;
template <> const StatClass TstCombRowSeq2::Class;
template <> const StatClass TstCombRowSeq3::Class;
template <> const StatClass TstCombRowSeq4::Class;
// clang-format on

}  // namespace pentad
