// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the desktop program's windows: menus, command captions, list
// columns, status panels and file dialogs. The core keeps its own texts; these
// are the ones only the windows show, kept together for a language module.
#pragma once

#include "game/game_texts.h"
#include "shell/messages.h"
#include "stakes/stake_texts.h"

namespace pentad::texts {

// Menus and tabs.
inline constexpr const char* kMenuFile = "Файл";
inline constexpr const char* kMenuDraws = "Архив тиражей";
inline constexpr const char* kMenuView = "Вид";
inline constexpr const char* kMenuStats = "Статистика";
inline constexpr const char* kMenuCombs = "Комбинации";
inline constexpr const char* kTabCombs = "Комбинации";

// Command captions.
inline constexpr const char* kCmdExitProgram = "Выход";
inline constexpr const char* kCmdDrawsDownload = "Загрузка";
inline constexpr const char* kCmdDrawsAdd = "Добавить";
inline constexpr const char* kCmdDrawsEdit = "Изменить";
inline constexpr const char* kCmdDrawsDel = "Удалить";
inline constexpr const char* kCmdDrawsImport = "Импорт из CSV-файла";
inline constexpr const char* kCmdDrawsExport = "Экспорт в CSV-файл";
inline constexpr const char* kCmdDrawsInfo = "Сведения о тираже";
inline constexpr const char* kCmdDrawsSorted = "Упорядочить MIN->MAX";
inline constexpr const char* kCmdViewColorDraws = "Выделять каналы в списке тиражей";
inline constexpr const char* kCmdViewColorCombs = "Выделять каналы в списке комбинаций";
inline constexpr const char* kCmdCombsInfo = "Сведения о комбинации";

// Hints of the favourites commands.
inline constexpr const char* kHintFiltersManager =
    "Настройка списка избранных видов статистики (фильтров)";
inline constexpr const char* kHintFiltersReset =
    "Отображать все доступные виды статистики (фильтры)";
inline constexpr const char* kHintFiltersInfo = "Сведения о выбранном методе расчета статистики";
inline constexpr const char* kHintStatFilterDialog =
    "Применить к списку комбинаций один фильтр с заданными условиями";

// The draw list and its pane.
inline constexpr const char* kOffsetLabel = "Смещение назад:";

// The statistics page.
inline constexpr const char* kStatLengthLabel = "Тиражей:";

// The combinations tab and its file dialogs.
inline constexpr const char* kColumnCombNumber = "№";
inline constexpr const char* kExcludeLabel = "[-] Тиражи";
inline constexpr const char* kOpenCombsTitle = "Открыть список комбинаций";
inline constexpr const char* kSaveCombsTitle = "Сохранить список комбинаций";
inline constexpr const char* kChooseCombsTitle = "Выбор файла комбинаций";
inline constexpr const char* kCombInfoNumber = "Комбинация №:";
inline constexpr const char* kCombInfoDigits = "Числа комбинации:";

// The generation dialog.
inline constexpr const char* kGenerateModeGroup = "Способ создания списка";
inline constexpr const char* kGenerateParamsLabel =
    "Мои числа (через \";\") или имя файла комбинаций:";
inline constexpr const char* kBrowseButton = "...";

// The filter dialog.
inline constexpr const char* kFilterMethodLabel = "Метод расчета статистики:";
inline constexpr const char* kFilterDrawsLabel = "Количество тиражей (список или диапазон):";
inline constexpr const char* kFilterSortLabel = "Сортировать по убыванию столбца:";
inline constexpr const char* kFilterDirectionGroup = "Обработка списка статистики";
inline constexpr const char* kFilterMultiSelect = "Мультивыделение (все подходящие строки сразу)";
inline constexpr const char* kFilterActionGroup = "Комбинации с выделенными значениями";
inline constexpr const char* kFilterLevelLabel = "Выделение строк:";
inline constexpr const char* kFilterLevelValueLabel = "Значения (список или диапазон):";
inline constexpr const char* kFilterOverride = "Собственные коэффициенты для поля \"Вес\"";
inline constexpr const char* kCoefCountLabel = "Количество:";
inline constexpr const char* kCoefDeviationLabel = "Отклонение:";
inline constexpr const char* kCoefLevelLabel = "Глубина:";
inline constexpr const char* kCoefPercents = "Использовать значения в %";
inline constexpr const char* kCoefAbs = "Использовать абсолютные значения";
inline constexpr const char* kStopValueLabel = "Значение:";

// The favourites manager.
inline constexpr const char* kFavCheckAll = "Выбрать все";
inline constexpr const char* kFavCheckNone = "Сбросить все";
inline constexpr const char* kFavGroupAll = "Выбрать группу";
inline constexpr const char* kFavGroupNone = "Сбросить группу";
inline constexpr const char* kFavRename = "Переименовать";
inline constexpr const char* kFavResetName = "Вернуть";
inline constexpr const char* kFavInfo = "Описание";
inline constexpr const char* kFavNamesImport = "Импорт названий";
inline constexpr const char* kFavNamesExport = "Экспорт названий";
inline constexpr const char* kFavHintCheckAll = "Поставить отметки у всех фильтров";
inline constexpr const char* kFavHintCheckNone = "Снять отметки со всех фильтров";
inline constexpr const char* kFavHintGroupAll = "Поставить отметки у всех фильтров группы";
inline constexpr const char* kFavHintGroupNone = "Снять отметки со всех фильтров группы";
inline constexpr const char* kFavHintRename = "Переименовать фильтр";
inline constexpr const char* kFavHintResetName = "Вернуть наименование \"по умолчанию\"";
inline constexpr const char* kFavHintInfo =
    "Справочная информация о выделенном методе расчета статистики";
inline constexpr const char* kFavHintNamesImport = "Импорт названий фильтров из файла";
inline constexpr const char* kFavHintNamesExport = "Экспорт названий фильтров в файл";
inline constexpr const char* kFavRenameCaption = "Переименование";
inline constexpr const char* kFavRenamePrompt = "Введите наименование фильтра:";
inline constexpr const char* kFavNamesFilter = "Наименования фильтров (*.flt)";
inline constexpr const char* kFavNamesExtension = "flt";
inline constexpr const char* kFavOptionsGroup =
    "Параметры вывода наименований в списках методов расчета статистики";
inline constexpr const char* kFavOrdered = "Сортировать списки по названию метода";
inline constexpr const char* kFavShowGroupName =
    "Отображать идентификатор группы { xxx } перед названием метода";
inline constexpr const char* kFavShowMethodFlags =
    "Отображать особенности метода [ YYY ] после названия метода";

// The description window when the help file cannot be shown inside the program.
inline constexpr const char* kHelpNotShown = "Раздел справки не может быть показан.";

// File dialogs of the draw exchange.
inline constexpr const char* kImportDrawsTitle = "Импорт списка тиражей из CSV-файла";
inline constexpr const char* kExportDrawsTitle = "Экспорт списка тиражей в CSV-файл";
inline constexpr const char* kCsvDialogFilter = "Файлы тиражей (*.csv)";
inline constexpr const char* kFileDialogOpen = "Открыть";
inline constexpr const char* kFileDialogSave = "Сохранить";
inline constexpr const char* kFileDialogFileName = "Имя файла:";
inline constexpr const char* kFileDialogFileType = "Тип файлов:";
inline constexpr const char* kFileDialogLookIn = "Папка:";

// The scenario page, its menu and the line dialog.
inline constexpr const char* kMenuScenario = "Сценарий";
inline constexpr const char* kTabScenario = "Сценарий";
inline constexpr const char* kCmdScriptOpen = "Открыть";
inline constexpr const char* kCmdScriptSave = "Сохранить";
inline constexpr const char* kCmdScriptRun = "Прогноз";
inline constexpr const char* kCmdScriptTest = "Тест";
inline constexpr const char* kCmdScriptStop = "Стоп";
inline constexpr const char* kCmdScriptAdd = "Добавить фильтры";
inline constexpr const char* kCmdScriptEmpty = "Добавить разделитель";
inline constexpr const char* kCmdScriptLoad = "Добавить сценарий";
inline constexpr const char* kCmdScriptClone = "Клонировать";
inline constexpr const char* kCmdScriptEdit = "Изменить";
inline constexpr const char* kCmdScriptDel = "Удалить";
inline constexpr const char* kCmdScriptClr = "Удалить все";
inline constexpr const char* kCmdScriptUp = "Переместить вверх";
inline constexpr const char* kCmdScriptDown = "Переместить вниз";
inline constexpr const char* kCmdLogToggle = "Журнал выполнения сценария";
inline constexpr const char* kCmdLogsDelete = "Удалить журналы выполнения сценариев";
inline constexpr const char* kOpenScenarioTitle = "Открыть сценарий";
inline constexpr const char* kSaveScenarioTitle = "Сохранить сценарий";
inline constexpr const char* kAddScenarioTitle = "Добавить сценарий";
inline constexpr const char* kLineStartLabel = "Начальный список комбинаций:";
inline constexpr const char* kLineExcludeLabel = "Количество тиражей N:";
inline constexpr const char* kLineStakeLabel = "Ставка, если осталось более одной комбинации:";
inline constexpr const char* kLineFiltersGroup = "Фильтры";
inline constexpr const char* kLineFilterHint = "Изменить фильтр (или двойной щелчок по полю)";

// The systems page, its menu and the system dialog.
inline constexpr const char* kMenuSystems = "Системы";
inline constexpr const char* kCmdSystemsOn = "Системная игра";
inline constexpr const char* kCmdSystemsTab = "Вкладка \"Системы\"";
inline constexpr const char* kCmdSystemsRefresh = "Обновить";
inline constexpr const char* kCmdSystemsAdd = "Добавить";
inline constexpr const char* kCmdSystemsProp = "Свойства";
inline constexpr const char* kCmdSystemsDel = "Удалить";
inline constexpr const char* kCmdSystemStakeAll = "Cистемная игра по списку системы";
inline constexpr const char* kCmdSystemStakeFilter = "Cистемная игра по списку комбинаций";
inline constexpr const char* kStatusSystemsList = "Загрузка списка систем...";
inline constexpr const char* kConfirmDeleteSystem =
    "Вы действительно хотите удалить систему \"%s\"?";
inline constexpr const char* kConfirmReplaceSystem =
    "Система для %d чисел уже есть на компьютере и будет заменена. Продолжить?";
inline constexpr const char* kErrorEditSystem = "Ошибка изменения системы!\r\r%s";
inline constexpr const char* kErrorDeleteSystem = "Ошибка удаления системы!\r\r%s";
inline constexpr const char* kSystemTitleLabel = "Название:";
inline constexpr const char* kSystemNumsLabel = "Числа:";
inline constexpr const char* kSystemOlapLabel = "Блок:";
inline constexpr const char* kSystemLengthLabel = "Длина:";
inline constexpr const char* kSystemCSizeLabel = "Комбинаций:";
inline constexpr const char* kSystemAuthorLabel = "Автор:";
inline constexpr const char* kSystemDescrLabel = "Описание:";
inline constexpr const char* kSystemCreatedLabel = "Создана:";
inline constexpr const char* kSystemDownloadsLabel = "Загрузок:";
inline constexpr const char* kSystemLastLabel = "Последняя:";
inline constexpr const char* kSystemUrlLabel = "Ссылка:";
inline constexpr const char* kSystemCombsLabel = "Комбинации системы:";
inline constexpr const char* kSystemOpenUrl = "Открыть";
inline constexpr const char* kSystemCopy = "Копировать";
inline constexpr const char* kSystemPaste = "Вставить";
inline constexpr const char* kSystemSelectAll = "Выделить все";
inline constexpr const char* kSystemLoadFile = "Загрузить из файла";
inline constexpr const char* kSystemSaveFile = "Сохранить в файл";
inline constexpr const char* kSystemTextFilter = "Текстовые файлы (*.txt)";
inline constexpr const char* kSystemTextExtension = "txt";
inline constexpr const char* kSystemLoadTitle = "Загрузить комбинации системы";
inline constexpr const char* kSystemSaveTitle = "Сохранить комбинации системы";

// The stake, rating and regular-stake pages and their menus.
inline constexpr const char* kMenuStakes = "Ставки";
inline constexpr const char* kMenuRatings = "Рейтинг";
inline constexpr const char* kMenuTables = "Регуляры";
inline constexpr const char* kMenuEffMode = "Эффективность (столбцы E0..n)";
inline constexpr const char* kTabTables = "Регуляры";
inline constexpr const char* kCmdStakeAdd = "Сделать ставку";
inline constexpr const char* kCmdStakeAddRandom = "Сделать случайную ставку";
inline constexpr const char* kCmdStakeAddSelected = "Сделать ставки для выделенных комбинаций";
inline constexpr const char* kCmdStakeAddAll = "Сделать ставки для всех комбинаций";
inline constexpr const char* kCmdStakeDel = "Удалить ставку";
inline constexpr const char* kCmdStakeFilter = "Удалить по условию";
inline constexpr const char* kCmdStakeClear = "Удалить все ставки";
inline constexpr const char* kCmdStakesCheckManual = "Проверить ставки";
inline constexpr const char* kCmdStakesScroll = "Прокручивать список при добавлении";
inline constexpr const char* kCmdStakesCheckLine = "Проверять ставки после каждой строки сценария";
inline constexpr const char* kCmdLogStakes = "Журналы ставок";
inline constexpr const char* kCmdLogStakesDelete = "Удалить журналы ставок";
inline constexpr const char* kCmdRatingsRefresh = "Обновить рейтинг";
inline constexpr const char* kCmdRatingsExport = "Экспорт рейтинга в CSV-файл";
inline constexpr const char* kCmdRatingsToScript = "Добавить в сценарий";
inline constexpr const char* kCmdStakesGraphDraws = "Суммарный профит по тиражам";
inline constexpr const char* kCmdStakesGraphOverlap = "График совпадений ставок";
inline constexpr const char* kCmdStakesGraphProfits = "График профита ставок";
inline constexpr const char* kCmdRatingsGraphOverlap = "Количество совпадений";
inline constexpr const char* kCmdTablesAdd = "Добавить регулярную ставку";
inline constexpr const char* kCmdTablesDel = "Удалить регулярную ставку";
inline constexpr const char* kCmdTablesStakeAdd = "Сделать ставку по регуляру";
inline constexpr const char* kCmdTablesStakeTest = "Тест регуляров";
inline constexpr const char* kCmdTabTables = "Вкладка \"Регуляры\"";
inline constexpr const char* kStakeDialogComment = "Комментарий:";
inline constexpr const char* kStakeDialogSum = "Сумма:";
inline constexpr const char* kConditionLabel = "Совпадений:";
inline constexpr const char* kRuleCommentLabel = "Комментарий:";
inline constexpr const char* kRuleStepLabel = "Шаг:";
inline constexpr const char* kRatingsExportTitle = "Экспорт рейтинга в CSV-файл";
inline constexpr const char* kGraphWindowCaption = "График";
inline constexpr const char* kGraphLabels = "Отображать метки на графиках";

// The configuration dialog.
inline constexpr const char* kCmdEditConfig = "Параметры";
inline constexpr const char* kConfigCaption = "Параметры системы";
inline constexpr const char* kConfigCost = "Стоимость ставки:";
inline constexpr const char* kConfigProfits = "Размеры выигрышей:";
inline constexpr const char* kConfigOverlapColumn = "Совпадений";
inline constexpr const char* kConfigProfitColumn = "Сумма выигрыша";
inline constexpr const char* kConfigCoefGroup = "Коэффициенты для поля \"Вес\"";
inline constexpr const char* kConfigMatrixCols = "Размер матрицы:";
inline constexpr const char* kConfigSegments = "Сегменты матрицы:";
inline constexpr const char* kConfigChannelSize = "Размер канала:";
inline constexpr const char* kConfigMaxStake = "Расширенная ставка:";
inline constexpr const char* kConfigBadSegment =
    "Некорректное значение: %s!\r\rУкажите любое число от 1 до 9";

// Spreadsheet exports.
inline constexpr const char* kCmdXlsExport = "Экспорт в Microsoft Excel";
inline constexpr const char* kCmdStatXlsExport = "Экспорт статистики в Microsoft Excel";
inline constexpr const char* kCmdStakesXlsExport = "Экспорт ставок в Microsoft Excel";
inline constexpr const char* kCmdRatingsXlsExport = "Экспорт рейтинга в Microsoft Excel";

// The shredding formulas dialog.
inline constexpr const char* kCmdEditShredding = "Формулы шинковки";
inline constexpr const char* kHintEditShredding = "Редактирование формул для методов шинковки";
inline constexpr const char* kShreddingCaption = "Методы шинковки";
inline constexpr const char* kShreddingFormulaLabel = "Формула %d:";
inline constexpr const char* kShreddingFormulaHint = "Используемая формула";
inline constexpr const char* kShreddingDigitsHint = "Количество используемых знаков после запятой";
inline constexpr const char* kShreddingVariables =
    "Используемые переменные:\r\nn1, n2, n3, ..., nX - числа текущего тиража\r\np1, p2, p3, ..., "
    "pX - числа предыдущего тиража";

// The Help menu, the about box and the first-run dialog.
inline constexpr const char* kMenuHelp = "Справка";
inline constexpr const char* kCmdGetHelp = "Справка";
inline constexpr const char* kCmdAbout = "О программе";
inline constexpr const char* kCmdOpenLotoSite = "Сайт лотереи";
inline constexpr const char* kCmdUrlMainSite = "Официальный сайт проекта";
inline constexpr const char* kCmdUrlAuthSite = "Страница автора";
inline constexpr const char* kCmdUrlAuthText = "Статьи для начинающих";
inline constexpr const char* kCmdUrlBlog = "Наш блог";
inline constexpr const char* kCmdUrlYT = "Наш видеоблог";
inline constexpr const char* kCmdUrlVK = "Страница в соцсети \"В контакте\"";
inline constexpr const char* kCmdUrlOK = "Страница в соцсети \"Однокласники\"";
inline constexpr const char* kCmdUrlTG = "Канал в Telegram";
inline constexpr const char* kAboutVersion = "Версия %s";
inline constexpr const char* kAboutDataFolder = "Папка данных:";
inline constexpr const char* kAboutLicense =
    "Свободная программа: распространяется на условиях GNU GPL версии 3 или более поздней.";
inline constexpr const char* kFirstRunCaption = "Справочная информация";
inline constexpr const char* kFirstRunText =
    "Если Вы запускаете программу в первый раз, рекомендуем Вам ознакомится со справочной "
    "инфомацией:";
inline constexpr const char* kFirstRunHelp = "Открыть файл встроенной справочной системы";
inline constexpr const char* kFirstRunNoMore = "Больше не показывать данный диалог";

// Standard buttons (Qt's own translations may be missing on the system).
inline constexpr const char* kButtonOk = "OK";
inline constexpr const char* kButtonCancel = "Отмена";
inline constexpr const char* kButtonYes = "Да";
inline constexpr const char* kButtonNo = "Нет";
inline constexpr const char* kButtonClose = "Закрыть";

}  // namespace pentad::texts
