// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of system play and the systems page.
#pragma once

namespace pentad::texts {

inline constexpr const char* kSystemNotFound =
    "Система для %d чисел не найдена или не загружена на компьютер!";
inline constexpr const char* kSystemNotFoundBox =
    "Система для %d чисел не найдена или не загружена на компьютер!\r\rПеред системной игрой "
    "необходимо предварительно загрузить системы на Ваш компьютер через меню \"Системы\" - "
    "\"Загрузить\".";
inline constexpr const char* kErrorLoadSystem = "Ошибка загрузки комбинаций системы!\r\r%s";
inline constexpr const char* kSystemCommentAll = "Системная игра для %d чисел [вся система]: %s";
inline constexpr const char* kSystemCommentList = "Системная игра для %d чисел [комбинации]: %s";
inline constexpr const char* kLogSystemAll =
    "{#} Системная игра для %d чисел [все система]: загружен файл \"%s\"";
inline constexpr const char* kLogSystemList =
    "{#} Системная игра для %d чисел [система * комбинации]: загружен файл \"%s\"";
inline constexpr const char* kLogSystemError = "{#} Системная игра для %d чисел [ОШИБКА]: \"%s\"";
inline constexpr const char* kNeedTitle = "Название системы должно быть указано обязательно!";
inline constexpr const char* kBadNums = "Указано недопустмое количество используемых чисел!";
inline constexpr const char* kBadOlap = "Указан недопустмый размер блока!";
inline constexpr const char* kNeedAuthor = "Имя автора должно быть указано обязательно!";
inline constexpr const char* kNeedDescr = "Описание системы должно быть указано обязательно!";
inline constexpr const char* kNeedCombs = "Содержимое системы должно быть указано обязательно!";
inline constexpr const char* kBadSystemWord = "Некорректное значение в строке системы: \"%s\"!";
inline constexpr const char* kErrorStoreSystem = "Ошибка загрузки системы #%d!\r\r%s";
inline constexpr const char* kErrorAddSystem = "Ошибка добавления системы!\r\r%s";
inline constexpr const char* kSystemsTab = "Системы";
inline constexpr const char* kSystemDialogCaption = "Система";
inline constexpr const char* kSystemColumns[11] = {"Название",  "Числа",     "Блок",
                                                   "Комбинаций", "Автор",     "Комментарии",
                                                   "Дата создания", "Загрузок", "Последняя",
                                                   "Ссылка",    "Статус"};
inline constexpr const char* kSystemLoaded = "Загружена";

}  // namespace pentad::texts
