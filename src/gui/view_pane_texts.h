// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the analysis tabs ("Графики", "Карта", "Схема", "Неделя") and of
// the repeats and sum windows: commands, fields, hints and menus.
#pragma once

namespace pentad::texts {

inline constexpr const char* kCmdRefresh = "Обновить";

inline constexpr const char* kCmdViewColorCard = "Выделять каналы в карте тиражей";
inline constexpr const char* kCmdViewColorCardSequences =
    "Выделять последовательности в карте тиражей";
inline constexpr const char* kCmdViewShemaGradient = "Градиентная раскраска схемы";
inline constexpr const char* kCmdViewWeekChartMode = "График по дням недели";
inline constexpr const char* kCmdViewWeekChartType = "График / диаграмма";
inline constexpr const char* kCmdTabGraphs = "Вкладка \"Графики\"";
inline constexpr const char* kCmdTabCard = "Вкладка \"Карта\"";
inline constexpr const char* kCmdTabLayout = "Вкладка \"Схема\"";
inline constexpr const char* kCmdTabWeek = "Вкладка \"Неделя\"";
inline constexpr const char* kCmdCardXlsExport = "Экспорт карты тиражей в Microsoft Excel";
inline constexpr const char* kCmdLayoutXlsExport = "Экспорт схемы в Microsoft Excel";

inline constexpr const char* kMenuExtraStats = "Расширенная статистика";

// The graph tab.
inline constexpr const char* kGraphTypeLabel = "Тип графика:";
inline constexpr const char* kViewLengthLabel = "Тиражей:";
inline constexpr const char* kGraphTabLabels = "Отображать метки на графике";

// The layout tab.
inline constexpr const char* kLayoutTitle = "Схема выпадения номеров";
inline constexpr const char* kCompareTitle = "Сравнение";

// The repeats window.
inline constexpr const char* kRepeatsLengthLabel =
    "Количество тиражей, использующихся для расчета статистики";
inline constexpr const char* kRepeatsDepthLabel =
    "Количество тиражей, просматриваемых \"в глубину\" для поиска совпадений";
inline constexpr const char* kRepeatsCalc = "Рассчитать";

}  // namespace pentad::texts
