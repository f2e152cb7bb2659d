// SPDX-License-Identifier: GPL-3.0-or-later
// Text rules of the catalogue server: trimming, and the folded keys under
// which titles and mail addresses are compared without regard to case.
#pragma once

#include <string>
#include <string_view>

namespace pentad::server {

// Drops blanks and control characters (bytes below 33) at both ends.
std::string_view trimBlanks(std::string_view text);

// The comparison key of a title or mail: trimmed, every run of blanks and
// control characters made one blank, Latin and Cyrillic letters in upper
// case. Other characters stay as they are.
std::string foldKey(std::string_view text);

}  // namespace pentad::server
