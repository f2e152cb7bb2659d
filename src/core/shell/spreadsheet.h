// SPDX-License-Identifier: GPL-3.0-or-later
// A list as the user sees it, handed to a spreadsheet program: one worksheet
// of the XML spreadsheet format that Excel 2003 and later and LibreOffice
// open directly, named by the page it comes from, with the column captions
// in bold as the first row. Cells that read as numbers are stored as numbers
// so that the spreadsheet can compute with them; every other cell keeps its
// text exactly.
#pragma once

#include <string>
#include <vector>

namespace pentad {

struct SheetTable {
    std::string title;  // the page caption, e.g. "Статистика"
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
};

// The whole document, UTF-8.
std::string spreadsheetXml(const SheetTable& table);

// "<title> <yyyy-mm-dd hh-mm-ss>.xls" with the characters file systems refuse
// replaced by "_". Spreadsheet programs read the XML format under that name
// too, and desktops pass ".xls" files to them rather than to a text editor.
std::string spreadsheetFileName(const std::string& title, const std::string& timestamp);

}  // namespace pentad
