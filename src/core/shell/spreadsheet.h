// SPDX-License-Identifier: GPL-3.0-or-later
// A list as the user sees it, handed to a spreadsheet program: an Office Open
// XML workbook (".xlsx") with one worksheet named by the page it comes from,
// the column captions in bold in a frozen first row, and columns wide enough
// for their longest cell. Cells that read as numbers are stored as numbers
// (shown with the decimals the list showed) so that the spreadsheet can
// compute with them; every other cell keeps its text exactly.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pentad {

struct SheetTable {
    std::string title;  // the page caption, e.g. "Статистика"
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
};

// Writes the workbook to `path`, replacing an existing file only once the new
// one is complete. Throws pentad::Error when it cannot be written; no partial
// file is left behind then, and an older file of that name is kept.
void writeWorkbook(const SheetTable& table, const std::string& path);

// The worksheet name of a title: the characters ":\/?*[]" become "_", at most
// 31 characters, "Sheet1" for an empty title.
std::string sheetName(const std::string& title);

// The number a cell shows, written with "." as decimal point, or empty when
// the text is not a plain number ("-12", "3,50", "0.25"). Leading zeros keep
// a cell text ("00123" is a combination, not a hundred and twenty-three), as
// do more than 15 digits before the point, which a spreadsheet would round.
std::string cellNumber(std::string_view text);

// "<title> <yyyy-mm-dd hh-mm-ss>.xlsx" with the characters file systems refuse
// replaced by "_".
std::string spreadsheetFileName(const std::string& title, const std::string& timestamp);

}  // namespace pentad
