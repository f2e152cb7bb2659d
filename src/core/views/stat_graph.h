// SPDX-License-Identifier: GPL-3.0-or-later
// The statistic graph: the per-draw value of one graph statistic over a
// window of recent draws, with the mean of the window and its most frequent
// value (the value met first, oldest draw first, among equally frequent ones).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/draw_archive.h"
#include "stakes/ratings.h"
#include "stats/stat_list.h"
#include "views/view_window.h"

namespace pentad {

class Shell;

inline constexpr uint32_t kGraphMainColor = 0x008000;
inline constexpr uint32_t kGraphMarkerOutline = 0xFF00FF;
inline constexpr uint32_t kGraphMeanColor = 0x0000FF;
inline constexpr uint32_t kGraphModeColor = 0xFF0000;

struct StatGraph {
    std::string caption;  // the statistic's caption
    struct Point {
        int32_t draw = 0;
        int32_t value = 0;
    };
    std::vector<Point> points;  // oldest draw first
    double mean = 0;
    int32_t mode = 0;

    bool empty() const { return points.empty(); }
};

// The graph of method entry `entry` of `list` over the `length` draws ending
// at the latest known draw. Throws pentad::Error when the method has no
// per-draw value.
StatGraph buildStatGraph(const TStatList& list, int entry, const DrawArchive& archive, int length,
                         bool sorted);

// The three series as a chart shows them: the values (labelled when
// `labels`), the mean and the most frequent value.
GraphData statGraphData(const StatGraph& graph, bool labels);

// The graph tab without its widgets: the chosen method entry (-1 for none),
// the length and the graph, rebuilt only when what it depends on changed.
class GraphPage {
public:
    GraphPage(Shell& shell, const TStatList& list, const DrawArchive& archive);

    int length = 100;
    int entry = -1;
    bool sorted = false;

    // Rebuilds when forced, or when the number of draws, the offset, the
    // length or the method changed. With no method or an empty archive the
    // graph is cleared. True when rebuilt. Throws pentad::Error.
    bool refresh(bool force);
    void invalidate() { m_key = Key{}; }

    const StatGraph& graph() const { return m_graph; }

private:
    struct Key {
        WindowKey window;
        int entry = -2;
        bool sorted = false;
        bool operator==(const Key&) const = default;
    };

    Shell& m_shell;
    const TStatList& m_list;
    const DrawArchive& m_archive;
    StatGraph m_graph;
    Key m_key;
};

}  // namespace pentad
