// SPDX-License-Identifier: GPL-3.0-or-later
// The combination set's hot loops: generating the full set and excluding the
// draws of a 10 000-draw archive from it.
#include <random>

#include <benchmark/benchmark.h>

#include "bench_support.h"

#include "filters/combination_set.h"

namespace {

using namespace pentad;

// Drops everything; the status line is still formatted by the set.
using QuietUi = bench::QuietUi;

void BM_GenerateFullSet(benchmark::State& state) {
    QuietUi ui;
    Shell shell(ui);
    DrawArchive archive;
    CombinationSet set(shell, archive);
    for (auto _ : state) {
        set.Generate(GenerateParams{}, false);
        benchmark::DoNotOptimize(set.Combs().data());
    }
    state.SetItemsProcessed(state.iterations() * kFullSetSize);
}
BENCHMARK(BM_GenerateFullSet)->Unit(benchmark::kMicrosecond);

void BM_GenerateAnyOfMyNumbers(benchmark::State& state) {
    QuietUi ui;
    Shell shell(ui);
    DrawArchive archive;
    CombinationSet set(shell, archive);
    for (auto _ : state) {
        set.Generate(GenerateParams{kGenerateAnyOf, "3;5"}, false);
        benchmark::DoNotOptimize(set.Combs().data());
    }
}
BENCHMARK(BM_GenerateAnyOfMyNumbers)->Unit(benchmark::kMicrosecond);

void BM_ExcludeDraws10kFromFullSet(benchmark::State& state) {
    QuietUi ui;
    Shell shell(ui);
    DrawArchive archive;
    std::mt19937 rng(12345);
    for (int i = 0; i < 10000; ++i) {
        TDrawRec d;
        d.Number = i + 1;
        for (auto& digit : d.Digits) {
            digit = static_cast<uint8_t>(rng() % 10);
        }
        archive.append(d);
    }
    CombinationSet set(shell, archive);
    set.Generate(GenerateParams{}, false);
    set.SaveUndo(false);
    for (auto _ : state) {
        set.ExcludeDraws(10000);
        set.ClearEntries();
        benchmark::DoNotOptimize(set.CombsCount());
    }
    state.counters["left"] = set.CombsCount();
    state.SetItemsProcessed(state.iterations() * kFullSetSize);
}
BENCHMARK(BM_ExcludeDraws10kFromFullSet)->Unit(benchmark::kMicrosecond);

}  // namespace
