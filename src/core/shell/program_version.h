// SPDX-License-Identifier: GPL-3.0-or-later
// The version of the program file. It is kept as a stamp inside the
// executable ("PENTAD-FILE-VERSION:" and the dotted text in a fixed field),
// so it belongs to the file rather than to the build that loaded it: a
// program file replaced by an update reports the version of the new file.
#pragma once

#include <string>

namespace pentad {

// The marker in front of the version text in every program file.
inline constexpr const char* kVersionStampMarker = "PENTAD-FILE-VERSION:";
// Room for the version text after the marker (the rest is zero bytes).
inline constexpr int kVersionStampRoom = 40;

// The dotted version of the running program file ("1.0.0.0").
std::string programVersion();

}  // namespace pentad
