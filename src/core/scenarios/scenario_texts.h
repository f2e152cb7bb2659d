// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of scenario lines, the scenario list, the runner and its log.
#pragma once

namespace pentad::texts {

inline constexpr const char* kScenarioFileName = "Pentad.lss";
inline constexpr const char* kScenarioFilter = "Файлы сценариев (*.lsc)|*.lsc";
inline constexpr const char* kScenarioExtension = "lsc";

inline constexpr const char* kStartCodes[3] = {"FULL", "EXCL", "CURR"};
inline constexpr const char* kStartDialogCaptions[3] = {
    "Исходный список (рекомендуется для тестов)", "Удалить N последних тиражей (для прогнозов)",
    "Текущий список (для последовательного выполнения)"};
inline constexpr const char* kStartListCaptions[3] = {"Исходный список", "Исключить %d тиражей",
                                                      "Текущий список"};
inline constexpr const char* kStakeModeCodes[9] = {"RAND", "FIRST", "LAST", "ALL", "SYSA",
                                                   "SYSC", "STOP", "SKIP", "NONE"};
inline constexpr const char* kStakeModeCaptions[9] = {
    "Выбрать одну случайную комбинацию",
    "Выбрать первую комбинацию в списке",
    "Выбрать последнюю комбинацию в списке",
    "Выбрать все комбинации (не рекомендуется)",
    "Системная игра [вся система]",
    "Системная игра [система * комбинации]",
    "Остановить выполнение сценария",
    "Пропустить (игнорировать) эту ставку",
    "Не делать ставок (для последовательного выполнения)",
};
inline constexpr const char* kStakeModeShort[9] = {
    "Случайно", "Первая", "Последняя", "Все", "Система [все]", "Система [комб]",
    "Остановить", "Пропустить", "Не делать ставок"};
inline constexpr const char* kClearStakesCaption = "Удалить ставки";
inline constexpr const char* kNewOnlyCaption = "Только новые ставки";
inline constexpr const char* kAllStakesCaption = "Все создаваемые ставки";
inline constexpr const char* kIndexError = "# ERROR #";

inline constexpr const char* kStatusLoadingScenario = "Загрузка файла \"%s\"...";
inline constexpr const char* kStatusSavingScenario = "Сохранение файла \"%s\"...";
inline constexpr const char* kErrorReadScenario = "Ошибка чтения файла \"%s\"!\r\r%s";
inline constexpr const char* kErrorWriteScenario = "Ошибка записи в файл \"%s\"!\r\r%s";
inline constexpr const char* kPanelLines = "Строк: %d";
inline constexpr const char* kPanelCycle = "Цикл: %d";
inline constexpr const char* kPanelLine = "Строка: %d";
inline constexpr const char* kPanelRunStakes = "Ставок: %d";
inline constexpr const char* kStatusDeletingLines = "Удаление строк...";
inline constexpr const char* kNewLineCaption = "Создание новой строки";
inline constexpr const char* kEditLineCaption = "Редактирование строки";
inline constexpr const char* kLineDialogCaption = "Элемент сценария";
inline constexpr const char* kLineComment = "Комментарии (можно оставить пустым)";
inline constexpr const char* kLineClearStakes =
    "Удалить все ставки перед выполнением (накопление только рейтинга)";
inline constexpr const char* kLineNewOnly =
    "Только новые ставки (пропускать те ставки, которые уже есть в списке)";
inline constexpr const char* kScenarioColumns[9] = {"Комментарии", "Опции",    "Фильтр 1",
                                                    "Фильтр 2",    "Фильтр 3", "Фильтр 4",
                                                    "Фильтр 5",    "Фильтр 6", "Фильтр 7"};

inline constexpr const char* kStatusRunning = "Выполнение сценария...";
inline constexpr const char* kScenarioFinished = "Сценарий завершен!";
inline constexpr const char* kTestCountPrompt = "Укажите количество тестов:";
inline constexpr const char* kScenarioTestCaption = "Количество тестов";
inline constexpr const char* kConfirmStop = "Остановить выполнение сценария?";
inline constexpr const char* kLogCreatingVariants = "Создание всех вариантов фильтров...";
inline constexpr const char* kLogVariantsCreated = "Создано %d вариантов фильтров.";
inline constexpr const char* kLogApplyingVariant = "Применение набора фильтров %.3d: \"%s\"";
inline constexpr const char* kStatusVariant = "Фильтр %d из %d: %s";
inline constexpr const char* kLogStartList = "Создание начального списка комбинаций...";
inline constexpr const char* kLogNoFilters = "{ERROR} Фильтры не применялись!";
inline constexpr const char* kLogAddingStake = "{*} Добавление ставки, режим: \"%s\"";
inline constexpr const char* kLogStopped = "{!} Сценарий остановлен!";
inline constexpr const char* kStopMessage =
    "Выполнение сценария прервано, т.к. после применения всех фильтров в списке комбинаций их "
    "осталось более одной: %d!\r\rФильтры: %s";
inline constexpr const char* kLogSkipped = "{-} Ставка игнорирована!";
inline constexpr const char* kLogNotNew =
    "{-} Ставка на тираж %d не добавлена, так как уже имеется в списке ставок: [%s]";
inline constexpr const char* kLogAdded = "{+} Ставка на тираж %d добавлена в список ставок: [%s]";
inline constexpr const char* kLogRunningLine = "Выполнение строки %.3d: \"%s\"";

inline constexpr const char* kLogFileFormat = "ScriptLog_%s.txt";
inline constexpr const char* kErrorWriteLog = "Ошибка записи журнала: %s!";
inline constexpr const char* kBannerStart =
    "### ЗАПУСК СЦЕНАРИЯ ##########################################################################";
inline constexpr const char* kBannerEnd =
    "### ЗАВЕРШЕНИЕ СЦЕНАРИЯ ######################################################################";
inline constexpr const char* kBannerStop =
    "### ВЫПОЛНЕНИЕ СЦЕНАРИЯ ПРЕРВАНО #############################################################";
inline constexpr const char* kBannerPass =
    "==============================================================================================";
inline constexpr const char* kBannerPassHeader =
    "=== Выполнение сценария для смещения %.6d ==================================================";
inline constexpr const char* kBannerLine =
    "----------------------------------------------------------------------------------------------";
inline constexpr const char* kDeleteScriptLogsTitle = "Удаление журналов выполнения сценариев";

inline constexpr const char* kRatingsToScriptStatus = "Генерация новых строк в сценарии...";
inline constexpr const char* kRatingsToScriptFailed =
    "Строку\r\r%s\r\rневозможно добавить в сценарий!";

}  // namespace pentad::texts
