// SPDX-License-Identifier: GPL-3.0-or-later
// The text forms of a combination list: the ".lcv" file (one combination a
// line, digits joined by ";", CR LF) and the lines pasted from the clipboard.
// Readers skip what is not a combination and say how many lines they skipped.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "game/records.h"

namespace pentad {

// How one line of a combination list was read.
enum class CombLine {
    Combination,  // five digits 0..9
    Empty,        // nothing but blanks
    Malformed     // not five fields, or a value outside 0..9
};

// One .lcv line: fields separated by "," and ";" (runs of separators count as
// one), exactly five of them, each trimmed and read as a decimal integer (0
// when it is not one). A value outside 0..9 makes the line malformed.
CombLine parseLcvLine(std::string_view line, TCombRec& comb);

// One pasted line, read like TextToComb: fields separated by any of TAB,
// blank, ",", "-", ".", ":", ";", "|", each read as an integer (0 when it is
// not one). Throws pentad::Error "Некорректная комбинация: \"%s\"!" when
// there are not exactly five fields; answers Malformed for a value outside 0..9.
CombLine parsePastedLine(std::string_view line, TCombRec& comb);

struct CombListRead {
    int read = 0;     // combinations appended
    int skipped = 0;  // lines that were neither empty nor a combination
};

// Appends the combinations of .lcv text to `combs` from index `count` on and
// advances `count`. The array is grown when it is too short and never shrunk.
// Lines end with CR LF, LF or CR.
CombListRead readLcvText(std::string_view text, TCombsArray& combs, int& count);

// Appends the combinations of pasted text (one a line) like readLcvText, with
// parsePastedLine; an empty line is an error like any line without five
// fields. Throws pentad::Error; `combs` and `count` then hold the lines before it.
CombListRead readPastedText(std::string_view text, TCombsArray& combs, int& count);

// The .lcv text of the combinations: "0;7;3;3;9\r\n" per combination.
std::string lcvText(std::span<const TCombRec> combs);

// Number of lines of text as readLcvText sees them (a last line without an
// end counts).
int countLines(std::string_view text);

}  // namespace pentad
