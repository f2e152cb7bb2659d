// SPDX-License-Identifier: GPL-3.0-or-later
// Dates and times as the program counts them: a real number of days since
// 12/30/1899 with the time of day as the fraction (date 0 is that day), and
// the draw date text "MM/DD/YYYY M" / "MM/DD/YYYY E" of the game.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pentad {

using DateTime = double;

inline constexpr double kMiddayTime = 13.0 / 24.0;
inline constexpr double kEveningTime = (19.0 + 57.0 / 60.0) / 24.0;

// Whole-day value of a calendar date; empty when the date does not exist.
std::optional<DateTime> encodeDate(int year, int month, int day);
void decodeDate(DateTime value, int& year, int& month, int& day);
// Hour 0..23 of the time of day.
int hourOf(DateTime value);
DateTime encodeTime(int hour, int minute, int second = 0);

// "mm/dd/yyyy M" when the hour is 1..13, "mm/dd/yyyy E" when it is 0 or
// 14..23; "" for a value <= 0.
std::string DrawDateText(DateTime value);

// Reads "MM/DD/YYYY X": the date only when day 1..31, month 1..12 and year
// 1901..2998 (else the date part is 0); "M" adds 13:00, "E" 19:57 (any case).
// An empty text gives 0. Throws pentad::Error when the day does not exist in
// its month (02/30/2024).
DateTime DrawTextToDate(std::string_view text);

// YYYY*10000 + MM*100 + DD of the date part.
int DateToYMD(DateTime value);
// Date of a YYYYMMDD integer (0 when it is not a date).
DateTime YMDToDate(int ymd);
// YYYYMMDD moved by `days`; 0 days returns the input unchanged.
int IncYMD(int ymd, int days);

// The current local date and time.
DateTime nowDateTime();

}  // namespace pentad
