// SPDX-License-Identifier: GPL-3.0-or-later
// The readers of the catalogue replies against hand-written replies, broken
// ones included.
#include <gtest/gtest.h>

#include "online/catalogue_client.h"
#include "online/catalogue_codecs.h"
#include "shell/error.h"

namespace pentad {
namespace {

const std::string kMine = "Me@Example.org";
const std::string kApp = "{A5FC05DF-DED4-478D-ABCC-E6C460379FDB}";

std::string b64(const std::string& s) { return catalogue::base64Encode(s); }

TEST(CatalogueReaders, ScriptListFieldsMissingTagsAndComputedFlags) {
    const std::string reply =
        "<result><row><id>7</id><key_cl_name>Иван</key_cl_name><key_cl_mail>me@example.ORG"
        "</key_cl_mail><key_cl_lcid>x</key_cl_lcid><app_name>Pentad</app_name>"
        "<app_guid>{a5fc05df-ded4-478d-abcc-e6c460379fdb}</app_guid><uniapps>0</uniapps>"
        "<publics>1</publics><created>2024-02-29 23:59:58</created><rating_avg>4,25 </rating_avg>"
        "<rating_cnt>4</rating_cnt><rating_you>-1</rating_you><title>" + b64("Заголовок") +
        "</title><descr>" + b64("Текст") + "</descr></row>"
        "<row><id>8</id><app_guid>{other}</app_guid><uniapps>1</uniapps><rating_avg>abc"
        "</rating_avg><created>not a date</created></row>"
        "<row><id>9</id><app_guid>{other}</app_guid><title>" + b64("Чужой") + "</row></result>";
    std::vector<tScriptInfo> list = readScriptList(reply, kMine, kApp, 1033);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].Id, 7);
    EXPECT_EQ(list[0].AuthorName, "Иван");
    EXPECT_EQ(list[0].Lcid, 1033);   // not a number: the user's language
    EXPECT_EQ(list[0].Title, "Заголовок");
    EXPECT_EQ(list[0].Descr, "Текст");
    EXPECT_NEAR(list[0].RatingAvg, 4.25, 1e-9);
    EXPECT_EQ(list[0].RatingCnt, 4);
    EXPECT_EQ(list[0].RatingYou, -1);
    EXPECT_TRUE(list[0].Public);
    EXPECT_TRUE(list[0].Mine && list[0].Compatible && list[0].MineCompatible);
    EXPECT_GT(list[0].Created, 45000.0);
    EXPECT_EQ(list[0].LastDownload, 0.0);
    EXPECT_EQ(list[0].Downloads, 0);   // missing tag

    EXPECT_NEAR(list[1].RatingAvg, 0.0, 1e-12);
    EXPECT_EQ(list[1].Created, 0.0);
    EXPECT_TRUE(list[1].Compatible);   // universal
    EXPECT_FALSE(list[1].Mine);
    EXPECT_FALSE(list[2].Compatible);  // bound to another program
    EXPECT_EQ(list[2].Title, "");      // "<title>" never closed
}

TEST(CatalogueReaders, RefusalsAndBrokenShapesFail) {
    try {
        readScriptList("<result><row><id>1</id></row><row><error>Нет доступа</error></row>"
                       "</result>",
                       kMine, kApp, 0);
        FAIL() << "a refusal row must fail the list";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Нет доступа");
    }
    EXPECT_THROW(readScriptList("<result><row><id>1</id>", kMine, kApp, 0), Error);
    EXPECT_THROW(readScriptList("<result><row><id>1</id></result>", kMine, kApp, 0), Error);
    EXPECT_TRUE(readScriptList("no reply shape at all", kMine, kApp, 0).empty());
    EXPECT_TRUE(readScriptList("<result><row><error> </error><id>3</id></row></result>", kMine,
                               kApp, 0)
                    .size() == 1);

    EXPECT_EQ(readAnswer("<result><row><res_code>2</res_code></row></result>", "res_code"), 2);
    EXPECT_THROW(readAnswer("<result></result>", "res_code"), Error);
    EXPECT_THROW(readAnswer("<result><row><res_code>2x</res_code></row></result>", "res_code"),
                 Error);
    EXPECT_THROW(readAnswer("<result><row><ret_code>0</ret_code></row></result>", "res_code"),
                 Error);

    // Numbers beyond 32 bits do not wrap around into another id or count.
    EXPECT_THROW(readAnswer("<result><row><id>4294967301</id></row></result>", "id"), Error);
    EXPECT_EQ(readAnswer("<result><row><id>-2147483648</id></row></result>", "id"), -2147483648LL);
    std::vector<tScriptInfo> wide = readScriptList(
        "<result><row><id>5</id><rating_cnt>4294967301</rating_cnt></row></result>", kMine, kApp,
        0);
    ASSERT_EQ(wide.size(), 1u);
    EXPECT_EQ(wide[0].RatingCnt, 0);
    EXPECT_EQ(readSystemNumber("<result><row><id_systems>4294967308</id_systems></row></result>"),
              -1);
}

TEST(CatalogueReaders, ScriptTextComesFromTheFirstRowBeginningWithScript) {
    const std::string reply = "<result><row><id>1</id><script>" + b64("не то") +
                              "</script></row><row> <SCRIPT>" + b64("строка 1\r\nстрока 2") +
                              "</script></row><row><script>" + b64("позже") +
                              "</script></row></result>";
    EXPECT_EQ(readScriptText(reply), "строка 1\r\nстрока 2");
    EXPECT_EQ(readScriptText("<result></result>"), "");
}

TEST(CatalogueReaders, SystemListNeedsIntegersWhereTheyCount) {
    const std::string good =
        "<result><row><id>3</id><nums>7</nums><olap>1</olap><csize>12</csize><title>" +
        b64("Семь") + "</title><descr>" + b64("Д") +
        "</descr><author>Иван</author><cl_mail>i@x</cl_mail><url>http://x/</url>"
        "<created>2024-01-01 00:00:00</created><downloads>n/a</downloads></row></result>";
    std::vector<tSystemInfo> list = readSystemList(good);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Id, 3);
    EXPECT_EQ(list[0].Nums, 7);
    EXPECT_EQ(list[0].Olap, 1);
    EXPECT_EQ(list[0].CSize, 12);
    EXPECT_EQ(list[0].Title, "Семь");
    EXPECT_EQ(list[0].OwnerMail, "i@x");
    EXPECT_EQ(list[0].Downloads, 0);

    for (const char* broken : {"<csize>12.5</csize>", "<csize></csize>", "<nums>seven</nums>",
                               "<olap>-</olap>"}) {
        std::string reply = good;
        const std::string name = std::string(broken).substr(1, std::string(broken).find('>') - 1);
        const size_t at = reply.find("<" + name + ">");
        const size_t end = reply.find("</" + name + ">") + name.size() + 3;
        reply.replace(at, end - at, broken);
        EXPECT_THROW(readSystemList(reply), Error) << broken;
    }
    std::string noId = good;
    noId.replace(noId.find("<id>3</id>"), 10, "");
    EXPECT_THROW(readSystemList(noId), Error);
}

TEST(CatalogueReaders, SystemDataAndNumberAnswers) {
    EXPECT_EQ(readSystemCList("<result><row><clist></clist></row><row><clist>" +
                              b64("01 02 03 04 05") + "</clist></row></result>"),
              "01 02 03 04 05");
    EXPECT_EQ(readSystemNumber("<result><row><id_systems>-1</id_systems></row><row>"
                               "<id_systems>12</id_systems></row></result>"),
              12);
    EXPECT_EQ(readSystemNumber("<result><row><id_systems>x</id_systems></row></result>"), -1);
    EXPECT_THROW(readSystemNumber("<result><row><error>Только владелец</error></row></result>"),
                 Error);
}

TEST(CatalogueReaders, DatesTravelThroughLocalTimeAndBack) {
    const DateTime local = replyDateToLocal("2024-07-01 12:34:56");
    ASSERT_GT(local, 0.0);
    EXPECT_EQ(localToUnixSeconds(local), 1719837296);
    EXPECT_EQ(catalogueDateText(unixSecondsToLocal(1719837296)), catalogueDateText(local));
    EXPECT_EQ(catalogueDateText(0), "");
    EXPECT_EQ(replyDateToLocal("2024-02-30 00:00:00"), 0.0);
}

}  // namespace
}  // namespace pentad
