// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between the core's UTF-8 strings and Qt strings, and the form
// message texts take on screen: the core separates headline and details with
// "\r\r", which Qt shows only when the CRs become line feeds.
#pragma once

#include <string>

#include <QString>

namespace pentad {

inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

inline std::string toStdString(const QString& text) {
    return text.toStdString();
}

// "\r\n" and "\r" become "\n".
inline QString displayText(const std::string& text) {
    QString s = toQString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

}  // namespace pentad
