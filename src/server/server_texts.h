// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue server's refusal texts. The program shows them to the user
// after the headline of the operation that failed, so they are in the
// program's language.
#pragma once

namespace pentad::server::texts {

// malformed requests
inline constexpr const char* kBadForm = "Запрос повреждён: неверная кодировка полей формы.";
inline constexpr const char* kTooLarge = "Запрос слишком велик (больше 1 МБ).";
inline constexpr const char* kUnknownRequest = "Неизвестный запрос \"%s\".";
inline constexpr const char* kMissingField = "В запросе нет поля \"%s\".";
inline constexpr const char* kNotNumber = "Поле \"%s\" должно содержать целое число.";
inline constexpr const char* kOutOfRange = "Значение поля \"%s\" вне допустимых пределов.";
inline constexpr const char* kBadEscape = "Поле \"%s\" повреждено: неверное экранирование текста.";
inline constexpr const char* kBadBase64 = "Поле \"%s\" повреждено: неверная кодировка Base64.";
inline constexpr const char* kNotUtf8 = "Текст поля \"%s\" не в кодировке UTF-8.";
inline constexpr const char* kTooLong = "Поле \"%s\" длиннее %d символов.";
inline constexpr const char* kNoInstallation =
    "В запросе не указан идентификатор установки программы.";
inline constexpr const char* kNoMail = "Не указан адрес электронной почты пользователя.";
inline constexpr const char* kNoAuthor = "Имя автора должно быть указано обязательно!";

// scenarios
inline constexpr const char* kScriptNotFound = "Сценарий #%lld не найден в каталоге.";
inline constexpr const char* kScriptNoTitle = "Название сценария должно быть указано обязательно!";
inline constexpr const char* kScriptTitleTaken =
    "Сценарий с таким названием уже существует!\rВыберите другое название.";
inline constexpr const char* kScriptEmpty = "Сценарий не содержит ни одной строки.";
inline constexpr const char* kScriptNotOwner =
    "Изменять и удалять сценарий может только его автор: с тем же адресом почты и с той же "
    "установки программы, с которой сценарий был опубликован.";
inline constexpr const char* kScriptOtherProgram =
    "Сценарий предназначен только для программы \"%s\".";
inline constexpr const char* kBadRate = "Недопустимая оценка %lld: допустимы значения от -1 до 5.";
inline constexpr const char* kBadFilter = "Неизвестный фильтр списка сценариев (%lld).";
inline constexpr const char* kBadDeleteMode = "Неизвестный режим запроса (del_mode=%lld).";

// systems
inline constexpr const char* kSystemNotFound = "Система #%lld не найдена в каталоге.";
inline constexpr const char* kSystemNoTitle = "Название системы должно быть указано обязательно!";
inline constexpr const char* kSystemNotOwner =
    "Изменять и удалять систему может только её автор: с тем же адресом почты и с той же "
    "установки программы, с которой система была опубликована.";
inline constexpr const char* kSystemBadShape =
    "Недопустимые параметры системы: длина комбинации %lld, чисел %lld, блок %lld.";
inline constexpr const char* kSystemCount =
    "Количество комбинаций ( %lld ) отличается от числа строк списка ( %lld ).";
inline constexpr const char* kSystemBadLine =
    "Строка %lld списка комбинаций неверна: нужно %lld номеров от 1 до %lld.";

// the server itself
inline constexpr const char* kStoreFailed =
    "Ошибка базы данных каталога. Повторите попытку позже.";
inline constexpr const char* kInternal = "Внутренняя ошибка сервера каталога.";

}  // namespace pentad::server::texts
