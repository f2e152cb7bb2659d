// SPDX-License-Identifier: GPL-3.0-or-later
// The draw download: reading a results page of 100 days (200 draws), and
// catching up 3 000 days (about 30 ranges, each saved) from a results site on
// loopback.
#include <filesystem>
#include <stdlib.h>

#include <benchmark/benchmark.h>

#include "app/workspace.h"
#include "bench_support.h"
#include "game/results_page.h"
#include "support/loopback_server.h"
#include "support/results_site.h"

namespace {

using namespace pentad;

void BM_ResultsPage100Days(benchmark::State& state) {
    test::ResultsSite site;
    site.newest = 20240409;
    const std::string page = site.page(20240101, 20240409);
    TDrawsArray stored(4);
    for (auto _ : state) {
        TDrawsArray collected;
        benchmark::DoNotOptimize(readResultsPage(page, stored, collected));
        if (collected.size() != 200) {
            state.SkipWithError("wrong draw count");
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_ResultsPage100Days)->Unit(benchmark::kMicrosecond);

void BM_CatchUp3000Days(benchmark::State& state) {
    constexpr int kFirst = 20100101;
    const int last = IncYMD(kFirst, 3000);
    test::ResultsSite site;
    site.newest = last;
    test::LoopbackServer server;
    site.install(server.http());
    if (server.start() <= 0) {
        state.SkipWithError("no loopback server");
        return;
    }
    bench::QuietUi ui;
    Shell shell(ui);
    for (auto _ : state) {
        state.PauseTiming();
        char pattern[] = "/tmp/pentad-bench-XXXXXX";
        const std::string folder = ::mkdtemp(pattern);
        {
            DrawArchive seed;
            for (const char* kind : {" M", " E"}) {
                TDrawRec d;
                d.Number = seed.count() + 1;
                d.setDateText(test::siteDate(kFirst) + kind);
                seed.append(d);
            }
            seed.save(folder + "/Pentad.ldr");
        }
        auto ws = std::make_unique<Workspace>(shell, folder);
        ws->loadArchive();
        ws->online().overrideResultsSite(server.url());
        ws->online().today = [last] { return last; };
        state.ResumeTiming();

        DownloadOutcome outcome = ws->online().downloadDraws();

        state.PauseTiming();
        const bool complete = !outcome.failed && outcome.added == 3000 * 2;
        ws.reset();
        std::filesystem::remove_all(folder);
        if (!complete) {
            state.SkipWithError(
                ("download failed: " + std::to_string(outcome.added) + " " + outcome.failure)
                    .c_str());
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CatchUp3000Days)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
