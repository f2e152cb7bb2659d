// SPDX-License-Identifier: GPL-3.0-or-later
// Filtering engine: one single-select part over the full set, and the
// expansion of many filter variants.
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <random>

#include "filters/combination_generator.h"
#include "filters/filter_engine.h"
#include "shell/shell.h"
#include "shell/user_interface.h"

namespace {

using namespace pentad;

using QuietUi = bench::QuietUi;

struct Engine {
    Engine() : list(archive.draws()), prefetchs(shell, "/tmp"),
               page(shell, list, archive, prefetchs), combs(shell, archive),
               engine(shell, list, archive, combs, page) {
        std::mt19937 rng(12345);
        for (int i = 0; i < 1000; ++i) {
            TDrawRec d;
            d.Number = i + 1;
            for (auto& digit : d.Digits) {
                digit = static_cast<uint8_t>(rng() % 10);
            }
            archive.append(d);
        }
        list.Fill();
        page.FillChoosers(false);
    }
    QuietUi ui;
    Shell shell{ui};
    DrawArchive archive;
    TStatList list;
    PrefetchStore prefetchs;
    StatPage page;
    CombinationSet combs;
    FilterEngine engine;
};

// Keep each of the ten NUMS rows in turn: ten filter steps over the set.
void BM_SingleSelectPartNums(benchmark::State& state) {
    Engine e;
    TFilterItem item = TextToFilterItem("TSD1#NUMS:100#LNO:#SF:0", e.list);
    TFilterRec variant = e.engine.ExpandVariants({item}, 1).at(0);
    for (auto _ : state) {
        state.PauseTiming();
        e.combs.Generate(GenerateParams{0, ""}, false);
        e.combs.ClearEntries();
        state.ResumeTiming();
        e.engine.ApplyPart(variant[0]);
        benchmark::DoNotOptimize(e.combs.CombsCount());
    }
}
BENCHMARK(BM_SingleSelectPartNums)->Unit(benchmark::kMillisecond);

// 1000 x 100 = 100 000 variants, each made once.
void BM_Expand100kVariants(benchmark::State& state) {
    Engine e;
    TFilterItem a = TextToFilterItem("TSD1#NUMS:1-100;1#LMV:1-10;1#SF:0", e.list);
    TFilterItem b = TextToFilterItem("TMF1#EVEN:1-100;1#CMV:5#SF:0", e.list);
    size_t bytes = 0;
    for (auto _ : state) {
        FilterVariants v = e.engine.ExpandVariants({a, b}, 2);
        int32_t sum = 0;
        for (size_t i = 0; i < v.size(); ++i) {
            TFilterRec rec = v.at(i);
            sum += rec[1].DrawsLen;
        }
        benchmark::DoNotOptimize(sum);
        // The parts behind the variants: 1000 + 100 parts.
        bytes = (1000 + 100) * sizeof(TFilterPart);
        state.counters["variants"] = static_cast<double>(v.size());
    }
    state.counters["bytes_per_variant"] = static_cast<double>(bytes) / 100000.0;
}
BENCHMARK(BM_Expand100kVariants)->Unit(benchmark::kMillisecond);

}  // namespace
