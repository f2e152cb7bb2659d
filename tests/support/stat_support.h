// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for statistics tests: archives from digit rows and one method
// computed over them.
#pragma once

#include <string>
#include <vector>

#include "game/draw_archive.h"
#include "stats/stat_list.h"
#include "stats/stat_table.h"

namespace pentad::test {

inline DrawArchive archiveOfDigits(const std::vector<std::array<uint8_t, 5>>& rows,
                                   int firstNumber = 1) {
    DrawArchive a;
    int n = firstNumber;
    for (const auto& digits : rows) {
        TDrawRec d;
        d.Number = n++;
        d.Digits = digits;
        a.append(d);
    }
    return a;
}

// The list bound to an archive, filled with default settings.
struct StatFixture {
    explicit StatFixture(const std::vector<std::array<uint8_t, 5>>& rows, int firstNumber = 1)
        : archive(archiveOfDigits(rows, firstNumber)), list(archive.draws()) {
        list.Fill();
    }
    int entry(const std::string& code) const { return list.IndexOfCode(code); }
    StatComputation compute(const std::string& code, int length = 1000,
                            const PrefetchData* prefetch = nullptr, bool sorted = false) {
        return computeStatistic(list, entry(code), archive, length, sorted, prefetch);
    }
    DrawArchive archive;
    TStatList list;
};

}  // namespace pentad::test
