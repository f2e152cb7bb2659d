// SPDX-License-Identifier: GPL-3.0-or-later
// Small text codecs of the network requests: Base64, backslash escaping,
// query joining, address parts, and the reader of the catalogue server's
// tag-shaped replies ("<result>" / "<row>" / "<error>").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pentad {

// Standard alphabet with "=" padding; lines are not broken.
std::string base64Encode(std::string_view bytes);
// Characters outside the alphabet (line breaks, blanks, padding) are skipped;
// a trailing group of fewer than two characters is dropped.
std::string base64Decode(std::string_view text);

// Backslash escaping: bytes 0..6 become "\0".."\6"; 7..13 and 27 become
// "\a", "\b", "\t", "\n", "\v", "\f", "\r", "\e"; the double quote,
// apostrophe, question mark and backslash get a backslash in front.
std::string escapeText(std::string_view text);

// a + "&" + b when both are non-empty, else the non-empty one.
std::string joinQuery(std::string_view a, std::string_view b);

// Everything up to and including the last "/" ("" when there is none).
std::string addressBase(std::string_view address);

// True when the address starts with "https://", any case.
bool isHttps(std::string_view address);

// Percent-encoding of a form value or query value (RFC 3986 unreserved
// characters stay, a blank becomes "+").
std::string formEncode(std::string_view value);

// The rows of a catalogue reply: the payload between "<result>" and
// "</result>", then every "<row>".."</row>" in order. Throws pentad::Error
// (the pair message) when a marker pair is broken.
std::vector<std::string> replyRows(std::string_view reply);
// The field "<name>".."</name>" of a row, trimmed and unquoted ("" when
// absent).
std::string replyField(std::string_view row, std::string_view name);
// The refusal text of a row ("" when the row is not a refusal).
std::string replyError(std::string_view row);

}  // namespace pentad
