// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue server with 10 000 published scenarios: one list request
// handled in the server, a list after each write (the kept list rebuilt),
// and eight clients asking for the list at once over loopback HTTP.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "online/catalogue_protocol.h"
#include "online/catalogue_reply.h"
#include "online/catalogue_requests.h"
#include "server/catalogue_service.h"
#include "server/http_front_end.h"
#include "server/sqlite_store.h"
#include "support/temp_dir.h"

namespace pentad::server {
namespace {

constexpr int kEntries = 10000;
constexpr int kUsers = 200;

catalogue::Identity user(int n) {
    return {std::string(catalogue::kPentadAppId), "1.0.0.0", "hw-" + std::to_string(n),
            "Пользователь " + std::to_string(n), "user" + std::to_string(n) + "@example.org",
            1049};
}

// A catalogue of kEntries scenarios by kUsers authors, each user rating
// about one entry in ten of another author.
struct Catalogue {
    pentad::test::TempDir dir;
    std::unique_ptr<SqliteCatalogueStore> store;
    std::unique_ptr<CatalogueService> service;
    std::string listBody;   // a list request of user 7, default filter

    Catalogue() {
        store = std::make_unique<SqliteCatalogueStore>(dir.file("catalogue.sqlite"));
        service = std::make_unique<CatalogueService>(*store);
        std::string text;
        for (int line = 0; line < 20; ++line) {
            text += "SUMS;0;1;" + std::to_string(line) + ";Фильтр по суммам\r\n";
        }
        for (int i = 0; i < kEntries; ++i) {
            catalogue::ScriptPublication p;
            p.title = "Сценарий №" + std::to_string(i) + " для пяти цифр";
            p.descr = "Отбор по суммам и разностям, проверен на тиражах за год; вариант " +
                      std::to_string(i);
            p.script = text;
            p.isPublic = i % 10 != 0;
            p.uniApps = i % 3 == 0;
            service->handle(catalogue::kScriptPutPath,
                            catalogue::scriptPutForm(p, user(i % kUsers)).body());
        }
        for (int u = 0; u < kUsers; ++u) {
            for (int id = 1 + u % 10; id <= kEntries; id += 97) {
                service->handle(catalogue::kScriptRatePath,
                                catalogue::scriptRateForm(id, 1 + id % 5, "", user(u)).body());
            }
        }
        listBody = catalogue::scriptListForm(1, user(7)).body();
    }
};

Catalogue& catalogue() {
    static Catalogue instance;
    return instance;
}

void BM_ListTenThousandEntries(benchmark::State& state) {
    Catalogue& c = catalogue();
    size_t bytes = 0;
    for (auto _ : state) {
        ServiceReply reply = c.service->handle(catalogue::kScriptListPath, c.listBody);
        bytes = reply.body.size();
        benchmark::DoNotOptimize(reply);
    }
    state.counters["reply_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ListTenThousandEntries)->Unit(benchmark::kMillisecond);

// The program's side: reading a list reply of every entry field by field.
void BM_ReadListReply(benchmark::State& state) {
    Catalogue& c = catalogue();
    std::string reply = c.service->handle(catalogue::kScriptListPath, c.listBody).body;
    const std::string_view plainFields[] = {
        catalogue::element::kId,        catalogue::element::kAuthorName,
        catalogue::element::kAuthorMail, catalogue::element::kLcid,
        catalogue::element::kAppName,   catalogue::element::kAppVer,
        catalogue::element::kAppGuid,   catalogue::element::kUniApps,
        catalogue::element::kPublic,    catalogue::element::kCreated,
        catalogue::element::kRatingAvg, catalogue::element::kRatingCnt,
        catalogue::element::kRatingYou, catalogue::element::kDownloads,
        catalogue::element::kLastDownload};
    for (auto _ : state) {
        size_t chars = 0;
        for (const auto& row : catalogue::readReply(reply)) {
            for (auto name : plainFields) {
                chars += row.field(name).size();
            }
            chars += row.base64Field(catalogue::element::kTitle).size();
            chars += row.base64Field(catalogue::element::kDescr).size();
        }
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(BM_ReadListReply)->Unit(benchmark::kMillisecond);

// Reading every entry from the store, the first half of a rebuild.
void BM_ReadAllEntries(benchmark::State& state) {
    Catalogue& c = catalogue();
    for (auto _ : state) {
        auto entries = c.store->allScripts();
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(BM_ReadAllEntries)->Unit(benchmark::kMillisecond);

// A rating before every list: the kept list is written anew each time.
void BM_ListAfterAWrite(benchmark::State& state) {
    Catalogue& c = catalogue();
    int n = 0;
    for (auto _ : state) {
        c.service->handle(catalogue::kScriptRatePath,
                          catalogue::scriptRateForm(5, 1 + n++ % 5, "", user(3)).body());
        ServiceReply reply = c.service->handle(catalogue::kScriptListPath, c.listBody);
        benchmark::DoNotOptimize(reply);
    }
}
BENCHMARK(BM_ListAfterAWrite)->Unit(benchmark::kMillisecond);

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// One request as the program makes it (a fresh connection that the reply
// closes), read with a large buffer and counted rather than kept, as a load
// generator does. The number of body bytes; 0 on any failure.
size_t postOnce(int port, const std::string& path, const std::string& body) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        if (fd >= 0) {
            close(fd);
        }
        return 0;
    }
    std::string request = "POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" +
                          "Content-Type: application/x-www-form-urlencoded\r\n" +
                          "Connection: close\r\nContent-Length: " +
                          std::to_string(body.size()) + "\r\n\r\n" + body;
    if (send(fd, request.data(), request.size(), 0) != static_cast<ssize_t>(request.size())) {
        close(fd);
        return 0;
    }
    static thread_local std::vector<char> buffer(1 << 20);
    std::string head;
    size_t total = 0;
    size_t headerEnd = std::string::npos;
    for (;;) {
        ssize_t n = recv(fd, buffer.data(), buffer.size(), 0);
        if (n <= 0) {
            break;
        }
        if (headerEnd == std::string::npos) {
            head.append(buffer.data(), static_cast<size_t>(n));
            headerEnd = head.find("\r\n\r\n");
            if (headerEnd != std::string::npos) {
                total = head.size() - headerEnd - 4;
            }
        } else {
            total += static_cast<size_t>(n);
        }
    }
    close(fd);
    return head.rfind("HTTP/1.1 200", 0) == 0 ? total : 0;
}

// Eight clients asking for the list at once, 25 requests each per
// iteration, against the real HTTP front end on loopback.
// cpu_ms_per_request is the processor time of server and clients together.
void BM_EightClientsOverHttp(benchmark::State& state) {
    Catalogue& c = catalogue();
    FrontEndOptions options;
    options.port = 0;
    HttpFrontEnd front(*c.service, options, nullptr);
    int port = front.bind();
    std::thread serving([&] { front.run(); });

    constexpr int kClients = 8;
    constexpr int kEach = 25;
    std::atomic<int> failures{0};
    double cpuStart = processCpuSeconds();
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        std::vector<std::thread> clients;
        for (int k = 0; k < kClients; ++k) {
            clients.emplace_back([&, k] {
                std::string body = catalogue::scriptListForm(1, user(k)).body();
                for (int i = 0; i < kEach; ++i) {
                    if (postOnce(port, std::string(catalogue::kScriptListPath), body) < 1000000) {
                        ++failures;
                    }
                }
            });
        }
        for (auto& t : clients) {
            t.join();
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    double cpu = processCpuSeconds() - cpuStart;
    front.stop();
    serving.join();
    double requests = static_cast<double>(state.iterations() * kClients * kEach);
    state.counters["requests_per_s"] = benchmark::Counter(requests, benchmark::Counter::kIsRate);
    state.counters["cpu_ms_per_request"] = cpu * 1000 / requests;
    state.counters["failures"] = failures.load();
}
BENCHMARK(BM_EightClientsOverHttp)->UseManualTime()->Iterations(4)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pentad::server
