// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/spreadsheet.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <map>
#include <memory>

#include <xlsxwriter.h>

#include "shell/error.h"
#include "shell/file_io.h"

namespace pentad {
namespace {

constexpr std::string_view kSheetForbidden = ":\\/?*[]";
constexpr std::string_view kFileForbidden = "<>:\"/\\|?*";
constexpr size_t kSheetNameLength = 31;
// Spreadsheet programs keep 15 significant digits.
constexpr size_t kMaxIntegerDigits = 15;
// Column widths in characters: a floor that keeps short captions readable and
// a ceiling that keeps one long comment from pushing the rest off the screen.
constexpr double kMinColumnWidth = 4;
constexpr double kMaxColumnWidth = 60;
// Bold captions and the cell padding take a little more than their letters.
constexpr double kColumnPadding = 2;

size_t characterCount(std::string_view text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Everything but tab, line feed and carriage return below 0x20 is not allowed
// in XML 1.0; the rest of the text is kept exactly.
std::string cellText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') {
            out += c;
        }
    }
    return out;
}

// The number format that shows `decimals` places ("0.00" for two).
std::string decimalsFormat(size_t decimals) {
    return decimals == 0 ? std::string("0") : "0." + std::string(decimals, '0');
}

void check(lxw_error code) {
    if (code != LXW_NO_ERROR) {
        throw Error(lxw_strerror(code));
    }
}

// The workbook being built in a temporary file, removed on every path.
class TemporaryWorkbook {
public:
    TemporaryWorkbook() {
        std::error_code ec;
        std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
        std::string pattern = (ec ? std::filesystem::path("/tmp") : folder) / "pentad-XXXXXX";
        int fd = ::mkstemp(pattern.data());
        if (fd < 0) {
            throw Error(systemErrorText(errno));
        }
        ::close(fd);
        m_path = pattern;
    }
    ~TemporaryWorkbook() {
        if (m_book != nullptr) {
            workbook_close(m_book);
        }
        ::unlink(m_path.c_str());
    }
    TemporaryWorkbook(const TemporaryWorkbook&) = delete;
    TemporaryWorkbook& operator=(const TemporaryWorkbook&) = delete;

    lxw_workbook* open() {
        lxw_workbook_options options{};
        // Rows are written in order: each goes to the file at once.
        options.constant_memory = LXW_TRUE;
        m_book = workbook_new_opt(m_path.c_str(), &options);
        if (m_book == nullptr) {
            throw Error(lxw_strerror(LXW_ERROR_CREATING_XLSX_FILE));
        }
        return m_book;
    }
    // Finishes the file and returns its bytes.
    std::string close() {
        lxw_error code = workbook_close(m_book);
        m_book = nullptr;
        check(code);
        return readFileBytes(m_path);
    }

private:
    std::string m_path;
    lxw_workbook* m_book = nullptr;
};

}  // namespace

std::string cellNumber(std::string_view text) {
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
    if (intDigits == 0 || intDigits > kMaxIntegerDigits ||
        (intDigits > 1 && text[firstDigit] == '0')) {
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
        const bool refused = kSheetForbidden.find(c) != std::string_view::npos ||
                             static_cast<unsigned char>(c) < 0x20;
        name += refused ? '_' : c;
    }
    // A name may neither begin nor end with an apostrophe.
    if (!name.empty() && name.front() == '\'') {
        name.front() = '_';
    }
    if (!name.empty() && name.back() == '\'') {
        name.back() = '_';
    }
    return name.empty() ? std::string("Sheet1") : name;
}

void writeWorkbook(const SheetTable& table, const std::string& path) {
    TemporaryWorkbook file;
    lxw_workbook* book = file.open();
    const std::string name = sheetName(table.title);
    lxw_worksheet* sheet = workbook_add_worksheet(book, name.c_str());
    if (sheet == nullptr) {
        throw Error(lxw_strerror(LXW_ERROR_PARAMETER_VALIDATION));
    }
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    std::map<size_t, lxw_format*> decimalFormats;
    auto formatFor = [&](size_t decimals) {
        auto [it, added] = decimalFormats.try_emplace(decimals, nullptr);
        if (added) {
            it->second = workbook_add_format(book);
            format_set_num_format(it->second, decimalsFormat(decimals).c_str());
        }
        return it->second;
    };

    size_t columns = table.headers.size();
    for (const auto& row : table.rows) {
        columns = std::max(columns, row.size());
    }
    if (columns > LXW_COL_MAX || table.rows.size() + 1 > LXW_ROW_MAX) {
        throw Error(lxw_strerror(LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE));
    }
    // Widths first: the file gets its column list before the rows.
    std::vector<double> widths(columns, kMinColumnWidth);
    auto widen = [&](size_t column, const std::string& text, double extra) {
        widths[column] = std::max(widths[column], static_cast<double>(characterCount(text)) + extra);
    };
    for (size_t c = 0; c < table.headers.size(); ++c) {
        widen(c, table.headers[c], kColumnPadding + 1);
    }
    for (const auto& row : table.rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            widen(c, row[c], kColumnPadding);
        }
    }
    for (size_t c = 0; c < columns; ++c) {
        const auto col = static_cast<lxw_col_t>(c);
        check(worksheet_set_column(sheet, col, col, std::min(widths[c], kMaxColumnWidth), nullptr));
    }

    lxw_row_t row = 0;
    if (!table.headers.empty()) {
        for (size_t c = 0; c < table.headers.size(); ++c) {
            check(worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c),
                                         cellText(table.headers[c]).c_str(), bold));
        }
        worksheet_freeze_panes(sheet, 1, 0);
        row = 1;
    }
    for (const auto& cells : table.rows) {
        for (size_t c = 0; c < cells.size(); ++c) {
            const auto col = static_cast<lxw_col_t>(c);
            const std::string number = cellNumber(cells[c]);
            if (number.empty()) {
                if (!cells[c].empty()) {
                    check(worksheet_write_string(sheet, row, col, cellText(cells[c]).c_str(),
                                                 nullptr));
                }
                continue;
            }
            double value = 0;
            std::from_chars(number.data(), number.data() + number.size(), value);
            const size_t point = number.find('.');
            const size_t decimals = point == std::string::npos ? 0 : number.size() - point - 1;
            check(worksheet_write_number(sheet, row, col, value,
                                         decimals == 0 ? nullptr : formatFor(decimals)));
        }
        ++row;
    }
    writeFileAtomic(path, file.close());
}

std::string spreadsheetFileName(const std::string& title, const std::string& timestamp) {
    std::string name;
    for (char c : title + " " + timestamp) {
        const bool refused = kFileForbidden.find(c) != std::string_view::npos ||
                             (static_cast<unsigned char>(c) < 0x20);
        name += refused ? '_' : c;
    }
    return name + ".xlsx";
}

}  // namespace pentad
