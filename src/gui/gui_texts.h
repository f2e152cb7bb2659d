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
inline constexpr const char* kTabDraws = "Архив тиражей";

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

// The draw list and its pane.
inline constexpr const char* kColumnDrawNumber = "Тираж";
inline constexpr const char* kColumnDrawSum = "S";
inline constexpr const char* kColumnDrawDate = "Дата тиража";
inline constexpr const char* kOffsetLabel = "Смещение назад:";

// Status panels 4..6 (panels 1..3 come from the draw archive).
inline constexpr const char* kPanelCombinations = "Комбинаций: %d";
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
