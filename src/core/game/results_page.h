// SPDX-License-Identifier: GPL-3.0-or-later
// The lottery operator's results search page: the address of the request
// for a date range, and the reader that turns the page's results table into
// new draws. Each table row holds the date, the midday digits and the evening
// digits ("-" separated; a cell "-" means the draw has not taken place yet).
#pragma once

#include <string>
#include <string_view>

#include "game/records.h"

namespace pentad {

// The operator's public results host, used when the configuration names none.
inline constexpr const char* kDefaultResultsSite = "http://www.flalottery.com";
inline constexpr const char* kResultsPath = "/site/winningNumberSearch";

// The request for the draws from `fromYmd` to `toYmd` (YYYYMMDD) at `site`
// (scheme, host and port; a trailing "/" is ignored).
std::string resultsRangeAddress(std::string_view site, int fromYmd, int toYmd);

// Reads the results table of `page` (8-bit text) and appends every new draw
// to `collected`, midday before evening, rows in page order. A draw is new
// when none of the four newest `stored` draws has its date text; numbers
// continue from stored.size() + collected.size(). Returns the number added.
// A page without the results section or table adds nothing; a start marker
// without its end marker throws pentad::Error (the pair message).
int readResultsPage(std::string_view page, const TDrawsArray& stored, TDrawsArray& collected);

}  // namespace pentad
