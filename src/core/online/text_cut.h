// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting values out of web pages and server replies without a parser: the
// text between two markers (found without regard to letter case, first
// occurrence), trimmed and unquoted. All routines work on 8-bit text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pentad {

// What happens when the start marker is found but a non-empty end marker is
// not found after it.
enum class CutMode {
    Strict = 0,  // throw pentad::Error with the pair message
    Empty = 1,   // the result is ""
    ToEnd = 2,   // the rest of the text is the middle
};

// Position of `marker` in `text` from `from` on, ASCII letters compared
// without regard to case; npos when absent or the marker is empty.
size_t findNoCase(std::string_view text, std::string_view marker, size_t from = 0);

// Trims; when the text is longer than one character and begins and ends with
// a double quote, drops those two, turns every pair of double quotes inside
// into one and drops every single one.
std::string unquote(std::string_view text);

// The text between the first start marker and the first end marker after it,
// trimmed and unquoted. A missing start marker gives "". An empty end marker
// takes the rest of the text. Throws pentad::Error (the pair message) in
// Strict mode when the end marker is missing.
std::string cutBetween(std::string_view text, std::string_view start, std::string_view end,
                       CutMode mode = CutMode::Strict);

// As cutBetween, then drops from the front of `text` everything through the
// end marker (the view is advanced). A missing start marker leaves `text` as
// it is; a missing end marker (modes ToEnd and Empty) consumes all of it.
std::string cutNext(std::string_view& text, std::string_view start, std::string_view end,
                    CutMode mode = CutMode::Strict);

// The text after the first `marker` up to its next occurrence (or the end),
// trimmed and unquoted; drops from `text` everything before that next
// occurrence. A missing marker gives "" and leaves `text` as it is.
std::string cutToNext(std::string_view& text, std::string_view marker);

// cutBetween of the outer markers, then cutBetween of the inner markers
// inside that result. Note the order of the inner markers: end, then start.
std::string cutTwice(std::string_view text, std::string_view outerStart, std::string_view outerEnd,
                     CutMode mode, std::string_view innerEnd, std::string_view innerStart);

}  // namespace pentad
