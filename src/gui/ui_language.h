// SPDX-License-Identifier: GPL-3.0-or-later
// The interface language of the desktop program: its module, loaded before
// the first window is built; its locale, which formats numbers and names the
// days; and the translation of the texts every widget is built with.
#pragma once

#include <string>

#include <QLocale>

namespace pentad {

class Workspace;

// The locale of a language given as a locale identifier (1033: English,
// United States); the C locale for an identifier the program does not know.
QLocale languageLocale(int lcid);

// Sets the run's interface language before any window is built: Russian with
// the command word "no-language", else the `Language` setting. The module of
// that language is loaded from `programDir`; a missing or unreadable one is
// reported and Russian is used. The language's locale becomes the default
// one, and while a module is loaded every widget's texts are translated when
// it is first shown, and every action's when it is added to a menu. Returns
// the language in use.
int startInterfaceLanguage(Workspace& workspace, bool noLanguage, const std::string& programDir);

// Back to the built-in Russian and the locale the program started with.
void resetInterfaceLanguage();

}  // namespace pentad
