// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/stat_class.h"

#include "shell/format_args.h"
#include "shell/language_module.h"
#include "stats/stat_texts.h"

namespace pentad {

const char* groupCode(int group) {
    static const char* const kCodes[kGroupCount] = {"num", "sum", "dif", "grp", "mtx",
                                                    "sgm", "seq", "rep", "ser", "per",
                                                    "mov", "qrn", "shr"};
    return group >= 0 && group < kGroupCount ? kCodes[group] : "";
}

const char* groupCaption(int group) {
    return group >= 0 && group < kGroupCount ? texts::kGroupCaptions[group] : "";
}

std::string groupHeading(int group) {
    if (group < 0 || group >= kGroupCount) {
        return "#ERROR#";
    }
    return formatIndexed("{ %1:s } %0:s",
                         {translated(groupCaption(group)), std::string(groupCode(group))});
}

std::string flagLetters(uint8_t flags) {
    std::string out;
    const char* letters = "SNDPG";
    for (int bit = 0; bit < 5; ++bit) {
        if ((flags & (1u << bit)) != 0) {
            out += letters[bit];
        }
    }
    return out;
}

std::string StatClass::code(int variant) const {
    return formatIndexed(codeFormat, {static_cast<long long>(variant)});
}

std::string StatClass::caption(int variant) const {
    // Captions are shown in the interface language.
    if (captionOf != nullptr) {
        return translated(captionOf(variant));
    }
    return formatIndexed(translated(captionFormat), {static_cast<long long>(variant)});
}

std::string StatClass::helpCode(int variant) const {
    return formatIndexed(helpCodeFormat != nullptr ? helpCodeFormat : codeFormat,
                         {static_cast<long long>(variant)});
}

std::string StatClass::helpUrl(int variant, const std::string& helpFile) const {
    if (helpFile.empty()) {
        return std::string();
    }
    return "ms-its:" + helpFile +
           formatIndexed("::/Filters_%.4d_%s.htm", {1049LL, helpCode(variant)});
}

}  // namespace pentad
