// SPDX-License-Identifier: GPL-3.0-or-later
// The interface language of a run, as a locale identifier, and the
// three-letter abbreviation that names its files ("Pentad_ENU.lng",
// "Kestrel_ENU.chm", the captions section "STRINGS_ENU").
#pragma once

#include <string>

namespace pentad {

// Russian, the language built into the program; it needs no module.
inline constexpr int kBuiltInLanguage = 1049;

// The abbreviation of a locale identifier as the operating system gives it
// ("RUS" for 1049, "ENU" for 1033); empty for an identifier without one.
std::string languageAbbreviation(int lcid);

// The language a run uses: the built-in one with the command word
// "no-language", or when the module "Pentad_<abbreviation>.lng" of the
// `Language` setting is not beside the program; otherwise the setting.
int interfaceLanguage(int setting, bool noLanguage, const std::string& programDir);

}  // namespace pentad
