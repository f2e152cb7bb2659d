// SPDX-License-Identifier: GPL-3.0-or-later
// Local systems: lists of five-element index combinations over n numbers
// (n = 6..10) kept in the folder "Systems" beside the data, the mapping of a
// system onto the distinct digits of the combination set, and the
// normalisation and checks of the system dialog.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/date_time.h"
#include "game/records.h"

namespace pentad {

inline constexpr const char* kSystemsFolder = "Systems";

struct tSystemInfo {
    int32_t Id = -1;
    uint8_t Nums = 0;
    uint8_t Olap = 0;
    int32_t CSize = 0;
    std::string Title;
    std::string Author;
    std::string OwnerMail;
    std::string Descr;
    DateTime Created = 0;
    int32_t Downloads = 0;
    DateTime LastDownload = 0;
    std::string URL;
};

struct tSystemData {
    tSystemInfo Info;
    std::string CList;  // one combination per line
};

// "5-07-0_0012.dat" inside the systems folder of `dataFolder`.
std::string SystemFileName(const std::string& dataFolder, const tSystemInfo& info);
// "5-07-*_*.dat"
std::string SystemMask(int n);

// The distinct digits of the set in order of first appearance (at most 10).
TByteArray ListNumbers(const TCombsArray& combs, int count);

// Lines rewritten as "01 02 03 04 05"; lines without five words are removed.
// Throws pentad::Error when a word is not a number.
std::vector<std::string> normalizeSystemLines(const std::string& text);
// "Числа" after normalisation: largest - smallest index + 1, 0 without lines.
int systemNumbersOf(const std::vector<std::string>& lines);

// The dialog's checks in order; the first failure's message.
std::optional<std::string> validateSystem(const tSystemData& data);

struct LoadedSystem {
    bool found = false;
    std::string message;   // why nothing was found
    std::string fileName;  // the system file's name without extension
    std::vector<TCombRec> combs;  // mapped onto the numbers, in file order
};

// Finds the local system for n = numbers.size() and maps its lines onto the
// numbers. Lines with an index outside 1..n are skipped. Throws
// pentad::Error when the file cannot be read.
LoadedSystem LoadSystemFor(const std::string& dataFolder, const TByteArray& numbers);

// Writes a system's lines to its local file (times set to Created) and
// removes the other local systems with the same number count. Throws.
void storeLocalSystem(const std::string& dataFolder, const tSystemData& data);

// The local system files, sorted by name, with what their names tell.
std::vector<tSystemInfo> listLocalSystems(const std::string& dataFolder);

}  // namespace pentad
