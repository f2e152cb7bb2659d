// SPDX-License-Identifier: GPL-3.0-or-later
// Statistics tables of every method over the 1 000 newest draws, the way the
// statistics page computes them (norms from the full set, facts of the next
// occurrence, chart series): one benchmark for the whole list that names the
// slowest method, one per entry, and the full set of a five-decimal shredding.
#include <chrono>
#include <map>
#include <optional>
#include <random>
#include <string>

#include <benchmark/benchmark.h>

#include "game/draw_archive.h"
#include "stats/prefetch.h"
#include "stats/stat_list.h"
#include "stats/stat_table.h"

namespace {

using namespace pentad;

struct Workbench {
    Workbench() : list(archive.draws()) {
        std::mt19937 rng(20240131);
        for (int i = 0; i < 1000; ++i) {
            TDrawRec d;
            d.Number = i + 1;
            for (auto& digit : d.Digits) {
                digit = static_cast<uint8_t>(rng() % 10);
            }
            archive.append(d);
        }
        list.Fill();
        for (int i = 0; i < list.Count(); ++i) {
            if (list.Item(i).Class->hasNorm()) {
                auto stat = list.CreateStat(i);
                norms[i] = decodePrefetch(encodePrefetch(countFullSet(*stat)));
            }
        }
    }
    const PrefetchData* norm(int entry) const {
        auto it = norms.find(entry);
        return it != norms.end() ? &it->second : nullptr;
    }
    StatComputation table(int entry) const {
        return computeStatistic(list, entry, archive, 1000, false, norm(entry));
    }
    DrawArchive archive;
    TStatList list;
    std::map<int, PrefetchData> norms;
};

const Workbench& workbench() {
    static const Workbench w;
    return w;
}

void BM_TableEveryEntry1000Draws(benchmark::State& state) {
    const Workbench& w = workbench();
    double slowest = 0;
    std::string slowestCode;
    for (auto _ : state) {
        for (int i = 0; i < w.list.Count(); ++i) {
            auto start = std::chrono::steady_clock::now();
            StatComputation c = w.table(i);
            benchmark::DoNotOptimize(c.rows.size());
            std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            if (took.count() > slowest) {
                slowest = took.count();
                slowestCode = w.list.Item(i).Code();
            }
        }
    }
    state.counters["entries"] = w.list.Count();
    state.counters["slowest_ms"] = slowest;
    state.SetLabel("slowest " + slowestCode);
}
BENCHMARK(BM_TableEveryEntry1000Draws)->Unit(benchmark::kMillisecond);

// One benchmark per entry, named after its code.
const bool kPerEntryRegistered = [] {
    const Workbench& w = workbench();
    for (int i = 0; i < w.list.Count(); ++i) {
        benchmark::RegisterBenchmark(("BM_Table1000/" + w.list.Item(i).Code()).c_str(),
                                     [i](benchmark::State& state) {
                                         for (auto _ : state) {
                                             StatComputation c = workbench().table(i);
                                             benchmark::DoNotOptimize(c.rows.size());
                                         }
                                     })
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

// Five decimals give up to 100 000 distinct values, one row each.
void BM_PrefetchShredding5Decimals(benchmark::State& state) {
    DrawArchive archive;
    TStatList list(archive.draws());
    list.Formulas[0] = "sqrt(n1*10000+n2*1000+n3*100+n4*10+n5+2)";
    list.FormulaDigits[0] = 5;
    list.Fill();
    int entry = list.IndexOfCode("SHR1");
    size_t rows = 0;
    for (auto _ : state) {
        auto stat = list.CreateStat(entry);
        std::string bytes = encodePrefetch(countFullSet(*stat));
        rows = bytes.size() / 12 - 1;
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_PrefetchShredding5Decimals)->Unit(benchmark::kMillisecond);

}  // namespace
