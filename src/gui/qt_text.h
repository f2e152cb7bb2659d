// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between the core's UTF-8 strings and Qt strings, the texts the
// windows show in the interface language, and the form message texts take on
// screen: the core separates headline and details with "\r\r", which Qt
// shows only when the CRs become line feeds.
#pragma once

#include <string>
#include <string_view>

#include <QString>

#include "shell/language_module.h"

namespace pentad {

inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

inline std::string toStdString(const QString& text) {
    return text.toStdString();
}

// A text of the program as the window shows it: in the interface language
// when a module is loaded, else as written (Russian).
inline QString uiText(std::string_view text) {
    return toQString(translated(text));
}
inline QString uiText(const char* text) {
    return uiText(std::string_view(text));
}
inline QString uiText(const std::string& text) {
    return uiText(std::string_view(text));
}
inline QString uiText(const QString& text) {
    return activeLanguageModule() != nullptr ? toQString(translated(toStdString(text))) : text;
}

// The text in the interface language, "\r\n" and "\r" made "\n".
inline QString displayText(const std::string& text) {
    QString s = uiText(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

}  // namespace pentad
