// SPDX-License-Identifier: GPL-3.0-or-later
// The program's reading of a catalogue list of 10 000 scenarios (every
// element filled, titles and descriptions in Cyrillic), and of a list of
// systems of the same size.
#include <benchmark/benchmark.h>

#include <string>

#include "online/catalogue_client.h"
#include "online/catalogue_protocol.h"
#include "online/catalogue_reply.h"

namespace pentad {
namespace {

constexpr int kEntries = 10000;
namespace element = catalogue::element;

std::string scriptListReply() {
    catalogue::ReplyWriter w;
    w.reserve(size_t{kEntries} * 700);
    for (int i = 1; i <= kEntries; ++i) {
        w.beginRow();
        w.number(element::kId, i);
        w.text(element::kAuthorName, "Пользователь " + std::to_string(i % 200));
        w.text(element::kAuthorMail, "user" + std::to_string(i % 200) + "@example.org");
        w.number(element::kLcid, 1049);
        w.text(element::kAppName, "Pentad");
        w.text(element::kAppVer, "1.0.0.0");
        w.text(element::kAppGuid, catalogue::kPentadAppId);
        w.number(element::kUniApps, i % 3 == 0 ? 1 : 0);
        w.number(element::kPublic, 1);
        w.text(element::kCreated, catalogue::formatUtc(1700000000 + i * 60));
        w.text(element::kRatingAvg, "3.667");
        w.number(element::kRatingCnt, 3);
        w.number(element::kRatingYou, i % 6 - 1);
        w.number(element::kDownloads, i % 50);
        w.text(element::kLastDownload, catalogue::formatUtc(1700100000 + i));
        w.base64(element::kTitle, "Сценарий номер " + std::to_string(i));
        w.base64(element::kDescr, "Описание сценария: фильтры по суммам и повторам, " +
                                      std::to_string(i) + " строк.");
    }
    return w.finish();
}

std::string systemListReply() {
    catalogue::ReplyWriter w;
    for (int i = 1; i <= kEntries; ++i) {
        w.beginRow();
        w.number(element::kId, i);
        w.number(element::kNums, 6 + i % 5);
        w.number(element::kOlap, i % 5);
        w.number(element::kCSize, 20 + i % 100);
        w.base64(element::kTitle, "Система " + std::to_string(i));
        w.base64(element::kDescr, "Покрытие чисел");
        w.text(element::kAuthor, "Автор");
        w.text(element::kOwnerMail, "author@example.org");
        w.text(element::kUrl, "http://example.org/");
        w.text(element::kCreated, catalogue::formatUtc(1700000000 + i));
        w.number(element::kDownloads, i % 10);
        w.text(element::kLastDownload, "");
    }
    return w.finish();
}

void BM_ReadScriptList10000(benchmark::State& state) {
    const std::string reply = scriptListReply();
    const std::string mail = "user7@example.org";
    const std::string app(catalogue::kPentadAppId);
    for (auto _ : state) {
        std::vector<tScriptInfo> list = readScriptList(reply, mail, app, 1049);
        benchmark::DoNotOptimize(list.data());
        if (list.size() != static_cast<size_t>(kEntries)) {
            state.SkipWithError("wrong row count");
        }
    }
    state.counters["reply_MB"] = static_cast<double>(reply.size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_ReadScriptList10000)->Unit(benchmark::kMillisecond);

void BM_ReadSystemList10000(benchmark::State& state) {
    const std::string reply = systemListReply();
    for (auto _ : state) {
        std::vector<tSystemInfo> list = readSystemList(reply);
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(BM_ReadSystemList10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pentad
