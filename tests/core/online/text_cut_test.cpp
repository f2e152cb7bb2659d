// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/text_cut.h"

#include <gtest/gtest.h>

#include "online/catalogue_form.h"
#include "online/web_text.h"
#include "shell/error.h"

namespace pentad {
namespace {

TEST(TextCut, CutBetweenFindsMarkersWithoutRegardToCaseTrimsAndUnquotes) {
    EXPECT_EQ(cutBetween("a <B> \"x \"\"y\"\" z\" </b> c", "<b>", "</B>"), "x \"y\" z");
    EXPECT_EQ(cutBetween("no marker here", "<b>", "</b>"), "");
    EXPECT_EQ(cutBetween("<b> rest of it ", "<b>", ""), "rest of it");
    // The end marker is looked for only after the start marker.
    EXPECT_EQ(cutBetween("</b><b>x</b>", "<b>", "</b>"), "x");
}

TEST(TextCut, MissingEndMarkerDependsOnMode) {
    try {
        cutBetween("<b>open", "<b>", "</b>", CutMode::Strict);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "Не удалось найти пару идентификаторов \"<b>\" - \"</b>\" в тексте\r\r"
                     "[<b>open]!");
    }
    EXPECT_EQ(cutBetween("<b>open ", "<b>", "</b>", CutMode::ToEnd), "open");
    EXPECT_EQ(cutBetween("<b>open", "<b>", "</b>", CutMode::Empty), "");
}

TEST(TextCut, PairMessageOfAHugeTextShowsItsBeginning) {
    std::string page = "<b>" + std::string(100000, 'x');
    try {
        cutBetween(page, "<b>", "</b>");
        FAIL() << "no error";
    } catch (const Error& e) {
        std::string text = e.what();
        EXPECT_LT(text.size(), 2200u);
        EXPECT_NE(text.find("xxx...]!"), std::string::npos);
    }
}

TEST(TextCut, CutNextConsumesThroughTheEndMarker) {
    std::string source = "<tr>one</tr> <TR>two</TR><tr>three";
    std::string_view rest(source);
    EXPECT_EQ(cutNext(rest, "<tr>", "</tr>"), "one");
    EXPECT_EQ(rest, " <TR>two</TR><tr>three");
    EXPECT_EQ(cutNext(rest, "<tr>", "</tr>"), "two");
    EXPECT_EQ(rest, "<tr>three");
    std::string_view copy = rest;
    EXPECT_EQ(cutNext(copy, "<tr>", "</tr>", CutMode::ToEnd), "three");
    EXPECT_TRUE(copy.empty());
    copy = rest;
    EXPECT_EQ(cutNext(copy, "<tr>", "</tr>", CutMode::Empty), "");
    EXPECT_TRUE(copy.empty());
    EXPECT_THROW(cutNext(rest, "<tr>", "</tr>"), Error);
    // Without a start marker the source stays.
    std::string_view none("abc");
    EXPECT_EQ(cutNext(none, "<tr>", "</tr>"), "");
    EXPECT_EQ(none, "abc");
}

TEST(TextCut, CutToNextAndCutTwice) {
    std::string source = "head<tr> a <tr>b<TR>c";
    std::string_view rest(source);
    EXPECT_EQ(cutToNext(rest, "<tr>"), "a");
    EXPECT_EQ(rest, "<tr>b<TR>c");
    EXPECT_EQ(cutToNext(rest, "<tr>"), "b");
    EXPECT_EQ(cutToNext(rest, "<tr>"), "c");
    EXPECT_TRUE(rest.empty());
    EXPECT_EQ(cutToNext(rest, "<tr>"), "");

    EXPECT_EQ(cutTwice("x<s>junk<in> body </out>tail</s>", "<s>", "</s>", CutMode::Strict, "</out>",
                       "<in>"),
              "body");
}

TEST(TextCut, Unquote) {
    EXPECT_EQ(unquote("  \"a \"\"b\"\" c\"  "), "a \"b\" c");
    EXPECT_EQ(unquote("\"a\"b\""), "ab");
    EXPECT_EQ(unquote("\""), "\"");
    EXPECT_EQ(unquote("\"\""), "");
    EXPECT_EQ(unquote("plain \"x\""), "plain \"x\"");
}

TEST(WebText, QueriesAndAddresses) {
    EXPECT_EQ(joinQuery("a=1", "b=2"), "a=1&b=2");
    EXPECT_EQ(joinQuery("", "b=2"), "b=2");
    EXPECT_EQ(joinQuery("a=1", ""), "a=1");
    EXPECT_EQ(addressBase("http://h/scripts/x.php?a=1"), "http://h/scripts/");
    EXPECT_EQ(addressBase("nothing"), "");
    EXPECT_TRUE(isHttps("HTTPS://host/"));
    EXPECT_FALSE(isHttps("http://host/"));
    EXPECT_FALSE(isHttps("https:/"));
    EXPECT_EQ(catalogue::formEncodeValue("a b&c=д~"), "a+b%26c%3D%D0%B4~");
}

}  // namespace
}  // namespace pentad
