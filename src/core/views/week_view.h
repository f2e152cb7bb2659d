// SPDX-License-Identifier: GPL-3.0-or-later
// Weekday statistics: how often each digit was drawn on each day of the week
// within a window of recent draws, the table's red shading, and the chart of
// one row (a day across the digits) or one column (a digit across the days).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/draw_archive.h"
#include "views/view_window.h"

namespace pentad {

class Shell;

inline constexpr int kWeekDays = 7;

struct WeekTable {
    // counts[day][digit], day 0 = Monday .. 6 = Sunday.
    std::array<std::array<int, kDigitCount>, kWeekDays> counts{};
    int maximum = 0;
};

// ISO day of the week of a draw date text, 1 = Monday .. 7 = Sunday; an empty
// text is date 0, a Saturday. Empty when the text is not a date.
std::optional<int> drawWeekday(std::string_view dateText);

// Counts the digits below 10 of every draw of the window on its weekday;
// draws whose date cannot be read are left out.
WeekTable buildWeekTable(const TDrawsArray& draws, DrawWindow window);

// Shading of a cell holding `value`: from white for small counts to pure red
// for the table's largest; empty for an empty cell or an all-zero table.
std::optional<uint32_t> weekCellColor(int value, int maximum);

struct WeekChartPoint {
    std::string label;  // the day name or the digit
    int value = 0;
};

// Mode 1: the seven days of the digit `digit`; mode 0: the ten digits of the
// day `day` (0 = Monday).
std::vector<WeekChartPoint> weekChart(const WeekTable& table, int mode, int day, int digit);

// The weekday tab without its widgets: the window length and the table,
// rebuilt only when what it depends on changed.
class WeekPage {
public:
    WeekPage(Shell& shell, const DrawArchive& archive);

    int length = 1000;

    // Rebuilds when forced, or when the number of draws, the offset or the
    // length changed. True when rebuilt.
    bool refresh(bool force);
    void invalidate() { m_key = WindowKey{}; }

    const WeekTable& table() const { return m_table; }

private:
    Shell& m_shell;
    const DrawArchive& m_archive;
    WeekTable m_table;
    WindowKey m_key;
};

}  // namespace pentad
