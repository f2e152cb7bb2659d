// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the online scenario catalogue and the online systems exchange,
// kept in one place so a language module can replace them.
#pragma once

namespace pentad::texts {

// Configuration keys of the section ONLINE.
inline constexpr const char* kCatalogueKey = "CatalogueServer";
inline constexpr const char* kHwdIdKey = "InstallationId";
inline constexpr const char* kUserNameKey = "UserName";
inline constexpr const char* kUserMailKey = "UserMail";

inline constexpr const char* kNoCatalogueAddress =
    "Адрес online-каталога не задан: укажите его ключом CatalogueServer в разделе [ONLINE] "
    "файла Pentad.ini";
inline constexpr const char* kReturnCode = "Код возврата: %d";
inline constexpr const char* kNoAnswer = "Сервер не вернул ответ";
inline constexpr const char* kNotInteger = "Значение \"%s\" элемента <%s> не является целым числом";

// Scenario catalogue: progress and status texts.
inline constexpr const char* kCatalogueLoading = "Загрузка online-каталога сценариев...";
inline constexpr const char* kScriptDownloading = "Скачивание сценария из online-каталога...";
inline constexpr const char* kRateSending = "Отправка оценки на сервер...";
inline constexpr const char* kScriptSaving = "Сохранение сценария в базе данных...";
inline constexpr const char* kScriptDeleting = "Удаление сценария из базы данных...";
inline constexpr const char* kRatesLoading = "Загрузка списка оценок...";

// Scenario catalogue: failure headlines.
inline constexpr const char* kCatalogueListFailed = "Ошибка загрузки каталога online-сценариев!\r\r%s";
inline constexpr const char* kScriptDownloadFailed = "Ошибка загрузки online-сценария!\r\r%s";
inline constexpr const char* kRateFailed = "Ошибка сохранения оценки online-сценария!\r\r%s";
inline constexpr const char* kTitleCheckFailed =
    "Ошибка проверки уникальности online-сценария!\r\r%s";
inline constexpr const char* kScriptPutFailed =
    "Ошибка сохранения online-сценария в базе данных!\r\r%s";
inline constexpr const char* kScriptDeleteFailed =
    "Ошибка удаления online-сценария из базы данных!\r\r%s";
inline constexpr const char* kPublishFailed = "Ошибка публикации online-сценария!\r\r%s";
inline constexpr const char* kPropertiesFailed = "Ошибка просмотра свойств online-сценария!\r\r%s";
inline constexpr const char* kRatesFailed = "Ошибка просмотра оценок online-сценария!\r\r%s";

// Scenario catalogue: the properties dialog.
inline constexpr const char* kTitleRequired = "Название сценария должно быть указано обязательно!";
inline constexpr const char* kTitleTaken =
    "Сценарий с таким названием уже существует!\rВыберите другое название.";
inline constexpr const char* kAuthorRequired = "Имя автора должно быть указано обязательно!";
inline constexpr const char* kDeleteScriptQuestion =
    "Вы действительно хотите удалить сценарий \"%s\"?";

// Scenario catalogue: list texts.
inline constexpr const char* kKindMine = "Мой";
inline constexpr const char* kKindShared = "Общий";
inline constexpr const char* kUniversal = "Универсальный";
inline constexpr const char* kRatingHidden = "Скрытый";

// Systems exchange.
inline constexpr const char* kSystemListFailed = "Ошибка загрузки списка систем!\r\r%s";
inline constexpr const char* kSystemListEmpty = "Список систем не доступен!";
inline constexpr const char* kSystemLoading = "Загрузка \"%s\"...";
inline constexpr const char* kSystemFetchFailed = "Ошибка загрузки системы #%d!\r\r%s";
inline constexpr const char* kSystemSaving = "Сохранение \"%s\"...";
inline constexpr const char* kSystemDeleting = "Удаление \"%s\"...";
inline constexpr const char* kSystemPutFailed = "Ошибка сохранения системы #%d!\r\r%s";
inline constexpr const char* kOnlyOwnSystems = "Вы можете удалять только свои системы!";
inline constexpr const char* kSystemCountMismatch =
    "Количество скачанных комбинаций ( %d ) отличается от ожидаемого значения ( %d )";

}  // namespace pentad::texts
