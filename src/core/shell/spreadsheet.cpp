// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/spreadsheet.h"

#include <string_view>

namespace pentad {
namespace {

// Worksheet names may not hold these and are cut at 31 characters.
constexpr std::string_view kSheetForbidden = ":\\/?*[]";
constexpr std::string_view kFileForbidden = "<>:\"/\\|?*";
constexpr size_t kSheetNameLength = 31;

void appendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\r':
                break;
            case '\n':
                out += "&#10;";
                break;
            default:
                // Other control characters are not allowed in XML 1.0.
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') {
                    out += c;
                }
        }
    }
}

// The number a cell shows, written with "." for the spreadsheet, or empty
// when the text is not a plain number. Leading zeros other than a lone "0"
// before the decimal separator keep the cell as text ("00123" is a
// combination, not a hundred and twenty-three).
std::string numberOf(std::string_view text) {
    size_t i = 0;
    std::string number;
    if (i < text.size() && text[i] == '-') {
        number += '-';
        ++i;
    }
    const size_t firstDigit = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        number += text[i++];
    }
    const size_t intDigits = i - firstDigit;
    if (intDigits == 0 || intDigits > 15 || (intDigits > 1 && text[firstDigit] == '0')) {
        return {};
    }
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        number += '.';
        ++i;
        const size_t firstDecimal = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            number += text[i++];
        }
        if (i == firstDecimal) {
            return {};
        }
    }
    return i == text.size() ? number : std::string{};
}

std::string sheetName(const std::string& title) {
    std::string name;
    size_t characters = 0;
    for (const char c : title) {
        // Count characters, not the continuation bytes of UTF-8.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            if (characters == kSheetNameLength) {
                break;
            }
            ++characters;
        }
        name += kSheetForbidden.find(c) != std::string_view::npos ? '_' : c;
    }
    return name.empty() ? std::string("Sheet1") : name;
}

void appendCell(std::string& out, const std::string& text, const char* style) {
    out += "<Cell";
    if (style != nullptr) {
        out += " ss:StyleID=\"";
        out += style;
        out += '"';
    }
    const std::string number = style == nullptr ? numberOf(text) : std::string{};
    if (!number.empty()) {
        out += "><Data ss:Type=\"Number\">" + number + "</Data></Cell>";
    } else {
        out += "><Data ss:Type=\"String\">";
        appendEscaped(out, text);
        out += "</Data></Cell>";
    }
}

}  // namespace

std::string spreadsheetXml(const SheetTable& table) {
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<?mso-application progid=\"Excel.Sheet\"?>\r\n"
        "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\" "
        "xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">\r\n"
        "<Styles><Style ss:ID=\"h\"><Font ss:Bold=\"1\"/></Style></Styles>\r\n"
        "<Worksheet ss:Name=\"";
    appendEscaped(out, sheetName(table.title));
    out += "\">\r\n<Table>\r\n";
    if (!table.headers.empty()) {
        out += "<Row>";
        for (const std::string& h : table.headers) {
            appendCell(out, h, "h");
        }
        out += "</Row>\r\n";
    }
    for (const std::vector<std::string>& row : table.rows) {
        out += "<Row>";
        for (const std::string& cell : row) {
            appendCell(out, cell, nullptr);
        }
        out += "</Row>\r\n";
    }
    out += "</Table>\r\n</Worksheet>\r\n</Workbook>\r\n";
    return out;
}

std::string spreadsheetFileName(const std::string& title, const std::string& timestamp) {
    std::string name;
    for (char c : title + " " + timestamp) {
        const bool refused = kFileForbidden.find(c) != std::string_view::npos ||
                             (static_cast<unsigned char>(c) < 0x20);
        name += refused ? '_' : c;
    }
    return name + ".xls";
}

}  // namespace pentad
