// SPDX-License-Identifier: GPL-3.0-or-later
// The interface language of a run, as a locale identifier, and the
// three-letter abbreviation that names its files ("Pentad_ENU.lng",
// "Kestrel_ENU.chm", the captions section "STRINGS_ENU").
#pragma once

#include <string>
#include <vector>

namespace pentad {

class Shell;

// Russian, the language built into the program; it needs no module.
inline constexpr int kBuiltInLanguage = 1049;

// The abbreviation of a locale identifier as the operating system gives it
// ("RUS" for 1049, "ENU" for 1033); empty for an identifier without one.
std::string languageAbbreviation(int lcid);

// The name of a language in its own words ("English", "Русский").
std::string languageName(int lcid);

// The primary language of a locale identifier (English for 1033 and 2057).
inline int primaryLanguage(int lcid) { return lcid & 0x3FF; }

// The path of the module of a language beside the program.
std::string languageModulePath(const std::string& programDir, int lcid);

// The languages a user can choose: the built-in Russian and every language
// whose module lies beside the program, in identifier order.
std::vector<int> availableLanguages(const std::string& programDir);

// The language a run uses: the built-in one with the command word
// "no-language", or when the module "Pentad_<abbreviation>.lng" of the
// `Language` setting is not beside the program; otherwise the setting.
int interfaceLanguage(int setting, bool noLanguage, const std::string& programDir);

// Makes `lcid` the language of the run's texts: loads its module and makes
// it the active one. A module that is missing or cannot be read is reported
// and the built-in language is used; returns the language in use.
int loadInterfaceLanguage(Shell& shell, int lcid, const std::string& programDir);

// Checks before a switch that the module of `lcid` is there, else reports it.
bool languageModuleAvailable(Shell& shell, int lcid, const std::string& programDir);

}  // namespace pentad
