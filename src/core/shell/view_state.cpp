// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/view_state.h"

#include <algorithm>

#include "shell/error.h"
#include "shell/text_utils.h"

namespace pentad {
namespace {

int readInt(const IniFile& f, const std::string& s, const char* key, int def) {
    return static_cast<int>(f.readInt(s, key, def));
}

bool parseQuad(const std::string& text, std::array<int, 4>& out) {
    std::vector<std::string> parts = splitAny(text, ",");
    if (parts.size() != 4) {
        return false;
    }
    std::array<int, 4> v{};
    for (size_t i = 0; i < 4; ++i) {
        if (!parseInt32(trim(parts[i]), v[i])) {
            return false;
        }
    }
    out = v;
    return true;
}

std::string quadText(const std::array<int, 4>& v) {
    return format("%d,%d,%d,%d", v[0], v[1], v[2], v[3]);
}

}  // namespace

bool* MainFormSettings::boolField(std::string_view key) {
    const std::pair<const char*, bool*> fields[] = {
        {"WeekChartType", &WeekChartType},
        {"AutoUpdates", &AutoUpdates},
        {"ScriptLogEnabled", &ScriptLogEnabled},
        {"StakesLogEnabled", &StakesLogEnabled},
        {"StakesScrollEnabled", &StakesScrollEnabled},
        {"StakesCheckOnLine", &StakesCheckOnLine},
        {"ColorDraws", &ColorDraws},
        {"ColorCombs", &ColorCombs},
        {"ColorCard", &ColorCard},
        {"ColorCardSequences", &ColorCardSequences},
        {"LayoutGradient", &LayoutGradient},
        {"SortedDraws", &SortedDraws},
        {"PrefetchsEnabled", &PrefetchsEnabled},
        {"PrefetchsInit", &PrefetchsInit},
        {"ShowTotalLine", &ShowTotalLine},
        {"ScriptLibraryOn", &ScriptLibraryOn},
        {"TabGraphs", &TabGraphs},
        {"TabCard", &TabCard},
        {"TabLayout", &TabLayout},
        {"TabWeek", &TabWeek},
        {"TabTables", &TabTables},
        {"FirstRun", &FirstRun},
    };
    for (const auto& [name, field] : fields) {
        if (key == name) {
            return field;
        }
    }
    return nullptr;
}

int* MainFormSettings::intField(std::string_view key) {
    const std::pair<const char*, int*> fields[] = {
        {"LeftPanelWidth", &LeftPanelWidth},
        {"DrawsExclude", &DrawsExclude},
        {"DrawsStatLen", &DrawsStatLen},
        {"DrawsStatHeight", &DrawsStatHeight},
        {"DrawsGraphLen", &DrawsGraphLen},
        {"FiltersHeight", &FiltersHeight},
        {"LayoutLen", &LayoutLen},
        {"WeekLen", &WeekLen},
        {"WeekHeight", &WeekHeight},
        {"WeekChartMode", &WeekChartMode},
        {"DownloadDrawsOnStart", &DownloadDrawsOnStart},
        {"ScenarioJobs", &ScenarioJobs},
        {"RatingsEffMode", &RatingsEffMode},
        {"LayoutCompareHeight", &LayoutCompareHeight},
        {"ScriptLibraryHeight", &ScriptLibraryHeight},
        {"ScriptLibraryFilter", &ScriptLibraryFilter},
        {"Language", &Language},
    };
    for (const auto& [name, field] : fields) {
        if (key == name) {
            return field;
        }
    }
    return nullptr;
}

void MainFormSettings::load(const IniFile& f, const std::string& s) {
    LeftPanelWidth = readInt(f, s, "LeftPanelWidth", 335);
    DrawsExclude = readInt(f, s, "DrawsExclude", 0);
    DrawsStatLen = readInt(f, s, "DrawsStatLen", 1000);
    DrawsStatHeight = readInt(f, s, "DrawsStatHeight", kDesignedStatHeight);
    DrawsGraphLen = readInt(f, s, "DrawsGraphLen", 100);
    FiltersHeight = readInt(f, s, "FiltersHeight", kDesignedFiltersHeight);
    LayoutLen = readInt(f, s, "LayoutLen", 100);
    const std::array<int, 5> compareDefaults = {50, 100, 200, 300, 400};
    for (int i = 0; i < 5; ++i) {
        LayoutCompareLen[static_cast<size_t>(i)] =
            readInt(f, s, format("LayoutCompareLen%d", i + 1).c_str(),
                    compareDefaults[static_cast<size_t>(i)]);
    }
    WeekLen = readInt(f, s, "WeekLen", 1000);
    WeekHeight = readInt(f, s, "WeekHeight", kDesignedWeekHeight);
    WeekChartMode = readInt(f, s, "WeekChartMode", 0);
    WeekChartType = f.readBool(s, "WeekChartType", false);
    AutoUpdates = f.readBool(s, "AutoUpdates", true);
    DownloadDrawsOnStart = readInt(f, s, "DownloadDrawsOnStart", 0);
    ScriptLogEnabled = f.readBool(s, "ScriptLogEnabled", false);
    StakesLogEnabled = f.readBool(s, "StakesLogEnabled", false);
    StakesScrollEnabled = f.readBool(s, "StakesScrollEnabled", true);
    StakesCheckOnLine = f.readBool(s, "StakesCheckOnLine", true);
    ScenarioJobs = std::clamp(readInt(f, s, "ScenarioJobs", 0), 0, 64);
    ColorDraws = f.readBool(s, "ColorDraws", true);
    ColorCombs = f.readBool(s, "ColorCombs", true);
    ColorCard = f.readBool(s, "ColorCard", true);
    ColorCardSequences = f.readBool(s, "ColorCardSequences", true);
    LayoutGradient = f.readBool(s, "LayoutGradient", true);
    SortedDraws = f.readBool(s, "SortedDraws", false);
    PrefetchsEnabled = f.readBool(s, "PrefetchsEnabled", false);
    PrefetchsInit = f.readBool(s, "PrefetchsInit", false);
    ShowTotalLine = f.readBool(s, "ShowTotalLine", true);
    RatingsEffMode = readInt(f, s, "RatingsEffMode", 1);
    LayoutCompareHeight = readInt(f, s, "LayoutCompareHeight", kDesignedCompareHeight);
    ScriptLibraryOn = f.readBool(s, "ScriptLibraryOn", true);
    ScriptLibraryHeight = readInt(f, s, "ScriptLibraryHeight", kDesignedLibraryHeight);
    ScriptLibraryFilter = readInt(f, s, "ScriptLibraryFilter", 2);
    TabGraphs = f.readBool(s, "TabGraphs", true);
    TabCard = f.readBool(s, "TabCard", true);
    TabLayout = f.readBool(s, "TabLayout", true);
    TabWeek = f.readBool(s, "TabWeek", true);
    TabTables = f.readBool(s, "TabTables", true);
    Language = readInt(f, s, "Language", 1033);
    FirstRun = f.readBool(s, "FirstRun", false);
}

void MainFormSettings::saveLayout(IniFile& f, const std::string& s) const {
    IniFile::Batch batch(f);
    f.writeInt(s, "LeftPanelWidth", LeftPanelWidth);
    f.writeInt(s, "DrawsExclude", DrawsExclude);
    f.writeInt(s, "DrawsStatLen", DrawsStatLen);
    f.writeInt(s, "DrawsStatHeight", DrawsStatHeight);
    f.writeInt(s, "DrawsGraphLen", DrawsGraphLen);
    f.writeInt(s, "FiltersHeight", FiltersHeight);
    f.writeInt(s, "LayoutLen", LayoutLen);
    for (int i = 0; i < 5; ++i) {
        f.writeInt(s, format("LayoutCompareLen%d", i + 1), LayoutCompareLen[static_cast<size_t>(i)]);
    }
    f.writeInt(s, "WeekLen", WeekLen);
    f.writeInt(s, "WeekHeight", WeekHeight);
    f.writeInt(s, "LayoutCompareHeight", LayoutCompareHeight);
    f.writeInt(s, "ScriptLibraryHeight", ScriptLibraryHeight);
    f.writeInt(s, "ScriptLibraryFilter", ScriptLibraryFilter);
}

std::optional<WindowPlacement> readWindowPlacement(const IniFile& f, const std::string& s,
                                                   int screenWidth, int screenHeight,
                                                   int pixelsPerInch) {
    std::string suffix = format("_%dx%d", screenWidth, screenHeight);
    std::string norm = f.readString(s, "NormPos" + suffix, f.readString(s, "NormPos", ""));
    WindowPlacement p;
    if (!parseQuad(norm, p.NormPos)) {
        return std::nullopt;
    }
    p.PixelsPerInch = readInt(f, s, "PixelsPerInch", pixelsPerInch);
    if (p.PixelsPerInch != pixelsPerInch) {
        return std::nullopt;
    }
    p.Flags = readInt(f, s, "Flags", 0);
    p.ShowCmd = readInt(f, s, "ShowCmd", 1);
    std::string minMax = f.readString(s, "MinMaxPos" + suffix, f.readString(s, "MinMaxPos", ""));
    parseQuad(minMax, p.MinMaxPos);
    return p;
}

void writeWindowPlacement(IniFile& f, const std::string& s, const WindowPlacement& p,
                          int screenWidth, int screenHeight) {
    IniFile::Batch batch(f);
    std::string suffix = format("_%dx%d", screenWidth, screenHeight);
    f.writeInt(s, "Flags", p.Flags);
    f.writeInt(s, "ShowCmd", p.ShowCmd);
    f.writeInt(s, "PixelsPerInch", p.PixelsPerInch);
    f.writeString(s, "MinMaxPos", quadText(p.MinMaxPos));
    f.writeString(s, "MinMaxPos" + suffix, quadText(p.MinMaxPos));
    f.writeString(s, "NormPos", quadText(p.NormPos));
    f.writeString(s, "NormPos" + suffix, quadText(p.NormPos));
}

void readColumnWidths(const IniFile& f, const std::string& s, const std::string& list,
                      std::vector<int>& widths) {
    for (size_t i = 0; i < widths.size(); ++i) {
        widths[i] = static_cast<int>(
            f.readInt(s, format("%s.Column%d", list, static_cast<int>(i)), widths[i]));
    }
}

void writeColumnWidths(IniFile& f, const std::string& s, const std::string& list,
                       const std::vector<int>& widths) {
    IniFile::Batch batch(f);
    for (size_t i = 0; i < widths.size(); ++i) {
        f.writeInt(s, format("%s.Column%d", list, static_cast<int>(i)), widths[i]);
    }
}

bool readSortType(const IniFile& f, const std::string& s, const std::string& list, int& column,
                  int& direction) {
    std::vector<std::string> parts = splitAny(f.readString(s, list + ".SortType", ""), ",");
    int c = 0;
    int d = 0;
    if (parts.size() != 2 || !parseInt32(trim(parts[0]), c) || !parseInt32(trim(parts[1]), d)) {
        return false;
    }
    column = c;
    direction = d;
    return true;
}

void writeSortType(IniFile& f, const std::string& s, const std::string& list, int column,
                   int direction) {
    f.writeString(s, list + ".SortType", format("%d,%d", column, direction));
}

}  // namespace pentad
