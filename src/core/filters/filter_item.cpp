// SPDX-License-Identifier: GPL-3.0-or-later
#include "filters/filter_item.h"

#include <cmath>

#include "filters/filter_texts.h"
#include "game/routines.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/text_utils.h"

namespace pentad {
namespace {

enum class LevelTest {
    All,
    IntAtLeast,
    IntAtMost,
    FloatAtLeast,
    FloatAtMostPercent,  // a cell that is not a number counts as 65535
    FloatAtMost,         // a cell that is not a number counts as 0
    IntList,
    FloatList,
    ValueList,
};

struct LevelMode {
    const char* code;
    int word;       // index into kLevelWords, -1 for mode 0
    const char* condition;
    int column;     // statistics-table column, -1 for the row value
    LevelTest test;
};

// clang-format off
const LevelMode kLevelModes[kLevelModeCount] = {
    {"LNO", -1, "", -1, LevelTest::All},
    {"LMV", 0, texts::kConditionAtLeastValue, 6, LevelTest::IntAtLeast},
    {"LMP", 0, texts::kConditionAtLeastPercent, 7, LevelTest::FloatAtLeast},
    {"LLV", 0, texts::kConditionAtMostValue, 6, LevelTest::IntAtMost},
    {"LLP", 0, texts::kConditionAtMostPercent, 7, LevelTest::FloatAtMostPercent},
    {"LDV", 0, texts::kConditionListValues, 6, LevelTest::IntList},
    {"LDP", 0, texts::kConditionListPercents, 7, LevelTest::FloatList},
    {"DMV", 1, texts::kConditionAtLeastValue, 4, LevelTest::IntAtLeast},
    {"DMP", 1, texts::kConditionAtLeastPercent, 5, LevelTest::FloatAtLeast},
    {"DLV", 1, texts::kConditionAtMostValue, 4, LevelTest::IntAtMost},
    {"DLP", 1, texts::kConditionAtMostPercent, 5, LevelTest::FloatAtMostPercent},
    {"DDV", 1, texts::kConditionListValues, 4, LevelTest::IntList},
    {"DDP", 1, texts::kConditionListPercents, 5, LevelTest::FloatList},
    {"CMV", 2, texts::kConditionAtLeastValue, 1, LevelTest::IntAtLeast},
    {"CMP", 2, texts::kConditionAtLeastPercent, 2, LevelTest::FloatAtLeast},
    {"CLV", 2, texts::kConditionAtMostValue, 1, LevelTest::IntAtMost},
    {"CLP", 2, texts::kConditionAtMostPercent, 2, LevelTest::FloatAtMostPercent},
    {"CDV", 2, texts::kConditionListValues, 1, LevelTest::IntList},
    {"CDP", 2, texts::kConditionListPercents, 2, LevelTest::FloatList},
    {"WMV", 3, texts::kConditionAtLeastValue, 8, LevelTest::FloatAtLeast},
    {"WLV", 3, texts::kConditionAtMostValue, 8, LevelTest::FloatAtMost},
    {"WDV", 3, texts::kConditionListValues, 8, LevelTest::FloatList},
    {"PIM", 4, texts::kConditionAtLeastValue, 10, LevelTest::IntAtLeast},
    {"PIL", 4, texts::kConditionAtMostValue, 10, LevelTest::IntAtMost},
    {"PIR", 4, texts::kConditionListValues, 10, LevelTest::IntList},
    {"PAM", 5, texts::kConditionAtLeastValue, 11, LevelTest::FloatAtLeast},
    {"PAL", 5, texts::kConditionAtMostValue, 11, LevelTest::FloatAtMost},
    {"PAR", 5, texts::kConditionListValues, 11, LevelTest::FloatList},
    {"PXM", 6, texts::kConditionAtLeastValue, 12, LevelTest::IntAtLeast},
    {"PXL", 6, texts::kConditionAtMostValue, 12, LevelTest::IntAtMost},
    {"PXR", 6, texts::kConditionListValues, 12, LevelTest::IntList},
    {"LVA", 7, texts::kConditionListValues, -1, LevelTest::ValueList},
};
// clang-format on

const char* const kStopCodes[kStopModeCount] = {"SF", "SC", "SZ", "ST", "SV", "SP"};

bool readInt(const std::string& text, long long& v) {
    return parseInteger(trim(text), v);
}

bool readFloat(const std::string& text, long double& v) {
    return parseReal(trim(text), v);
}

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
    return utf8Upper(text).rfind(utf8Upper(prefix), 0) == 0;
}

// Keeps "-" and digits, turns "." or "," into the decimal point.
long double readCoefficient(const std::string& word) {
    std::string s;
    for (char c : word) {
        if (c == '-' || (c >= '0' && c <= '9')) {
            s += c;
        } else if (c == '.' || c == ',') {
            s += '.';
        }
    }
    long double v = 0;
    return parseReal(s, v) ? v : 0;
}

std::string coefficientText(long double v) {
    return format("%.15Lg", v);
}

std::string weightsWord(const FilterWeights& w) {
    return coefficientText(w.CoefCount) + ":" + coefficientText(w.CoefDeviation) + ":" +
           coefficientText(w.CoefLevel) + ":" + (w.CoefPercents ? "1" : "0") + ":" +
           (w.CoefAbs ? "1" : "0");
}

std::string directionLetters(bool bottomUp, bool multiSelect, bool keepSelected) {
    std::string s;
    s += bottomUp ? 'B' : 'T';
    s += multiSelect ? 'M' : 'S';
    s += keepSelected ? 'F' : 'D';
    return s;
}

}  // namespace

int entryOf(const TStatList& list, const StatMethodRef& ref) {
    if (!ref.valid()) {
        return -1;
    }
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Item(i).Class == ref.Class && list.Item(i).Variant == ref.Variant) {
            return i;
        }
    }
    return -1;
}

StatMethodRef refOf(const TStatList& list, int entry) {
    if (entry < 0 || entry >= list.Count()) {
        return {};
    }
    return StatMethodRef{list.Item(entry).Class, list.Item(entry).Variant};
}

std::string levelModeCaption(int mode) {
    if (mode == 0) {
        return texts::kLevelAll;
    }
    if (mode < 0 || mode >= kLevelModeCount) {
        return "# ERROR #";
    }
    const LevelMode& m = kLevelModes[mode];
    return std::string("\"") + texts::kLevelWords[m.word] + "\": " + m.condition;
}

const char* levelModeCode(int mode) {
    return mode >= 0 && mode < kLevelModeCount ? kLevelModes[mode].code : "";
}

std::string stopModeCaption(int mode) {
    return mode >= 0 && mode < kStopModeCount ? texts::kStopCaptions[mode] : "# ERROR #";
}

const char* stopModeCode(int mode) {
    return mode >= 0 && mode < kStopModeCount ? kStopCodes[mode] : "";
}

bool isListLevelMode(int mode) {
    if (mode <= 0 || mode >= kLevelModeCount) {
        return false;
    }
    LevelTest t = kLevelModes[mode].test;
    return t == LevelTest::IntList || t == LevelTest::FloatList || t == LevelTest::ValueList;
}

bool isThresholdLevelMode(int mode) {
    return mode > 0 && mode < kLevelModeCount && !isListLevelMode(mode);
}

bool levelTest(int mode, const std::string& levelValue,
               const std::array<std::string, kStatColumns>& cells, int32_t rowValue) {
    if (mode <= 0 || mode >= kLevelModeCount) {
        return true;
    }
    const LevelMode& m = kLevelModes[mode];
    const std::string cell = m.column >= 0 ? cells[static_cast<size_t>(m.column)] : std::string();
    const long long t = textToInt(trim(levelValue));
    long long iv = 0;
    long double fv = 0;
    switch (m.test) {
        case LevelTest::All:
            return true;
        case LevelTest::IntAtLeast:
            return (readInt(cell, iv) ? iv : 0) >= t;
        case LevelTest::IntAtMost:
            return t >= (readInt(cell, iv) ? iv : 65535);
        case LevelTest::FloatAtLeast:
            return (readFloat(cell, fv) ? fv : 0) >= t;
        case LevelTest::FloatAtMostPercent:
            return (readFloat(cell, fv) ? fv : 65535.0L) <= t;
        case LevelTest::FloatAtMost:
            return (readFloat(cell, fv) ? fv : 0) <= t;
        case LevelTest::IntList:
        case LevelTest::FloatList:
        case LevelTest::ValueList: {
            long long cellInt = rowValue;
            long double cellFloat = 0;
            if (m.test == LevelTest::IntList && !readInt(cell, cellInt)) {
                return false;
            }
            if (m.test == LevelTest::FloatList && !readFloat(cell, cellFloat)) {
                return false;
            }
            for (const std::string& word : splitAny(levelValue, ",;")) {
                if (trim(word).empty()) {
                    continue;
                }
                if (m.test == LevelTest::FloatList) {
                    long double w = 0;
                    if (readFloat(word, w) && w == cellFloat) {
                        return true;
                    }
                } else {
                    long long w = 0;
                    if (readInt(word, w) && w == cellInt) {
                        return true;
                    }
                }
            }
            return false;
        }
    }
    return false;
}

std::optional<FilterProblem> validateFilterItem(const TFilterItem& item) {
    TIntArray lengths = ParseValueList(item.DrawsLen);
    if (lengths.empty() || (lengths.size() == 1 && lengths[0] == 0)) {
        return FilterProblem{FilterField::DrawsLen, texts::kBadRange};
    }
    if (item.LevelMode != 0) {
        if (item.LevelMode == 31 && item.Method.valid() && !item.Method.Class->hasNumericValue) {
            return FilterProblem{FilterField::LevelMode, texts::kNoValueListMode};
        }
        if (ParseValueList(item.LevelValue).empty()) {
            return FilterProblem{FilterField::LevelValue, texts::kBadRange};
        }
    }
    if (item.MultiSelect && item.StopMode == 1) {
        return FilterProblem{FilterField::StopMode, texts::kMultiSelectStop};
    }
    return std::nullopt;
}

std::vector<std::string> scenarioWords(const std::string& text, char delimiter) {
    std::vector<std::string> words;
    for (const std::string& w : splitAny(text, std::string(1, delimiter))) {
        if (!w.empty()) {
            words.push_back(trim(w));
        }
    }
    return words;
}

std::string FilterItemToText(const TFilterItem& item) {
    if (!item.Active) {
        return std::string();
    }
    std::string text = directionLetters(item.BottomUp, item.MultiSelect, item.KeepSelected) +
                       std::to_string(item.SortOrder) + "#";
    text += item.Method.valid() ? item.Method.Code() + ":" + item.DrawsLen : item.MethodText;
    text += std::string("#") + levelModeCode(item.LevelMode) + ":" + item.LevelValue;
    text += std::string("#") + stopModeCode(item.StopMode) + ":" + std::to_string(item.StopValue);
    if (item.Weights.CDLOverride) {
        text += "#" + weightsWord(item.Weights);
    }
    return text;
}

TFilterItem TextToFilterItem(const std::string& text, const TStatList& list) {
    TFilterItem item;
    if (trim(text).empty()) {
        item.SortOrder = 0;
        item.StopValue = 0;
        return item;
    }
    item.Active = true;
    std::vector<std::string> words = scenarioWords(text, '#');
    auto word = [&](size_t i) { return i < words.size() ? words[i] : std::string(); };

    std::string w1 = word(0);
    item.BottomUp = w1.find('B') != std::string::npos;
    item.MultiSelect = w1.find('M') != std::string::npos;
    item.KeepSelected = w1.find('F') != std::string::npos;
    item.SortOrder = (w1.size() >= 4 && w1[3] >= '0' && w1[3] <= '9')
                         ? static_cast<uint32_t>(w1[3] - '0')
                         : 1;

    item.MethodText = word(1);
    for (int i = 0; i < list.Count(); ++i) {
        if (startsWithNoCase(item.MethodText, list.Item(i).Code())) {
            item.Method = refOf(list, i);
            std::vector<std::string> parts = scenarioWords(item.MethodText, ':');
            item.DrawsLen = parts.size() > 1 ? parts[1] : std::string();
            break;
        }
    }

    item.LevelMode = 0;
    std::string w3 = word(2);
    for (int m = 0; m < kLevelModeCount && !w3.empty(); ++m) {
        if (startsWithNoCase(w3, kLevelModes[m].code)) {
            item.LevelMode = static_cast<uint8_t>(m);
            std::vector<std::string> parts = scenarioWords(w3, ':');
            item.LevelValue = parts.size() > 1 ? parts[1] : std::string();
            break;
        }
    }

    item.StopMode = 0;
    item.StopValue = 0;
    std::string w4 = word(3);
    for (int m = 0; m < kStopModeCount && !w4.empty(); ++m) {
        if (startsWithNoCase(w4, kStopCodes[m])) {
            item.StopMode = static_cast<uint8_t>(m);
            std::vector<std::string> parts = scenarioWords(w4, ':');
            long long v = 0;
            item.StopValue = (parts.size() > 1 && parseInteger(parts[1], v) && v >= 0 &&
                              v <= 0xFFFFFFFFLL)
                                 ? static_cast<uint32_t>(v)
                                 : 1;
            break;
        }
    }

    if (words.size() > 4) {
        std::vector<std::string> parts = scenarioWords(words[4], ':');
        auto part = [&](size_t i) { return i < parts.size() ? parts[i] : std::string(); };
        item.Weights.CDLOverride = true;
        item.Weights.CoefCount = readCoefficient(part(0));
        item.Weights.CoefDeviation = readCoefficient(part(1));
        item.Weights.CoefLevel = readCoefficient(part(2));
        item.Weights.CoefPercents = part(3) == "1";
        item.Weights.CoefAbs = part(4) == "1";
    }
    return item;
}

std::string FilterPartToText(const TFilterPart& part) {
    std::string text = directionLetters(part.BottomUp, part.MultiSelect, part.KeepSelected) + "#";
    text += part.Method.Code() + ":" + std::to_string(part.DrawsLen);
    text += std::string("#") + levelModeCode(part.LevelMode) + ":" + part.LevelText;
    text += std::string("#") + stopModeCode(part.StopMode) + ":" + std::to_string(part.StopValue);
    if (part.Weights.CDLOverride) {
        text += "#" + weightsWord(part.Weights);
    }
    return text;
}

std::string VariantToText(const TFilterRec& variant) {
    std::string text;
    for (const TFilterPart& p : variant) {
        if (p.Active) {
            if (!text.empty()) {
                text += " + ";
            }
            text += FilterPartToText(p);
        }
    }
    return text;
}

}  // namespace pentad
