// SPDX-License-Identifier: GPL-3.0-or-later
// The graph window: series of the graph data on a chart with value axes.
#include "charts/graph_window.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineSeries>
#include <QVBoxLayout>

#include "charts/graph_chart.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "shell/ini_file.h"
#include "window_placement.h"

namespace pentad {
namespace {

constexpr const char* kPlacementSection = "TFormGraph";

}  // namespace

GraphWindow::GraphWindow(const GraphData& data, IniFile* frm, QWidget* parent)
    : QWidget(parent, Qt::Window), m_frm(frm) {
    setObjectName(QStringLiteral("GraphWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(data.title.empty() ? uiText(texts::kGraphWindowCaption)
                                      : toQString(data.title));
    resize(900, 520);

    QChart* chart = makeGraphChart();
    m_labelled = showGraphData(*chart, data);

    m_view = new QChartView(chart, this);
    m_view->setObjectName(QStringLiteral("chGraph"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_labels = new QCheckBox(uiText(texts::kGraphLabels), this);
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
