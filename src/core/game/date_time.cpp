// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/date_time.h"

#include <cmath>
#include <ctime>

#include "game/game_texts.h"
#include "shell/civil_date.h"
#include "shell/error.h"
#include "shell/text_utils.h"

namespace pentad {
namespace {

constexpr long kEpochOffset = 25569;  // 1970-01-01 counted from 1899-12-30

bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (m == 2 && isLeap(y)) ? 29 : kDays[m - 1];
}

}  // namespace

std::optional<DateTime> encodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > daysInMonth(year, month)) {
        return std::nullopt;
    }
    return static_cast<double>(daysFromCivil(year, static_cast<unsigned>(month),
                                             static_cast<unsigned>(day)) +
                               kEpochOffset);
}

void decodeDate(DateTime value, int& year, int& month, int& day) {
    civilFromDays(static_cast<long>(std::floor(value)) - kEpochOffset, year, month, day);
}

int hourOf(DateTime value) {
    double frac = value - std::floor(value);
    long ms = std::lround(frac * 86400000.0);
    return static_cast<int>((ms / 3600000) % 24);
}

DateTime encodeTime(int hour, int minute, int second) {
    return (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

std::string DrawDateText(DateTime value) {
    if (value <= 0) {
        return std::string();
    }
    int y = 0, m = 0, d = 0;
    decodeDate(value, y, m, d);
    int h = hourOf(value);
    return format("%02d/%02d/%04d %s", m, d, y, (h >= 1 && h <= 13) ? "M" : "E");
}

DateTime DrawTextToDate(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    auto part = [&](size_t from, size_t len) {
        return from < text.size() ? textToInt(text.substr(from, len)) : 0;
    };
    int day = part(3, 2);
    int month = part(0, 2);
    int year = part(6, 4);
    DateTime result = 0;
    if (day >= 1 && day <= 31 && month >= 1 && month <= 12 && year >= 1901 && year <= 2998) {
        std::optional<DateTime> date = encodeDate(year, month, day);
        if (!date) {
            throw Error(format(texts::kBadDate, std::string(text)));
        }
        result = *date;
    }
    if (text.size() >= 12) {
        char c = text[11];
        if (c == 'M' || c == 'm') {
            result += kMiddayTime;
        } else if (c == 'E' || c == 'e') {
            result += kEveningTime;
        }
    }
    return result;
}

int DateToYMD(DateTime value) {
    int y = 0, m = 0, d = 0;
    decodeDate(value, y, m, d);
    return y * 10000 + m * 100 + d;
}

DateTime YMDToDate(int ymd) {
    std::optional<DateTime> d = encodeDate(ymd / 10000, (ymd / 100) % 100, ymd % 100);
    return d ? *d : 0;
}

int IncYMD(int ymd, int days) {
    if (days == 0) {
        return ymd;
    }
    return DateToYMD(YMDToDate(ymd) + days);
}

DateTime nowDateTime() {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    std::optional<DateTime> d = encodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return (d ? *d : 0) + encodeTime(local.tm_hour, local.tm_min, local.tm_sec);
}

}  // namespace pentad
