// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/spreadsheet.h"

#include <gtest/gtest.h>

namespace pentad {
namespace {

std::string rowsOf(const std::string& xml) {
    const size_t begin = xml.find("<Table>\r\n") + 9;
    return xml.substr(begin, xml.find("</Table>") - begin);
}

TEST(Spreadsheet, HeadersAreBoldTextAndCellsKeepWhatTheListShows) {
    SheetTable t{"Статистика",
                 {"Значение", "Количество"},
                 {{"7", "20,00000"},
                  {"00123", "-3.5"},
                  {"1 000,00", "a<b & \"c\"\r\nd"},
                  {"1.", "12345678901234567"}}};
    const std::string xml = spreadsheetXml(t);
    EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                        "<?mso-application progid=\"Excel.Sheet\"?>\r\n",
                        0),
              0u);
    EXPECT_NE(xml.find("<Worksheet ss:Name=\"Статистика\">"), std::string::npos);
    EXPECT_EQ(rowsOf(xml),
              "<Row><Cell ss:StyleID=\"h\"><Data ss:Type=\"String\">Значение</Data></Cell>"
              "<Cell ss:StyleID=\"h\"><Data ss:Type=\"String\">Количество</Data></Cell></Row>\r\n"
              // Numbers with either separator become numbers written with ".".
              "<Row><Cell><Data ss:Type=\"Number\">7</Data></Cell>"
              "<Cell><Data ss:Type=\"Number\">20.00000</Data></Cell></Row>\r\n"
              // A combination with leading zeros stays text.
              "<Row><Cell><Data ss:Type=\"String\">00123</Data></Cell>"
              "<Cell><Data ss:Type=\"Number\">-3.5</Data></Cell></Row>\r\n"
              "<Row><Cell><Data ss:Type=\"String\">1 000,00</Data></Cell>"
              "<Cell><Data ss:Type=\"String\">a&lt;b &amp; &quot;c&quot;&#10;d</Data></Cell>"
              "</Row>\r\n"
              // Half a number and more digits than a double holds stay text.
              "<Row><Cell><Data ss:Type=\"String\">1.</Data></Cell>"
              "<Cell><Data ss:Type=\"String\">12345678901234567</Data></Cell></Row>\r\n");
    EXPECT_EQ(xml.substr(xml.size() - 13), "</Workbook>\r\n");
}

TEST(Spreadsheet, SheetAndFileNamesAvoidRefusedCharacters) {
    // Sheet names: no ":\/?*[]", at most 31 characters, never half a letter.
    SheetTable t{"Рейтинг: [a/b] " + std::string(40, 'x'), {}, {}};
    EXPECT_NE(spreadsheetXml(t).find("ss:Name=\"Рейтинг_ _a_b_ " + std::string(16, 'x') + "\""),
              std::string::npos);
    SheetTable cyrillic{std::string(40, 'x').substr(0, 30) + "Ставки", {}, {}};
    EXPECT_NE(spreadsheetXml(cyrillic).find("ss:Name=\"" + std::string(30, 'x') + "С\""),
              std::string::npos);
    EXPECT_NE(spreadsheetXml(SheetTable{}).find("ss:Name=\"Sheet1\""), std::string::npos);
    EXPECT_EQ(spreadsheetFileName("Архив тиражей", "2026-12-09 12-00-01"),
              "Архив тиражей 2026-12-09 12-00-01.xls");
    EXPECT_EQ(spreadsheetFileName("a/b:c", "t"), "a_b_c t.xls");
}

}  // namespace
}  // namespace pentad
