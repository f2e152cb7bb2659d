// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the desktop program's windows: menus, command captions, list
// columns, status panels and file dialogs. The core keeps its own texts; these
// are the ones only the windows show, kept together for a language module.
#pragma once

namespace pentad::texts {

// Menus and tabs.
inline constexpr const char* kMenuFile = "Файл";
inline constexpr const char* kMenuDraws = "Архив тиражей";
inline constexpr const char* kMenuView = "Вид";
inline constexpr const char* kMenuStats = "Статистика";
inline constexpr const char* kMenuCombs = "Комбинации";
inline constexpr const char* kTabDraws = "Архив тиражей";
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
inline constexpr const char* kColumnDrawNumber = "Тираж";
inline constexpr const char* kColumnDrawSum = "S";
inline constexpr const char* kColumnDrawDate = "Дата тиража";
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
inline constexpr const char* kHelpNotShown =
    "Справочный файл этого формата не может быть показан в окне программы. Адрес раздела:";

// Status panels 5..6 (panels 1..3 come from the draw archive, 4 from the
// combination set).
inline constexpr const char* kPanelStakes = "Ставок: %d";
inline constexpr const char* kPanelRatings = "Рейтинг: %d";

// File dialogs of the draw exchange.
inline constexpr const char* kImportDrawsTitle = "Импорт списка тиражей из CSV-файла";
inline constexpr const char* kExportDrawsTitle = "Экспорт списка тиражей в CSV-файл";
inline constexpr const char* kCsvDialogFilter = "Файлы тиражей (*.csv)";
inline constexpr const char* kFileDialogOpen = "Открыть";
inline constexpr const char* kFileDialogSave = "Сохранить";
inline constexpr const char* kFileDialogFileName = "Имя файла:";
inline constexpr const char* kFileDialogFileType = "Тип файлов:";
inline constexpr const char* kFileDialogLookIn = "Папка:";

// Standard buttons (Qt's own translations may be missing on the system).
inline constexpr const char* kButtonOk = "OK";
inline constexpr const char* kButtonCancel = "Отмена";
inline constexpr const char* kButtonYes = "Да";
inline constexpr const char* kButtonNo = "Нет";
inline constexpr const char* kButtonClose = "Закрыть";

}  // namespace pentad::texts
