// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/interface_language.h"

#include <array>
#include <utility>

#include "shell/data_folder.h"
#include "shell/file_io.h"

namespace pentad {
namespace {

// Languages a module may be written for, with the abbreviations Windows
// gives them (LOCALE_SABBREVLANGNAME).
constexpr std::array<std::pair<int, const char*>, 24> kAbbreviations = {{
    {1033, "ENU"}, {2057, "ENG"}, {1049, "RUS"}, {1058, "UKR"}, {1059, "BEL"}, {1087, "KKZ"},
    {1031, "DEU"}, {1036, "FRA"}, {1040, "ITA"}, {3082, "ESN"}, {1034, "ESP"}, {2070, "PTG"},
    {1046, "PTB"}, {1045, "PLK"}, {1029, "CSY"}, {1038, "HUN"}, {1048, "ROM"}, {1026, "BGR"},
    {1043, "NLD"}, {1053, "SVE"}, {1035, "FIN"}, {1055, "TRK"}, {1061, "ETI"}, {1062, "LVI"},
}};

}  // namespace

std::string languageAbbreviation(int lcid) {
    for (const auto& [id, abbreviation] : kAbbreviations) {
        if (id == lcid) {
            return abbreviation;
        }
    }
    return std::string();
}

int interfaceLanguage(int setting, bool noLanguage, const std::string& programDir) {
    if (noLanguage || setting == kBuiltInLanguage) {
        return kBuiltInLanguage;
    }
    const std::string abbreviation = languageAbbreviation(setting);
    if (abbreviation.empty() || programDir.empty() ||
        !fileExists(joinPath(programDir, std::string(kBaseName) + "_" + abbreviation + ".lng"))) {
        return kBuiltInLanguage;
    }
    return setting;
}

}  // namespace pentad
