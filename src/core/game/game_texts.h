// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the game model, the draw archive and the draw exchange.
#pragma once

namespace pentad::texts {

inline constexpr const char* kBadCombination = "Некорректная комбинация: \"%s\"!";
inline constexpr const char* kBadDate = "Некорректная дата тиража: \"%s\"!";
inline constexpr const char* kDrawDescription = "Тираж № %d от %s, значения: %s";

inline constexpr const char* kStakeKindManual = "Вручную";
inline constexpr const char* kStakeKindRegular = "Регуляр";
inline constexpr const char* kStakeKindScenario = "Сценарий";
inline constexpr const char* kStakeKindSystem = "Система";

inline constexpr const char* kStatusLoadingDraws = "Загрузка файла тиражей...";
inline constexpr const char* kStatusSavingDraws = "Сохранение файла тиражей...";
inline constexpr const char* kStatusDeletingDraws = "Удаление выделенных тиражей....";
inline constexpr const char* kErrorReadDraws = "Ошибка чтения файла тиражей!\r\r%s";
inline constexpr const char* kErrorWriteDraws = "Ошибка записи в файл тиражей!\r\r%s";
inline constexpr const char* kRecordNotFound = "Запись со индексом %d в файле данных не найдена!";
inline constexpr const char* kTruncatedRecord =
    "Неполная запись в конце файла: %d байт из 24 (файл поврежден)";

// The draw list: page caption and column captions (the digit columns are
// numbered 1 to 5).
inline constexpr const char* kTabDraws = "Архив тиражей";
inline constexpr const char* kColumnDrawNumber = "Тираж";
inline constexpr const char* kColumnDrawSum = "S";
inline constexpr const char* kColumnDrawDate = "Дата тиража";

inline constexpr const char* kPanelDraws = "Архив тиражей: %d";
inline constexpr const char* kPanelNextDraw = "Следующий тираж: %d";
inline constexpr const char* kPanelHiddenDraw = "%s";

inline constexpr const char* kDrawDialogTitle = "Введите данные следующего тиража";
inline constexpr const char* kDrawDialogNumber = "Номер тиража:";
inline constexpr const char* kDrawDialogDigits =
    "Выпавшие числа, разделенные точкой с запятой или запятой:";
inline constexpr const char* kDrawDialogDate = "Дата и время тиража:";
inline constexpr const char* kBadDrawDigits = "Введена некорректная комбинация!";

inline constexpr const char* kDrawInfoCaption = "Подробная информация";
inline constexpr const char* kDrawInfoNumber = "Номер тиража:";
inline constexpr const char* kDrawInfoDate = "Дата тиража:";

inline constexpr const char* kStatusExportDraws = "Экспорт тиражей в файл \"%s\"...";
inline constexpr const char* kStatusImportDraws = "Импорт тиражей из файла \"%s\"...";
inline constexpr const char* kErrorExportDraws = "Ошибка экспорта тиражей!\r\r%s";
inline constexpr const char* kErrorImportDraws = "Ошибка импорта тиражей!\r\r%s";
inline constexpr const char* kCsvFilter = "Файлы тиражей (*.csv)|*.csv";
inline constexpr const char* kCsvExtension = "csv";

}  // namespace pentad::texts
