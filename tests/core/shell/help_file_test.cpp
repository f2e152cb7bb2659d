// SPDX-License-Identifier: GPL-3.0-or-later
// Where the help file is found, topic addresses, pages read as text, and the
// interface language that names the help file.
#include "shell/help_file.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "shell/cp1251.h"
#include "shell/interface_language.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

TEST(HelpFile, IsLookedForInTheProgramFolderThenItsHelpFoldersThenTheSharedFolder) {
    test::TempDir dir;
    const std::string bin = dir.file("prefix/bin");
    std::filesystem::create_directories(bin + "/help");
    std::filesystem::create_directories(dir.file("prefix/help"));
    std::filesystem::create_directories(dir.file("prefix/share/pentad/help"));
    EXPECT_EQ(locateHelpFile(bin, "RUS"), "");

    dir.write("prefix/share/pentad/help/Kestrel_RUS.chm", "x");
    EXPECT_EQ(locateHelpFile(bin, "RUS"), dir.file("prefix/share/pentad/help/Kestrel_RUS.chm"));
    dir.write("prefix/help/Kestrel_RUS.chm", "x");
    EXPECT_EQ(locateHelpFile(bin, "RUS"), dir.file("prefix/help/Kestrel_RUS.chm"));
    dir.write("prefix/bin/help/Kestrel_RUS.chm", "x");
    EXPECT_EQ(locateHelpFile(bin, "RUS"), dir.file("prefix/bin/help/Kestrel_RUS.chm"));
    dir.write("prefix/bin/Kestrel_RUS.chm", "x");
    EXPECT_EQ(locateHelpFile(bin, "RUS"), dir.file("prefix/bin/Kestrel_RUS.chm"));

    EXPECT_EQ(locateHelpFile(bin, "ENU"), "");
    EXPECT_EQ(locateHelpFile("", "RUS"), "");
}

TEST(HelpFile, TopicAddressesSplitIntoFileAndPage) {
    auto a = splitHelpAddress("ms-its:/opt/pentad/Kestrel_RUS.chm::/Filters_1049_PRV+1.htm");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->file, "/opt/pentad/Kestrel_RUS.chm");
    EXPECT_EQ(a->page, "/Filters_1049_PRV+1.htm");
    auto upper = splitHelpAddress("MS-ITS:C:\\Pentad\\Kestrel_ENU.chm::index.htm");
    ASSERT_TRUE(upper);
    EXPECT_EQ(upper->file, "C:\\Pentad\\Kestrel_ENU.chm");
    EXPECT_EQ(upper->page, "/index.htm");
    EXPECT_FALSE(splitHelpAddress(""));
    EXPECT_FALSE(splitHelpAddress("http://host/x.htm"));
    EXPECT_FALSE(splitHelpAddress("ms-its:/x.chm"));
    EXPECT_FALSE(splitHelpAddress("ms-its:::/x.htm"));
}

TEST(HelpFile, PagesInWindows1251AreConvertedToUtf8) {
    const std::string page = "<html><head><title>" + utf8ToCp1251("Числа тиража") +
                             "</title><meta http-equiv=\"Content-Type\" content=\"text/html; "
                             "charset=windows-1251\"></head><body>" +
                             utf8ToCp1251("Цифра") + "</body></html>";
    const std::string text = helpPageToUtf8(page);
    EXPECT_NE(text.find("<title>Числа тиража</title>"), std::string::npos) << text;
    EXPECT_NE(text.find("charset=utf-8"), std::string::npos) << text;
    EXPECT_NE(text.find("<body>Цифра</body>"), std::string::npos) << text;

    const std::string utf8 = "<meta charset=\"utf-8\"><p>Цифра</p>";
    EXPECT_EQ(helpPageToUtf8(utf8), utf8);
}

TEST(HelpFile, HtmlBecomesReadableText) {
    const std::string html =
        "<html><head><title>T</title><style>p { color: red }</style></head><body>"
        "<h1>Числа &mdash; тиража</h1><p>Первая\n   строка &amp; &#8594; &#x41;</p>"
        "<ul><li>один</li><li>два</li></ul>"
        "<table><tr><th>Значение</th><th>Количество</th></tr>"
        "<tr><td>1 -&gt; 6</td><td>2</td></tr></table><p>&unknown; x</p></body></html>";
    EXPECT_EQ(htmlToText(html),
              "Числа — тиража\nПервая строка & → A\n- один\n- два\nЗначение\tКоличество\n"
              "1 -> 6\t2\n&unknown; x\n");
}

TEST(InterfaceLanguage, FollowsTheSettingWhenItsModuleIsBesideTheProgram) {
    test::TempDir dir;
    EXPECT_EQ(languageAbbreviation(1049), "RUS");
    EXPECT_EQ(languageAbbreviation(1033), "ENU");
    EXPECT_EQ(languageAbbreviation(12345), "");

    EXPECT_EQ(interfaceLanguage(1033, false, dir.path()), kBuiltInLanguage);
    dir.write("Pentad_ENU.lng", "");
    EXPECT_EQ(interfaceLanguage(1033, false, dir.path()), 1033);
    EXPECT_EQ(interfaceLanguage(1033, true, dir.path()), kBuiltInLanguage);
    EXPECT_EQ(interfaceLanguage(1049, false, dir.path()), kBuiltInLanguage);
    EXPECT_EQ(interfaceLanguage(2057, false, dir.path()), kBuiltInLanguage);
    EXPECT_EQ(interfaceLanguage(12345, false, dir.path()), kBuiltInLanguage);
}

}  // namespace
}  // namespace pentad
