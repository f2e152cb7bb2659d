// SPDX-License-Identifier: GPL-3.0-or-later
// Captions of the online scenario catalogue panel, its commands and dialogs.
#pragma once

namespace pentad::texts {

inline constexpr const char* kMenuLibrary = "Библиотека";
inline constexpr const char* kCmdLibrary = "Online каталог сценариев";
inline constexpr const char* kCmdLibraryRefresh = "Обновить";
inline constexpr const char* kCmdLibraryDownload = "Скачать из каталога";
inline constexpr const char* kCmdLibraryUpload = "Опубликовать";
inline constexpr const char* kCmdLibraryReplace = "Изменить";
inline constexpr const char* kCmdLibraryDelete = "Удалить";
inline constexpr const char* kCmdLibraryView = "Свойства сценария";
inline constexpr const char* kCmdLibraryRates = "Просмотр оценок";
inline constexpr const char* kCmdLibraryRate0 = "Удалить оценку";
inline constexpr const char* kCmdLibraryRates1to5[5] = {
    "[ 1 ] - Бесполезно", "[ 2 ] - Плохо", "[ 3 ] - Удовлетворительно", "[ 4 ] - Хорошо",
    "[ 5 ] - Отлично"};
inline constexpr const char* kCmdLibraryHide = "Скрыть сценарий";
inline constexpr const char* kCmdSystemsDownload = "Загрузить";

inline constexpr const char* kLibraryFilters[8] = {
    "Скрытые",
    "Все, включая скрытые",
    "Все, кроме скрытых (по умолчанию)",
    "Только мои",
    "Только публичные",
    "С моими оценками",
    "Без моих оценок",
    "Новые (24 часа с момента публикации)"};

inline constexpr const char* kLibraryColumns[13] = {
    "Тип",    "Название", "Автор",       "Программа", "Версия",    "Язык",       "Создан",
    "Рейтинг", "Оценок",  "Ваша оценка", "Загрузок",  "Последняя", "Комментарии"};

inline constexpr const char* kCommentCaption = "Комментарий";
inline constexpr const char* kCommentPrompt = "Вы можете оставить свой комментарий:";

// The properties dialog.
inline constexpr const char* kScriptPropsCaption = "Свойства сценария";
inline constexpr const char* kScriptPropsTitle = "Название";
inline constexpr const char* kScriptPropsAuthor = "Автор";
inline constexpr const char* kScriptPropsLanguage = "Язык";
inline constexpr const char* kScriptPropsApply = "Применяемость";
inline constexpr const char* kScriptPropsOnlyIn = "Только в \"%s\"";
inline constexpr const char* kScriptPropsAnyApp = "В любом приложении Kestrel";
inline constexpr const char* kScriptPropsAccess = "Доступность";
inline constexpr const char* kScriptPropsPublic = "Сценарий виден всем пользователям";
inline constexpr const char* kScriptPropsPrivate = "Сценарий виден только мне";
inline constexpr const char* kScriptPropsDescr = "Описание";
inline constexpr const char* kScriptPropsSend = "Отправить сценарий на сервер";

// The ratings list.
inline constexpr const char* kRatesCaption = "Оценки пользователей";
inline constexpr const char* kRatesColumns[6] = {"Имя",    "Оценка", "Дата",
                                                 "Программа", "Версия", "Комментарии"};

// The identity dialog.
inline constexpr const char* kIdentityCaption = "Ваши данные для online-каталога";
inline constexpr const char* kIdentityName = "Имя";
inline constexpr const char* kIdentityMail = "E-mail";

}  // namespace pentad::texts
