// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario requests, handled without sockets, read back as the program
// reads them.
#include <gtest/gtest.h>

#include "catalogue_fixture.h"
#include "online/catalogue_codecs.h"
#include "server/server_texts.h"

namespace pentad::server::test {
namespace {

namespace element = catalogue::element;
using catalogue::ListFilter;

using ScriptRequests = CatalogueFixture;

TEST_F(ScriptRequests, CyrillicTitleDescriptionAndTextSurviveTheRoundTrips) {
    catalogue::ScriptPublication p;
    p.title = "Мой сценарий «тест» 'v2'?";
    p.descr = "Строка 1\r\nСтрока 2: \"кавычки\", обратная черта \\ и <теги>";
    p.script = "NUMS;1;Ключ\\значение\r\n\tSUMS;2;?";
    int id = static_cast<int>(answer(catalogue::kScriptPutPath, catalogue::scriptPutForm(p, alice()),
                                     element::kScriptNumber));
    EXPECT_EQ(id, 1);

    ReplyRow row = rowOf(bob(), id);
    EXPECT_EQ(row.base64Field(element::kTitle), p.title);
    EXPECT_EQ(row.base64Field(element::kDescr), p.descr);
    EXPECT_EQ(row.field(element::kAuthorName), "Алиса");
    EXPECT_EQ(row.field(element::kAuthorMail), "alice@example.org");
    EXPECT_EQ(row.field(element::kLcid), "1049");
    EXPECT_EQ(row.field(element::kAppName), "Pentad");
    EXPECT_EQ(row.field(element::kAppVer), "1.0.0.0");
    EXPECT_EQ(row.field(element::kAppGuid), catalogue::kPentadAppId);
    EXPECT_EQ(row.field(element::kUniApps), "0");
    EXPECT_EQ(row.field(element::kPublic), "1");
    EXPECT_EQ(row.field(element::kCreated), "2023-11-14 22:13:20");
    EXPECT_EQ(row.field(element::kRatingAvg), "0");
    EXPECT_EQ(row.field(element::kRatingCnt), "0");
    EXPECT_EQ(row.field(element::kRatingYou), "0");
    EXPECT_EQ(row.field(element::kDownloads), "0");
    EXPECT_EQ(row.field(element::kLastDownload), "");

    auto data = post(catalogue::kScriptDataPath, catalogue::scriptDataForm(id));
    ASSERT_EQ(data.size(), 1u);
    EXPECT_EQ(data[0].text().rfind("<script>", 0), 0u);   // the row begins with it
    EXPECT_EQ(data[0].base64Field(element::kScript), p.script);
}

TEST_F(ScriptRequests, EveryFilterModeShowsItsRows) {
    int old = publish(bob(), "Старый Боба");
    now += 2 * 86400;
    int mine = publish(alice(), "Открытый Алисы");
    int privateOne = publish(alice(), "Личный Алисы", false);
    int hiddenNew = publish(bob(), "Новый Боба");
    int rated = old;
    rate(alice(), rated, 5);
    rate(alice(), hiddenNew, catalogue::kRateHide);
    now += 3600;

    using V = std::vector<long long>;
    EXPECT_EQ(ids(alice(), ListFilter::Hidden), (V{hiddenNew}));
    EXPECT_EQ(ids(alice(), ListFilter::All), (V{hiddenNew, privateOne, mine, old}));
    EXPECT_EQ(ids(alice(), ListFilter::AllButHidden), (V{privateOne, mine, old}));
    EXPECT_EQ(ids(alice(), ListFilter::Mine), (V{privateOne, mine}));
    EXPECT_EQ(ids(alice(), ListFilter::Public), (V{mine, old}));
    EXPECT_EQ(ids(alice(), ListFilter::Rated), (V{rated}));
    EXPECT_EQ(ids(alice(), ListFilter::Unrated), (V{privateOne, mine}));
    EXPECT_EQ(ids(alice(), ListFilter::New), (V{privateOne, mine}));
    // a private entry is seen only from the installation that published it
    EXPECT_EQ(ids(bob(), ListFilter::All), (V{hiddenNew, mine, old}));
    EXPECT_EQ(ids(aliceElsewhere(), ListFilter::Mine), (V{mine}));
    // "new" is 24 hours from publication
    now += 23 * 3600 + 1;
    EXPECT_EQ(ids(bob(), ListFilter::New), (V{}));

    EXPECT_EQ(refusal(catalogue::kScriptListPath, catalogue::scriptListForm(7, alice())),
              "Неизвестный фильтр списка сценариев (7).");
}

TEST_F(ScriptRequests, DownloadsAreCountedWithTheirTime) {
    int id = publish(alice(), "Счётчик");
    Identity who = bob();
    post(catalogue::kScriptDataPath, catalogue::scriptDataForm(id, &who));
    now += 60;
    post(catalogue::kScriptDataPath, catalogue::scriptDataForm(id));
    ReplyRow row = rowOf(alice(), id);
    EXPECT_EQ(row.field(element::kDownloads), "2");
    EXPECT_EQ(row.field(element::kLastDownload), "2023-11-14 22:14:20");
    EXPECT_EQ(refusal(catalogue::kScriptDataPath, catalogue::scriptDataForm(99)),
              "Сценарий #99 не найден в каталоге.");
}

TEST_F(ScriptRequests, RatingsMakeTheAverageAndTheUsersOwnMark) {
    int id = publish(alice(), "Оцениваемый");
    EXPECT_EQ(rate(bob(), id, 4, "Хорошо, но \"медленно\""), 0);
    ReplyRow seenByBob = rowOf(bob(), id);
    EXPECT_EQ(seenByBob.field(element::kRatingYou), "4");
    EXPECT_EQ(seenByBob.field(element::kRatingAvg), "4.000");
    EXPECT_EQ(seenByBob.field(element::kRatingCnt), "1");

    now += 10;
    rate(otherProgram(), id, 5, "Отлично");
    now += 10;
    rate(alice(), id, 5);
    EXPECT_EQ(rowOf(alice(), id).field(element::kRatingAvg), "4.667");
    // a second rating from the same installation replaces the first
    now += 10;
    rate(bob(), id, 2);
    ReplyRow row = rowOf(alice(), id);
    EXPECT_EQ(row.field(element::kRatingAvg), "4.000");
    EXPECT_EQ(row.field(element::kRatingCnt), "3");
    EXPECT_EQ(row.field(element::kRatingYou), "5");

    auto rates = post(catalogue::kScriptRatesPath, catalogue::scriptRatesForm(id));
    ASSERT_EQ(rates.size(), 3u);
    EXPECT_EQ(rates[0].field(element::kAuthorName), "Bob");   // newest first
    EXPECT_EQ(rates[0].field(element::kRate), "2");
    EXPECT_EQ(rates[0].field(element::kNotes), "");
    EXPECT_EQ(rates[0].field(element::kCreated), "2023-11-14 22:13:50");
    EXPECT_EQ(rates[1].field(element::kAppName), "Pentad");
    EXPECT_EQ(rates[2].field(element::kAuthorName), "Carol");
    EXPECT_EQ(rates[2].field(element::kNotes), "Отлично");
    EXPECT_EQ(rates[2].field(element::kAppName), otherProgram().appId);
    EXPECT_EQ(rates[2].field(element::kAppVer), "5.3.0.120");

    // removing a rating
    rate(bob(), id, catalogue::kRateRemove);
    EXPECT_EQ(rowOf(bob(), id).field(element::kRatingYou), "0");
    EXPECT_EQ(rowOf(bob(), id).field(element::kRatingAvg), "5.000");

    for (int bad : {-2, 6, 100}) {
        EXPECT_EQ(refusal(catalogue::kScriptRatePath, catalogue::scriptRateForm(id, bad, "", bob())),
                  "Недопустимая оценка " + std::to_string(bad) +
                      ": допустимы значения от -1 до 5.");
    }
    Identity anonymous = bob();
    anonymous.hwdid.clear();
    EXPECT_EQ(refusal(catalogue::kScriptRatePath, catalogue::scriptRateForm(id, 3, "", anonymous)),
              texts::kNoInstallation);
}

TEST_F(ScriptRequests, HiddenEntryVanishesUnderTheDefaultFilterUntilUnhidden) {
    int id = publish(alice(), "Надоевший");
    rate(bob(), id, 3);
    rate(bob(), id, catalogue::kRateHide);
    EXPECT_TRUE(ids(bob()).empty());
    ReplyRow hidden = rowOf(bob(), id);
    EXPECT_EQ(hidden.field(element::kRatingYou), "-1");
    EXPECT_EQ(hidden.field(element::kRatingCnt), "0");   // hiding replaced the rating
    EXPECT_EQ(ids(alice()), (std::vector<long long>{id}));   // only for him
    rate(bob(), id, catalogue::kRateRemove);
    EXPECT_EQ(ids(bob()), (std::vector<long long>{id}));
}

TEST_F(ScriptRequests, TitlesAreUniqueWithoutRegardToCaseAndBlanks) {
    auto check = [this](int id, const std::string& title) {
        return answer(catalogue::kScriptTitlePath, catalogue::scriptTitleForm(id, title),
                      element::kRetCode);
    };
    EXPECT_EQ(check(-1, "Мой сценарий"), 0);
    int id = publish(alice(), "Мой сценарий");
    EXPECT_EQ(check(-1, "Мой сценарий"), 1);
    EXPECT_EQ(check(-1, "  мой   СЦЕНАРИЙ "), 1);
    EXPECT_EQ(check(id, "Мой сценарий"), 0);   // its own title
    EXPECT_EQ(check(-1, "Мой сценарий 2"), 0);

    catalogue::ScriptPublication p;
    p.title = "МОЙ СЦЕНАРИЙ";
    p.script = "x";
    EXPECT_EQ(refusal(catalogue::kScriptPutPath, catalogue::scriptPutForm(p, bob())),
              texts::kScriptTitleTaken);

    std::string longest;
    for (int i = 0; i < 64; ++i) {
        longest += "Ж";
    }
    EXPECT_EQ(check(-1, longest), 0);
    EXPECT_GT(publish(bob(), longest), 0);
    EXPECT_EQ(refusal(catalogue::kScriptTitlePath, catalogue::scriptTitleForm(-1, longest + "Ж")),
              "Поле \"scr_title\" длиннее 64 символов.");
    p.title = "   ";
    EXPECT_EQ(refusal(catalogue::kScriptPutPath, catalogue::scriptPutForm(p, bob())),
              texts::kScriptNoTitle);
}

TEST_F(ScriptRequests, OnlyThePublisherReplaces) {
    int id = publish(alice(), "Версия 1", true, false, "old");
    int other = publish(bob(), "Чужой");
    rate(bob(), id, 4);
    now += 100;

    catalogue::ScriptPublication p;
    p.id = id;
    p.title = "Версия 2";
    p.descr = "новое";
    p.script = "new";
    p.uniApps = true;
    EXPECT_EQ(refusal(catalogue::kScriptPutPath, catalogue::scriptPutForm(p, bob())),
              texts::kScriptNotOwner);
    EXPECT_EQ(refusal(catalogue::kScriptPutPath, catalogue::scriptPutForm(p, aliceElsewhere())),
              texts::kScriptNotOwner);
    Identity upperCaseMail = alice();
    upperCaseMail.mail = "ALICE@Example.ORG";
    upperCaseMail.appVer = "1.1.0.0";
    EXPECT_EQ(answer(catalogue::kScriptPutPath, catalogue::scriptPutForm(p, upperCaseMail),
                     element::kScriptNumber),
              id);

    ReplyRow row = rowOf(bob(), id);
    EXPECT_EQ(row.base64Field(element::kTitle), "Версия 2");
    EXPECT_EQ(row.field(element::kUniApps), "1");
    EXPECT_EQ(row.field(element::kAppVer), "1.1.0.0");
    EXPECT_EQ(row.field(element::kCreated), "2023-11-14 22:15:00");
    EXPECT_EQ(row.field(element::kRatingYou), "4");   // ratings stay
    auto data = post(catalogue::kScriptDataPath, catalogue::scriptDataForm(id));
    EXPECT_EQ(data[0].base64Field(element::kScript), "new");

    p.title = "чужой";
    EXPECT_EQ(refusal(catalogue::kScriptPutPath, catalogue::scriptPutForm(p, alice())),
              texts::kScriptTitleTaken);
    p.id = 77;
    p.title = "Пропавший";
    EXPECT_EQ(refusal(catalogue::kScriptPutPath, catalogue::scriptPutForm(p, alice())),
              "Сценарий #77 не найден в каталоге.");
    EXPECT_EQ(ids(alice(), ListFilter::All), (std::vector<long long>{id, other}));
}

TEST_F(ScriptRequests, OnlyThePublisherDeletes) {
    int id = publish(alice(), "Удаляемый");
    rate(bob(), id, 5);
    catalogue::ScriptPublication p;
    p.id = id;
    p.title = "Удаляемый";
    EXPECT_EQ(refusal(catalogue::kScriptPutPath, catalogue::scriptDeleteForm(p, bob())),
              texts::kScriptNotOwner);
    EXPECT_EQ(refusal(catalogue::kScriptPutPath, catalogue::scriptDeleteForm(p, aliceElsewhere())),
              texts::kScriptNotOwner);
    EXPECT_EQ(ids(bob()), (std::vector<long long>{id}));

    EXPECT_EQ(answer(catalogue::kScriptPutPath, catalogue::scriptDeleteForm(p, alice()),
                     element::kScriptNumber),
              0);
    EXPECT_TRUE(ids(bob(), ListFilter::All).empty());
    EXPECT_EQ(refusal(catalogue::kScriptDataPath, catalogue::scriptDataForm(id)),
              "Сценарий #1 не найден в каталоге.");
    EXPECT_EQ(refusal(catalogue::kScriptPutPath, catalogue::scriptDeleteForm(p, alice())),
              "Сценарий #1 не найден в каталоге.");
    // numbers are never given out twice
    EXPECT_EQ(publish(alice(), "Удаляемый"), id + 1);
}

TEST_F(ScriptRequests, EntriesBoundToAProgramGoOnlyToThatProgram) {
    int universal = publish(alice(), "Для всех", true, true);
    int bound = publish(alice(), "Только Pentad", true, false);
    Identity other = otherProgram();
    Identity pentad = bob();
    EXPECT_EQ(post(catalogue::kScriptDataPath, catalogue::scriptDataForm(universal, &other))
                  .size(),
              1u);
    EXPECT_EQ(refusal(catalogue::kScriptDataPath, catalogue::scriptDataForm(bound, &other)),
              "Сценарий предназначен только для программы \"Pentad\".");
    Identity lowerCaseId = pentad;
    lowerCaseId.appId = "{a5fc05df-ded4-478d-abcc-e6c460379fdb}";
    EXPECT_EQ(post(catalogue::kScriptDataPath, catalogue::scriptDataForm(bound, &lowerCaseId))
                  .size(),
              1u);
    // both are listed to the other program, which tells them apart by
    // <uniapps> and <app_guid>
    EXPECT_EQ(ids(other), (std::vector<long long>{bound, universal}));
}

TEST_F(ScriptRequests, PrivateEntriesStayWithTheirPublisher) {
    int id = publish(alice(), "Секрет", false);
    Identity owner = alice();
    Identity stranger = bob();
    EXPECT_EQ(refusal(catalogue::kScriptDataPath, catalogue::scriptDataForm(id)),
              "Сценарий #1 не найден в каталоге.");
    EXPECT_EQ(refusal(catalogue::kScriptDataPath, catalogue::scriptDataForm(id, &stranger)),
              "Сценарий #1 не найден в каталоге.");
    EXPECT_EQ(refusal(catalogue::kScriptRatePath, catalogue::scriptRateForm(id, 5, "", stranger)),
              "Сценарий #1 не найден в каталоге.");
    EXPECT_EQ(refusal(catalogue::kScriptRatesPath, catalogue::scriptRatesForm(id, &stranger)),
              "Сценарий #1 не найден в каталоге.");
    EXPECT_EQ(post(catalogue::kScriptDataPath, catalogue::scriptDataForm(id, &owner)).size(), 1u);
    EXPECT_EQ(post(catalogue::kScriptRatesPath, catalogue::scriptRatesForm(id, &owner)).size(),
              0u);
}

TEST_F(ScriptRequests, ValuesThatCouldBreakTheReplyAreDefused) {
    Identity who = alice();
    who.name = "</key_cl_name></row><row><error>взлом</error>";
    publish(who, "Безопасный");
    auto rows = list(bob());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].error(), "");
    EXPECT_EQ(rows[0].field(element::kAuthorName),
              "\u2039/key_cl_name\u203A\u2039/row\u203A\u2039row\u203A\u2039error\u203A"
              "взлом\u2039/error\u203A");
}

}  // namespace
}  // namespace pentad::server::test
