// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/results_page.h"

#include <algorithm>

#include "online/text_cut.h"
#include "shell/cp1251.h"
#include "shell/format_args.h"
#include "shell/text_utils.h"

namespace pentad {
namespace {

constexpr const char* kQuery =
    "?searchTypeIn=range&gameNameIn=PICK5&singleDateIn="
    "&fromDateIn=%1:.2d%%2F%0:.2d%%2F%2:.4d&toDateIn=%4:.2d%%2F%3:.2d%%2F%5:.4d"
    "&n1In=&n2In=&n3In=&n4In=&n5In=&submitForm=Submit";

constexpr std::string_view kSectionStart = "<section class=\"winningNumbersResults\">";
constexpr std::string_view kSectionEnd = "<footer id=\"footerMain\">";
constexpr std::string_view kBodyStart = "</thead><tbody>";
constexpr std::string_view kBodyEnd = "</tbody></table>";
constexpr std::string_view kRowStart = "<tr";
constexpr std::string_view kRowEnd = "</tr>";
constexpr std::string_view kCellStart = "<div>";
constexpr std::string_view kCellEnd = "</div>";

// How many of the newest stored draws the duplicate test looks at.
constexpr int kNewestChecked = 4;

bool storedAmongNewest(const TDrawsArray& stored, const std::string& key) {
    const int last = static_cast<int>(stored.size()) - 1;
    for (int i = last; i >= 0 && i > last - kNewestChecked; --i) {
        if (sameTextNoCase(stored[static_cast<size_t>(i)].dateText(), key)) {
            return true;
        }
    }
    return false;
}

// Adds the draw of one cell when it is new and holds five values.
void collect(const std::string& date, const char* kind, const std::string& cell,
             const TDrawsArray& stored, TDrawsArray& collected) {
    const std::string key = cp1251ToUtf8(date + " " + kind);
    if (cell.empty() || cell == "-" || storedAmongNewest(stored, key)) {
        return;
    }
    std::vector<std::string> words = splitAny(cell, "-");
    if (words.size() != static_cast<size_t>(kPositions)) {
        return;
    }
    TDrawRec draw;
    draw.Number = static_cast<int32_t>(stored.size() + collected.size() + 1);
    draw.setDateText(key);
    for (size_t i = 0; i < words.size(); ++i) {
        draw.Digits[i] = static_cast<uint8_t>(textToInt(trim(words[i])));
    }
    collected.push_back(draw);
}

}  // namespace

std::string resultsRangeAddress(std::string_view site, int fromYmd, int toYmd) {
    while (!site.empty() && site.back() == '/') {
        site.remove_suffix(1);
    }
    std::string address(site);
    address += kResultsPath;
    address += formatIndexed(kQuery, {fromYmd % 100, fromYmd / 100 % 100, fromYmd / 10000,
                                      toYmd % 100, toYmd / 100 % 100, toYmd / 10000});
    return address;
}

int readResultsPage(std::string_view page, const TDrawsArray& stored, TDrawsArray& collected) {
    const std::string body =
        cutTwice(page, kSectionStart, kSectionEnd, CutMode::Strict, kBodyEnd, kBodyStart);
    const size_t before = collected.size();
    std::string_view rows(body);
    while (findNoCase(rows, kRowStart) != std::string_view::npos) {
        const std::string row = cutNext(rows, kRowStart, kRowEnd, CutMode::Strict);
        std::string_view cells(row);
        const std::string date = cutNext(cells, kCellStart, kCellEnd, CutMode::Strict);
        const std::string midday = cutNext(cells, kCellStart, kCellEnd, CutMode::Strict);
        const std::string evening = cutNext(cells, kCellStart, kCellEnd, CutMode::Strict);
        collect(date, "M", midday, stored, collected);
        collect(date, "E", evening, stored, collected);
    }
    return static_cast<int>(collected.size() - before);
}

}  // namespace pentad
