// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/spreadsheet.h"

#include <gtest/gtest.h>

#include <regex>

#include "shell/error.h"
#include "shell/file_io.h"
#include "support/temp_dir.h"
#include "support/xlsx_reader.h"

namespace pentad {
namespace {

using test::readWorkbook;

// The cell format of index `style` in styles.xml and the font it uses.
std::string cellFormat(const test::Workbook& book, int style) {
    const std::string& styles = book.parts.at("xl/styles.xml");
    const size_t xfs = styles.find("<cellXfs");
    size_t at = styles.find("<xf ", xfs);
    for (int i = 0; i < style; ++i) {
        at = styles.find("<xf ", at + 1);
    }
    return styles.substr(at, styles.find('>', at) - at);
}

bool boldFont(const test::Workbook& book, int style) {
    std::smatch m;
    const std::string xf = cellFormat(book, style);
    if (!std::regex_search(xf, m, std::regex("fontId=\"([0-9]+)\""))) {
        return false;
    }
    const std::string& styles = book.parts.at("xl/styles.xml");
    size_t at = styles.find("<font>", styles.find("<fonts"));
    for (int i = 0; i < std::stoi(m[1].str()); ++i) {
        at = styles.find("<font>", at + 1);
    }
    return styles.substr(at, styles.find("</font>", at) - at).find("<b/>") != std::string::npos;
}

TEST(Spreadsheet, WorkbookHoldsTheListWithBoldFrozenCaptionsAndNumbersAsNumbers) {
    test::TempDir dir;
    const std::string path = dir.file("Статистика.xlsx");
    SheetTable t{"Статистика",
                 {"Значение", "Количество", "Комментарий"},
                 {{"7", "20,00000", "a<b & \"c\"\r\nd"},
                  {"00123", "-3.5", ""},
                  {"1 000,00", "1.", "12345678901234567"},
                  {"0", "0,25", "Сумма 15"}}};
    writeWorkbook(t, path);
    const test::Workbook book = readWorkbook(readFileBytes(path));

    ASSERT_EQ(book.rows.size(), 5u);
    for (size_t c = 0; c < 3; ++c) {
        EXPECT_EQ(book.rows[0][c].text, t.headers[c]);
        EXPECT_FALSE(book.rows[0][c].number);
        EXPECT_TRUE(boldFont(book, book.rows[0][c].style)) << c;
    }
    const auto& r1 = book.rows[1];
    ASSERT_EQ(r1.size(), 3u);
    EXPECT_TRUE(r1[0].number);
    EXPECT_EQ(r1[0].text, "7");
    EXPECT_FALSE(boldFont(book, r1[0].style));
    // Either decimal separator makes a number, shown with the list's decimals.
    EXPECT_TRUE(r1[1].number);
    EXPECT_DOUBLE_EQ(std::stod(r1[1].text), 20.0);
    EXPECT_NE(cellFormat(book, r1[1].style).find("numFmtId=\"164\""), std::string::npos);
    EXPECT_NE(book.parts.at("xl/styles.xml").find("formatCode=\"0.00000\""), std::string::npos);
    EXPECT_FALSE(r1[2].number);
    EXPECT_EQ(r1[2].text, "a<b & \"c\"\r\nd");
    // A combination with leading zeros, half a number, thousands separators
    // and more digits than a spreadsheet keeps stay text.
    const auto& r2 = book.rows[2];
    ASSERT_GE(r2.size(), 2u);
    EXPECT_FALSE(r2[0].number);
    EXPECT_EQ(r2[0].text, "00123");
    EXPECT_TRUE(r2[1].number);
    EXPECT_DOUBLE_EQ(std::stod(r2[1].text), -3.5);
    EXPECT_EQ(r2.size(), 2u);  // an empty cell is left out
    for (const auto& cell : book.rows[3]) {
        EXPECT_FALSE(cell.number) << cell.text;
    }
    ASSERT_EQ(book.rows[4].size(), 3u);
    EXPECT_TRUE(book.rows[4][0].number);
    EXPECT_EQ(book.rows[4][2].text, "Сумма 15");

    const std::string& sheet = book.parts.at("xl/worksheets/sheet1.xml");
    EXPECT_NE(sheet.find("ySplit=\"1\""), std::string::npos);
    EXPECT_NE(sheet.find("state=\"frozen\""), std::string::npos);
    // Every column is as wide as its longest cell; "12345678901234567" is the
    // longest of the third.
    std::smatch m;
    ASSERT_TRUE(std::regex_search(sheet, m, std::regex("<col min=\"3\" max=\"3\" width=\"([0-9.]+)\"")));
    EXPECT_GE(std::stod(m[1].str()), 17.0);
    EXPECT_LT(std::stod(m[1].str()), 25.0);
    EXPECT_NE(book.parts.at("xl/workbook.xml").find("name=\"Статистика\""), std::string::npos);
}

TEST(Spreadsheet, AFailedWriteLeavesNoFileAndKeepsTheOldOne) {
    test::TempDir dir;
    SheetTable t{"Ставки", {"№"}, {{"1"}}};
    EXPECT_THROW(writeWorkbook(t, dir.file("missing/Ставки.xlsx")), Error);
    EXPECT_FALSE(folderExists(dir.file("missing")));

    // An older file of the same name stays when the new one cannot replace it.
    dir.write("old.xlsx", "old");
    std::filesystem::create_directory(dir.file("old.xlsx.d"));
    EXPECT_THROW(writeWorkbook(t, dir.file("old.xlsx.d")), Error);
    EXPECT_EQ(dir.read("old.xlsx"), "old");
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"old.xlsx", "old.xlsx.d"}));
}

TEST(Spreadsheet, SheetAndFileNamesAvoidRefusedCharacters) {
    // Sheet names: no ":\/?*[]", at most 31 characters, never half a letter.
    EXPECT_EQ(sheetName("Рейтинг: [a/b] " + std::string(40, 'x')),
              "Рейтинг_ _a_b_ " + std::string(16, 'x'));
    EXPECT_EQ(sheetName(std::string(30, 'x') + "Ставки"), std::string(30, 'x') + "С");
    EXPECT_EQ(sheetName(""), "Sheet1");
    EXPECT_EQ(sheetName("'a'"), "_a_");
    EXPECT_EQ(spreadsheetFileName("Архив тиражей", "2026-12-09 12-00-01"),
              "Архив тиражей 2026-12-09 12-00-01.xlsx");
    EXPECT_EQ(spreadsheetFileName("a/b:c", "t"), "a_b_c t.xlsx");
}

}  // namespace
}  // namespace pentad
