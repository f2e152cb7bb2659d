// SPDX-License-Identifier: GPL-3.0-or-later
// A filter item describes one automatic filter step: the statistic and its
// window lengths, how the statistics table is sorted and walked, which rows
// are selected (the level mode), whether their combinations are kept or
// deleted, and when the walk stops. An item stands for several concrete
// filter parts because its lengths and level values are value lists.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "stats/stat_list.h"
#include "stats/stat_table.h"

namespace pentad {

// A reference to one entry of the method list that survives list rebuilds:
// the method class (static) and the variant.
struct StatMethodRef {
    const StatClass* Class = nullptr;
    int Variant = 0;

    bool valid() const { return Class != nullptr; }
    std::string Code() const { return Class != nullptr ? Class->code(Variant) : std::string(); }
    bool operator==(const StatMethodRef&) const = default;
};

// Entry index of the reference in the list, or -1.
int entryOf(const TStatList& list, const StatMethodRef& ref);
StatMethodRef refOf(const TStatList& list, int entry);

struct FilterWeights {
    bool CDLOverride = false;
    long double CoefCount = 0;
    long double CoefDeviation = 0;
    long double CoefLevel = 0;
    bool CoefPercents = false;
    bool CoefAbs = false;

    CdlWeights toWeights() const {
        return CdlWeights{CoefCount, CoefDeviation, CoefLevel, CoefPercents, CoefAbs};
    }
};

struct TFilterItem {
    bool Active = false;
    std::string MethodText;  // the reference as read from a scenario line
    StatMethodRef Method;
    std::string DrawsLen;    // value list
    uint32_t SortOrder = 1;  // statistics-table column, always sorted descending
    bool BottomUp = false;
    bool MultiSelect = false;
    bool KeepSelected = false;
    uint8_t LevelMode = 0;   // 0..31
    std::string LevelValue;  // value list (threshold(s) or values)
    FilterWeights Weights;
    uint8_t StopMode = 0;    // 0..5
    uint32_t StopValue = 1;
};

struct TFilterPart {
    bool Active = false;
    StatMethodRef Method;
    int32_t DrawsLen = 0;
    int32_t SortOrder = 1;
    bool BottomUp = false;
    bool MultiSelect = false;
    bool KeepSelected = false;
    uint8_t LevelMode = 0;
    std::string LevelValue;  // the value tested
    std::string LevelText;   // the value shown
    FilterWeights Weights;
    uint8_t StopMode = 0;
    int32_t StopValue = 0;
};

// One filter variant: exactly seven parts, unused ones inactive.
using TFilterRec = std::array<TFilterPart, 7>;

// ---- level and stop modes ----

inline constexpr int kLevelModeCount = 32;
inline constexpr int kStopModeCount = 6;

// "Весь список (без условий)", "\"Глубина\": не менее заданного значения", ...
std::string levelModeCaption(int mode);
const char* levelModeCode(int mode);  // "LNO", "LMV", ...; "" outside 0..31
std::string stopModeCaption(int mode);
const char* stopModeCode(int mode);   // "SF", ...
bool isListLevelMode(int mode);
bool isThresholdLevelMode(int mode);

// The level test on one row of the statistics table: `cells` are the row's
// 20 cell texts, `rowValue` the statistic's ParseValue of its value text.
// `levelValue` is one threshold (threshold modes) or the values joined by
// "," (list modes). A cell that is not a number never matches a list.
bool levelTest(int mode, const std::string& levelValue,
               const std::array<std::string, kStatColumns>& cells, int32_t rowValue);

// ---- validation of the filter dialog ----

enum class FilterField { None, DrawsLen, LevelMode, LevelValue, StopMode };
struct FilterProblem {
    FilterField field = FilterField::None;
    std::string message;
};
// The first failure of the dialog's checks, or empty.
std::optional<FilterProblem> validateFilterItem(const TFilterItem& item);

// ---- text forms ----

std::string FilterItemToText(const TFilterItem& item);
TFilterItem TextToFilterItem(const std::string& text, const TStatList& list);
std::string FilterPartToText(const TFilterPart& part);
std::string VariantToText(const TFilterRec& variant);

// The "#"/":" word rule of scenario texts: runs of delimiters count as one,
// words are trimmed, empty words never exist.
std::vector<std::string> scenarioWords(const std::string& text, char delimiter);

}  // namespace pentad
