// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/interface_language.h"

#include <array>
#include <memory>
#include <tuple>

#include "shell/data_folder.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/language_module.h"
#include "shell/messages.h"
#include "shell/shell.h"

namespace pentad {
namespace {

// Languages a module may be written for, with the abbreviations Windows
// gives them (LOCALE_SABBREVLANGNAME) and their names in their own words.
constexpr std::array<std::tuple<int, const char*, const char*>, 24> kLanguages = {{
    {1026, "BGR", "Български"},  {1029, "CSY", "Čeština"},     {1031, "DEU", "Deutsch"},
    {1033, "ENU", "English"},    {1034, "ESP", "Español"},     {1035, "FIN", "Suomi"},
    {1036, "FRA", "Français"},   {1038, "HUN", "Magyar"},      {1040, "ITA", "Italiano"},
    {1043, "NLD", "Nederlands"}, {1045, "PLK", "Polski"},      {1046, "PTB", "Português"},
    {1048, "ROM", "Română"},     {1049, "RUS", "Русский"},     {1053, "SVE", "Svenska"},
    {1055, "TRK", "Türkçe"},     {1058, "UKR", "Українська"},  {1059, "BEL", "Беларуская"},
    {1061, "ETI", "Eesti"},      {1062, "LVI", "Latviešu"},    {1087, "KKZ", "Қазақ"},
    {2057, "ENG", "English (United Kingdom)"},                 {2070, "PTG", "Português (Portugal)"},
    {3082, "ESN", "Español (alfabetización internacional)"},
}};

}  // namespace

std::string languageAbbreviation(int lcid) {
    for (const auto& [id, abbreviation, name] : kLanguages) {
        if (id == lcid) {
            return abbreviation;
        }
    }
    return std::string();
}

std::string languageName(int lcid) {
    for (const auto& [id, abbreviation, name] : kLanguages) {
        if (id == lcid) {
            return name;
        }
    }
    return std::string();
}

std::string languageModulePath(const std::string& programDir, int lcid) {
    const std::string name = std::string(kBaseName) + "_" + languageAbbreviation(lcid) + ".lng";
    const std::string beside = joinPath(programDir, name);
    // An installed copy keeps its modules with its shared files.
    const std::string share = programDir.empty() ? std::string() : installedShareFolder(programDir);
    if (!fileExists(beside) && !share.empty() && fileExists(joinPath(share, name))) {
        return joinPath(share, name);
    }
    return beside;
}

std::vector<int> availableLanguages(const std::string& programDir) {
    std::vector<int> languages;
    for (const auto& [id, abbreviation, name] : kLanguages) {
        if (id == kBuiltInLanguage ||
            (!programDir.empty() && fileExists(languageModulePath(programDir, id)))) {
            languages.push_back(id);
        }
    }
    return languages;
}

int interfaceLanguage(int setting, bool noLanguage, const std::string& programDir) {
    if (noLanguage || setting == kBuiltInLanguage) {
        return kBuiltInLanguage;
    }
    if (languageAbbreviation(setting).empty() || programDir.empty() ||
        !fileExists(languageModulePath(programDir, setting))) {
        return kBuiltInLanguage;
    }
    return setting;
}

bool languageModuleAvailable(Shell& shell, int lcid, const std::string& programDir) {
    if (lcid == kBuiltInLanguage) {
        return true;
    }
    const std::string path = languageModulePath(programDir, lcid);
    if (languageAbbreviation(lcid).empty() || !fileExists(path)) {
        shell.error(format(texts::kLanguageModuleMissing,
                           std::string(kBaseName) + "_" + languageAbbreviation(lcid) + ".lng"));
        return false;
    }
    return true;
}

int loadInterfaceLanguage(Shell& shell, int lcid, const std::string& programDir) {
    setActiveLanguageModule(nullptr);
    if (lcid == kBuiltInLanguage || !languageModuleAvailable(shell, lcid, programDir)) {
        return kBuiltInLanguage;
    }
    const std::string path = languageModulePath(programDir, lcid);
    try {
        setActiveLanguageModule(std::make_shared<LanguageModule>(LanguageModule::load(path)));
    } catch (const std::exception& e) {
        shell.error(format(texts::kLanguageModuleFailed, path, std::string(e.what())));
        return kBuiltInLanguage;
    }
    return lcid;
}

}  // namespace pentad
