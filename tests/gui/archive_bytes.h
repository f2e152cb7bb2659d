// SPDX-License-Identifier: GPL-3.0-or-later
// Draw archive files for the tests, written and read byte by byte (24 bytes
// a draw: number int32 little-endian, five digit bytes, date length, twelve
// date characters, two padding bytes) without the code under test.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace pentad::test {

struct RawDraw {
    int number = 0;
    std::array<int, 5> digits{};
    std::string date;  // ASCII, at most 12 characters
};

// Six draws over three days (101 .. 106), the archive of the scenario tests.
inline const std::vector<RawDraw> kSixDraws = {
    {101, {1, 2, 3, 4, 5}, "01/01/2024 M"}, {102, {6, 7, 8, 9, 0}, "01/01/2024 E"},
    {103, {0, 0, 1, 1, 2}, "01/02/2024 M"}, {104, {3, 3, 4, 4, 5}, "01/02/2024 E"},
    {105, {9, 8, 7, 6, 5}, "01/03/2024 M"}, {106, {2, 4, 6, 8, 0}, "01/03/2024 E"},
};

// One scenario line without filters that stakes the first combination of
// the full set.
inline constexpr const char* kFirstLine = "FULL:0#FIRST| | | | | | | |x";

// Writes the draws, oldest first, as "Pentad.ldr" bytes to `path`.
void writeArchiveFile(const std::string& path, const std::vector<RawDraw>& draws);

// Reads such a file; the size must be a multiple of 24.
std::vector<RawDraw> readArchiveFile(const std::string& path);

}  // namespace pentad::test
