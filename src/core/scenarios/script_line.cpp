// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenarios/script_line.h"

#include "filters/filter_item.h"
#include "scenarios/scenario_texts.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/format_args.h"
#include "shell/text_utils.h"

namespace pentad {

std::string OptionsToText(const TScriptOptions& o) {
    std::string text = std::string(o.StartList < 3 ? texts::kStartCodes[o.StartList] : "") + ":" +
                       std::to_string(o.DrawsExclude) + "#" +
                       (o.StakeMode < 9 ? texts::kStakeModeCodes[o.StakeMode] : "");
    if (o.ClearStakes) {
        text += "#CLR";
    }
    if (o.NewOnly) {
        text += "#NEX";
    }
    return text;
}

TScriptOptions TextToOptions(const std::string& text) {
    TScriptOptions o;
    std::vector<std::string> words = scenarioWords(text, '#');
    if (!words.empty()) {
        std::string upper = utf8Upper(words[0]);
        for (uint8_t i = 0; i < 3; ++i) {
            if (upper.rfind(texts::kStartCodes[i], 0) == 0) {
                o.StartList = i;
                break;
            }
        }
        std::vector<std::string> parts = scenarioWords(words[0], ':');
        o.DrawsExclude = parts.size() > 1 ? textToInt(parts[1]) : 0;
        if (o.DrawsExclude < 0) {
            o.DrawsExclude = 0;
        }
    }
    if (words.size() > 1) {
        for (uint8_t i = 0; i < 9; ++i) {
            if (sameTextNoCase(words[1], texts::kStakeModeCodes[i])) {
                o.StakeMode = i;
                break;
            }
        }
    }
    for (size_t i = 2; i < words.size(); ++i) {
        if (sameTextNoCase(words[i], "CLR")) {
            o.ClearStakes = true;
        } else if (sameTextNoCase(words[i], "NEX")) {
            o.NewOnly = true;
        }
    }
    return o;
}

std::string OptionsToShortText(const TScriptOptions& o) {
    std::string text = o.StartList < 3 ? texts::kStartCodes[o.StartList] : "";
    if (o.StartList == kStartExcl) {
        text += ":" + std::to_string(o.DrawsExclude);
    }
    text += std::string("#") + (o.StakeMode < 9 ? texts::kStakeModeCodes[o.StakeMode] : "");
    if (o.NewOnly) {
        text += "#NEX";
    }
    return text;
}

std::string startListCaption(int mode, int n) {
    if (mode < 0 || mode > 2) {
        return texts::kIndexError;
    }
    return formatIndexed(texts::kStartListCaptions[mode], {static_cast<long long>(n)});
}

std::string stakeModeCaption(int mode) {
    return mode >= 0 && mode < 9 ? texts::kStakeModeCaptions[mode] : texts::kIndexError;
}

std::string stakeModeShortCaption(int mode) {
    return mode >= 0 && mode < 9 ? texts::kStakeModeShort[mode] : texts::kIndexError;
}

std::string OptionsCaption(const TScriptOptions& o) {
    std::string text = startListCaption(o.StartList, o.DrawsExclude) + "; " +
                       stakeModeShortCaption(o.StakeMode);
    if (o.ClearStakes) {
        text += std::string("; ") + texts::kClearStakesCaption;
    }
    text += std::string("; ") + (o.NewOnly ? texts::kNewOnlyCaption : texts::kAllStakesCaption);
    return text;
}

std::string LineToText(const TScriptLine& line) {
    std::string text = OptionsToText(line.Options) + "|";
    for (const std::string& f : line.Filters) {
        text += (trim(f).empty() ? std::string(" ") : f) + "|";
    }
    if (!trim(line.Comment).empty()) {
        text += line.Comment;
    }
    return text;
}

TScriptLine TextToLine(const std::string& text) {
    TScriptLine line;
    std::vector<std::string> words = scenarioWords(text, '|');
    auto word = [&](size_t i) { return i < words.size() ? words[i] : std::string(); };
    line.Options = TextToOptions(word(0));
    for (size_t i = 0; i < 7; ++i) {
        line.Filters[i] = word(1 + i);
    }
    line.Comment = word(8);
    return line;
}

bool isSeparatorLine(const std::string& text) {
    return trim(text).empty();
}

}  // namespace pentad
