// SPDX-License-Identifier: GPL-3.0-or-later
// The program's catalogue client against a catalogue server on a loopback
// port: two installations (data folders) publish, list, rate, hide, download,
// replace and delete scenarios and systems over HTTP.
#include <sys/stat.h>
#include <utime.h>

#include <gtest/gtest.h>
#include <httplib.h>

#include <thread>

#include <cmath>

#include "app/workspace.h"
#include "online/catalogue_codecs.h"
#include "online/catalogue_protocol.h"
#include "online/catalogue_texts.h"
#include "online/http_client.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/shell.h"
#include "support/catalogue_server.h"
#include "support/scripted_user_interface.h"

namespace pentad {
namespace {

using catalogue::ListFilter;

// One installation of the program: its own data folder and configuration.
struct Installation {
    Installation(const std::string& address, const std::string& name, const std::string& mail)
        : ws(shell, dir.path()) {
        cat().overrideAddress(address);
        cat().setIdentity(name, mail);
    }
    CatalogueServices& cat() { return ws.online().catalogue(); }
    std::vector<tScriptInfo> list(ListFilter filter = ListFilter::AllButHidden) {
        auto rows = cat().loadScriptList(static_cast<int>(filter));
        EXPECT_TRUE(rows.has_value()) << lastError();
        return rows.value_or(std::vector<tScriptInfo>{});
    }
    std::optional<tScriptInfo> entry(int id, ListFilter filter = ListFilter::All) {
        for (const tScriptInfo& s : list(filter)) {
            if (s.Id == id) {
                return s;
            }
        }
        return std::nullopt;
    }
    int publish(const std::string& title, bool isPublic = true, bool uniApps = false) {
        tScriptData data;
        data.AuthorName = cat().userName();
        data.Lcid = 1049;
        data.Public = isPublic;
        data.UniApps = uniApps;
        data.Title = title;
        data.Descr = "Описание «" + title + "»\r\nвторая строка";
        std::string problem;
        EXPECT_TRUE(cat().acceptScriptData(data, problem)) << problem;
        return cat().putScript(data);
    }
    std::string lastError() const {
        return ui.messages.empty() ? std::string() : ui.messages.back().text;
    }

    test::TempDir dir;
    test::ScriptedUserInterface ui;
    Shell shell{ui};
    Workspace ws;
};

class CatalogueClientTest : public ::testing::Test {
protected:
    test::LoopbackCatalogue server;
    Installation alice{server.address(), "Алиса", "alice@example.org"};
    Installation bob{server.address(), "Bob", "bob@example.org"};

    void SetUp() override {
        ASSERT_TRUE(alice.ws.scenario().ReplaceAll(
            {"FULL:0#FIRST| | | | | | | |первая", "", "FULL:0#FIRST| | | | | | | |вторая"}));
    }
};

TEST_F(CatalogueClientTest, PublishedScenarioTravelsWithItsCyrillicTextsAndOwnership) {
    const int id = alice.publish("Сценарий Алисы");
    ASSERT_GT(id, 0) << alice.lastError();

    std::optional<tScriptInfo> seen = bob.entry(id);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->Title, "Сценарий Алисы");
    EXPECT_EQ(seen->Descr, "Описание «Сценарий Алисы»\r\nвторая строка");
    EXPECT_EQ(seen->AuthorName, "Алиса");
    EXPECT_EQ(seen->AuthorMail, "alice@example.org");
    EXPECT_EQ(seen->Lcid, 1049);
    EXPECT_TRUE(seen->Public);
    EXPECT_FALSE(seen->Mine);
    EXPECT_TRUE(seen->Compatible);
    EXPECT_FALSE(seen->MineCompatible);
    EXPECT_GT(seen->Created, 40000.0);

    std::optional<tScriptInfo> own = alice.entry(id);
    ASSERT_TRUE(own);
    EXPECT_TRUE(own->Mine && own->MineCompatible);

    // every filter mode is understood; "mine" splits the two users
    for (int f = catalogue::kFirstFilter; f <= catalogue::kLastFilter; ++f) {
        EXPECT_TRUE(bob.cat().loadScriptList(f).has_value()) << f;
    }
    EXPECT_EQ(alice.list(ListFilter::Mine).size(), 1u);
    EXPECT_TRUE(bob.list(ListFilter::Mine).empty());
    EXPECT_EQ(bob.list(ListFilter::New).size(), 1u);

    // the download replaces Bob's scenario with Alice's lines
    ASSERT_TRUE(bob.cat().downloadScript(id)) << bob.lastError();
    EXPECT_EQ(bob.ws.scenario().lines(), alice.ws.scenario().lines());
    EXPECT_EQ(bob.entry(id)->Downloads, 1);
}

TEST_F(CatalogueClientTest, RatingHidingAndTheRatingsList) {
    const int id = alice.publish("Оцениваемый");
    ASSERT_GT(id, 0);

    ASSERT_TRUE(bob.cat().rateScript(id, 4, "Хороший сценарий"));
    std::optional<tScriptInfo> rated = bob.entry(id);
    ASSERT_TRUE(rated);
    EXPECT_EQ(rated->RatingYou, 4);
    EXPECT_EQ(rated->RatingCnt, 1);
    EXPECT_NEAR(rated->RatingAvg, 4.0, 1e-9);
    EXPECT_EQ(bob.list(ListFilter::Rated).size(), 1u);
    EXPECT_TRUE(bob.list(ListFilter::Unrated).empty());

    ASSERT_TRUE(alice.cat().rateScript(id, 1, ""));
    EXPECT_NEAR(alice.entry(id)->RatingAvg, 2.5, 1e-9);
    auto rates = bob.cat().loadRates(id);
    ASSERT_TRUE(rates);
    ASSERT_EQ(rates->size(), 2u);
    bool bobsFound = false;
    for (const tScriptRate& r : *rates) {
        if (r.Name == "Bob") {
            bobsFound = true;
            EXPECT_EQ(r.Rate, 4);
            EXPECT_EQ(r.Notes, "Хороший сценарий");
            EXPECT_EQ(r.AppName, "Pentad");
        }
    }
    EXPECT_TRUE(bobsFound);

    // hiding: gone under the default filter, there under "hidden"
    ASSERT_TRUE(bob.cat().rateScript(id, catalogue::kRateHide, ""));
    EXPECT_TRUE(bob.list().empty());
    ASSERT_EQ(bob.list(ListFilter::Hidden).size(), 1u);
    EXPECT_EQ(bob.list(ListFilter::Hidden)[0].RatingYou, -1);
    EXPECT_EQ(alice.list().size(), 1u);
    // removing the mark brings it back
    ASSERT_TRUE(bob.cat().rateScript(id, catalogue::kRateRemove, ""));
    ASSERT_EQ(bob.list().size(), 1u);
    EXPECT_EQ(bob.list()[0].RatingYou, 0);

    // a refused rating shows the rating headline and changes nothing
    bob.ui.messages.clear();
    EXPECT_FALSE(bob.cat().rateScript(id + 100, 3, ""));
    ASSERT_EQ(bob.ui.messages.size(), 1u);
    EXPECT_EQ(bob.lastError().rfind("Ошибка сохранения оценки online-сценария!\r\r", 0), 0u);
}

TEST_F(CatalogueClientTest, PropertiesChecksTitleTakenAndRequiredFields) {
    ASSERT_GT(alice.publish("Занятое название"), 0);
    tScriptData data;
    data.AuthorName = "Bob";
    std::string problem;
    data.Title = "   ";
    EXPECT_FALSE(bob.cat().acceptScriptData(data, problem));
    EXPECT_EQ(problem, texts::kTitleRequired);
    data.Title = " Занятое название ";
    EXPECT_FALSE(bob.cat().acceptScriptData(data, problem));
    EXPECT_EQ(problem, texts::kTitleTaken);
    data.Title = "Свободное";
    data.AuthorName = " ";
    EXPECT_FALSE(bob.cat().acceptScriptData(data, problem));
    EXPECT_EQ(problem, texts::kAuthorRequired);
    data.AuthorName = "Bob";
    EXPECT_TRUE(bob.cat().acceptScriptData(data, problem));
}

TEST_F(CatalogueClientTest, OnlyThePublishingInstallationReplacesAndDeletes) {
    const int id = alice.publish("Первое");
    ASSERT_GT(id, 0);
    tScriptInfo entry = *alice.entry(id);
    tScriptData data;
    data.Id = entry.Id;
    data.AuthorName = entry.AuthorName;
    data.Lcid = entry.Lcid;
    data.Public = entry.Public;
    data.Title = "Второе";
    data.Descr = entry.Descr;
    EXPECT_EQ(alice.cat().putScript(data), id);
    EXPECT_EQ(bob.entry(id)->Title, "Второе");

    // the same person on another computer may not delete it
    Installation laptop(server.address(), "Алиса", "alice@example.org");
    EXPECT_FALSE(laptop.cat().deleteScript(data));
    EXPECT_EQ(laptop.lastError().rfind("Ошибка удаления online-сценария из базы данных!\r\r", 0),
              0u);
    EXPECT_FALSE(bob.cat().deleteScript(data));
    EXPECT_TRUE(bob.entry(id).has_value());

    EXPECT_TRUE(alice.cat().deleteScript(data)) << alice.lastError();
    EXPECT_FALSE(bob.entry(id).has_value());
}

TEST_F(CatalogueClientTest, AnotherProgramDownloadsOnlyUniversalEntries) {
    const int bound = alice.publish("Только Pentad");
    const int universal = alice.publish("Для всех", true, true);
    ASSERT_GT(bound, 0);
    ASSERT_GT(universal, 0);
    catalogue::Identity other = bob.cat().identity();
    other.appId = "{0D1C2B3A-0000-4000-8000-000000000001}";
    CatalogueClient client(server.address(), other,
                           [](const std::string& a, const std::string& b) {
                               return httpPostBody(a, b);
                           });
    for (const tScriptInfo& s : client.scriptList(static_cast<int>(ListFilter::All))) {
        EXPECT_EQ(s.Compatible, s.Id == universal) << s.Title;
    }
    EXPECT_FALSE(client.scriptText(universal).empty());
    EXPECT_THROW(client.scriptText(bound), Error);
}

TEST(CatalogueClientBlank, ABlankDownloadLeavesTheScenarioAsItWas) {
    // a server of another make that answers a blank "<script>"
    httplib::Server blank;
    blank.Post(".*", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("<result><row><script>" + catalogue::base64Encode(" \r\n ") +
                            "</script></row></result>",
                        "text/plain");
    });
    const int port = blank.bind_to_any_port("127.0.0.1");
    std::thread serving([&] { blank.listen_after_bind(); });
    {
        Installation bob("http://127.0.0.1:" + std::to_string(port), "Bob", "bob@example.org");
        ASSERT_TRUE(bob.ws.scenario().ReplaceAll({"FULL:0#FIRST| | | | | | | |своё"}));
        EXPECT_FALSE(bob.cat().downloadScript(7));
        ASSERT_EQ(bob.ws.scenario().count(), 1);
        EXPECT_EQ(bob.ws.scenario().lines()[0], "FULL:0#FIRST| | | | | | | |своё");
        EXPECT_TRUE(bob.ui.messages.empty());
    }
    blank.stop();
    serving.join();
}

TEST_F(CatalogueClientTest, WithoutAnAddressNothingIsSent) {
    Installation idle("", "X", "x@example.org");
    EXPECT_FALSE(idle.cat().hasAddress());
    EXPECT_THROW(idle.cat().client(), Error);
    EXPECT_FALSE(idle.cat().loadScriptList(1).has_value());
}

// ---- systems ----

class SystemsExchangeTest : public CatalogueClientTest {
protected:
    tSystemData sample() {
        tSystemData d;
        d.Info.Id = 0;
        d.Info.Nums = 6;
        d.Info.Olap = 0;
        d.Info.CSize = 3;
        d.Info.Title = "Система Алисы";
        d.Info.Author = "Алиса";
        d.Info.OwnerMail = "alice@example.org";
        d.Info.Descr = "Три линии";
        d.Info.URL = "http://example.org/система";
        d.CList = "01 02 03 04 05\r\n01 02 03 04 06\r\n02 03 04 05 06";
        return d;
    }
    tSystemInfo listed(Installation& who, int id) {
        auto list = who.cat().LoadSystemList();
        EXPECT_TRUE(list) << who.lastError();
        for (const tSystemInfo& s : list.value_or(std::vector<tSystemInfo>{})) {
            if (s.Id == id) {
                return s;
            }
        }
        ADD_FAILURE() << "system " << id << " not listed";
        return {};
    }
};

TEST_F(SystemsExchangeTest, PublishListDownloadAndDelete) {
    auto empty = bob.cat().LoadSystemList();
    ASSERT_TRUE(empty);
    ASSERT_EQ(empty->size(), 1u);
    EXPECT_EQ((*empty)[0].Id, -1);
    EXPECT_EQ((*empty)[0].Title, texts::kSystemListEmpty);

    const int id = alice.cat().PutSystem(sample(), false);
    ASSERT_GT(id, 0) << alice.lastError();
    tSystemInfo s = listed(bob, id);
    EXPECT_EQ(s.Title, "Система Алисы");
    EXPECT_EQ(s.Author, "Алиса");
    EXPECT_EQ(s.URL, "http://example.org/система");
    EXPECT_EQ(s.CSize, 3);
    EXPECT_EQ(s.Nums, 6);
    EXPECT_TRUE(alice.cat().ownSystem(s));
    EXPECT_FALSE(bob.cat().ownSystem(s));
    EXPECT_FALSE(bob.cat().systemDownloaded(s));

    ASSERT_TRUE(bob.cat().DownloadSystem(s)) << bob.lastError();
    EXPECT_TRUE(bob.cat().systemDownloaded(s));
    EXPECT_TRUE(bob.cat().systemCurrent(s));
    EXPECT_EQ(readFileBytes(SystemFileName(bob.ws.folder(), s)),
              "01 02 03 04 05\r\n01 02 03 04 06\r\n02 03 04 05 06\r\n");

    // someone else's delete is refused; the owner's goes through
    tSystemData gone;
    gone.Info = s;
    EXPECT_EQ(bob.cat().PutSystem(gone, true), -1);
    EXPECT_EQ(listed(alice, id).Id, id);
    EXPECT_EQ(alice.cat().PutSystem(gone, true), 0);
    EXPECT_EQ((*bob.cat().LoadSystemList())[0].Id, -1);
}

TEST_F(SystemsExchangeTest, AShortListIsRefusedAndLeavesNoFile) {
    const int id = alice.cat().PutSystem(sample(), false);
    ASSERT_GT(id, 0);
    tSystemInfo s = listed(bob, id);
    s.CSize = 4;   // the list the server sends is one line short of this
    EXPECT_FALSE(bob.cat().DownloadSystem(s));
    EXPECT_EQ(bob.lastError(), format("Ошибка загрузки системы #%d!\r\r", id) +
                                   format(texts::kSystemCountMismatch, 3, 4));
    EXPECT_FALSE(fileExists(SystemFileName(bob.ws.folder(), s)));
}

TEST_F(SystemsExchangeTest, AFileWithTheCreationTimeIsNotFetchedAgain) {
    const int id = alice.cat().PutSystem(sample(), false);
    ASSERT_GT(id, 0);
    tSystemInfo s = listed(bob, id);
    ASSERT_TRUE(bob.cat().DownloadSystem(s));
    EXPECT_EQ(listed(bob, id).Downloads, 1);
    // a refresh with the file's time equal to Created fetches nothing
    EXPECT_EQ(listed(bob, id).Downloads, 1);

    // a file with another time is fetched again at once
    const std::string path = SystemFileName(bob.ws.folder(), s);
    struct utimbuf old {};
    old.actime = old.modtime = 1000000000;
    ASSERT_EQ(::utime(path.c_str(), &old), 0);
    EXPECT_FALSE(bob.cat().systemCurrent(s));
    listed(bob, id);
    EXPECT_TRUE(bob.cat().systemCurrent(s));
    EXPECT_EQ(listed(bob, id).Downloads, 2);
}

}  // namespace
}  // namespace pentad
