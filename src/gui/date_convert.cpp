// SPDX-License-Identifier: GPL-3.0-or-later
// Day-count dates to Qt dates and back, to the second.
#include "date_convert.h"

#include <cmath>

namespace pentad {

QDateTime toQDateTime(DateTime value) {
    int year = 0;
    int month = 0;
    int day = 0;
    decodeDate(value, year, month, day);
    double days = std::floor(value);
    auto seconds = static_cast<int>(std::lround((value - days) * 86400.0));
    // A fraction a hair below midnight rounds up to the next day.
    QDate date = QDate(year, month, day).addDays(seconds / 86400);
    return QDateTime(date, QTime(0, 0).addSecs(seconds % 86400));
}

DateTime fromQDateTime(const QDate& date, const QTime& time) {
    std::optional<DateTime> day = encodeDate(date.year(), date.month(), date.day());
    if (!day) {
        return 0;
    }
    QTime t = time.isValid() ? time : QTime(0, 0);
    return *day + encodeTime(t.hour(), t.minute(), t.second());
}

}  // namespace pentad
