// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line download and proxy commands against a results site on
// loopback.
#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/loopback_server.h"
#include "support/results_site.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::TempDir;

TEST(DownloadCli, BringsAnArchiveUpToDateLikeAnImportOfTheSameDraws) {
    test::LoopbackServer server;
    test::ResultsSite site;
    site.newest = 20240930;
    site.install(server.http());
    ASSERT_GT(server.start(), 0);

    // Both folders start with the same two stored days.
    const std::string start = test::ResultsSite::csvOf(20240101, 20240102);
    TempDir downloaded;
    TempDir imported;
    for (TempDir* dir : {&downloaded, &imported}) {
        dir->write("start.csv", start);
        ASSERT_EQ(test::runCli(*dir, "draws import '" + dir->file("start.csv") + "'").code, 0);
    }

    test::CliResult r =
        test::runCli(downloaded, "download --url " + server.url() + " --today 20240930");
    EXPECT_EQ(r.code, 0) << downloaded.read("stderr.txt");
    // 01/03 .. 09/30: 272 days of two draws.
    EXPECT_EQ(r.out, "Добавлено тиражей: 544\nАрхив тиражей: 548\nСледующий тираж: 549\n\n");
    EXPECT_GE(site.ranges().size(), 3u);

    imported.write("rest.csv", test::ResultsSite::csvOf(20240103, 20240930));
    ASSERT_EQ(test::runCli(imported, "draws import '" + imported.file("rest.csv") + "'").code, 0);
    EXPECT_EQ(downloaded.read("Pentad.ldr"), imported.read("Pentad.ldr"));

    // Up to date: nothing more.
    r = test::runCli(downloaded, "download --url " + server.url() + " --today 20240930");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Добавлено тиражей: 0");
}

TEST(DownloadCli, ARefusedOrUnreachableSiteLeavesTheArchiveAndFails) {
    test::LoopbackServer server;
    server.http().Get("/site/winningNumberSearch",
                      [](const httplib::Request&, httplib::Response& res) { res.status = 503; });
    ASSERT_GT(server.start(), 0);
    TempDir dir;
    dir.write("start.csv", test::ResultsSite::csvOf(20240101, 20240102));
    ASSERT_EQ(test::runCli(dir, "draws import '" + dir.file("start.csv") + "'").code, 0);
    const std::string before = dir.read("Pentad.ldr");

    test::CliResult r = test::runCli(dir, "download --url " + server.url() + " --today 20240930");
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(dir.read("stderr.txt"), "HTTP/1.1 503 Service Unavailable\n");
    EXPECT_EQ(dir.read("Pentad.ldr"), before);

    r = test::runCli(dir, "download --url http://127.0.0.1:" + std::to_string(test::closedPort()) +
                              " --today 20240930");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(dir.read("stderr.txt").find("Couldn't connect to server"), std::string::npos);
    EXPECT_EQ(dir.read("Pentad.ldr"), before);

    EXPECT_EQ(test::runCli(dir, "download --today 2024").code, 2);
}

TEST(DownloadCli, ProxySettingsShowAndSet) {
    TempDir dir;
    EXPECT_EQ(test::runCli(dir, "proxy show").out,
              "ProxyMode=0\nProxyServer=\nProxyPort=80\nProxyUsername=\nProxyPassword=\n");
    EXPECT_EQ(test::runCli(dir,
                           "proxy set --mode 2 --server 10.0.0.1 --port 3128 --user bob "
                           "--password s3cret")
                  .code,
              0);
    test::CliResult r = test::runCli(dir, "proxy show");
    EXPECT_EQ(r.out,
              "ProxyMode=2\nProxyServer=10.0.0.1\nProxyPort=3128\nProxyUsername=bob\n"
              "ProxyPassword=(задан)\n");
    EXPECT_EQ(r.out.find("s3cret"), std::string::npos);
    EXPECT_NE(dir.read("Pentad.ini").find("ProxyPassword=s3cret"), std::string::npos);
    // The automatic mode forgets the manual fields.
    EXPECT_EQ(test::runCli(dir, "proxy set --mode 1").code, 0);
    EXPECT_EQ(test::runCli(dir, "proxy show").out,
              "ProxyMode=1\nProxyServer=\nProxyPort=0\nProxyUsername=\nProxyPassword=\n");
    EXPECT_EQ(test::runCli(dir, "proxy set --mode 2").code, 2);
    EXPECT_EQ(test::runCli(dir, "proxy set --mode 3").code, 2);
    EXPECT_EQ(test::runCli(dir, "proxy set --mode 2 --server h --port 70000").code, 2);
}

}  // namespace
}  // namespace pentad
