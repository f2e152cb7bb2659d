// SPDX-License-Identifier: GPL-3.0-or-later
// Stake ledger: appending a stake for every combination of the full set, and
// checking 100 000 unscored stakes against a 20 000-draw archive.
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <stdlib.h>

#include <filesystem>
#include <random>

#include "filters/combination_generator.h"
#include "shell/shell.h"
#include "shell/user_interface.h"
#include "stakes/stake_book.h"
#include "stats/stat_list.h"

namespace {

using namespace pentad;

using QuietUi = bench::QuietUi;

struct Book {
    explicit Book(int draws)
        : list(archive.draws()), combs(shell, archive) {
        char pattern[] = "/tmp/pentad-stakes-XXXXXX";
        folder = ::mkdtemp(pattern);
        std::mt19937 rng(12345);
        for (int i = 0; i < draws; ++i) {
            TDrawRec d;
            d.Number = i + 1;
            for (auto& digit : d.Digits) {
                digit = static_cast<uint8_t>(rng() % 10);
            }
            archive.append(d);
        }
        list.config.Cost = 10000;
        list.config.Profits = {{2, 20000}, {3, 100000}, {4, 1000000}, {5, 100000000}};
        combs.Generate(GenerateParams{0, ""}, false);
        book = std::make_unique<StakeBook>(shell, folder, archive, list, combs);
        book->LoadLedger();
    }
    ~Book() {
        book.reset();
        std::filesystem::remove_all(folder);
    }
    QuietUi ui;
    Shell shell{ui};
    DrawArchive archive;
    TStatList list;
    CombinationSet combs;
    std::string folder;
    std::unique_ptr<StakeBook> book;
};

std::vector<int> allRows() {
    std::vector<int> rows(100000);
    for (int i = 0; i < 100000; ++i) {
        rows[static_cast<size_t>(i)] = i;
    }
    return rows;
}

// StakeAddAll: a stake for the next (unknown) draw per combination.
void BM_AppendStakesFullSet(benchmark::State& state) {
    Book b(1000);
    std::vector<int> rows = allRows();
    for (auto _ : state) {
        state.PauseTiming();
        b.book->ledger().Clear();
        state.ResumeTiming();
        b.book->CreateStakesFor(rows, 1001, 1, "all");
    }
}
BENCHMARK(BM_AppendStakesFullSet)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Check100kStakes20kDraws(benchmark::State& state) {
    Book b(20000);
    std::vector<int> rows = allRows();
    std::vector<TStakeRec> unscored;
    unscored.reserve(rows.size());
    for (int i = 0; i < 100000; ++i) {
        unscored.push_back(makeStake(b.list.config, kStakeManual, b.combs.at(i), 1 + i % 20000,
                                     100000, "check"));
    }
    for (auto _ : state) {
        state.PauseTiming();
        b.book->ledger().Clear();
        b.book->ledger().writeAt(0, unscored);
        state.ResumeTiming();
        bool scored = b.book->CheckAndRefresh();
        benchmark::DoNotOptimize(scored);
    }
}
BENCHMARK(BM_Check100kStakes20kDraws)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
