// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis views over a 100 000-draw archive: the card model, the layout
// and the comparison lists, the weekday table (whole archive and the default
// window), the repeats analysis (length 100, depth 100), the sum distribution
// and a statistic graph.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "stats/stat_list.h"
#include "views/draw_card.h"
#include "views/layout_view.h"
#include "views/repeats.h"
#include "views/stat_graph.h"
#include "views/sum_distribution.h"
#include "views/week_view.h"

namespace {

using namespace pentad;

constexpr int kDraws = 100000;

const DrawArchive& archive() {
    static const DrawArchive a = bench::randomArchive(kDraws, 4242);
    return a;
}

void BM_CardModel100k(benchmark::State& state) {
    const DrawArchive& a = archive();
    const CardOptions options;
    for (auto _ : state) {
        DrawCard card;
        card.update(a.draws(), true);
        // Colour every cell once, as a full scroll through the card would.
        uint32_t mix = 0;
        for (int r = 0; r < card.rowCount(); ++r) {
            for (int d = 0; d < kDigitCount; ++d) {
                mix ^= card.cellColor(r, d, options).value_or(0);
            }
        }
        benchmark::DoNotOptimize(mix);
    }
}
BENCHMARK(BM_CardModel100k)->Unit(benchmark::kMillisecond);

void BM_Layout(benchmark::State& state) {
    const DrawArchive& a = archive();
    for (auto _ : state) {
        LayoutGrid grid =
            buildLayout(digitTally(a.draws(), analysisWindow(a, state.range(0))), a.hiddenDigits());
        benchmark::DoNotOptimize(grid.cells.data());
    }
}
BENCHMARK(BM_Layout)->Arg(100)->Arg(kDraws)->Unit(benchmark::kMillisecond);

void BM_CompareLists(benchmark::State& state) {
    const DrawArchive& a = archive();
    for (auto _ : state) {
        for (int length : {50, 100, 200, 300, 400}) {
            CompareList list = buildCompareList(a, length);
            benchmark::DoNotOptimize(list.rows.data());
        }
    }
}
BENCHMARK(BM_CompareLists)->Unit(benchmark::kMicrosecond);

void BM_WeekTable(benchmark::State& state) {
    const DrawArchive& a = archive();
    for (auto _ : state) {
        WeekTable t = buildWeekTable(a.draws(), analysisWindow(a, state.range(0)));
        benchmark::DoNotOptimize(t.maximum);
    }
}
BENCHMARK(BM_WeekTable)->Arg(1000)->Arg(kDraws)->Unit(benchmark::kMillisecond);

void BM_Repeats100x100(benchmark::State& state) {
    const DrawArchive& a = archive();
    for (auto _ : state) {
        RepeatsAnalysis r = analyseRepeats(a.draws(), 100, 100);
        benchmark::DoNotOptimize(r.rows.data());
    }
}
BENCHMARK(BM_Repeats100x100)->Unit(benchmark::kMillisecond);

void BM_SumDistribution100k(benchmark::State& state) {
    const DrawArchive& a = archive();
    for (auto _ : state) {
        SumDistribution d = sumDistribution(a.draws());
        benchmark::DoNotOptimize(d.aMax);
    }
}
BENCHMARK(BM_SumDistribution100k)->Unit(benchmark::kMillisecond);

void BM_StatGraphSums(benchmark::State& state) {
    const DrawArchive& a = archive();
    TStatList list(a.draws());
    list.Fill();
    const int entry = list.IndexOfCode("SUMS");
    for (auto _ : state) {
        StatGraph g = buildStatGraph(list, entry, a, state.range(0), false);
        benchmark::DoNotOptimize(g.mean);
    }
}
BENCHMARK(BM_StatGraphSums)->Arg(100)->Arg(kDraws)->Unit(benchmark::kMillisecond);

}  // namespace
