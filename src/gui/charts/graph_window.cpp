// SPDX-License-Identifier: GPL-3.0-or-later
// The graph window: series of the graph data on a chart with value axes.
#include "charts/graph_window.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QVBoxLayout>
#include <QValueAxis>

#include "gui_texts.h"
#include "qt_text.h"
#include "shell/ini_file.h"
#include "window_placement.h"

namespace pentad {
namespace {

constexpr const char* kPlacementSection = "TFormGraph";
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

}  // namespace

GraphWindow::GraphWindow(const GraphData& data, IniFile* frm, QWidget* parent)
    : QWidget(parent, Qt::Window), m_frm(frm) {
    setObjectName(QStringLiteral("GraphWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(data.title.empty() ? QString::fromUtf8(texts::kGraphWindowCaption)
                                      : toQString(data.title));
    resize(900, 520);

    auto* chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);

    double minX = std::numeric_limits<double>::max();
    double maxX = std::numeric_limits<double>::lowest();
    double minY = 0;
    double maxY = 0;
    for (const GraphSeries& s : data.series) {
        auto* series = new QLineSeries;
        series->setName(toQString(s.title));
        for (const GraphPoint& p : s.points) {
            series->append(p.x, p.y);
            minX = std::min(minX, double(p.x));
            maxX = std::max(maxX, double(p.x));
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
        // The theme gives a colour on adding; a colour of its own replaces it.
        chart->addSeries(series);
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
            m_labelled.append(series);
        }
    }
    if (minX > maxX) {
        minX = 0;
        maxX = 1;
    }
    if (maxX - minX < 1) {
        maxX = minX + 1;
    }
    auto* axisX = new QValueAxis;
    axisX->setLabelFormat(QStringLiteral("%.0f"));
    axisX->setRange(minX, maxX);
    axisX->setTickType(QValueAxis::TicksDynamic);
    const double step = tickStep(maxX - minX);
    axisX->setTickAnchor(std::ceil(minX / step) * step);
    axisX->setTickInterval(step);
    auto* axisY = new QValueAxis;
    const double span = std::max(1.0, maxY - minY);
    axisY->setRange(minY < 0 ? minY - span * 0.05 : 0, maxY + span * 0.08);
    axisY->applyNiceNumbers();
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }

    m_view = new QChartView(chart, this);
    m_view->setObjectName(QStringLiteral("chGraph"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_labels = new QCheckBox(QString::fromUtf8(texts::kGraphLabels), this);
    m_labels->setObjectName(QStringLiteral("cbGraphLabels"));
    m_labels->setChecked(true);
    connect(m_labels, &QCheckBox::toggled, this, &GraphWindow::showLabels);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_labels);

    if (m_frm != nullptr) {
        restoreWindowPlacement(*this, *m_frm, kPlacementSection);
    }
}

QChart* GraphWindow::chart() const {
    return m_view->chart();
}

void GraphWindow::showLabels(bool on) {
    for (QLineSeries* series : m_labelled) {
        series->setPointLabelsVisible(on);
    }
}

void GraphWindow::closeEvent(QCloseEvent* event) {
    if (m_frm != nullptr) {
        try {
            saveWindowPlacement(*this, *m_frm, kPlacementSection);
        } catch (const std::exception&) {
            // The placement is a convenience; the window closes anyway.
        }
    }
    event->accept();
}

}  // namespace pentad
