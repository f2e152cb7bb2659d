// SPDX-License-Identifier: GPL-3.0-or-later
// Small text helpers used across the core: trimming, splitting, strict number
// parsing with the program's rules.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pentad {

// Removes blanks and control characters (code < 33) at both ends.
std::string trim(std::string_view text);

// Splits at any of the delimiter characters; empty words are kept.
std::vector<std::string> splitAny(std::string_view text, std::string_view delimiters);

// Strict integer: optional sign and decimal digits, or "$hex" / "0xhex".
// No blanks allowed. False when the text is not a number or out of range.
bool parseInteger(std::string_view text, long long& value);

// Strict 32-bit integer with the same rules.
bool parseInt32(std::string_view text, int& value);

// Text to number, 0 when the text is not a number (no trimming).
int textToInt(std::string_view text);

// Real number with "," or "." as decimal separator and optional exponent.
bool parseReal(std::string_view text, long double& value);

// Joins words with a separator.
std::string join(const std::vector<std::string>& words, std::string_view separator);

}  // namespace pentad
