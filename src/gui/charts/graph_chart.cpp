// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/graph_chart.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include "qt_text.h"

namespace pentad {
namespace {

constexpr int kMaxTicks = 12;
constexpr qreal kMarkerSize = 3;

// A step of 1, 2 or 5 times a power of ten that gives at most kMaxTicks.
double tickStep(double range) {
    const double raw = std::max(1.0, range / kMaxTicks);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= raw) {
            return factor * power;
        }
    }
    return 10 * power;
}

// The chart's value axis of that orientation, made on first use.
QValueAxis* valueAxis(QChart& chart, Qt::Orientation orientation) {
    for (QAbstractAxis* axis : chart.axes(orientation)) {
        if (auto* values = qobject_cast<QValueAxis*>(axis)) {
            return values;
        }
    }
    auto* axis = new QValueAxis;
    chart.addAxis(axis, orientation == Qt::Horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    return axis;
}

}  // namespace

QChart* makeGraphChart() {
    auto* chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QList<QLineSeries*> showGraphData(QChart& chart, const GraphData& data) {
    chart.removeAllSeries();
    QList<QLineSeries*> labelled;
    double minX = std::numeric_limits<double>::max();
    double maxX = std::numeric_limits<double>::lowest();
    double minY = 0;
    double maxY = 0;
    for (const GraphSeries& s : data.series) {
        auto* series = new QLineSeries;
        series->setName(toQString(s.title));
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(s.points.size()));
        for (const GraphPoint& p : s.points) {
            points.append(QPointF(p.x, p.y));
            minX = std::min(minX, double(p.x));
            maxX = std::max(maxX, double(p.x));
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
        series->replace(points);
        // The theme gives a colour on adding; a colour of its own replaces it.
        chart.addSeries(series);
        QPen pen = series->pen();
        if (!s.autoColour) {
            pen.setColor(QColor(QRgb(s.rgb)));
        }
        pen.setWidth(2);
        series->setPen(pen);
        series->setColor(pen.color());
        series->setPointsVisible(s.markers);
        series->setMarkerSize(kMarkerSize);
        if (s.labels) {
            series->setPointLabelsFormat(QStringLiteral("@yPoint"));
            series->setPointLabelsVisible(true);
            series->setPointLabelsClipping(false);
            labelled.append(series);
        }
    }
    if (minX > maxX) {
        minX = 0;
        maxX = 1;
    }
    if (maxX - minX < 1) {
        maxX = minX + 1;
    }
    // The axes stay with the chart; a redraw only sets their ranges.
    QValueAxis* axisX = valueAxis(chart, Qt::Horizontal);
    axisX->setLabelFormat(QStringLiteral("%.0f"));
    axisX->setRange(minX, maxX);
    axisX->setTickType(QValueAxis::TicksDynamic);
    const double step = tickStep(maxX - minX);
    axisX->setTickAnchor(std::ceil(minX / step) * step);
    axisX->setTickInterval(step);
    QValueAxis* axisY = valueAxis(chart, Qt::Vertical);
    const double span = std::max(1.0, maxY - minY);
    axisY->setRange(minY < 0 ? minY - span * 0.05 : 0, maxY + span * 0.08);
    axisY->applyNiceNumbers();
    for (QAbstractSeries* series : chart.series()) {
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    return labelled;
}

}  // namespace pentad
