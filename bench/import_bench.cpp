// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a 200 000-line draw file (target: under 0.2 s): the lines read
// into an empty archive, and the whole command as "draws import" runs it,
// the file read and the archive written.
#include <filesystem>
#include <random>
#include <stdlib.h>

#include <benchmark/benchmark.h>

#include "game/date_time.h"
#include "game/draw_archive.h"
#include "game/draw_csv.h"
#include "shell/file_io.h"

namespace {

using namespace pentad;

constexpr int kLines = 200000;

// Export lines of 200 000 draws numbered 1.., every hundredth line repeated
// (a duplicate number the import skips).
std::string importText() {
    std::mt19937 rng(2024);
    DateTime day = *encodeDate(2016, 8, 1);
    TDrawsArray draws;
    for (int i = 0; i < kLines; ++i) {
        TDrawRec d;
        d.Number = i + 1 - (i % 100 == 99 ? 1 : 0);
        for (auto& digit : d.Digits) {
            digit = static_cast<uint8_t>(rng() % 10);
        }
        d.setDateText(DrawDateText(day + i / 2 + (i % 2 ? kEveningTime : kMiddayTime)));
        draws.push_back(d);
    }
    return exportDrawsText(draws);
}

const std::string& text() {
    static const std::string t = importText();
    return t;
}

void BM_ImportCsv200k(benchmark::State& state) {
    const std::string& bytes = text();
    for (auto _ : state) {
        DrawArchive archive;
        benchmark::DoNotOptimize(importDrawsText(archive, bytes));
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_ImportCsv200k)->Unit(benchmark::kMillisecond);

void BM_ImportCsvFile200k(benchmark::State& state) {
    char pattern[] = "/tmp/pentad-bench-XXXXXX";
    const std::string folder = ::mkdtemp(pattern);
    const std::string csv = folder + "/draws.csv";
    writeFileAtomic(csv, text());
    for (auto _ : state) {
        DrawArchive archive;
        importDrawsText(archive, readFileBytes(csv));
        archive.save(folder + "/Pentad.ldr");
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ImportCsvFile200k)->Unit(benchmark::kMillisecond);

}  // namespace
