// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the statistics engine and the statistics page.
#pragma once

namespace pentad::texts {

inline constexpr const char* kGroupCaptions[13] = {
    "Числа тиража",
    "Сумма чисел тиража",
    "Разности между числами тиража",
    "Каналы (группы чисел)",
    "Матрица тиража",
    "Сегменты матрицы тиража",
    "Последовательности чисел в одном тираже",
    "Повторяющиеся числа в нескольких тиражах",
    "Серии (цепочки) значений",
    "Периоды повторения значений",
    "Переходы (изменения) значений между тиражами",
    "Характеристическое число Кворина",
    "Методы шинковки",
};

inline constexpr const char* kNoMethodChosen = "Не выбран метод расчета статистики (cb: %s)!";
inline constexpr const char* kErrorLoadFavourites = "Ошибка загрузки списка фильтров!\r\r%s";
inline constexpr const char* kErrorSaveFavourites = "Ошибка сохранения списка фильтров!\r\r%s";
inline constexpr const char* kUnknownMethod = "Неизвестный метод статистики: \"%s\"!";

inline constexpr const char* kStatusComputing = "Анализ тиражей и расчет статистики...";
inline constexpr const char* kStatusBuildingAll =
    "Создание файлов для полного набора комбинаций...";
inline constexpr const char* kStatusBuildingOne = "Создание файла предварительной выборки %s...";
inline constexpr const char* kStatusCharts = "Создание графиков...";
inline constexpr const char* kErrorOpenPrefetch =
    "Ошибка открытия файла данных для полного набора вариантов!\r\rИмя файла: %s\r\r%s";
inline constexpr const char* kErrorBuildPrefetch =
    "Ошибка создания файла данных для полного набора вариантов!\r\rИмя файла: %s\r\r%s";
inline constexpr const char* kBadPrefetch = "Файл поврежден: размер %d байт не кратен 12";

inline constexpr const char* kSeriesActual = "Фактические данные";
inline constexpr const char* kSeriesIdeal = "Все возможные комбинации";
inline constexpr const char* kStatPageCaption = "Статистика";
inline constexpr const char* kStatLengthHint =
    "Количество тиражей, использующихся для расчета статистики";

inline constexpr const char* kColumnCaptions[20] = {
    "Значение",    "Количество", "Кол-во в %", "Норма",      "Отклонение",
    "Откл-ие в %", "Глубина",    "Глубина в %", "Вес",       "Посл. тираж",
    "Период min",  "Период",     "Период max", "Ожд. ПРД",   "Ожд. СТФ",
    "Ожд. КРН",    "Факт",       "+/- ПРД",    "+/- СТФ",    "+/- КРН",
};

inline constexpr const char* kCmdStatCalc = "Обновить";
inline constexpr const char* kCmdPrefetchsEnabled =
    "Использовать сравнение с полным набором комбинаций";
inline constexpr const char* kCmdShowTotalLine = "График идеального распределения";
inline constexpr const char* kCmdFiltersManager = "Избранные статистики";
inline constexpr const char* kCmdFiltersReset = "Все доступные статистики";
inline constexpr const char* kCmdFiltersInfo = "Описание статистики";
inline constexpr const char* kConfirmFiltersReset =
    "Вы действительно хотите сбросить список избранных фильтров?";
inline constexpr const char* kPleaseWait = "Подождите пожалуйста...";
// A shredding formula the evaluator cannot read (it gives 0 everywhere).
inline constexpr const char* kShreddingUnreadable =
    "Формула %d не читается с позиции %d, её значение будет 0";

}  // namespace pentad::texts
