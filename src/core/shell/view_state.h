// SPDX-License-Identifier: GPL-3.0-or-later
// The view-state file "Pentad.frm": the keys of the main window's section with
// their defaults, window placement and the column layouts of lists. Options
// are written the moment they change; the layout is written at shutdown.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/ini_file.h"

namespace pentad {

inline constexpr const char* kMainFormSection = "TFormMain";

// Designed sizes used where a height was never saved.
inline constexpr int kDesignedStatHeight = 240;
inline constexpr int kDesignedFiltersHeight = 160;
inline constexpr int kDesignedWeekHeight = 240;
inline constexpr int kDesignedCompareHeight = 200;
inline constexpr int kDesignedLibraryHeight = 200;

// Every key of the main window's section.
struct MainFormSettings {
    int LeftPanelWidth = 335;
    int DrawsExclude = 0;
    int DrawsStatLen = 1000;
    int DrawsStatHeight = kDesignedStatHeight;
    int DrawsGraphLen = 100;
    int FiltersHeight = kDesignedFiltersHeight;
    int LayoutLen = 100;
    std::array<int, 5> LayoutCompareLen = {50, 100, 200, 300, 400};
    int WeekLen = 1000;
    int WeekHeight = kDesignedWeekHeight;
    int WeekChartMode = 0;
    bool WeekChartType = false;
    bool AutoUpdates = true;
    int DownloadDrawsOnStart = 0;
    bool ScriptLogEnabled = false;
    bool StakesLogEnabled = false;
    bool StakesScrollEnabled = true;
    bool StakesCheckOnLine = true;
    // Threads of a scenario test; 0 = one per core.
    int ScenarioJobs = 0;
    bool ColorDraws = true;
    bool ColorCombs = true;
    bool ColorCard = true;
    bool ColorCardSequences = true;
    bool LayoutGradient = true;
    bool SortedDraws = false;
    bool PrefetchsEnabled = false;
    bool PrefetchsInit = false;
    bool ShowTotalLine = true;
    int RatingsEffMode = 1;
    int LayoutCompareHeight = kDesignedCompareHeight;
    bool ScriptLibraryOn = true;
    int ScriptLibraryHeight = kDesignedLibraryHeight;
    int ScriptLibraryFilter = 2;
    bool TabGraphs = true;
    bool TabCard = true;
    bool TabLayout = true;
    bool TabWeek = true;
    bool TabTables = true;
    int Language = 1033;
    bool FirstRun = false;

    // The field of a boolean or integer key, or null for an unknown key.
    bool* boolField(std::string_view key);
    int* intField(std::string_view key);

    // Reads every key with its default.
    void load(const IniFile& frm, const std::string& section = kMainFormSection);
    // Writes the layout keys saved at shutdown (widths, heights, lengths, the
    // catalogue filter), in one disk write.
    void saveLayout(IniFile& frm, const std::string& section = kMainFormSection) const;
};

// Window placement of one window's section.
struct WindowPlacement {
    int Flags = 0;
    int ShowCmd = 1;  // 1, 5, 9 normal; 2, 6, 7 minimised; 3 maximised
    int PixelsPerInch = 96;
    std::array<int, 4> MinMaxPos = {-1, -1, -1, -1};  // minimised x, y, maximised x, y
    std::array<int, 4> NormPos = {0, 0, 0, 0};        // left, top, right, bottom

    bool maximised() const { return ShowCmd == 3; }
    bool minimised() const { return ShowCmd == 2 || ShowCmd == 6 || ShowCmd == 7; }
};

// Reads the placement, preferring the entries for the given screen size and
// falling back to the plain ones. Empty when the section holds no position or
// when its PixelsPerInch differs from `pixelsPerInch`.
std::optional<WindowPlacement> readWindowPlacement(const IniFile& frm, const std::string& section,
                                                   int screenWidth, int screenHeight,
                                                   int pixelsPerInch);
// Writes both the plain and the screen-size entries.
void writeWindowPlacement(IniFile& frm, const std::string& section, const WindowPlacement& p,
                          int screenWidth, int screenHeight);

// Column widths "%s.Column%d" of a list; missing entries keep `widths`.
void readColumnWidths(const IniFile& frm, const std::string& section, const std::string& list,
                      std::vector<int>& widths);
void writeColumnWidths(IniFile& frm, const std::string& section, const std::string& list,
                       const std::vector<int>& widths);

// "%s.SortType" = "%d,%d" (column, direction) of sortable lists.
bool readSortType(const IniFile& frm, const std::string& section, const std::string& list,
                  int& column, int& direction);
void writeSortType(IniFile& frm, const std::string& section, const std::string& list, int column,
                   int direction);

}  // namespace pentad
