// SPDX-License-Identifier: GPL-3.0-or-later
// The number family: the drawn digits one by one, how many are even, small
// or prime, the pattern of those properties over the positions, and the digit
// at one position.
#pragma once

#include "stats/custom_stat.h"

namespace pentad {

// Each drawn digit (five values per draw); rows 0..9 prepared.
class TstValues : public TCustomValuesStat {
public:
    using TCustomValuesStat::TCustomValuesStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
};

// Each decimal character of each drawn number; nothing prepared.
class TstDigits : public TCustomNumbersStat {
public:
    using TCustomNumbersStat::TCustomNumbersStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
};

// Number of digits with a property, 0..5; rows 1..5 prepared.
class TCustomPropertyCount : public TCustomRatioStat {
public:
    using TCustomRatioStat::TCustomRatioStat;
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
    virtual bool hasProperty(uint8_t digit) const = 0;
};

// Five-bit mask of a property over the positions.
class TCustomPropertyMask : public TCustomMaskStat {
public:
    using TCustomMaskStat::TCustomMaskStat;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
    uint32_t maskOf(const std::array<uint8_t, kPositions>& digits) const;
    virtual bool hasProperty(uint8_t digit) const = 0;
};

class TstEvenCount : public TCustomPropertyCount {
public:
    using TCustomPropertyCount::TCustomPropertyCount;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    bool hasProperty(uint8_t d) const override { return d % 2 == 0; }
};

class TstEvenValues : public TCustomPropertyMask {
public:
    using TCustomPropertyMask::TCustomPropertyMask;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    bool hasProperty(uint8_t d) const override { return d % 2 != 0; }
    const char* ZeroMark() const override { return "Ч"; }
    const char* OneMark() const override { return "н"; }
};

class TstSmallCount : public TCustomPropertyCount {
public:
    using TCustomPropertyCount::TCustomPropertyCount;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    bool hasProperty(uint8_t d) const override { return d < 5; }
};

class TstSmallValues : public TCustomPropertyMask {
public:
    using TCustomPropertyMask::TCustomPropertyMask;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    bool hasProperty(uint8_t d) const override { return d >= 5; }
    const char* ZeroMark() const override { return "1"; }
    const char* OneMark() const override { return "2"; }
    // Only masks that occurred are listed.
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
};

class TstPrimeCount : public TCustomPropertyCount {
public:
    using TCustomPropertyCount::TCustomPropertyCount;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    bool hasProperty(uint8_t d) const override;
};

class TstPrimeValues : public TCustomPropertyMask {
public:
    using TCustomPropertyMask::TCustomPropertyMask;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    bool hasProperty(uint8_t d) const override;
    const char* ZeroMark() const override { return "С"; }
    const char* OneMark() const override { return "П"; }
};

// The digit at position Variant (1..5); rows 0..9 prepared.
class TstPosVal : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    void PrepareRows(int lastIndex, TStatDrawArray& rows) override;
    void CountDraw(int index, int lastIndex, bool sorted, TStatDrawArray& rows,
                   StatContext& context, TLastValueArray& lastValues) override;
    void CountCombination(const TCombRec& comb, TStatDrawArray& rows) override;
    bool TestCombination(const TCombRec& comb, const TStatDrawArray& selected, bool exclude,
                         bool sorted, int lastIndex) override;
    int32_t DigitsValue(const std::array<uint8_t, kPositions>& digits, int index, int lastIndex,
                        bool sorted) override;
};

// An extra (bonus) number, which this game does not have: no variants, so it
// never enters the method list, and it never passes a filter.
class TstPosExt : public TstPosVal {
public:
    using TstPosVal::TstPosVal;
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
    bool TestCombination(const TCombRec&, const TStatDrawArray&, bool, bool, int) override {
        return false;
    }
};

}  // namespace pentad
