// SPDX-License-Identifier: GPL-3.0-or-later
// Line charts of graph data: each series drawn as a line of width 2 in its
// own colour (or the chart's next one), with point markers and value labels
// where the series asks for them, over value axes whose horizontal ticks
// stay readable. The graph window, the graph tab and the repeats window draw
// their data this way.
#pragma once

#include <QList>

#include "stakes/ratings.h"

class QChart;
class QLineSeries;

namespace pentad {

// Replaces the series and axes of `chart` by those of `data`. Returns the
// series made with value labels (the ones a labels check box switches).
QList<QLineSeries*> showGraphData(QChart& chart, const GraphData& data);

// A chart ready for graph data: no rounded background, legend at the bottom.
QChart* makeGraphChart();

}  // namespace pentad
