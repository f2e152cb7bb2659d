// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the analysis views: tab captions (also the captions of the filters
// the views apply), status lines, chart series and list columns.
#pragma once

namespace pentad::texts {

inline constexpr const char* kTabGraphs = "Графики";
inline constexpr const char* kTabCard = "Карта";
inline constexpr const char* kTabLayout = "Схема";
inline constexpr const char* kTabWeek = "Неделя";

inline constexpr const char* kStatusCard = "Обновление карты тиражей...";
inline constexpr const char* kStatusLayout = "Построение схемы выпадения номеров...";
inline constexpr const char* kStatusWeek = "Построение статистики по дням недели...";
inline constexpr const char* kStatusGraph = "Анализ тиражей и построение графиков...";
inline constexpr const char* kStatusCollecting = "Идет сбор статистики....";
inline constexpr const char* kStatusRepeatCharts = "Создание графиков...";

// Short day names, Monday first.
inline constexpr const char* kWeekDays[7] = {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};

inline constexpr const char* kCompareCountColumn = "Кол-во";

inline constexpr const char* kNotGraphMethod = "Для метода статистики \"%s\" график не строится!";
inline constexpr const char* kSeriesMode = "Наиболее часто встречающееся значение";

inline constexpr const char* kRepeatsCaption = "Количество повторов в зависимости от тиража";
inline constexpr const char* kRepeatsSeries = "Совпадений: %d";
inline constexpr const char* kRepeatsColumns[4] = {"Тираж", "Совпадений", "Кол-во повторов",
                                                   "Список тиражей"};

inline constexpr const char* kSumsCaption =
    "Распределение сумм тиражей и всех возможных комбинаций";
inline constexpr const char* kSumsActual = "Фактическое распределение сумм (по тиражам)";
inline constexpr const char* kSumsTheoretical = "Теоретическое распределение сумм (по комбинациям)";
inline constexpr const char* kSumsRange = "Диапазон %d (от %s и выше по оси Y) - суммы %d-%d";
inline constexpr const char* kSumsLevelNames[3] = {"1/3", "1/2", "2/3"};

}  // namespace pentad::texts
