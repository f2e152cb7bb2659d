// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph_pane.h"

#include <algorithm>

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "action_button.h"
#include "app/workspace.h"
#include "charts/graph_chart.h"
#include "command_set.h"
#include "qt_text.h"
#include "view_controls.h"
#include "view_pane_texts.h"

namespace pentad {
namespace {

constexpr int kMarkerSize = 4;

// A small square in the series' green with a magenta outline.
QImage valueMarker() {
    QImage image(kMarkerSize, kMarkerSize, QImage::Format_ARGB32);
    image.fill(QColor(QRgb(kGraphMarkerOutline)));
    QPainter painter(&image);
    painter.fillRect(1, 1, kMarkerSize - 2, kMarkerSize - 2, QColor(QRgb(kGraphMainColor)));
    return image;
}

}  // namespace

GraphPane::GraphPane(Workspace& workspace, QWidget* parent)
    : QWidget(parent),
      m_workspace(workspace),
      m_page(workspace.shell(), workspace.stats(), workspace.archive()) {
    setObjectName(QStringLiteral("tsGraphs"));
    m_page.length = workspace.form().DrawsGraphLen;

    m_chooser = new QComboBox(this);
    m_chooser->setObjectName(QStringLiteral("cbGraphType"));
    m_chooser->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_chooser->setMinimumContentsLength(24);
    m_chooser->setMaxVisibleItems(24);
    auto* chooserLabel = new QLabel(uiText(texts::kGraphTypeLabel), this);
    chooserLabel->setBuddy(m_chooser);
    m_length = makeLengthField("edDrawsGraphLen", &m_page.length, &workspace.form().DrawsGraphLen,
                               this, whenEnabled(&m_drawAction, [this] { refresh(false); }));
    QLabel* lengthLabel = makeLengthLabel(m_length, this);
    m_draw = makeButton("btnDrawsGraphDraw", this);
    m_labels = new QCheckBox(uiText(texts::kGraphTabLabels), this);
    m_labels->setObjectName(QStringLiteral("cbGraphTabLabels"));

    m_chart = new QChartView(makeGraphChart(), this);
    m_chart->setObjectName(QStringLiteral("chDrawsGraph"));
    m_chart->setRenderHint(QPainter::Antialiasing);

    auto* top = new QHBoxLayout;
    top->addWidget(chooserLabel);
    top->addWidget(m_chooser, 1);
    top->addWidget(lengthLabel);
    top->addWidget(m_length);
    top->addWidget(m_draw);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(m_chart, 1);
    layout->addWidget(m_labels);

    connect(m_chooser, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (m_workspace.shell().isIdle()) {
            m_workspace.statPage().setGraphChoiceIndex(item);
            whenEnabled(&m_drawAction, [this] { refresh(false); })();
        }
    });
    connect(m_labels, &QCheckBox::toggled, this, [this](bool on) {
        for (QLineSeries* series : m_labelled) {
            series->setPointLabelsVisible(on);
        }
    });
}

QList<QAction*> GraphPane::createCommands(CommandSet& commands) {
    m_drawAction = commands.add({.name = "DrawsGraphDraw",
                                 .caption = texts::kCmdRefresh,
                                 .enabled =
                                     [this] {
                                         return !m_workspace.archive().empty() &&
                                                m_workspace.statPage().graphChoiceIndex() >= 0;
                                     },
                                 .execute = [this] { refresh(true); }});
    bindButton(m_draw, m_drawAction);
    m_chart->addAction(m_drawAction);
    m_chart->setContextMenuPolicy(Qt::ActionsContextMenu);
    return {m_drawAction};
}

void GraphPane::fillChooser() {
    const StatPage& statPage = m_workspace.statPage();
    QStringList captions;
    for (int entry : statPage.graphChoices()) {
        captions.append(toQString(m_workspace.stats().ListCaption(entry, true)));
    }
    QSignalBlocker block(m_chooser);
    if (captions != m_captions) {
        m_chooser->clear();
        m_chooser->addItems(captions);
        m_captions = captions;
    }
    m_chooser->setCurrentIndex(statPage.graphChoiceIndex());
}

void GraphPane::refresh(bool force) {
    fillChooser();
    const StatPage& statPage = m_workspace.statPage();
    const int item = statPage.graphChoiceIndex();
    m_page.entry = item >= 0 && item < static_cast<int>(statPage.graphChoices().size())
                       ? statPage.graphChoices()[static_cast<size_t>(item)]
                       : -1;
    m_page.sorted = statPage.SortedDraws;
    bool rebuilt = false;
    m_workspace.shell().guard("%s", [&] { rebuilt = m_page.refresh(force); });
    if (rebuilt) {
        showGraph();
    }
}

void GraphPane::showGraph() {
    QChart* chart = m_chart->chart();
    m_labelled = showGraphData(*chart, statGraphData(m_page.graph(), true));
    for (QLineSeries* series : m_labelled) {
        series->setPointLabelsVisible(m_labels->isChecked());
        series->setLightMarker(valueMarker());
    }
}

void GraphPane::setIdle(bool idle) {
    m_chooser->setEnabled(idle);
    m_length->setEnabled(idle);
}

}  // namespace pentad
