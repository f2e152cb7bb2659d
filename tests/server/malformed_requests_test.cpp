// SPDX-License-Identifier: GPL-3.0-or-later
// Broken requests get one "<error>" row, never a crash or a server failure.
#include <gtest/gtest.h>

#include <random>

#include "catalogue_fixture.h"
#include "online/catalogue_codecs.h"
#include "server/server_texts.h"

namespace pentad::server::test {
namespace {

using MalformedRequests = CatalogueFixture;

const std::string_view kPaths[] = {
    catalogue::kScriptListPath, catalogue::kScriptDataPath,   catalogue::kScriptRatePath,
    catalogue::kScriptTitlePath, catalogue::kScriptPutPath,   catalogue::kScriptRatesPath,
    catalogue::kSystemListPath,  catalogue::kSystemDataPath,  catalogue::kSystemPutPath,
};

TEST_F(MalformedRequests, EmptyBodyNamesTheFirstMissingField) {
    const char* first[] = {"fltid", "scr_id",   "scr_id", "scr_id", "del_mode",
                           "scr_id", "comblen", "sys_id", "del_mode"};
    for (size_t i = 0; i < std::size(kPaths); ++i) {
        EXPECT_EQ(refusal(kPaths[i], ""), "В запросе нет поля \"" + std::string(first[i]) + "\".")
            << kPaths[i];
    }
}

TEST_F(MalformedRequests, EveryFieldIsChecked) {
    EXPECT_EQ(refusal(catalogue::kScriptListPath, "fltid=1&appid=x&appver=1&hwdid=h&cl_name=n"),
              "В запросе нет поля \"cl_mail\".");
    EXPECT_EQ(refusal(catalogue::kScriptDataPath, "scr_id=1x"),
              "Поле \"scr_id\" должно содержать целое число.");
    EXPECT_EQ(refusal(catalogue::kScriptDataPath, "scr_id=99999999999999999999"),
              "Поле \"scr_id\" должно содержать целое число.");
    EXPECT_EQ(refusal(catalogue::kScriptDataPath, "scr_id=%zz"), texts::kBadForm);
    EXPECT_EQ(refusal(catalogue::kScriptTitlePath, "scr_id=1&scr_title=a%5C"),
              "Поле \"scr_title\" повреждено: неверное экранирование текста.");
    EXPECT_EQ(refusal(catalogue::kScriptTitlePath, "scr_id=1&scr_title=%CF%F0%E8"),
              "Текст поля \"scr_title\" не в кодировке UTF-8.");

    Form form = catalogue::scriptListForm(1, alice());
    Form longName;
    for (const auto& [name, value] : form.fields()) {
        longName.add(name, name == "cl_name" ? std::string(65, 'x') : value);
    }
    EXPECT_EQ(refusal(catalogue::kScriptListPath, longName),
              "Поле \"cl_name\" длиннее 64 символов.");

    catalogue::ScriptPublication p;
    p.title = "Пустой";
    p.script = " \r\n ";
    EXPECT_EQ(refusal(catalogue::kScriptPutPath, catalogue::scriptPutForm(p, alice())),
              texts::kScriptEmpty);
    p.script = "x";
    Identity noMail = alice();
    noMail.mail.clear();
    EXPECT_EQ(refusal(catalogue::kScriptPutPath, catalogue::scriptPutForm(p, noMail)),
              texts::kNoMail);
    Identity noName = alice();
    noName.name = "  ";
    EXPECT_EQ(refusal(catalogue::kScriptPutPath, catalogue::scriptPutForm(p, noName)),
              texts::kNoAuthor);
    EXPECT_EQ(refusal(catalogue::kScriptPutPath,
                      "del_mode=2&scr_id=1&appid=a&appver=1&hwdid=h&cl_name=n&cl_mail=m&cl_lcid=0"),
              "Неизвестный режим запроса (del_mode=2).");
}

TEST_F(MalformedRequests, OversizedBodyAndUnknownPath) {
    std::string body = "scr_id=1&pad=" + std::string(catalogue::kMaxRequestBytes, 'a');
    EXPECT_EQ(refusal(catalogue::kScriptDataPath, body), texts::kTooLarge);

    ServiceReply reply = service->handle("/scripts/scr_nothing.php", "a=1");
    EXPECT_EQ(reply.status, 404);
    auto rows = catalogue::readReply(reply.body);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].error(), "Неизвестный запрос \"/scripts/scr_nothing.php\".");
}

// Random forms from the requests' own field names and hostile values: every
// reply must stay in the tag shape. The seed is fixed, so a failure repeats.
TEST_F(MalformedRequests, RandomFormsAlwaysGetWellShapedReplies) {
    publish(alice(), "Есть что найти");
    const char* names[] = {"fltid", "scr_id", "rate_value", "rate_notes", "scr_title",
                           "del_mode", "scr_uniapps", "scr_publics", "scr_descr", "scr_script",
                           "appid", "appver", "hwdid", "cl_name", "cl_mail", "cl_lcid",
                           "comblen", "maxnums", "sys_id", "nums", "clen", "olap", "title",
                           "descr", "csize", "clist", "url"};
    const std::string values[] = {"",   "0",  "1",  "-1",  "5",    "6",      "9999999999",
                                  "x",  "\\", "\\n", "%",   "<row>", "\xD0\xAF", "\xFF",
                                  "Zg==", "====", "01 02 03 04 05", "1;2;3;4;5",
                                  std::string(70, 'w'), std::string("\0a", 2)};
    std::mt19937 random(20240601);
    for (int i = 0; i < 3000; ++i) {
        Form form;
        int count = static_cast<int>(random() % 20);
        for (int k = 0; k < count; ++k) {
            form.add(names[random() % std::size(names)], values[random() % std::size(values)]);
        }
        std::string_view path = kPaths[random() % std::size(kPaths)];
        ServiceReply reply = service->handle(path, form.body());
        ASSERT_EQ(reply.status, 200);
        auto rows = catalogue::readReply(reply.body);
        for (const auto& row : rows) {
            ASSERT_FALSE(row.text().empty()) << path << " " << form.body();
        }
    }
}

}  // namespace
}  // namespace pentad::server::test
