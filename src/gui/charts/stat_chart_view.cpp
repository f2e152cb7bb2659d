// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics chart: two line series over a category axis of value texts,
// thinned to as many labels as fit whole at the chart's width, with the value
// and count of a point shown when the mouse rests on it.
#include "charts/stat_chart_view.h"

#include <algorithm>
#include <cmath>

#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QFontMetrics>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QToolTip>
#include <QValueAxis>

#include "qt_text.h"
#include "stats/stat_table.h"
#include "stats/stat_texts.h"

namespace pentad {
namespace {

// Room a value label needs beside its text: the chart pads every label on
// both sides, and a little air keeps neighbours apart.
constexpr int kLabelSpacing = 16;
// Width the count axis and the margins take before the plot area is known.
constexpr int kPlotAllowance = 60;
// Up to this height the count axis gets a tick for every whole number.
constexpr double kMaxWholeTicks = 6;

const QColor kActualColor(0x1F, 0x5F, 0xBF);
const QColor kIdealColor(0xD0, 0x30, 0x30);

QLineSeries* makeSeries(const char* name, const QColor& color,
                        const std::vector<ChartPoint>& points) {
    auto* series = new QLineSeries;
    series->setName(uiText(name));
    QPen pen(color);
    pen.setWidth(2);
    series->setPen(pen);
    for (const ChartPoint& p : points) {
        series->append(p.x, p.y);
    }
    return series;
}

}  // namespace

StatChartView::StatChartView(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("chStat"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(80);
    showChart(StatChart{});
}

void StatChartView::showChart(const StatChart& data) {
    // The ideal series runs over every value of the full set, so its labels
    // name every position; without it the actual series has every value.
    const std::vector<ChartPoint>& named = data.ideal.empty() ? data.actual : data.ideal;
    m_labels = QStringList(QString());
    for (const ChartPoint& p : named) {
        m_labels.append(toQString(p.label));
    }
    const int count = static_cast<int>(named.size());

    auto* chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->legend()->setAlignment(Qt::AlignBottom);

    QLineSeries* actual = makeSeries(texts::kSeriesActual, kActualColor, data.actual);
    actual->setPointsVisible(count <= 60);
    chart->addSeries(actual);
    QLineSeries* ideal = nullptr;
    if (!data.ideal.empty()) {
        ideal = makeSeries(texts::kSeriesIdeal, kIdealColor, data.ideal);
        chart->addSeries(ideal);
    }

    auto* axisX = new QCategoryAxis;
    axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axisX->setRange(0.5, std::max(1, count) + 0.5);
    axisX->setGridLineVisible(false);

    double top = 0;
    for (const auto* points : {&data.actual, &data.ideal}) {
        for (const ChartPoint& p : *points) {
            top = std::max(top, p.y);
        }
    }
    auto* axisY = new QValueAxis;
    axisY->setLabelFormat(QStringLiteral("%.0f"));
    const double height = top > 0 ? top * 1.08 : 1;
    if (height <= kMaxWholeTicks) {
        // Counts are whole numbers: a tick per unit, so no label repeats.
        const int units = static_cast<int>(std::ceil(height));
        axisY->setRange(0, units);
        axisY->setTickCount(units + 1);
    } else {
        axisY->setRange(0, height);
        axisY->applyNiceNumbers();
    }

    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    connect(actual, &QLineSeries::hovered, this, &StatChartView::showPointHint);
    if (ideal != nullptr) {
        connect(ideal, &QLineSeries::hovered, this, &StatChartView::showPointHint);
    }

    QChart* old = this->chart();
    setChart(chart);
    delete old;
    m_axisX = axisX;
    m_labelStep = 0;
    placeAxisLabels();
    // The plot area is known once the chart is laid out, and changes with
    // the window: the labels follow it.
    connect(chart, &QChart::plotAreaChanged, this, &StatChartView::placeAxisLabels);
}

void StatChartView::placeAxisLabels() {
    if (m_axisX == nullptr) {
        return;
    }
    const int count = static_cast<int>(m_labels.size()) - 1;
    const QFontMetrics metrics(m_axisX->labelsFont());
    int widest = 1;
    for (int k = 1; k <= count; ++k) {
        widest = std::max(widest, metrics.horizontalAdvance(m_labels[k]));
    }
    qreal plotWidth = chart()->plotArea().width();
    if (plotWidth <= 0) {
        plotWidth = std::max(1, width() - kPlotAllowance);
    }
    // Each label gets the axis width shared among the labels and one more:
    // as many labels as fit whole, every step-th value named.
    const int fitting = std::max(1, static_cast<int>(plotWidth / (widest + kLabelSpacing)) - 1);
    const int step = std::max(1, (count + fitting - 1) / fitting);
    if (step == m_labelStep) {
        return;
    }
    m_labelStep = step;
    for (const QString& label : m_axisX->categoriesLabels()) {
        m_axisX->remove(label);
    }
    for (int k = 1; k <= count; k += step) {
        m_axisX->append(m_labels.value(k), k);
    }
}

void StatChartView::showPointHint(const QPointF& point, bool entered) {
    if (!entered) {
        QToolTip::hideText();
        return;
    }
    const int k = static_cast<int>(std::lround(point.x()));
    QToolTip::showText(QCursor::pos(),
                       QStringLiteral("%1: %2").arg(m_labels.value(k), QLocale().toString(point.y(), 'f', 1)));
}

}  // namespace pentad
