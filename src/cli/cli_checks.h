// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of option values typed on the command line. The tool never guesses:
// a value that would select nothing, be read as something else or be passed
// over is refused with a message naming it, before any file is touched.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pentad {
class DrawArchive;
class StatPage;
class TCustomStat;
class TStatList;
}  // namespace pentad

namespace pentad::cli {

// Throws UsageError when `--dir` names no existing folder: the tool works
// only on a folder the user made.
void requireDataFolder(const std::optional<std::string>& dir);

// Five digits 0..9 separated by "," or ";", each written as a number.
// Throws pentad::Error with the draw dialog's message otherwise.
std::array<uint8_t, 5> requireDigits(const std::string& text);

// Throws UsageError unless 0 <= offset < number of draws (0 for an empty
// archive).
void requireOffset(const DrawArchive& archive, int offset);

// Rows of the page's table that the values of `--values` name: a row's text
// as the table shows it, a range "A-B" or a whole number. A number names the
// row of that text, or, for a method with numeric values, the rows whose text
// starts with the number and reads as it ("2" names "2:3"). Throws UsageError
// naming the first value that names no row, with the values the table has.
std::vector<int> rowsOfValues(const StatPage& page, const TCustomStat& stat,
                              const std::string& values);

// A filter item typed with `--item`: throws UsageError for an empty text, for
// words the reader would pass over, and for an item the filter refuses.
void requireFilterItem(const std::string& text, const TStatList& list);

// A scenario line typed on the command line, checked the same way.
void requireScriptLine(const std::string& text, const TStatList& list);

// Numbers from 1 given for a list of `count` entries: throws UsageError
// naming `option` when one lies outside 1..count.
void requireIndexes(const std::vector<int>& numbers, int count, const char* option);

}  // namespace pentad::cli
