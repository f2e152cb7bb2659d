// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of filter items, the filter dialog and the filtering engine.
#pragma once

namespace pentad::texts {

inline constexpr const char* kLevelAll = "Весь список (без условий)";
inline constexpr const char* kLevelWords[] = {"Глубина", "Отклонение", "Количество", "Вес",
                                              "Период min", "Период", "Период max", "Значения"};
inline constexpr const char* kConditionAtLeastValue = "не менее заданного значения";
inline constexpr const char* kConditionAtLeastPercent = "не менее заданного процента";
inline constexpr const char* kConditionAtMostValue = "не более заданного значения";
inline constexpr const char* kConditionAtMostPercent = "не более заданного процента";
inline constexpr const char* kConditionListValues = "из заданного списка значений";
inline constexpr const char* kConditionListPercents = "из заданного списка процентов";

inline constexpr const char* kStopCaptions[6] = {
    "Обработать все записи",
    "Количеству оставшихся комбинаций",
    "Пока список не будет пуст и откатить на шаг",
    "Количеству шагов",
    "Значению в списке статистики",
    "Процентному соотношению в списке статистики",
};

inline constexpr const char* kFilterDialogCaption = "Фильтр";
inline constexpr const char* kStopLabel = "Остановка по:";
inline constexpr const char* kDirectionTopDown = "Сверху-вниз";
inline constexpr const char* kDirectionBottomUp = "Снизу-вверх";
inline constexpr const char* kKeepSelected = "Оставить выделенные";
inline constexpr const char* kDeleteSelected = "Удалить выделенные";
inline constexpr const char* kBadRange = "Введен некорректный диапазон значений!";
inline constexpr const char* kNoValueListMode =
    "Для данного вида статистики не доступен режим выделения по списку значений!";
inline constexpr const char* kMultiSelectStop =
    "В режиме мультивыделения остановка сценария по количеству комбинаций или чисел не может быть "
    "выполнена!\rВыберите другой способ останова.";

inline constexpr const char* kStatusFiltering = "Фильтрация комбинаций...";
inline constexpr const char* kNoViewValues = "В выделенном диапазоне нет значений для фильтра!";
inline constexpr const char* kHintStatInclude =
    "В списке комбинаций оставить комбинации с выделенными характеристиками";
inline constexpr const char* kHintStatExclude =
    "Из списка комбинаций удалить комбинации с выделенными характеристиками";
inline constexpr const char* kHintViewInclude =
    "В списке комбинаций оставить комбинации с выделенными значениями";
inline constexpr const char* kHintViewExclude =
    "Из списка комбинаций удалить комбинации с выделенными  значениями";
inline constexpr const char* kBadFilter = "Некорректное описание фильтра: %s!";
inline constexpr const char* kVariantsProgress = "Создание всех вариантов фильтров ( %d )...";
inline constexpr const char* kTooManyVariants =
    "Вы задали слишком много вариантов фильтров - программа не сможет обработать их все!\r"
    "Пожалуйста, уменьшите в каждом из фильтров количество вариантов длины выборки и глубины, а "
    "затем повторите попытку.";
inline constexpr const char* kMethodNotFound =
    "Метод расчета статистики \"%s\" на найден!\r%s\r\rВозможно, Вы отключили данных метод "
    "расчета либо использовали сценарий от другой модификации программы.";
inline constexpr const char* kLogComputing =
    "Анализ тиражей и расчет статистики \"%s\" для выборки в %d тиражей...";
inline constexpr const char* kLogRow =
    "< [%s] кол-во: %s (%s %%), отклонение: %s (%s %%), глубина: %s (%s %%), вес: %s >";
inline constexpr const char* kLogStep =
    "Шаг %.3d. Выделение строки: < [%s] кол-во: %s (%s %%), отклонение: %s (%s %%), глубина: %s "
    "(%s %%), вес: %s >";
inline constexpr const char* kLogKeep = "Оставляем выделенные значения...";
inline constexpr const char* kLogDelete = "Удаляем выделенные значения...";
inline constexpr const char* kLogCount = "Количество комбинаций в списке: %d";
inline constexpr const char* kLogUndo = "{UNDO} Откат изменений...";

inline constexpr const char* kFavouritesCaption =
    "Менеджер избранных методов расчета статистики";
inline constexpr const char* kFavouritesPrompt =
    "Отметьте методы расчета статистики, которые Вы хотите использовать:";
inline constexpr const char* kFavouritesTotal = "всего %d методов";
inline constexpr const char* kDescriptionCaption = "Описание методики расчета";

}  // namespace pentad::texts
