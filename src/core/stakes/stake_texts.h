// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the stake ledger, checking, ratings and regular stakes.
#pragma once

namespace pentad::texts {

inline constexpr const char* kLedgerFileName = "Pentad.lsk";
inline constexpr const char* kRatingsFileName = "Pentad.lrt";
inline constexpr const char* kRulesFileName = "Pentad.ltb";

// What the desktop program writes into the folder's lock file.
inline constexpr const char* kDesktopHolder = "the desktop program Pentad (process %d)";
inline constexpr const char* kExclusiveAccess =
    "Невозможно получить монопольный доступ к файлам данных!\r\rВозможные причины данной ошибки: "
    "\r\r1) Вы пытаетесь запустить вторую копию программы из одного и того же каталога. "
    "Корректная работа нескольких копий программы возможна только из разных каталогов.\r\r2) Для "
    "программы нет прав на запись в том каталоге, где она расположена. Например: в Windows 7 и "
    "выше по умолчанию запрещена запись в c:\\Program Files.\r\rПрограмма будет закрыта!";

inline constexpr const char* kErrorWriteLedger = "Ошибка записи в файл ставок!\r\r%s";
inline constexpr const char* kErrorReadLedger = "Ошибка чтения файла ставок!\r\r%s";
inline constexpr const char* kErrorReadStake = "Ошибка чтения записи из файла ставок!\r\r%s";
inline constexpr const char* kErrorAppendStake = "Ошибка добавления записи в файл ставок!\r\r%s";
inline constexpr const char* kErrorFindStake = "Ошибка поиска записи в файле ставок!\r\r%s";
inline constexpr const char* kErrorDeleteStake = "Ошибка удаления записи из файла ставок!\r\r%s";
inline constexpr const char* kErrorTempLedger =
    "Ошибка переименования / удаления временного файла ставок %s!\r\r%s";
inline constexpr const char* kLedgerNotOpen = "Файл ставок не открыт!";
inline constexpr const char* kCheckedAppend = "Добавление в конец файла уже проверенной ставки!";
inline constexpr const char* kOldLedger =
    "Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!";
inline constexpr const char* kStatusLoadingLedger = "Загрузка файла ставок...";
inline constexpr const char* kStatusSavingLedger = "Сохранение файла ставок...";
inline constexpr const char* kStatusCreatingStake = "Создание ставки...";
inline constexpr const char* kStatusCreatingStakes = "Создание ставок...";
inline constexpr const char* kStatusDeletingStakes = "Удаление ставок...";
inline constexpr const char* kPanelStakes = "Ставок: %d";

inline constexpr const char* kTabStakes = "Ставки";
inline constexpr const char* kTabRatings = "Рейтинг";

inline constexpr const char* kStakeKindCaptions[5] = {"", "Вручную", "Регуляр", "Сценарий",
                                                      "Система"};
inline constexpr const char* kLedgerColumns[9] = {
    "№ тиража",         "Вид ставки", "Моя ставка", "Выборка",    "Результаты тиража",
    "Совпадений",       "Совпадения", "Профит",     "Комментарий",
};
inline constexpr const char* kManualComment = "Ставка \"вручную\"";
inline constexpr const char* kStakeDialogCaption = "Добавление ставки";
inline constexpr const char* kMultiStakeDialogCaption = "Добавление мультиставки";
inline constexpr const char* kStakeDialogDraw = "Номер первого тиража";
inline constexpr const char* kStakeDialogDigits =
    "Введите числа, разделенные точкой с запятой или запятой";
inline constexpr const char* kStakeDialogDraws =
    "Количество тиражей, на которые нужно сделать ставку (начиная с указанного)";
inline constexpr const char* kNeedComment = "Необходимо ввести комментарий!";
inline constexpr const char* kConditionDialogCaption = "Удаление по условию";
inline constexpr const char* kConditionCaptions[5] = {"Равно [ = ]", "Более [ > ]",
                                                      "Не менее [ >= ]", "Менее [ < ]",
                                                      "Не более [ <= ]"};

inline constexpr const char* kStatusChecking = "Проверка результатов ставок...";
inline constexpr const char* kStatusCheckingPercent =
    "Проверка результатов ставок ( завершено %.0f %% )...";
inline constexpr const char* kErrorChecking = "Ошибка проверки ставок!\r\r%s";
inline constexpr const char* kStakeLogLine =
    "Тираж № %s. Ставка: \"%s\" [%s] {%d}. Результаты тиража: [%s]. Совпадений: %d. Профит: %s.";
inline constexpr const char* kErrorDeleteFile = "Ошибка удаления файла \"%s\"!\r\r%s";
inline constexpr const char* kErrorWriteFile = "Ошибка записи в файл \"%s\"!\r\r%s";
inline constexpr const char* kDeleteStakeLogsTitle = "Удаление журналов ставок";

inline constexpr const char* kRatingColumns[18] = {
    "Комментарий", "Ставок", "Угадано", "Среднее", "Профит", "Ср. профит",
    "0", "1", "2", "3", "4", "5", "E0", "E1", "E2", "E3", "E4", "E5"};
inline constexpr const char* kBadData = "# bad data #";
inline constexpr const char* kPanelRatings = "Рейтинг: %d";
inline constexpr const char* kStatusLoadingRatings = "Загрузка файла рейтинга...";
inline constexpr const char* kErrorReadRatings = "Ошибка чтения файла рейтинга!\r\r%s";
inline constexpr const char* kStatusSavingRatings = "Сохранение файла рейтинга...";
inline constexpr const char* kErrorWriteRatings = "Ошибка записи в файл рейтинга!\r\r%s";
inline constexpr const char* kStatusSortingRatings = "Сортировка рейтинга...";
inline constexpr const char* kConfirmRatingsRefresh =
    "Пересчитать рейтинг только по текущим ставкам?\r\rНакопленные ранее данные по удаленным "
    "ставкам будут потеряны.";
inline constexpr const char* kStatusRefreshingRatings = "Обновление рейтинга...";
inline constexpr const char* kErrorRefreshRatings = "Ошибка обновления рейтинга!\r\r%s";
inline constexpr const char* kStatusExportCsv = "Экспорт в CSV-файл...";
inline constexpr const char* kRatingsCsvFilter = "CSV-файлы (*.csv)|*.csv";
inline constexpr const char* kEffModeCaptions[3] = {"Ожидаемые значения совпадений",
                                                    "Абсолютные значения эффективности",
                                                    "Относительные значения эффективности"};
inline constexpr const char* kGraphNeedsDraws =
    "Для построения графиков необходимо, чтобы в выделенном диапазоне данных было более одного "
    "тиража!";
inline constexpr const char* kSeriesDrawProfit = "Суммарный профит ставок по тиражу";
inline constexpr const char* kSeriesMean = "Среднее значение";
inline constexpr const char* kSeriesAccumulated = "Накопленное значение";
inline constexpr const char* kSeriesNormal = "Нормальные значения";

inline constexpr const char* kRuleColumns[5] = {"Комментарий", "Стартовая комбинация", "Шаг",
                                                "Текущая комбинация", "Ставок"};
inline constexpr const char* kRuleDefaultComment = "Регулярная ставка";
inline constexpr const char* kRuleDialogCaption = "Добавление регулярной ставки";
inline constexpr const char* kRuleConstantStart = "Использовать постоянную стартовую комбинацию:";
inline constexpr const char* kRuleFromDraw = "Использовать данные предыдущего тиража";
inline constexpr const char* kRuleSelectedCombs = "{...Выделенные комбинации...}";
inline constexpr const char* kRuleDuplicate =
    "Запись с таким комментарией уже присутствует в списке!\rВыберите другой комментарий.";
inline constexpr const char* kStatusLoadingRules = "Загрузка файла регулярных ставок...";
inline constexpr const char* kErrorReadRules = "Ошибка чтения файла регулярных ставок!\r\r%s";
inline constexpr const char* kStatusSavingRules = "Сохранение файла регулярных ставок...";
inline constexpr const char* kErrorWriteRules = "Ошибка записи в файл регулярных ставок!\r\r%s";
inline constexpr const char* kStatusCreatingRules = "Создание регулярных ставок...";
inline constexpr const char* kStatusDeletingRules = "Удаление регулярных ставок...";
inline constexpr const char* kStatusRuleTest = "Создание ставок по регулярным табличным ставкам...";
inline constexpr const char* kTestCountCaption = "Количество тестов";
inline constexpr const char* kBadRecordSize = "Размер файла %lld байт не кратен размеру записи %d";

}  // namespace pentad::texts
