// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenarios/line_check.h"

#include "filters/filter_item.h"
#include "scenarios/scenario_texts.h"
#include "shell/cp1251.h"
#include "shell/text_utils.h"
#include "stats/stat_list.h"

namespace pentad {
namespace {

// The word before the first ":" and what follows it ("" without a colon).
std::pair<std::string, std::string> codeAndValue(const std::string& word) {
    const size_t colon = word.find(':');
    if (colon == std::string::npos) {
        return {trim(word), std::string()};
    }
    return {trim(word.substr(0, colon)), trim(word.substr(colon + 1))};
}

bool isWholeNumber(const std::string& text, long long low, long long high) {
    long long v = 0;
    return parseInteger(text, v) && v >= low && v <= high;
}

// "TSD", "BMF1": top or bottom, single or multiple, delete or keep, and an
// optional sort order of one digit.
bool isDirectionWord(const std::string& w) {
    return (w.size() == 3 || (w.size() == 4 && w[3] >= '0' && w[3] <= '9')) &&
           (w[0] == 'T' || w[0] == 'B') && (w[1] == 'S' || w[1] == 'M') &&
           (w[2] == 'F' || w[2] == 'D');
}

bool isMethodWord(const std::string& w, const TStatList& list) {
    const std::string code = codeAndValue(w).first;
    for (int i = 0; i < list.Count(); ++i) {
        if (sameTextNoCase(code, list.Item(i).Code())) {
            return true;
        }
    }
    return false;
}

bool isLevelWord(const std::string& w) {
    const std::string code = codeAndValue(w).first;
    for (int m = 0; m < kLevelModeCount; ++m) {
        if (sameTextNoCase(code, levelModeCode(m))) {
            return true;
        }
    }
    return false;
}

bool isStopWord(const std::string& w) {
    const auto [code, value] = codeAndValue(w);
    for (int m = 0; m < kStopModeCount; ++m) {
        if (sameTextNoCase(code, stopModeCode(m))) {
            return value.empty() || isWholeNumber(value, 0, 0xFFFFFFFFLL);
        }
    }
    return false;
}

// "count:deviation:level:percents:abs", trailing parts may be left out.
bool isWeightsWord(const std::string& w) {
    const std::vector<std::string> parts = splitAny(w, ":");
    if (parts.empty() || parts.size() > 5) {
        return false;
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        std::string part = trim(parts[i]);
        if (i >= 3) {
            if (part != "0" && part != "1" && !part.empty()) {
                return false;
            }
            continue;
        }
        for (char& c : part) {
            c = c == ',' ? '.' : c;
        }
        long double v = 0;
        if (!part.empty() && !parseReal(part, v)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::vector<std::string> unreadOptionWords(const std::string& text) {
    std::vector<std::string> unread;
    const std::vector<std::string> words = scenarioWords(text, '#');
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        bool known = false;
        if (i == 0) {
            const auto [code, value] = codeAndValue(w);
            for (const char* start : texts::kStartCodes) {
                known = known || sameTextNoCase(code, start);
            }
            known = known && (value.empty() || isWholeNumber(value, 0, 0x7FFFFFFF));
        } else if (i == 1) {
            for (const char* mode : texts::kStakeModeCodes) {
                known = known || sameTextNoCase(w, mode);
            }
        } else {
            known = sameTextNoCase(w, "CLR") || sameTextNoCase(w, "NEX");
        }
        if (!known) {
            unread.push_back(w);
        }
    }
    return unread;
}

std::vector<std::string> unreadFilterWords(const std::string& text, const TStatList& list) {
    std::vector<std::string> unread;
    const std::vector<std::string> words = scenarioWords(text, '#');
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        const bool known = (i == 0 && isDirectionWord(w)) || (i == 1 && isMethodWord(w, list)) ||
                           (i == 2 && isLevelWord(w)) || (i == 3 && isStopWord(w)) ||
                           (i == 4 && isWeightsWord(w));
        if (!known) {
            unread.push_back(w);
        }
    }
    return unread;
}

std::vector<std::string> unreadLineWords(const std::string& text, const TStatList& list) {
    const std::vector<std::string> fields = scenarioWords(text, '|');
    std::vector<std::string> unread;
    auto add = [&unread](const std::vector<std::string>& words) {
        unread.insert(unread.end(), words.begin(), words.end());
    };
    if (!fields.empty()) {
        add(unreadOptionWords(fields[0]));
    }
    for (size_t i = 1; i < fields.size() && i <= 7; ++i) {
        add(unreadFilterWords(fields[i], list));
    }
    // Field 8 is the comment; the reader drops anything after it.
    for (size_t i = 9; i < fields.size(); ++i) {
        unread.push_back(fields[i]);
    }
    return unread;
}

}  // namespace pentad
