// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/catalogue_protocol.h"

#include <cstdio>

#include "shell/civil_date.h"

namespace pentad::catalogue {

namespace {

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

std::optional<long long> parseWholeNumber(std::string_view text) {
    size_t i = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        i = 1;
    }
    if (i == text.size() || text.size() - i > 18) {
        return std::nullopt;
    }
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

std::string formatUtc(int64_t seconds) {
    int64_t days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    int64_t rest = seconds - days * 86400;
    int y = 0;
    int m = 0;
    int d = 0;
    civilFromDays(static_cast<long>(days), y, m, d);
    char buf[80];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02u:%02u:%02u", y, m, d,
                  static_cast<unsigned>(rest / 3600), static_cast<unsigned>(rest / 60 % 60),
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
    return static_cast<int64_t>(daysFromCivil(y, m, d)) * 86400 + h * 3600 + n * 60 + s;
}

}  // namespace pentad::catalogue
