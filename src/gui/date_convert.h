// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between the program's day-count dates (days since 12/30/1899
// with the time as fraction) and Qt's date and time values, for the date
// fields of dialogs.
#pragma once

#include <QDateTime>

#include "game/date_time.h"

namespace pentad {

// The value as a local date and time, to the second.
QDateTime toQDateTime(DateTime value);

// The day count of a date and a time; 0 for an invalid date.
DateTime fromQDateTime(const QDate& date, const QTime& time);

}  // namespace pentad
