// SPDX-License-Identifier: GPL-3.0-or-later
// The lists of the command-line tool written as spreadsheet workbooks: the
// same cells as the printed lines, numbers stored as numbers.
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "shell/file_io.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"
#include "support/xlsx_reader.h"

namespace pentad {
namespace {

using test::TempDir;

std::vector<std::vector<std::string>> printedCells(const std::string& out) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : splitLines(out)) {
        std::vector<std::string>& cells = rows.emplace_back();
        size_t start = 0;
        for (size_t tab = line.find('\t'); tab != std::string::npos;
             start = tab + 1, tab = line.find('\t', start)) {
            cells.push_back(line.substr(start, tab - start));
        }
        cells.push_back(line.substr(start));
    }
    return rows;
}

// Every printed cell is in the workbook at its place: a number where the
// printed text is one, the text itself otherwise. `firstRow` is the sheet row
// of the first printed line.
void expectSameCells(const std::string& printed, const test::Workbook& book, size_t firstRow) {
    static const std::regex kNumber("-?(0|[1-9][0-9]{0,14})(\\.[0-9]+)?");
    const auto lines = printedCells(printed);
    ASSERT_EQ(book.rows.size(), lines.size() + firstRow);
    for (size_t r = 0; r < lines.size(); ++r) {
        const auto& sheetRow = book.rows[r + firstRow];
        for (size_t c = 0; c < lines[r].size(); ++c) {
            const std::string& text = lines[r][c];
            const test::SheetCell cell = c < sheetRow.size() ? sheetRow[c] : test::SheetCell{};
            const bool number = std::regex_match(text, kNumber);
            if (number && r + firstRow > 0) {
                ASSERT_TRUE(cell.number) << r << "," << c << " " << text;
                EXPECT_NEAR(std::stod(cell.text), std::stod(text), 1e-9) << text;
            } else {
                EXPECT_FALSE(cell.number) << r << "," << c << " " << text;
                EXPECT_EQ(cell.text, text) << r << "," << c;
            }
        }
    }
}

class XlsxCli : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("a.csv",
                  "1;\"08/01/2016 M\";9;8;6;5;6\r\n2;\"08/01/2016 E\";0;8;6;1;0\r\n"
                  "3;\"08/02/2016 M\";0;0;7;1;2\r\n");
        ASSERT_EQ(test::runCli(dir, "draws import '" + dir.file("a.csv") + "'").code, 0);
    }
    test::Workbook workbook(const std::string& name) {
        return test::readWorkbook(readFileBytes(dir.file(name)));
    }
    TempDir dir;
};

TEST_F(XlsxCli, DrawListAndStatisticsTableAreWrittenAsPrinted) {
    const test::CliResult list = test::runCli(dir, "draws list");
    const test::CliResult written = test::runCli(dir, "draws list --xlsx '" + dir.file("d.xlsx") + "'");
    EXPECT_EQ(written.code, 0);
    EXPECT_EQ(written.out, "");
    test::Workbook draws = workbook("d.xlsx");
    ASSERT_FALSE(draws.rows.empty());
    EXPECT_EQ(draws.rows[0][0].text, "Тираж");
    EXPECT_EQ(draws.rows[0][7].text, "Дата тиража");
    EXPECT_NE(draws.parts.at("xl/workbook.xml").find("name=\"Архив тиражей\""),
              std::string::npos);
    expectSameCells(list.out, draws, 1);

    const test::CliResult stats = test::runCli(dir, "stats --method SUMS --len 3");
    ASSERT_EQ(stats.code, 0);
    EXPECT_EQ(test::runCli(dir, "stats --method SUMS --len 3 --xlsx '" + dir.file("s.xlsx") + "'")
                  .code,
              0);
    // The printed table starts with its captions, like the sheet.
    expectSameCells(stats.out, workbook("s.xlsx"), 0);
}

TEST_F(XlsxCli, StakeAndRatingListsAreWrittenAsPrinted) {
    ASSERT_EQ(test::runCli(dir, "stake add --digits '0;0;7;1;2' --draw 3 --comment Тест").code, 0);
    ASSERT_EQ(test::runCli(dir, "stakes check").code, 0);
    const test::CliResult stakes = test::runCli(dir, "stakes list");
    ASSERT_EQ(test::runCli(dir, "stakes list --xlsx '" + dir.file("k.xlsx") + "'").code, 0);
    expectSameCells(stakes.out, workbook("k.xlsx"), 0);

    const test::CliResult ratings = test::runCli(dir, "ratings list --mode 2");
    ASSERT_EQ(test::runCli(dir, "ratings list --mode 2 --xlsx '" + dir.file("r.xlsx") + "'").code,
              0);
    ASSERT_GE(printedCells(ratings.out).size(), 2u);
    expectSameCells(ratings.out, workbook("r.xlsx"), 0);
}

TEST_F(XlsxCli, AWorkbookThatCannotBeWrittenIsAnErrorWithoutAFile) {
    const test::CliResult r =
        test::runCli(dir, "draws list --xlsx '" + dir.file("none/d.xlsx") + "'");
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(dir.read("stderr.txt").rfind("Ошибка экспорта данных!", 0), 0u);
    EXPECT_FALSE(folderExists(dir.file("none")));
}

}  // namespace
}  // namespace pentad
