// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the combination set: the combinations tab's commands and status
// lines, the generation dialog, the applied-filters list and the messages,
// kept in one place so a language module can replace them.
#pragma once

namespace pentad::texts {

// Generation and its dialog.
inline constexpr const char* kGenerateDialogTitle = "Создание нового списка комбинаций";
inline constexpr const char* kGenerateModeCaptions[5] = {
    "Полный список (все возможные для данного лото варианты)",
    "Мои числа - должно присутствовать любое из указанных",
    "Мои числа - комбинации только из списка указанных",
    "Мои числа - исключить комбинации с любым из указанных",
    "Загрузить список из заранее подготовленного CSV-файла",
};
inline constexpr const char* kGenerateSaveDefaults =
    "Сохранить эти параметры для генерации комбинаций \"по умолчанию\"";
inline constexpr const char* kStatusGenerating = "Генерация возможных комбинаций...";
inline constexpr const char* kErrorGenerate = "Ошибка генерации файла комбинаций!\r\r%s";

// Files of combinations.
inline constexpr const char* kLcvExtension = "lcv";
inline constexpr const char* kLcvFilter = "Файлы комбинаций (*.lcv)|*.lcv";
inline constexpr const char* kStatusLoadingCombs = "Загрузка файла \"%s\"...";
inline constexpr const char* kErrorReadCombs = "Ошибка чтения файла \"%s\"!\r\r%s";
inline constexpr const char* kStatusSavingCombs = "Сохранение файла \"%s\"...";
inline constexpr const char* kErrorWriteCombs = "Ошибка записи в файл \"%s\"!\r\r%s";
// Shown after reading a file or pasted text in which some lines were not combinations.
inline constexpr const char* kSkippedLines = "Пропущено некорректных строк: %d";

// Undo.
inline constexpr const char* kStatusSaveUndo = "Создание файла отката...";
inline constexpr const char* kStatusRestoreUndo = "Отмена изменений...";

// Excluding the last draws and deleting rows.
inline constexpr const char* kExcludeHint =
    "Исключить указанное количество последних тиражей из списка комбинаций";
inline constexpr const char* kStatusExcluding =
    "Удаление из списка комбинаций %d последних тиражей...";
inline constexpr const char* kStatusExcludingProgress =
    "Удаление из списка комбинаций %d последних тиражей ( завершено %.0f %% )...";
inline constexpr const char* kStatusDeletingSelected = "Удаление выделенных комбинаций...";

// The small commands of the tab.
inline constexpr const char* kStatusPleaseWait = "Подождите пожалуйста...";
inline constexpr const char* kUniqueNumbers =
    "В текущем списке комбинаций содержится %d уникальных номеров";
inline constexpr const char* kStatusFinding = "Поиск по архиву тиражей...";
inline constexpr const char* kFoundInDraws = "Выделенная комбинация найдена в следующих тиражах:";
inline constexpr const char* kNotFoundInDraws = "Выделенная комбинация не найдена архиве тиражей!";

// The buffer used by scenarios.
inline constexpr const char* kStatusStoreBuffer = "Создание буфера комбинаций...";
inline constexpr const char* kErrorStoreBuffer = "Ошибка создания буфера комбинаций!\r\r%s";
inline constexpr const char* kStatusLoadBuffer = "Загрузка буфера комбинаций...";
inline constexpr const char* kErrorLoadBuffer = "Ошибка загрузки буфера комбинаций!\r\r%s";

// The applied-filters list.
inline constexpr const char* kColumnAppliedFilters = "Примененные фильтры";
inline constexpr const char* kColumnValues = "Значения";
inline constexpr const char* kColumnCombs = "Комбинаций";
inline constexpr const char* kEntryLastDraws = "Последние тиражи";
inline constexpr const char* kEntrySelectedCombs = "Выделенные комбинации";
inline constexpr const char* kEntryRollback = "Отмена последней операции";

// Status bar panel.
inline constexpr const char* kPanelCombs = "Комбинаций: %d";

// Command captions of the combinations tab.
inline constexpr const char* kCommandGenerate = "Генерировать";
inline constexpr const char* kCommandUndo = "Отменить";
inline constexpr const char* kCommandOpen = "Открыть";
inline constexpr const char* kCommandSave = "Сохранить";
inline constexpr const char* kCommandExclude = "Исключить тиражи";
inline constexpr const char* kCommandDeleteSelected = "Удалить выделенные";
inline constexpr const char* kCommandCopy = "Копировать в буфер";
inline constexpr const char* kCommandPaste = "Вставить из буфера";
inline constexpr const char* kCommandSelectAll = "Выделить все";
inline constexpr const char* kCommandUniqueNumbers = "Количество уникальных номеров";
inline constexpr const char* kCommandFind = "Проверить по архиву тиражей";

}  // namespace pentad::texts
