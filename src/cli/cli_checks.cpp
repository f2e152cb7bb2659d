// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_checks.h"

#include <algorithm>
#include <filesystem>

#include "cli_context.h"
#include "filters/filter_item.h"
#include "game/draw_archive.h"
#include "game/game_texts.h"
#include "scenarios/line_check.h"
#include "scenarios/script_line.h"
#include "shell/error.h"
#include "shell/text_utils.h"
#include "stats/custom_stat.h"
#include "stats/stat_class.h"
#include "stats/stat_page.h"

namespace pentad::cli {
namespace {

// Most values of a table listed in a message.
constexpr size_t kListedValues = 60;
// Most numbers a range of --values may span.
constexpr long long kMaxRange = 100000;

std::string quoted(const std::vector<std::string>& words) {
    std::string out;
    for (const std::string& w : words) {
        out += (out.empty() ? "\"" : ", \"") + w + "\"";
    }
    return out;
}

// The values of the table in ascending order, the first ones of a long list.
std::string tableValues(const StatPage& page) {
    std::vector<std::string> values;
    for (int r = 0; r < page.rowCount(); ++r) {
        values.push_back(page.cells(r)[0]);
    }
    if (values.empty()) {
        return "no rows";
    }
    std::sort(values.begin(), values.end(), [](const std::string& a, const std::string& b) {
        return compareStatCells(a, b) < 0;
    });
    std::string out = "the values ";
    for (size_t i = 0; i < values.size() && i < kListedValues; ++i) {
        out += (i > 0 ? ", " : "") + values[i];
    }
    if (values.size() > kListedValues) {
        out += format(", ... (%d values)", static_cast<int>(values.size()));
    }
    return out;
}

// "A-B" with whole numbers A <= B.
bool parseRange(const std::string& text, int& from, int& to) {
    const size_t dash = text.find('-', 1);
    return dash != std::string::npos && parseInt32(trim(text.substr(0, dash)), from) &&
           parseInt32(trim(text.substr(dash + 1)), to) && from <= to &&
           static_cast<long long>(to) - from < kMaxRange;
}

// Rows a whole number names; see rowsOfValues.
void addRowsOfNumber(const StatPage& page, const TCustomStat& stat, int number,
                     std::vector<int>& rows, bool& found) {
    const std::string text = std::to_string(number);
    const bool numeric = stat.statClass().hasNumericValue;
    for (int r = 0; r < page.rowCount(); ++r) {
        const std::string& cell = page.cells(r)[0];
        if (cell == text ||
            (numeric && cell.rfind(text, 0) == 0 && stat.ParseValue(cell) == number)) {
            rows.push_back(r);
            found = true;
        }
    }
}

}  // namespace

void requireDataFolder(const std::optional<std::string>& dir) {
    if (!dir) {
        return;
    }
    std::error_code ec;
    if (dir->empty() || !std::filesystem::is_directory(*dir, ec)) {
        throw UsageError("--dir: there is no folder \"" + *dir + "\"; create it first");
    }
}

std::array<uint8_t, 5> requireDigits(const std::string& text) {
    std::vector<std::string> words;
    for (const std::string& w : splitAny(text, ",;")) {
        if (!trim(w).empty()) {
            words.push_back(trim(w));
        }
    }
    std::array<uint8_t, 5> digits{};
    if (words.size() != digits.size()) {
        throw Error(texts::kBadDrawDigits);
    }
    for (size_t i = 0; i < digits.size(); ++i) {
        int v = 0;
        if (!parseInt32(words[i], v) || v < 0 || v > 9) {
            throw Error(texts::kBadDrawDigits);
        }
        digits[i] = static_cast<uint8_t>(v);
    }
    return digits;
}

void requireOffset(const DrawArchive& archive, int offset) {
    if (offset < 0 || (offset > 0 && offset >= archive.count())) {
        throw UsageError(
            format("--offset: %d is not below the number of draws (%d)", offset, archive.count()));
    }
}

std::vector<int> rowsOfValues(const StatPage& page, const TCustomStat& stat,
                              const std::string& values) {
    std::vector<int> rows;
    std::vector<std::string> words;
    for (const std::string& w : splitAny(values, ",;")) {
        if (!trim(w).empty()) {
            words.push_back(trim(w));
        }
    }
    if (words.empty()) {
        throw UsageError("--values: no value given; the table has " + tableValues(page));
    }
    for (const std::string& w : words) {
        bool found = false;
        for (int r = 0; r < page.rowCount(); ++r) {
            if (page.cells(r)[0] == w) {
                rows.push_back(r);
                found = true;
            }
        }
        int from = 0;
        int to = 0;
        if (!found && parseRange(w, from, to)) {
            found = true;
            for (long long n = from; n <= to && found; ++n) {
                found = false;
                addRowsOfNumber(page, stat, static_cast<int>(n), rows, found);
            }
        } else if (!found && parseInt32(w, from)) {
            addRowsOfNumber(page, stat, from, rows, found);
        }
        if (!found) {
            throw UsageError("--values: \"" + w + "\" names no row of the table; the table has " +
                             tableValues(page));
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void requireFilterItem(const std::string& text, const TStatList& list) {
    if (trim(text).empty()) {
        throw UsageError("--item: an empty filter item");
    }
    const std::vector<std::string> unread = unreadFilterWords(text, list);
    if (!unread.empty()) {
        throw UsageError("--item \"" + text + "\": not understood: " + quoted(unread));
    }
    if (std::optional<FilterProblem> problem = validateFilterItem(TextToFilterItem(text, list))) {
        throw UsageError("--item \"" + text + "\": " + problem->message);
    }
}

void requireScriptLine(const std::string& text, const TStatList& list) {
    const std::vector<std::string> unread = unreadLineWords(text, list);
    if (!unread.empty()) {
        throw UsageError("line \"" + text + "\": not understood: " + quoted(unread));
    }
    const TScriptLine line = TextToLine(text);
    for (const std::string& f : line.Filters) {
        if (trim(f).empty()) {
            continue;
        }
        if (std::optional<FilterProblem> problem = validateFilterItem(TextToFilterItem(f, list))) {
            throw UsageError("line \"" + text + "\", filter \"" + f + "\": " + problem->message);
        }
    }
}

void requireIndexes(const std::vector<int>& numbers, int count, const char* option) {
    for (int n : numbers) {
        if (count < 1) {
            throw UsageError(format("%s: %d, but the list is empty", option, n));
        }
        if (n < 1 || n > count) {
            throw UsageError(format("%s: %d is not one of 1..%d", option, n, count));
        }
    }
}

}  // namespace pentad::cli
