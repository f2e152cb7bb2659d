// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program keeps its data files, and the words of its command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pentad {

// Base name of every data file ("Pentad.ini", "Pentad.ldr", ...), whatever the
// executable is called, so the desktop program and the command-line tool
// share one folder.
inline constexpr const char* kBaseName = "Pentad";

// Folder of the running executable ("" when it cannot be found).
std::string programFolder();

// The shared files of an installed copy: "<prefix>/share/pentad" for a
// program in "<prefix>/bin", when that folder exists; "" for a copy run from
// its build or unpacked folder.
std::string installedShareFolder(const std::string& programDir);

// The data folder: `explicitDir` when given, else the environment variable
// PENTAD_DIR, else the program's folder when it is writable and the program
// is not an installed copy, else the user's data folder ($XDG_DATA_HOME/Pentad
// or ~/.local/share/Pentad). The folder is created when missing. Throws
// pentad::Error when it cannot be created.
std::string resolveDataFolder(const std::optional<std::string>& explicitDir);

// Same decision with every input given, for tests.
std::string chooseDataFolder(const std::optional<std::string>& explicitDir,
                             const char* environmentDir, const std::string& programDir,
                             bool programDirWritable, const char* xdgDataHome,
                             const char* home);

// A command word w is present when any argument equals w, "-"w, "--"w, "/"w or
// "\"w, without regard to case.
bool hasCommandWord(const std::vector<std::string>& args, const std::string& word);

namespace words {
inline constexpr const char* kRestart = "restart";
inline constexpr const char* kLoadOnly = "loadonly";
inline constexpr const char* kFullRecreate = "fullrecreate";
inline constexpr const char* kFullRefresh = "fullrefresh";
inline constexpr const char* kNoLanguage = "no-language";
}  // namespace words

}  // namespace pentad
