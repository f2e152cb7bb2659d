// SPDX-License-Identifier: GPL-3.0-or-later
// The text form of a scenario line: options, seven filter items and a
// comment separated by "|", and the options' stored, short and caption forms.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace pentad {

enum StartList : uint8_t { kStartFull = 0, kStartExcl = 1, kStartCurr = 2 };
enum StakeMode : uint8_t {
    kStakeRand = 0,
    kStakeFirst,
    kStakeLast,
    kStakeAll,
    kStakeSysA,
    kStakeSysC,
    kStakeStop,
    kStakeSkip,
    kStakeNone,
};

struct TScriptOptions {
    int32_t DrawsExclude = 0;
    uint8_t StartList = kStartFull;
    uint8_t StakeMode = kStakeRand;
    bool ClearStakes = false;
    bool NewOnly = false;
    bool operator==(const TScriptOptions&) const = default;
};

struct TScriptLine {
    TScriptOptions Options;
    std::array<std::string, 7> Filters;  // filter item texts, empty when unused
    std::string Comment;
};

// "FULL:0#RAND#NEX"
std::string OptionsToText(const TScriptOptions& o);
TScriptOptions TextToOptions(const std::string& text);
// "EXCL:5#ALL#NEX", "FULL#RAND": N only for EXCL, no CLR.
std::string OptionsToShortText(const TScriptOptions& o);
// "Исключить 5 тиражей; Все; Удалить ставки; Только новые ставки"
std::string OptionsCaption(const TScriptOptions& o);

std::string startListCaption(int mode, int n);
std::string stakeModeCaption(int mode);
std::string stakeModeShortCaption(int mode);

// Nine "|"-separated fields; an empty filter is written as a blank so the
// later fields keep their places; the comment only when not blank.
std::string LineToText(const TScriptLine& line);
TScriptLine TextToLine(const std::string& text);

// True for an empty (separator) line.
bool isSeparatorLine(const std::string& text);

}  // namespace pentad
