// SPDX-License-Identifier: GPL-3.0-or-later
// Prefetch files: the distribution of a method's values over the full set of
// 100 000 combinations, counted once and kept in "Prefetchs/Pentad_<code>.dfc"
// as 12-byte records {V1..V4 (uint16), FullCount (int32)} sorted by key and a
// 12-byte trailer {MinCount, MaxCount, 0}, all little-endian.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "stats/custom_stat.h"

namespace pentad {

class Shell;
class TStatList;

inline constexpr const char* kPrefetchFolder = "Prefetchs";

struct PrefetchRecord {
    std::array<uint16_t, 4> Key{};
    int32_t FullCount = 0;
};

struct PrefetchData {
    std::vector<PrefetchRecord> records;
    int32_t MinCount = 0;
    int32_t MaxCount = 0;
};

// "<folder>/Prefetchs/Pentad_<code>.dfc"
std::string prefetchPath(const std::string& dataFolder, const std::string& code);

// Counts every combination 00000..99999 with CountCombination and returns the
// rows sorted by key (equal keys keep their order).
std::vector<TStatRow> countFullSet(TCustomStat& stat);

// File bytes of sorted full-set rows, trailer included.
std::string encodePrefetch(const std::vector<TStatRow>& sortedRows);

// Reads file bytes. Throws pentad::Error when the size is not a multiple of 12
// (a size of 0 is treated by the callers as a missing file).
PrefetchData decodePrefetch(const std::string& bytes);

// Builds, opens and rebuilds the prefetch files of a data folder, with the
// busy state, status texts, progress and error boxes of the program.
class PrefetchStore {
public:
    PrefetchStore(Shell& shell, std::string dataFolder)
        : m_shell(shell), m_folder(std::move(dataFolder)) {}

    std::string pathOf(const TStatList& list, int entry) const;

    // The file of entry `entry`, built when missing or empty. Empty on
    // failure (the error box was shown) or for methods without a norm.
    std::optional<PrefetchData> open(const TStatList& list, int entry);

    // Builds the file of one entry through a temporary file. False on
    // failure (error box shown, no partial file left).
    bool build(const TStatList& list, int entry);

    // Builds the file of every entry with a norm when it is missing, or when
    // its group is in `groups`. Progress over the entries.
    void buildAll(const TStatList& list, const std::bitset<13>& groups);

    // Removes the files of the entries whose group is in `groups`.
    void discard(const TStatList& list, const std::bitset<13>& groups);

private:
    Shell& m_shell;
    std::string m_folder;
};

}  // namespace pentad
