// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark scenario: 5 000 draws from std::mt19937 seeded 12345 and one
// line of 36 variants, tested over T = 20 draws with seed 1 (log off).
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <stdlib.h>

#include <filesystem>
#include <random>

#include "shell/shell.h"
#include "shell/user_interface.h"
#include "app/workspace.h"
#include "filters/filter_kernel.h"

namespace {

using namespace pentad;

using QuietUi = bench::QuietUi;

constexpr const char* kLine =
    "EXCL:10#RAND|TSD1#NUMS:100-300;100#LLV:1-3;1#SF:0|TMF1#EVEN:50,100#CMV:10,20#SF:0| | | | | "
    "|bench";

// One scenario test of `tests` draws with `jobs` threads; `direct` selects
// the reference filter path. The statistics tables of the filter kernel are
// dropped before each run, so every run makes its own.
void runScenarioTest(benchmark::State& state, int tests, int jobs, bool direct) {
    for (auto _ : state) {
        state.PauseTiming();
        char pattern[] = "/tmp/pentad-scenario-XXXXXX";
        std::string folder = ::mkdtemp(pattern);
        QuietUi ui;
        Shell shell(ui);
        {
            std::mt19937 rng(12345);
            std::string csv;
            for (int i = 0; i < 5000; ++i) {
                csv += std::to_string(i + 1) + ";\"\"";
                for (int p = 0; p < 5; ++p) {
                    csv += ";" + std::to_string(rng() % 10);
                }
                csv += "\r\n";
            }
            Workspace setup(shell, folder);
            std::string file = folder + "/bench.csv";
            FILE* f = std::fopen(file.c_str(), "wb");
            std::fwrite(csv.data(), 1, csv.size(), f);
            std::fclose(f);
            setup.importDraws(file);
        }
        auto ws = std::make_unique<Workspace>(shell, folder);
        ws->loadArchive();
        ws->openLedger();
        ws->generateDefaultCombs();
        ws->scenario().AddLine(kLine);
        ws->runner().jobs = jobs;
        FilterKernel::clear();
        if (direct) {
            ::setenv("PENTAD_FILTER_KERNEL", "direct", 1);
        }
        state.ResumeTiming();
        ws->runner().ScriptTest(tests, 1);
        state.PauseTiming();
        ::unsetenv("PENTAD_FILTER_KERNEL");
        state.counters["stakes"] = ws->runner().status().stakes;
        ws.reset();
        std::filesystem::remove_all(folder);
        state.ResumeTiming();
    }
    state.counters["ms_per_variant"] =
        benchmark::Counter(36.0 * tests, benchmark::Counter::kIsIterationInvariantRate |
                                             benchmark::Counter::kInvert);
}

// The reference: direct filter path on one thread, as before the kernel.
void BM_ScenarioTest20Direct1(benchmark::State& state) {
    runScenarioTest(state, 20, 1, true);
}
BENCHMARK(BM_ScenarioTest20Direct1)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_ScenarioTest20(benchmark::State& state) {
    runScenarioTest(state, 20, 1, false);
}
BENCHMARK(BM_ScenarioTest20)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_ScenarioTest20Jobs2(benchmark::State& state) {
    runScenarioTest(state, 20, 2, false);
}
BENCHMARK(BM_ScenarioTest20Jobs2)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_ScenarioTest20Direct2(benchmark::State& state) {
    runScenarioTest(state, 20, 2, true);
}
BENCHMARK(BM_ScenarioTest20Direct2)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_ScenarioTest100Direct1(benchmark::State& state) {
    runScenarioTest(state, 100, 1, true);
}
BENCHMARK(BM_ScenarioTest100Direct1)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ScenarioTest100Jobs2(benchmark::State& state) {
    runScenarioTest(state, 100, 2, false);
}
BENCHMARK(BM_ScenarioTest100Jobs2)->Unit(benchmark::kMillisecond)->Iterations(1);

// About a year and a half of draws.
void BM_ScenarioTest1000Jobs2(benchmark::State& state) {
    runScenarioTest(state, 1000, 2, false);
}
BENCHMARK(BM_ScenarioTest1000Jobs2)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
