// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the help file access, kept in one place so a language module can
// replace them.
#pragma once

namespace pentad::texts {

inline constexpr const char* kHelpFileNotOpened = "Не удалось открыть файл справки \"%s\"!";
inline constexpr const char* kHelpTopicNotFound = "Раздел \"%s\" в файле справки \"%s\" не найден!";
inline constexpr const char* kHelpAddressInvalid = "Некорректный адрес раздела справки: \"%s\"!";
inline constexpr const char* kHelpFileMissing = "Файл справки не найден!";

}  // namespace pentad::texts
