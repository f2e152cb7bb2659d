// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenarios/ratings_to_script.h"

#include "filters/filter_item.h"
#include "scenarios/script_line.h"
#include "shell/text_utils.h"

namespace pentad {

std::optional<std::string> ratingToScriptLine(const std::string& comment, const TStatList&) {
    std::string text = comment;
    std::string head;
    size_t at = text.find('@');
    if (at != std::string::npos) {
        head = trim(text.substr(0, at));
        text = trim(text.substr(at + 1));
    }
    std::string line;
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, 3, " + ") == 0) {
            line += '|';
            i += 3;
        } else {
            line += text[i++];
        }
    }
    while (scenarioWords(line, '|').size() <= 7) {
        line += "| ";
    }
    line += "|" + head;
    TScriptLine parsed = TextToLine(line);
    for (const std::string& f : parsed.Filters) {
        if (!trim(f).empty()) {
            return line;
        }
    }
    return std::nullopt;
}

}  // namespace pentad
