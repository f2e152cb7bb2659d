// SPDX-License-Identifier: GPL-3.0-or-later
// Text codecs of the catalogue exchange, shared by the program and the
// catalogue server: Base64 (standard alphabet, "=" padding), the backslash
// escaping of form values, and a UTF-8 check. No network library involved.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pentad::catalogue {

// Base64 of the bytes, standard alphabet with "=" padding, no line breaks.
std::string base64Encode(std::string_view bytes);

// Lenient decoding as the program's reply readers do it: every character
// outside the alphabet (line breaks, blanks, padding, anything else) is
// skipped, and bits left over at the end are dropped.
std::string base64Decode(std::string_view text);

// Strict decoding for input that must be well formed: blanks and line breaks
// are skipped, any other character outside the alphabet, padding anywhere but
// at the end, more than two padding characters or a length that cannot come
// from an encoder give nullopt.
std::optional<std::string> base64DecodeStrict(std::string_view text);

// Backslash escaping of a form value: bytes 0..6 become "\0".."\6"; 7..13
// and 27 become "\a", "\b", "\t", "\n", "\v", "\f", "\r", "\e"; the double
// quote, apostrophe, question mark and backslash get a backslash in front;
// every other byte stays.
std::string escapeText(std::string_view text);

// The inverse of escapeText. A backslash at the very end or followed by a
// character escapeText never writes gives nullopt.
std::optional<std::string> unescapeText(std::string_view text);

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
bool isUtf8(std::string_view bytes);

}  // namespace pentad::catalogue
