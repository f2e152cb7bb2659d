// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's own texts (captions, confirmations, operation summaries,
// start-up headlines), kept in one place so a language module can replace them.
#pragma once

namespace pentad::texts {

inline constexpr const char* kCaptionError = "Ошибка";
inline constexpr const char* kCaptionInformation = "Информация";
inline constexpr const char* kCaptionAttention = "Внимание!";
inline constexpr const char* kCaptionWarning = "Предупреждение";
inline constexpr const char* kCaptionConfirm = "Подтверждение";

inline constexpr const char* kConfirmDeleteOne = "Удалить выделенную запись?";
inline constexpr const char* kConfirmDeleteMany =
    "Удалить все выделенные записи (всего будет удалено %d записи(ей))?";

inline constexpr const char* kProgressDefault = "Подождите пожалуйста...";
inline constexpr const char* kProgressExists = "Окно индикатора уже создано!";
inline constexpr const char* kProgressCancel = "Отмена";

inline constexpr const char* kFolderNotFound = "Каталог \"%s\" не найден!";

inline constexpr const char* kMenuLanguage = "Язык интерфейса";
inline constexpr const char* kLanguageModuleMissing = "Языковый модуль \"%s\" не найден!";
inline constexpr const char* kLanguageModuleFailed =
    "Не удалось загрузить языковый модуль \"%s\"!\r\r%s";

inline constexpr const char* kOperationInterrupted =
    "Операция прервана по команде пользователя или системы!";
inline constexpr const char* kOperationSummaryBytes =
    "Всего - %d, обработано - %d ( %s Kb ), пропущено - %d, предупреждений - %d, ошибок - %d.";
inline constexpr const char* kOperationSummary =
    "Всего - %d, обработано - %d, пропущено - %d, предупреждений - %d, ошибок - %d.";
inline constexpr const char* kOperationWarning =
    "[%s] Предупреждение при выполнении операции \"%s\":\r\n%s!";
inline constexpr const char* kOperationError = "[%s] Ошибка при выполнении операции \"%s\":\r\n%s!";
inline constexpr const char* kOperationPause = "Пауза %d секунд...";
inline constexpr const char* kLogsNotFound = "Файлы журналов не найдены!";
inline constexpr const char* kLogsSearching = "Поиск файлов журналов...";
inline constexpr const char* kMessagesCaption = "Сообщения";
inline constexpr const char* kMessagesCount = "Всего сообщений: %d";

inline constexpr const char* kErrorReadConfig = "Ошибка чтения файла конфигурации!\r\r%s";
inline constexpr const char* kErrorWriteConfig = "Ошибка записи в файл конфигурации!\r\r%s";
inline constexpr const char* kErrorLoadParameters = "Ошибка загрузки параметров программы!\r\r%s";
inline constexpr const char* kErrorStart = "Ошибка запуска программы!\r\r%s";
inline constexpr const char* kErrorInit = "Ошибка инициализации программы!\r\r%s";
inline constexpr const char* kStatusLoadingConfig = "Загрузка файла конфигурации...";
inline constexpr const char* kStatusSavingConfig = "Сохранение файла конфигурации...";
inline constexpr const char* kStatusInit = "Инициализация...";

inline constexpr const char* kStatusSpreadsheetExport = "Экспорт данных...";
inline constexpr const char* kErrorSpreadsheetExport = "Ошибка экспорта данных!\r\r%s";

inline constexpr const char* kMainCaption = "Анализ статистики лотереи \"Florida PICK 5\"";
inline constexpr const char* kVersionWord = " версия ";

}  // namespace pentad::texts
