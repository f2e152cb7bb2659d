// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/catalogue_protocol.h"

#include <cstdio>

namespace pentad::catalogue {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t daysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void civilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<int64_t>(yoe) + era * 400 + (m <= 2 ? 1 : 0);
}

bool readDigits(std::string_view text, size_t at, size_t count, unsigned& value) {
    value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
    }
    return true;
}

}  // namespace

std::string formatUtc(int64_t seconds) {
    int64_t days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    int64_t rest = seconds - days * 86400;
    int64_t y = 0;
    unsigned m = 0;
    unsigned d = 0;
    civilFromDays(days, y, m, d);
    char buf[80];
    std::snprintf(buf, sizeof buf, "%04lld-%02u-%02u %02u:%02u:%02u", static_cast<long long>(y),
                  m, d, static_cast<unsigned>(rest / 3600), static_cast<unsigned>(rest / 60 % 60),
                  static_cast<unsigned>(rest % 60));
    return buf;
}

std::optional<int64_t> parseUtc(std::string_view text) {
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' ||
        text[13] != ':' || text[16] != ':') {
        return std::nullopt;
    }
    unsigned y = 0, m = 0, d = 0, h = 0, n = 0, s = 0;
    if (!readDigits(text, 0, 4, y) || !readDigits(text, 5, 2, m) || !readDigits(text, 8, 2, d) ||
        !readDigits(text, 11, 2, h) || !readDigits(text, 14, 2, n) ||
        !readDigits(text, 17, 2, s)) {
        return std::nullopt;
    }
    static constexpr unsigned kMonthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (m < 1 || m > 12 || d < 1 || d > kMonthDays[m - 1] || (m == 2 && d == 29 && !leap) ||
        h > 23 || n > 59 || s > 59) {
        return std::nullopt;
    }
    return daysFromCivil(y, m, d) * 86400 + h * 3600 + n * 60 + s;
}

}  // namespace pentad::catalogue
