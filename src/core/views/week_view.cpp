// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/week_view.h"

#include <cmath>

#include "game/date_time.h"
#include "shell/error.h"
#include "shell/shell.h"
#include "views/view_texts.h"

namespace pentad {

std::optional<int> drawWeekday(std::string_view dateText) {
    DateTime date = 0;
    try {
        date = DrawTextToDate(dateText);
    } catch (const Error&) {
        return std::nullopt;
    }
    // Day 0 (12/30/1899) was a Saturday.
    const long long day = static_cast<long long>(std::floor(date));
    return static_cast<int>(((day + 5) % 7 + 7) % 7) + 1;
}

WeekTable buildWeekTable(const TDrawsArray& draws, DrawWindow window) {
    WeekTable table;
    // The day comes from the first ten characters ("MM/DD/YYYY") alone, and
    // the midday and evening draws of a day share them.
    std::string_view lastDay;
    std::optional<int> lastWeekday;
    for (int i = window.first; i <= window.last; ++i) {
        const TDrawRec& d = draws[static_cast<size_t>(i)];
        const std::string_view dayText = d.dateBytes().substr(0, 10);
        if (i == window.first || dayText != lastDay || dayText.empty()) {
            lastWeekday = drawWeekday(d.dateBytes());
            lastDay = dayText;
        }
        const std::optional<int> weekday = lastWeekday;
        if (!weekday) {
            continue;
        }
        auto& day = table.counts[static_cast<size_t>(*weekday - 1)];
        for (uint8_t digit : d.Digits) {
            if (digit < kDigitCount) {
                ++day[digit];
            }
        }
    }
    for (const auto& day : table.counts) {
        for (int v : day) {
            table.maximum = std::max(table.maximum, v);
        }
    }
    return table;
}

std::optional<uint32_t> weekCellColor(int value, int maximum) {
    if (value <= 0 || maximum <= 0) {
        return std::nullopt;
    }
    const auto fade = static_cast<uint32_t>(std::nearbyint(255 - value * 255.0L / maximum));
    return 0xFF0000u | fade << 8 | fade;
}

std::vector<WeekChartPoint> weekChart(const WeekTable& table, int mode, int day, int digit) {
    std::vector<WeekChartPoint> points;
    if (mode == 1) {
        for (int w = 0; w < kWeekDays; ++w) {
            const int v = digit >= 0 && digit < kDigitCount
                              ? table.counts[static_cast<size_t>(w)][static_cast<size_t>(digit)]
                              : 0;
            points.push_back({texts::kWeekDays[w], v});
        }
    } else {
        for (int d = 0; d < kDigitCount; ++d) {
            const int v = day >= 0 && day < kWeekDays
                              ? table.counts[static_cast<size_t>(day)][static_cast<size_t>(d)]
                              : 0;
            points.push_back({std::to_string(d), v});
        }
    }
    return points;
}

WeekPage::WeekPage(Shell& shell, const DrawArchive& archive) : m_shell(shell), m_archive(archive) {}

bool WeekPage::refresh(bool force) {
    const WindowKey key = windowKey(m_archive, length);
    if (!force && key == m_key) {
        return false;
    }
    OperationScope op(m_shell, texts::kStatusWeek);
    m_key = key;
    m_table = buildWeekTable(m_archive.draws(), analysisWindow(m_archive, length));
    return true;
}

}  // namespace pentad
