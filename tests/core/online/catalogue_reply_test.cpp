// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/catalogue_reply.h"

#include <gtest/gtest.h>

#include "online/catalogue_codecs.h"
#include "online/catalogue_form.h"
#include "online/catalogue_protocol.h"
#include "online/catalogue_requests.h"
#include "shell/error.h"

namespace pentad::catalogue {
namespace {

TEST(CatalogueReply, WrittenRowsReadBack) {
    ReplyWriter w;
    w.beginRow();
    w.number("id", 7);
    w.text("key_cl_name", "Иван <admin>");
    w.base64("title", "Сценарий \"один\"");
    w.beginRow();
    w.number("id", -1);
    std::string reply = w.finish();

    auto rows = readReply(reply);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].intField("id"), 7);
    EXPECT_EQ(rows[0].field("key_cl_name"), "Иван \u2039admin\u203A");
    EXPECT_EQ(rows[0].base64Field("title"), "Сценарий \"один\"");
    EXPECT_EQ(rows[0].error(), "");
    EXPECT_EQ(rows[1].intField("id"), -1);
}

TEST(CatalogueReply, ErrorReplyIsOneRefusingRow) {
    auto rows = readReply(ReplyWriter::error("Сценарий не найден"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].error(), "Сценарий не найден");
}

TEST(CatalogueReply, ReadsTagsWithoutRegardToCaseTrimmedAndUnquoted) {
    auto rows = readReply("junk <RESULT> <Row><ID> 12 </id><name>\"a \"\"b\"\"\"</name></ROW>"
                          "<row></row></Result> tail");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].intField("id"), 12);
    EXPECT_EQ(rows[0].field("name"), "a \"b\"");
    EXPECT_EQ(rows[0].field("missing"), "");
    EXPECT_FALSE(rows[0].has("missing"));
    EXPECT_EQ(rows[1].text(), "");
}

TEST(CatalogueReply, MalformedRepliesAreRefusedOrEmpty) {
    EXPECT_TRUE(readReply("").empty());
    EXPECT_TRUE(readReply("<html>Not Found</html>").empty());
    EXPECT_TRUE(readReply("<result></result>").empty());
    EXPECT_THROW(readReply("<result><row><id>1</id></row>"), Error);
    EXPECT_THROW(readReply("<result><row><id>1</id></result>"), Error);
    try {
        readReply("<result>x");
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Не удалось найти пару идентификаторов \"<result>\" - \"</result>\" в тексте"
                  "\r\r[<result>x]!");
    }
    auto rows = readReply("<result><row><csize>12a</csize><id>1</row></result>");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_FALSE(rows[0].intField("csize"));
    EXPECT_EQ(rows[0].field("id"), "");   // never closed
}

TEST(CatalogueForm, BodyRoundTripsAnyText) {
    Form form;
    form.add("plain", "a b&c=d+e%f");
    form.addEscaped("cl_name", "Иван \"Грозный\"\r\n");
    form.addInt("fltid", -1);
    form.add("empty", "");
    EXPECT_EQ(form.body().find_first_of(" \r\n\"\xD0"), std::string::npos);

    auto parsed = Form::parse(form.body());
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->fields().size(), 4u);
    EXPECT_EQ(*parsed->find("plain"), "a b&c=d+e%f");
    EXPECT_EQ(*parsed->find("cl_name"), escapeText("Иван \"Грозный\"\r\n"));
    EXPECT_EQ(*parsed->find("fltid"), "-1");
    EXPECT_EQ(*parsed->find("empty"), "");
    EXPECT_EQ(parsed->find("absent"), nullptr);
}

TEST(CatalogueForm, ParsesWhatBrowsersSendAndRefusesBrokenEscapes) {
    auto form = Form::parse("a=1+2&&flag&b=%d0%af&a=second");
    ASSERT_TRUE(form);
    EXPECT_EQ(*form->find("a"), "1 2");
    EXPECT_EQ(*form->find("flag"), "");
    EXPECT_EQ(*form->find("b"), "\xD0\xAF");
    EXPECT_FALSE(Form::parse("a=%4"));
    EXPECT_FALSE(Form::parse("a=%zz"));
    EXPECT_FALSE(Form::parse("a=100%"));
}

TEST(CatalogueDates, WritesAndReadsUtcTimes) {
    EXPECT_EQ(formatUtc(0), "1970-01-01 00:00:00");
    EXPECT_EQ(formatUtc(1700000000), "2023-11-14 22:13:20");
    EXPECT_EQ(formatUtc(951825600), "2000-02-29 12:00:00");
    EXPECT_EQ(parseUtc("2023-11-14 22:13:20"), 1700000000);
    EXPECT_EQ(parseUtc("2000-02-29 12:00:00"), 951825600);
    EXPECT_FALSE(parseUtc("2023-02-29 00:00:00"));
    EXPECT_FALSE(parseUtc("2023-11-14T22:13:20"));
    EXPECT_FALSE(parseUtc("2023-11-14 24:00:00"));
    EXPECT_FALSE(parseUtc("2023-11-14"));
}

std::vector<std::string> names(const Form& form) {
    std::vector<std::string> out;
    for (const auto& [name, value] : form.fields()) {
        out.push_back(name);
    }
    return out;
}

TEST(CatalogueRequests, FieldsGoInTheServersOrder) {
    Identity who{"{APP}", "1.0", "hw", "Иван", "ivan@example.org", 1049};
    ScriptPublication script;
    script.title = "T";
    script.script = "a\r\nb";
    EXPECT_EQ(names(scriptPutForm(script, who)),
              (std::vector<std::string>{"del_mode", "scr_id", "scr_uniapps", "scr_publics",
                                        "scr_title", "scr_descr", "scr_script", "appid",
                                        "appver", "hwdid", "cl_name", "cl_mail", "cl_lcid"}));
    EXPECT_EQ(names(scriptDeleteForm(script, who)).size(), 12u);
    EXPECT_EQ(*scriptPutForm(script, who).find("scr_script"), "a\\r\\nb");
    EXPECT_EQ(names(scriptRateForm(3, 4, "", who)),
              (std::vector<std::string>{"scr_id", "rate_value", "rate_notes", "appid", "appver",
                                        "hwdid", "cl_name", "cl_mail", "cl_lcid"}));
    EXPECT_EQ(names(scriptDataForm(3)), (std::vector<std::string>{"scr_id"}));

    SystemPublication system;
    system.clist = "01 02 03 04 05\r\n";
    Form put = systemPutForm(system, who, false);
    EXPECT_EQ(names(put),
              (std::vector<std::string>{"del_mode", "sys_id", "nums", "clen", "olap", "title",
                                        "descr", "csize", "clist", "url", "appid", "appver",
                                        "hwdid", "cl_name", "cl_mail", "cl_lcid"}));
    EXPECT_EQ(base64Decode(*put.find("clist")), "01 02 03 04 05\\r\\n");
    EXPECT_EQ(*systemPutForm(system, who, true).find("clist"), "");
    EXPECT_EQ(*systemListForm(who).find("comblen"), "5");
}

}  // namespace
}  // namespace pentad::catalogue
