// SPDX-License-Identifier: GPL-3.0-or-later
// Loading, saving and listing a 100 000-draw archive (2.4 MB).
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <charconv>
#include <cstdio>
#include <filesystem>

#include "bench_support.h"
#include "game/draw_archive.h"

namespace {

using namespace pentad;

constexpr int kDraws = 100000;

struct BenchFolder {
    BenchFolder() {
        char pattern[] = "/tmp/pentad-bench-XXXXXX";
        path = ::mkdtemp(pattern);
        archive = bench::randomArchive(kDraws, 12345);
        file = path + "/Pentad.ldr";
        archive.save(file);
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }

    std::string path;
    std::string file;
    DrawArchive archive;
};

BenchFolder& folder() {
    static BenchFolder f;
    return f;
}

void BM_LoadArchive100k(benchmark::State& state) {
    BenchFolder& f = folder();
    for (auto _ : state) {
        DrawArchive a;
        std::string failure = a.load(f.file);
        benchmark::DoNotOptimize(a.count());
    }
    state.SetBytesProcessed(state.iterations() * kDraws * 24);
}
BENCHMARK(BM_LoadArchive100k)->Unit(benchmark::kMillisecond);

void BM_SaveArchive100k(benchmark::State& state) {
    BenchFolder& f = folder();
    for (auto _ : state) {
        f.archive.save(f.file);
    }
    state.SetBytesProcessed(state.iterations() * kDraws * 24);
}
BENCHMARK(BM_SaveArchive100k)->Unit(benchmark::kMillisecond);

// What "pentad-cli draws list" does after loading: every row formatted and
// written to a stream (here /dev/null).
void BM_ListArchive100k(benchmark::State& state) {
    BenchFolder& f = folder();
    FILE* sink = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        DrawArchive a;
        a.load(f.file);
        std::string out;
        out.reserve(static_cast<size_t>(a.count()) * 40);
        char buf[16];
        for (int r = 0; r < a.count(); ++r) {
            const TDrawRec& d = a.atRow(r);
            out.append(buf, std::to_chars(buf, buf + sizeof buf, d.Number).ptr);
            for (uint8_t digit : d.Digits) {
                out += '\t';
                out += static_cast<char>('0' + digit);
            }
            out += '\t';
            out.append(buf, std::to_chars(buf, buf + sizeof buf, d.sum()).ptr);
            out += '\t';
            out += d.dateText();
            out += '\n';
        }
        std::fwrite(out.data(), 1, out.size(), sink);
    }
    std::fclose(sink);
}
BENCHMARK(BM_ListArchive100k)->Unit(benchmark::kMillisecond);

}  // namespace
