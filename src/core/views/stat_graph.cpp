// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/stat_graph.h"

#include <algorithm>

#include "shell/error.h"
#include "shell/shell.h"
#include "stakes/stake_texts.h"
#include "views/view_texts.h"
#include "views/view_window.h"

namespace pentad {

StatGraph buildStatGraph(const TStatList& list, int entry, const DrawArchive& archive, int length,
                         bool sorted) {
    StatGraph graph;
    std::unique_ptr<TCustomStat> stat = list.CreateStat(entry);
    if (!stat->hasGraphValue()) {
        throw Error(format(texts::kNotGraphMethod, list.Item(entry).Code()));
    }
    graph.caption = list.Item(entry).DisplayCaption();
    const DrawWindow window = analysisWindow(archive, length);
    if (window.empty()) {
        return graph;
    }
    const TDrawsArray& draws = archive.draws();
    TStatSimpleArray histogram;
    long double sum = 0;
    graph.points.reserve(static_cast<size_t>(window.size()));
    for (int i = window.first; i <= window.last; ++i) {
        const int32_t v = stat->GraphValue(i, window.last, sorted);
        graph.points.push_back({draws[static_cast<size_t>(i)].Number, v});
        sum += v;
        auto known = std::find_if(histogram.begin(), histogram.end(),
                                  [v](const TStatSimpleRec& r) { return r.Key == v; });
        if (known != histogram.end()) {
            ++known->Count;
        } else {
            histogram.push_back({v, 1});
        }
    }
    // The first of the most frequent values wins: only a larger count replaces it.
    const TStatSimpleRec* best = &histogram.front();
    for (const TStatSimpleRec& r : histogram) {
        if (r.Count > best->Count) {
            best = &r;
        }
    }
    graph.mode = best->Key;
    graph.mean = static_cast<double>(sum / static_cast<long double>(graph.points.size()));
    return graph;
}

GraphData statGraphData(const StatGraph& graph, bool labels) {
    GraphData data;
    GraphSeries main{
        .title = graph.caption, .rgb = kGraphMainColor, .labels = labels, .points = {}};
    GraphSeries mean{.title = texts::kSeriesMean,
                     .rgb = kGraphMeanColor,
                     .markers = false,
                     .labels = false,
                     .points = {}};
    GraphSeries mode{.title = texts::kSeriesMode,
                     .rgb = kGraphModeColor,
                     .markers = false,
                     .labels = false,
                     .points = {}};
    for (const StatGraph::Point& p : graph.points) {
        main.points.push_back({p.draw, static_cast<double>(p.value)});
        mean.points.push_back({p.draw, graph.mean});
        mode.points.push_back({p.draw, static_cast<double>(graph.mode)});
    }
    data.series = {std::move(main), std::move(mean), std::move(mode)};
    return data;
}

GraphPage::GraphPage(Shell& shell, const TStatList& list, const DrawArchive& archive)
    : m_shell(shell), m_list(list), m_archive(archive) {}

bool GraphPage::refresh(bool force) {
    const Key key{windowKey(m_archive, length), entry, sorted};
    if (!force && key == m_key) {
        return false;
    }
    m_key = key;
    m_graph = StatGraph{};
    if (entry < 0 || entry >= m_list.Count() || m_archive.empty()) {
        return true;
    }
    OperationScope op(m_shell, texts::kStatusGraph);
    m_graph = buildStatGraph(m_list, entry, m_archive, length, sorted);
    return true;
}

}  // namespace pentad
