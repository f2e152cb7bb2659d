// SPDX-License-Identifier: GPL-3.0-or-later
// The common base of every statistic method and the five family bases. A
// method values a draw (or a stand-alone combination) as one or more keys and
// merges each into the rows; the same method tests candidate combinations
// against selected rows. Instances are short-lived: one per computation,
// filter run or graph.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "game/records.h"
#include "stats/stat_class.h"
#include "stats/stat_row.h"

namespace pentad {

class TStatList;

class TCustomStat {
public:
    TCustomStat(const TStatList& list, int variant);
    virtual ~TCustomStat() = default;
    TCustomStat(const TCustomStat&) = delete;
    TCustomStat& operator=(const TCustomStat&) = delete;

    // The class-level answers (code, caption, group, flags, ...).
    virtual const StatClass& statClass() const = 0;

    int Variant = 0;
    const TDrawsArray* Draws = nullptr;
    TDrawRec CurrentDraw;
    TDrawRec ReferenceDraw;
    TStatRow WorkRow;

    const TStatList& list() const { return *m_list; }
    std::string MethodCaption() const { return statClass().caption(Variant); }

    // Text of a row's value, and back to a number (0 when not a number).
    virtual std::string ValueText(const TStatRow& row) const = 0;
    virtual int32_t ValueFromText(const std::string& text) const;
    int32_t ParseValue(const std::string& text) const;

    // Rows of every possible value with count 0, so values that never occur
    // still appear. The base only clears the work row.
    virtual void PrepareRows(int lastIndex, TStatDrawArray& rows);

    // CurrentDraw := draw[index]; for D methods ReferenceDraw := draw[lastIndex];
    // digits sorted ascending when `sorted`; out-of-range indexes give zeros.
    virtual void LoadDraws(int index, int lastIndex, bool sorted);

    // Merges the value(s) of a stand-alone combination (no period tracking).
    // The base clears the work row and sets its count to 1.
    virtual void CountCombination(const TCombRec& comb, TStatDrawArray& rows);

    // Merges the value(s) of draw[index] with period tracking. The base loads
    // the draws and fills LastDraw, PrevDraw, Depth and Count of the work row.
    virtual void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                           StatContext& context, TLastValueArray& lastValues);

    // Number of the first draw from `fromIndex` on that has the row's value
    // again, or -1.
    int32_t FindNextOccurrence(const TStatRow& row, int fromIndex, int lastIndex, bool sorted);

    // True when CountDraw reads what earlier calls left in the context, so a
    // draw's values depend on where the counting started. Otherwise the next
    // occurrences of many rows may be found in one pass over the draws.
    virtual bool UsesRunContext() const { return false; }

    // True when the candidate produces a value among the selected rows.
    virtual bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected,
                                 bool exclude, bool sorted, int lastIndex) = 0;

    // Copy of draw[index], digits sorted when `sorted`; zeros out of range.
    TDrawRec GetDraw(int index, bool sorted) const;

    // Merges the work row into the rows.
    void MergeRow(TStatDrawArray& rows, bool trackPeriods) { rows.merge(WorkRow, trackPeriods); }

    // Graph methods: the per-draw number (see TCustomGraphStat).
    virtual bool hasGraphValue() const { return false; }
    virtual int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index,
                                int lastIndex, bool sorted);
    virtual int32_t GraphValue(int index, int lastIndex, bool sorted);

protected:
    void clearWorkRow() { WorkRow = TStatRow{}; }

private:
    const TStatList* m_list;
};

// Methods with a per-draw number; the value text is V1 in decimal.
class TCustomGraphStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatRow& row) const override;
    bool hasGraphValue() const override { return true; }
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override = 0;
    int32_t GraphValue(int index, int lastIndex, bool sorted) override;
};

class TCustomValuesStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatRow& row) const override;
};

class TCustomNumbersStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatRow& row) const override;
};

// How many of the five digits have a property: V1 = n; text "n:5-n".
class TCustomRatioStat : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    std::string ValueText(const TStatRow& row) const override;
    int32_t ValueFromText(const std::string& text) const override;
};

// A five-bit mask over the positions in H1 (bit 4 = position 1); text of
// five marks and " (%.3d)".
class TCustomMaskStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatRow& row) const override;
    int32_t ValueFromText(const std::string& text) const override;
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    virtual const char* ZeroMark() const = 0;
    virtual const char* OneMark() const = 0;
};

// Creates an instance of a concrete method class; used in StatClass tables.
template <typename T>
std::unique_ptr<TCustomStat> createStat(const TStatList& list, int variant) {
    return std::make_unique<T>(list, variant);
}

}  // namespace pentad
