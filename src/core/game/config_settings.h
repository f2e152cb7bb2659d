// SPDX-License-Identifier: GPL-3.0-or-later
// The game settings in "Pentad.ini": matrix, channel and segment keys of
// GLOBAL, the prize table of STAKES and the weight coefficients of CDL.
#pragma once

#include "game/records.h"
#include "shell/ini_file.h"

namespace pentad {

// Reads every key with its default; malformed values give the default.
TConfigData loadConfigData(const IniFile& ini);

// Writes GLOBAL/STAKES/CDL in one disk write; the prize entries are rewritten
// as 0 .. Profits-1. Throws pentad::Error when the file cannot be written.
void saveConfigData(IniFile& ini, const TConfigData& config);

}  // namespace pentad
