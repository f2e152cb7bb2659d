// SPDX-License-Identifier: GPL-3.0-or-later
// The single codec between the program's UTF-8 text and the 8-bit Cyrillic
// code page 1251 used by every file and network reply.
#pragma once

#include <string>
#include <string_view>

namespace pentad {

// Converts cp1251 bytes to UTF-8. Every byte maps to one character.
std::string cp1251ToUtf8(std::string_view bytes);

// Converts UTF-8 text to cp1251. A character the code page cannot hold, and
// any malformed UTF-8 sequence, is written as "?".
std::string utf8ToCp1251(std::string_view text);

// Number of characters (code points) of UTF-8 text.
size_t utf8Length(std::string_view text);

// The first `count` characters of UTF-8 text.
std::string utf8Left(std::string_view text, size_t count);

// Upper/lower case of UTF-8 text for Latin and Cyrillic letters (used for
// comparisons without regard to case).
std::string utf8Upper(std::string_view text);
bool sameTextNoCase(std::string_view a, std::string_view b);

}  // namespace pentad
