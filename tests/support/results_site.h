// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the lottery operator's results search page on a loopback
// server: it answers every date range with one table row per day, midday and
// evening digits made up from the date, in the page shape the download reads.
#pragma once

#include <functional>
#include <httplib.h>
#include <mutex>
#include <string>
#include <vector>

#include "game/date_time.h"
#include "shell/error.h"

namespace pentad::test {

// Digits the site reports for a day's midday (0) or evening (1) draw.
inline std::array<int, 5> siteDigits(int ymd, int kind) {
    std::array<int, 5> d{};
    unsigned v = static_cast<unsigned>(ymd) * 2654435761u + static_cast<unsigned>(kind) * 40503u;
    for (int& x : d) {
        v = v * 1103515245u + 12345u;
        x = static_cast<int>((v >> 16) % 10);
    }
    return d;
}

inline std::string digitsCell(const std::array<int, 5>& d, const char* separator = "-") {
    std::string s;
    for (size_t i = 0; i < d.size(); ++i) {
        if (i > 0) {
            s += separator;
        }
        s += std::to_string(d[i]);
    }
    return s;
}

// "MM/DD/YYYY" of a YYYYMMDD date.
inline std::string siteDate(int ymd) {
    return format("%02d/%02d/%04d", ymd / 100 % 100, ymd % 100, ymd / 10000);
}

// One table row with three cells and some extra markup around them.
inline std::string resultsRow(const std::string& date, const std::string& midday,
                              const std::string& evening) {
    return "<tr class=\"odd\">\n  <td class=\"date\"><div>" + date +
           "</div></td>\n  <td><span class=\"m\"></span><div>" + midday +
           "</div></td>\n  <td><div>" + evening +
           "</div></td>\n  <td><div>Fireball: 7</div></td>\n</tr>\n";
}

// A whole page around the rows; `upper` writes the markers in capitals.
inline std::string resultsPage(const std::string& rows, bool upper = false) {
    std::string page =
        "<!DOCTYPE html><html><head><title>Results</title></head><body>\n"
        "<nav><tr><td><div>01/01/2000</div></td></tr></nav>\n";
    page += upper ? "<SECTION CLASS=\"WINNINGNUMBERSRESULTS\">"
                  : "<section class=\"winningNumbersResults\">";
    page +=
        "\n<h2>PICK 5</h2><table class=\"style1\"><thead><tr><th>Date</th><th>Midday</th>"
        "<th>Evening</th></tr>";
    page += upper ? "</THEAD><TBODY>" : "</thead><tbody>";
    page += "\n" + rows;
    page += upper ? "</TBODY></TABLE>" : "</tbody></table>";
    page += "\n</section>\n";
    page += upper ? "<FOOTER ID=\"footerMain\">" : "<footer id=\"footerMain\">";
    page += "<p>(c)</p></footer></body></html>\n";
    return page;
}

// The site: days up to `newest` (YYYYMMDD) are known; on the newest day the
// evening draw is known only when `newestEvening` is set.
class ResultsSite {
public:
    int newest = 0;
    bool newestEvening = true;
    // Replaces the page of a request when set (from and to as YYYYMMDD).
    std::function<std::string(int from, int to)> pageFor;

    void install(httplib::Server& server) {
        server.Get("/site/winningNumberSearch", [this](const httplib::Request& req,
                                                       httplib::Response& res) {
            const int from = ymdOf(req.get_param_value("fromDateIn"));
            const int to = ymdOf(req.get_param_value("toDateIn"));
            std::function<std::string(int, int)> custom;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_targets.push_back(req.target);
                m_ranges.emplace_back(from, to);
                custom = pageFor;
            }
            res.set_content(custom ? custom(from, to) : page(from, to), "text/html; charset=utf-8");
        });
    }

    // The page the site sends for a range.
    std::string page(int from, int to) const {
        std::string rows;
        for (int d = from; d != 0 && d <= to && d <= newest; d = IncYMD(d, 1)) {
            const bool evening = d < newest || newestEvening;
            rows += resultsRow(siteDate(d), digitsCell(siteDigits(d, 0)),
                               evening ? digitsCell(siteDigits(d, 1)) : "-");
        }
        return resultsPage(rows);
    }

    std::vector<std::pair<int, int>> ranges() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_ranges;
    }
    std::vector<std::string> targets() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_targets;
    }

    // The CSV lines ("MM/DD/YYYY M";d1;..;d5) of the draws of days from..to,
    // as an import would read them.
    static std::string csvOf(int from, int to, bool lastEvening = true) {
        std::string csv;
        for (int d = from; d <= to; d = IncYMD(d, 1)) {
            for (int kind = 0; kind < 2; ++kind) {
                if (kind == 1 && d == to && !lastEvening) {
                    break;
                }
                csv += "\"" + siteDate(d) + (kind == 0 ? " M" : " E") + "\";" +
                       digitsCell(siteDigits(d, kind), ";") + "\r\n";
            }
        }
        return csv;
    }

private:
    static int ymdOf(const std::string& date) {
        if (date.size() != 10) {
            return 0;
        }
        return std::stoi(date.substr(6, 4)) * 10000 + std::stoi(date.substr(0, 2)) * 100 +
               std::stoi(date.substr(3, 2));
    }

    std::mutex m_mutex;
    std::vector<std::string> m_targets;
    std::vector<std::pair<int, int>> m_ranges;
};

}  // namespace pentad::test
