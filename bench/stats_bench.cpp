// SPDX-License-Identifier: GPL-3.0-or-later
// Statistics engine hot paths: counting the full set for prefetch files,
// testing every combination against selected rows, and computing a table.
#include <benchmark/benchmark.h>

#include <random>

#include "filters/filter_kernel.h"
#include "game/draw_archive.h"
#include "stats/prefetch.h"
#include "stats/stat_list.h"
#include "stats/stat_table.h"

namespace {

using namespace pentad;

DrawArchive randomArchive(int count) {
    std::mt19937 rng(12345);
    DrawArchive a;
    for (int i = 0; i < count; ++i) {
        TDrawRec d;
        d.Number = i + 1;
        for (auto& digit : d.Digits) {
            digit = static_cast<uint8_t>(rng() % 10);
        }
        a.append(d);
    }
    return a;
}

TCombsArray fullSet() {
    TCombsArray combs(100000);
    for (int i = 0; i < 100000; ++i) {
        int v = i;
        for (int p = 4; p >= 0; --p) {
            combs[static_cast<size_t>(i)].Digits[static_cast<size_t>(p)] =
                static_cast<uint8_t>(v % 10);
            v /= 10;
        }
    }
    return combs;
}

void BM_PrefetchNums(benchmark::State& state) {
    DrawArchive a;
    TStatList list(a.draws());
    list.Fill();
    int entry = list.IndexOfCode("NUMS");
    for (auto _ : state) {
        auto stat = list.CreateStat(entry);
        std::string bytes = encodePrefetch(countFullSet(*stat));
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_PrefetchNums)->Unit(benchmark::kMillisecond);

void BM_PrefetchNumberFamily(benchmark::State& state) {
    DrawArchive a;
    TStatList list(a.draws());
    list.Fill();
    for (auto _ : state) {
        for (int i = 0; i < list.Count(); ++i) {
            if (list.Item(i).Class->group == 0 && list.Item(i).Class->hasNorm()) {
                auto stat = list.CreateStat(i);
                std::string bytes = encodePrefetch(countFullSet(*stat));
                benchmark::DoNotOptimize(bytes.data());
            }
        }
    }
}
BENCHMARK(BM_PrefetchNumberFamily)->Unit(benchmark::kMillisecond);

// Two NUMS rows selected over a random archive, and the full set to test.
struct TwoNumsRows {
    DrawArchive a = randomArchive(100);
    TStatList list{a.draws()};
    std::unique_ptr<TCustomStat> stat;
    TStatDrawArray selected;
    TCombsArray combs = fullSet();

    TwoNumsRows() {
        list.Fill();
        stat = list.CreateStat(list.IndexOfCode("NUMS"));
        for (uint16_t d : {7, 8}) {
            TStatRow r;
            r.setV(1, d);
            selected.append(r);
        }
        stat->LoadDraws(-1, a.lastIndex(), false);
    }
};

// The core loop of a filter step: every combination of the full set tested
// against two selected NUMS rows.
void BM_TestFullSetTwoNumsRows(benchmark::State& state) {
    TwoNumsRows t;
    auto& [a, list, stat, selected, combs] = t;
    for (auto _ : state) {
        int kept = 0;
        for (const TCombRec& c : combs) {
            kept += stat->TestCombination(c, selected, false, false, a.lastIndex()) ? 1 : 0;
        }
        benchmark::DoNotOptimize(kept);
    }
}
BENCHMARK(BM_TestFullSetTwoNumsRows)->Unit(benchmark::kMillisecond);

// The same test by the filter kernel: one table lookup per combination, the
// table made before the timing (a scenario makes it once per selection).
void BM_TableFullSetTwoNumsRows(benchmark::State& state) {
    TwoNumsRows t;
    auto& [a, list, stat, selected, combs] = t;
    auto table = FilterKernel::table(*stat, selected, false, false, a.lastIndex());
    for (auto _ : state) {
        KeepLookup lookup(table->data());
        int kept = 0;
        for (const TCombRec& c : combs) {
            const int keep = lookup(c);
            kept += keep >= 0 ? keep : 0;
        }
        benchmark::DoNotOptimize(kept);
    }
}
BENCHMARK(BM_TableFullSetTwoNumsRows)->Unit(benchmark::kMillisecond);

// The floor for the loop above: one plain pass over the same store.
void BM_PlainPassFullSet(benchmark::State& state) {
    TCombsArray combs = fullSet();
    for (auto _ : state) {
        int sum = 0;
        for (const TCombRec& c : combs) {
            for (uint8_t d : c.Digits) {
                sum += d;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_PlainPassFullSet)->Unit(benchmark::kMillisecond);

void BM_NumsTable10000Draws(benchmark::State& state) {
    DrawArchive a = randomArchive(10000);
    TStatList list(a.draws());
    list.Fill();
    int entry = list.IndexOfCode("NUMS");
    for (auto _ : state) {
        StatComputation c = computeStatistic(list, entry, a, 10000, false, nullptr);
        benchmark::DoNotOptimize(c.rows.size());
    }
}
BENCHMARK(BM_NumsTable10000Draws)->Unit(benchmark::kMillisecond);

}  // namespace
