// SPDX-License-Identifier: GPL-3.0-or-later
// Building the prefetch file of every method with a norm (default settings):
// counting the full set of 100 000 combinations and encoding the file. One
// benchmark per method, and one for the whole list that also names the
// slowest method.
#include <chrono>
#include <string>

#include <benchmark/benchmark.h>

#include "game/draw_archive.h"
#include "stats/prefetch.h"
#include "stats/stat_list.h"

namespace {

using namespace pentad;

const TStatList& defaultList() {
    static const DrawArchive archive;
    static const TStatList list = [] {
        TStatList l(archive.draws());
        l.Fill();
        return l;
    }();
    return list;
}

size_t buildPrefetch(const TStatList& list, int entry) {
    auto stat = list.CreateStat(entry);
    std::string bytes = encodePrefetch(countFullSet(*stat));
    benchmark::DoNotOptimize(bytes.data());
    return bytes.size();
}

void BM_PrefetchAllEntries(benchmark::State& state) {
    const TStatList& list = defaultList();
    double slowest = 0;
    std::string slowestCode;
    int files = 0;
    for (auto _ : state) {
        files = 0;
        for (int i = 0; i < list.Count(); ++i) {
            if (!list.Item(i).Class->hasNorm()) {
                continue;
            }
            auto start = std::chrono::steady_clock::now();
            buildPrefetch(list, i);
            std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            if (took.count() > slowest) {
                slowest = took.count();
                slowestCode = list.Item(i).Code();
            }
            ++files;
        }
    }
    state.counters["files"] = files;
    state.counters["slowest_ms"] = slowest;
    state.SetLabel("slowest " + slowestCode);
}
BENCHMARK(BM_PrefetchAllEntries)->Unit(benchmark::kMillisecond);

// One benchmark per entry with a norm, named after its code.
const bool kPerEntryRegistered = [] {
    const TStatList& list = defaultList();
    for (int i = 0; i < list.Count(); ++i) {
        if (!list.Item(i).Class->hasNorm()) {
            continue;
        }
        benchmark::RegisterBenchmark(("BM_Prefetch/" + list.Item(i).Code()).c_str(),
                                     [i](benchmark::State& state) {
                                         for (auto _ : state) {
                                             buildPrefetch(defaultList(), i);
                                         }
                                     })
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
