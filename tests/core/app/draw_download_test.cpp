// SPDX-License-Identifier: GPL-3.0-or-later
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

#include "app/workspace.h"
#include "game/date_time.h"
#include "online/online_texts.h"
#include "online/proxy_settings.h"
#include "shell/data_folder.h"
#include "shell/ini_file.h"
#include "support/loopback_server.h"
#include "support/proxy_list_page.h"
#include "support/results_site.h"
#include "support/scripted_user_interface.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

using test::drawBytes;

// Archive bytes of the site's draws of days from..to, numbered from `first`.
std::string siteArchive(int from, int to, int first = 1) {
    std::string bytes;
    for (int d = from; d <= to; d = IncYMD(d, 1)) {
        for (int kind = 0; kind < 2; ++kind) {
            auto digits = test::siteDigits(d, kind);
            bytes += drawBytes(first++, {digits.begin(), digits.end()},
                               test::siteDate(d) + (kind == 0 ? " M" : " E"));
        }
    }
    return bytes;
}

class DrawDownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        site.install(server.http());
        ASSERT_GT(server.start(), 0);
    }

    Workspace& open(int today) {
        ws = std::make_unique<Workspace>(shell, dir.path());
        ws->loadArchive();
        ws->online().overrideResultsSite(server.url());
        ws->online().today = [today] { return today; };
        ws->online().client().readTimeoutMs = 2000;
        ui.statusTexts.clear();
        ui.messages.clear();
        return *ws;
    }

    std::vector<std::string> dates() const {
        std::vector<std::string> out;
        for (const TDrawRec& d : ws->archive().draws()) {
            out.push_back(d.dateText());
        }
        return out;
    }

    test::TempDir dir;
    test::ScriptedUserInterface ui;
    Shell shell{ui};
    test::LoopbackServer server;
    test::ResultsSite site;
    std::unique_ptr<Workspace> ws;
};

TEST_F(DrawDownloadTest, AnEmptyArchiveStartsOnAugustFirst2016) {
    site.newest = 20160915;
    Workspace& w = open(20160915);
    DownloadOutcome outcome = w.online().downloadDraws();
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.added, 46 * 2);
    ASSERT_EQ(site.ranges().size(), 1u);
    EXPECT_EQ(site.ranges()[0], std::make_pair(20160801, 20160915));
    EXPECT_EQ(dir.read("Pentad.ldr"), siteArchive(20160801, 20160915));
    EXPECT_EQ(ui.statusTexts.front(), "Загрузка архива тиражей...");
    EXPECT_NE(std::find(ui.statusTexts.begin(), ui.statusTexts.end(),
                        "Загрузка тиражей 08/01/2016 E - 09/15/2016 E..."),
              ui.statusTexts.end());
    EXPECT_EQ(ui.waitTexts.front(), "Загрузка архива тиражей...");
    EXPECT_TRUE(shell.isIdle());
    EXPECT_FALSE(shell.waitShown());
    EXPECT_EQ(shell.status(), "");
    // The exact request of the template.
    EXPECT_EQ(site.targets()[0],
              "/site/winningNumberSearch?searchTypeIn=range&gameNameIn=PICK5&singleDateIn=&"
              "fromDateIn=08%2F01%2F2016&toDateIn=09%2F15%2F2016&n1In=&n2In=&n3In=&n4In=&n5In=&"
              "submitForm=Submit");
}

TEST_F(DrawDownloadTest, AnArchive200DaysBehindCatchesUpRangeByRange) {
    dir.write("Pentad.ldr", siteArchive(20231231, 20240101));
    site.newest = 20240719;
    Workspace& w = open(20240719);
    std::vector<size_t> savedSizes;
    w.online().onDrawsSaved = [&] { savedSizes.push_back(dir.read("Pentad.ldr").size()); };
    DownloadOutcome outcome = w.online().downloadDraws();
    EXPECT_FALSE(outcome.failed);
    const auto ranges = site.ranges();
    ASSERT_EQ(ranges.size(), 3u);
    EXPECT_EQ(ranges[0], std::make_pair(20240101, 20240409));
    EXPECT_EQ(ranges[1], std::make_pair(20240409, 20240717));
    EXPECT_EQ(ranges[2], std::make_pair(20240717, 20240719));
    // The overlap days are added once; the file equals the site's draws in order.
    EXPECT_EQ(outcome.added, 200 * 2);
    EXPECT_EQ(dir.read("Pentad.ldr"), siteArchive(20231231, 20240719));
    // The file was written after every range.
    EXPECT_EQ(savedSizes, (std::vector<size_t>{(4 + 198) * 24, (4 + 396) * 24, (4 + 400) * 24}));
    // Nothing new: one request for the newest day, nothing added.
    outcome = w.online().downloadDraws();
    EXPECT_EQ(outcome.added, 0);
    EXPECT_EQ(site.ranges().back(), std::make_pair(20240719, 20240719));
    // The archive is newer than today: no request at all.
    w.online().today = [] { return 20240718; };
    w.online().downloadDraws();
    EXPECT_EQ(site.ranges().size(), 4u);
}

TEST_F(DrawDownloadTest, AMissingEveningDrawComesWithALaterRun) {
    dir.write("Pentad.ldr", siteArchive(20240301, 20240301));
    site.newest = 20240303;
    site.newestEvening = false;
    Workspace& w = open(20240303);
    EXPECT_EQ(w.online().downloadDraws().added, 3);
    EXPECT_EQ(dates().back(), "03/03/2024 M");
    site.newestEvening = true;
    EXPECT_EQ(w.online().downloadDraws().added, 1);
    EXPECT_EQ(dates().back(), "03/03/2024 E");
    EXPECT_EQ(dir.read("Pentad.ldr"), siteArchive(20240301, 20240303));
}

TEST_F(DrawDownloadTest, StakesWaitingForTheNewDrawsAreChecked) {
    dir.write("Pentad.ldr", siteArchive(20240301, 20240301));
    site.newest = 20240302;
    Workspace& w = open(20240302);
    ASSERT_TRUE(w.openLedger());
    TCombRec comb;
    auto digits = test::siteDigits(20240302, 0);
    std::copy(digits.begin(), digits.end(), comb.Digits.begin());
    TStakeRec stake = w.stakes().newStake(kStakeManual, comb, "test");
    stake.DrawNumber = 3;  // the midday draw of 03/02
    ASSERT_TRUE(w.stakes().CreateStake(stake, 1));
    ASSERT_EQ(w.stakes().ledger().readAll().at(0).Checked, 0);
    EXPECT_EQ(w.online().downloadDraws().added, 2);
    TStakeRec checked = w.stakes().ledger().readAll().at(0);
    EXPECT_EQ(checked.Checked, 1);
    EXPECT_EQ(checked.Matches.Count, 5);
    EXPECT_EQ(std::vector<int>(checked.Result.begin(), checked.Result.end()),
              std::vector<int>(digits.begin(), digits.end()));
}

TEST_F(DrawDownloadTest, ADateTwiceInOnePageIsAddedTwice) {
    site.pageFor = [](int, int) {
        std::string row = test::resultsRow("03/05/2024", "1-2-3-4-5", "5-4-3-2-1");
        return test::resultsPage(row + row);
    };
    dir.write("Pentad.ldr", drawBytes(1, {0, 0, 0, 0, 0}, "03/04/2024 E"));
    Workspace& w = open(20240305);
    EXPECT_EQ(w.online().downloadDraws().added, 4);
    EXPECT_EQ(dates(), (std::vector<std::string>{"03/04/2024 E", "03/05/2024 M", "03/05/2024 E",
                                                 "03/05/2024 M", "03/05/2024 E"}));
}

TEST_F(DrawDownloadTest, ABrokenPageAsksWhetherToRetry) {
    dir.write("Pentad.ldr", siteArchive(20240301, 20240301));
    const std::string before = dir.read("Pentad.ldr");
    site.newest = 20240302;
    int calls = 0;
    site.pageFor = [&](int from, int to) {
        std::string page = site.page(from, to);
        if (++calls == 1) {
            page.erase(page.find("<footer"));
        }
        return page;
    };
    Workspace& w = open(20240302);
    ui.answerNext(true);
    DownloadOutcome outcome = w.online().downloadDraws();
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.added, 2);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].caption, "Ошибка");
    EXPECT_EQ(ui.questions[0].text.rfind("Ошибка загрузки архива тиражей с сайта: \"Не удалось "
                                         "найти пару идентификаторов \"<section class=",
                                         0),
              0u);
    EXPECT_NE(ui.questions[0].text.find("\"\r\rПовторить попытку?"), std::string::npos);
    EXPECT_EQ(w.online().client().attempt, 2);

    // Answered No: the run ends and the archive stays as it was.
    dir.write("Pentad.ldr", before);
    calls = 0;
    Workspace& again = open(20240302);
    outcome = again.online().downloadDraws();
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.added, 0);
    EXPECT_EQ(dir.read("Pentad.ldr"), before);
    EXPECT_EQ(again.archive().count(), 2);
}

TEST_F(DrawDownloadTest, ServerErrorsAndStallsEndTheRunWhenNobodyRetries) {
    dir.write("Pentad.ldr", siteArchive(20240301, 20240301));
    const std::string before = dir.read("Pentad.ldr");
    test::LoopbackServer failing;
    failing.http().Get("/site/winningNumberSearch",
                       [](const httplib::Request&, httplib::Response& res) { res.status = 500; });
    failing.http().Get("/slow/site/winningNumberSearch",
                       [](const httplib::Request&, httplib::Response& res) {
                           std::this_thread::sleep_for(std::chrono::milliseconds(800));
                           res.set_content("late", "text/html");
                       });
    ASSERT_GT(failing.start(), 0);
    Workspace& w = open(20240310);
    w.online().askRetry = false;
    w.online().overrideResultsSite(failing.url());
    DownloadOutcome outcome = w.online().downloadDraws();
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.failure, "HTTP/1.1 500 Internal Server Error");
    EXPECT_TRUE(ui.questions.empty());

    w.online().overrideResultsSite(failing.url() + "/slow");
    w.online().client().readTimeoutMs = 150;
    outcome = w.online().downloadDraws();
    EXPECT_EQ(outcome.failure, "Превышено время ожидания ответа сервера (150 мс)");

    w.online().overrideResultsSite("http://127.0.0.1:" + std::to_string(test::closedPort()));
    outcome = w.online().downloadDraws();
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(dir.read("Pentad.ldr"), before);
    EXPECT_TRUE(shell.isIdle());
}

TEST_F(DrawDownloadTest, ProxySettingsFollowTheirDefaultsAndRules) {
    dir.write("Pentad.ini", "[PROXY]\r\nProxyServer=proxy.local\r\n");
    {
        Workspace w(shell, dir.path());
        const TProxy& p = w.online().proxy();
        EXPECT_EQ(p.Mode, kProxyManual);
        EXPECT_EQ(p.Port, 80);
        EXPECT_TRUE(p.Saved);
    }
    dir.write("Pentad.ini",
              "[PROXY]\r\nProxyMode=7\r\nProxyServer=proxy.local\r\nProxyPort=3128\r\n");
    {
        Workspace w(shell, dir.path());
        EXPECT_EQ(effectiveProxyMode(w.online().proxy()), kProxyNone);
        EXPECT_EQ(w.online().proxy().Port, 3128);
    }
    dir.write("Pentad.ini", "");
    Workspace w(shell, dir.path());
    EXPECT_EQ(w.online().proxy().Mode, kProxyNone);
    EXPECT_EQ(w.online().proxy().Port, 80);
    ASSERT_TRUE(w.online().applyProxyDialog(kProxyManual, {"10.0.0.1", 8080, "bob", "pw"}));
    IniFile ini(dir.file("Pentad.ini"));
    EXPECT_EQ(ini.readInt("PROXY", "ProxyMode", -1), 2);
    EXPECT_EQ(ini.readString("PROXY", "ProxyServer", ""), "10.0.0.1");
    EXPECT_EQ(ini.readInt("PROXY", "ProxyPort", -1), 8080);
    EXPECT_EQ(ini.readString("PROXY", "ProxyUsername", ""), "bob");
    EXPECT_EQ(ini.readString("PROXY", "ProxyPassword", ""), "pw");
    // The automatic choice clears the manual fields.
    ASSERT_TRUE(w.online().applyProxyDialog(kProxyAutomatic, {"10.0.0.1", 8080, "bob", "pw"}));
    ini.reload();
    EXPECT_EQ(ini.readInt("PROXY", "ProxyMode", -1), 1);
    EXPECT_EQ(ini.readString("PROXY", "ProxyServer", "x"), "");
    EXPECT_EQ(ini.readString("PROXY", "ProxyPassword", "x"), "");
}

TEST_F(DrawDownloadTest, AutomaticModeRotatesThroughTheFoundProxies) {
    test::LoopbackServer list;
    std::vector<test::ListedProxy> proxies = {{"127.0.0.1", test::closedPort()},
                                              {"127.0.0.1", test::closedPort()},
                                              {"127.0.0.1", test::closedPort()}};
    std::string listQuery;
    std::mutex mutex;
    list.http().Get("/list", [&](const httplib::Request& req, httplib::Response& res) {
        std::lock_guard<std::mutex> lock(mutex);
        listQuery = req.target;
        res.set_content(test::proxyListPage(proxies), "text/html");
    });
    ASSERT_GT(list.start(), 0);
    dir.write("Pentad.ini",
              "[PROXY]\r\nProxyMode=1\r\n[ONLINE]\r\nProxyListService=" + list.url() + "/list\r\n");
    dir.write("Pentad.ldr", siteArchive(20240301, 20240301));
    site.newest = 20240302;
    Workspace& w = open(20240302);
    DownloadOutcome outcome = w.online().downloadDraws();
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(listQuery, "/list?protocol=http&protocol=https&min_uptime=75&max_response_time=0");
    const std::string head = "Загрузка архива тиражей...\r\r";
    std::vector<std::string> expected = {"Загрузка архива тиражей...",
                                         head + "Поиск proxy-серверов"};
    for (int i = 0; i < 3; ++i) {
        expected.push_back(head + format("Попытка %d, proxy 127.0.0.1 : %d", i + 1,
                                         proxies[static_cast<size_t>(i)].port));
    }
    EXPECT_EQ(ui.waitTexts, expected);
    // The question comes only once every candidate has failed.
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(w.online().client().attempt, 4);
    EXPECT_TRUE(w.online().proxy().Candidates.empty());
    EXPECT_TRUE(site.ranges().empty());

    // A working proxy second in the list: the download goes through it and
    // the choice is written to the configuration.
    test::LoopbackServer forward;
    forward.http().Get(R"(.*)", [&](const httplib::Request& req, httplib::Response& res) {
        httplib::Client upstream("127.0.0.1", server.port());
        auto reply = upstream.Get(req.target.substr(req.target.find('/', 7)).c_str());
        res.set_content(reply ? reply->body : std::string(), "text/html");
    });
    ASSERT_GT(forward.start(), 0);
    {
        std::lock_guard<std::mutex> lock(mutex);
        proxies[1] = {"127.0.0.1", forward.port()};
    }
    ui.waitTexts.clear();
    outcome = w.online().downloadDraws();
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.added, 2);
    EXPECT_EQ(ui.waitTexts.back(),
              head + format("Попытка 2, proxy 127.0.0.1 : %d", forward.port()));
    IniFile ini(dir.file("Pentad.ini"));
    EXPECT_EQ(ini.readInt("PROXY", "ProxyPort", 0), forward.port());
    EXPECT_EQ(ini.readInt("PROXY", "ProxyMode", 0), 1);
    // The client lets go of its connections before the proxy stops.
    ws.reset();
}

TEST_F(DrawDownloadTest, AutomaticModeWithoutAServiceFindsNoProxy) {
    dir.write("Pentad.ini", "[PROXY]\r\nProxyMode=1\r\n");
    site.newest = 20240302;
    Workspace& w = open(20240302);
    DownloadOutcome outcome = w.online().downloadDraws();
    EXPECT_EQ(outcome.added, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Ошибка получения списка proxy-серверов!\r\r"
              "Не найдено ни одного proxy-сервера с заданными параметрами");
    EXPECT_TRUE(site.ranges().empty());
}

TEST_F(DrawDownloadTest, StartUpModesAndLoadOnly) {
    site.newest = 20160802;
    Workspace& w = open(20160802);
    // Mode 0 asks; No leaves the archive alone.
    w.online().startupDownload();
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].caption, "Подтверждение");
    EXPECT_EQ(ui.questions[0].text,
              "Обновить список тиражей?\r\rДля выполнения обновления необходимо действующее "
              "подключение к сети Интернет.");
    EXPECT_TRUE(site.ranges().empty());
    ui.answerNext(true);
    w.online().startupDownload();
    EXPECT_EQ(w.archive().count(), 4);
    // Mode 2 never downloads; mode 1 does without asking.
    w.online().setDownloadOnStart(2);
    w.online().startupDownload();
    EXPECT_EQ(site.ranges().size(), 1u);
    w.online().setDownloadOnStart(1);
    w.online().startupDownload();
    EXPECT_EQ(site.ranges().size(), 2u);
    EXPECT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(IniFile(dir.file("Pentad.frm")).readInt("TFormMain", "DownloadDrawsOnStart", -1), 1);

    EXPECT_FALSE(w.online().startupLoadOnly({"fullrefresh"}));
    EXPECT_EQ(site.ranges().size(), 2u);
    EXPECT_TRUE(w.online().startupLoadOnly({"/LOADONLY"}));
    EXPECT_EQ(site.ranges().size(), 3u);
    EXPECT_FALSE(w.online().startupLoadOnly({"--loadonly", "fullrecreate"}));
    EXPECT_EQ(site.ranges().size(), 4u);
}

}  // namespace
}  // namespace pentad
