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

// Writes the draws, oldest first, as "Pentad.ldr" bytes to `path`.
void writeArchiveFile(const std::string& path, const std::vector<RawDraw>& draws);

// Reads such a file; the size must be a multiple of 24.
std::vector<RawDraw> readArchiveFile(const std::string& path);

}  // namespace pentad::test
