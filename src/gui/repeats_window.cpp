// SPDX-License-Identifier: GPL-3.0-or-later
#include "repeats_window.h"

#include <algorithm>

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineSeries>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "app/workspace.h"
#include "charts/graph_chart.h"
#include "list_view.h"
#include "models/repeats_model.h"
#include "qt_text.h"
#include "shell/ini_file.h"
#include "shell/shell.h"
#include "view_controls.h"
#include "view_pane_texts.h"
#include "views/repeats.h"
#include "views/view_texts.h"
#include "window_placement.h"

namespace pentad {
namespace {

constexpr int kDesignedGraphHeight = 260;
constexpr int kMarkerSize = 2;

// A colour of random hue that stays readable on a white chart.
QColor randomColour() {
    return QColor::fromHsv(QRandomGenerator::global()->bounded(360), 200, 200);
}

}  // namespace

RepeatsWindow::RepeatsWindow(Workspace& workspace, QWidget* parent)
    : QWidget(parent, Qt::Window), m_workspace(workspace) {
    setObjectName(QStringLiteral("TFormAnalyzeRepeats"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(uiText(texts::kRepeatsCaption));
    resize(900, 640);
    const IniFile& frm = workspace.frm();
    m_drawsLength =
        static_cast<int>(frm.readInt(kRepeatsSection, "DrawsLength", kDefaultRepeatsLength));
    m_drawsDeep = static_cast<int>(frm.readInt(kRepeatsSection, "DrawsDeep", kDefaultRepeatsDepth));
    m_length =
        makeLengthField("edDrawsLength", &m_drawsLength, nullptr, this, [this] { calculate(); });
    m_depth = makeLengthField("edDrawsDeep", &m_drawsDeep, nullptr, this, [this] { calculate(); });
    m_calc = makeButton("btnCalc", this);
    m_calc->setText(uiText(texts::kRepeatsCalc));
    connect(m_calc, &QPushButton::clicked, this, &RepeatsWindow::calculate);

    m_model = new RepeatsModel(this);
    m_view = makeListView("lvRepeats", m_model, QAbstractItemView::ExtendedSelection, this);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setColumnWidth(0, 80);
    m_view->setColumnWidth(1, 90);
    m_view->setColumnWidth(2, 110);
    m_chart = new QChartView(makeGraphChart(), this);
    m_chart->setObjectName(QStringLiteral("chRepeats"));
    m_chart->setRenderHint(QPainter::Antialiasing);

    auto* fields = new QFormLayout;
    fields->addRow(uiText(texts::kRepeatsLengthLabel), m_length);
    fields->addRow(uiText(texts::kRepeatsDepthLabel), m_depth);
    auto* top = new QHBoxLayout;
    top->addLayout(fields);
    top->addWidget(m_calc, 0, Qt::AlignBottom);
    top->addStretch(1);
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_view);
    m_splitter->addWidget(m_chart);
    m_chartHeight = new LowerPartHeight(m_splitter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(m_splitter, 1);

    m_workspace.shell().guard("%s", [&] {
        restoreWindowPlacement(*this, frm, kRepeatsSection);
        restoreColumnWidths(*m_view, frm, kRepeatsSection);
    });
    m_chartHeight->setHeight(
        static_cast<int>(frm.readInt(kRepeatsSection, "GraphHeight", kDesignedGraphHeight)));
}

void RepeatsWindow::calculate() {
    Shell& shell = m_workspace.shell();
    if (!shell.isIdle()) {
        return;
    }
    const TDrawsArray& draws = m_workspace.archive().draws();
    const int length = m_drawsLength;
    const int depth = m_drawsDeep;
    shell.guard("%s", [&] {
        BusyScope busy(shell);
        RepeatsAnalysis analysis;
        {
            ProgressScope progress(shell, texts::kStatusCollecting,
                                   std::min(length, static_cast<int>(draws.size())));
            analysis = analyseRepeats(draws, length, depth, [&shell] {
                shell.stepProgress();
                shell.processEvents();
            });
        }
        const GraphData data = repeatsGraphData(analysis);
        {
            ProgressScope progress(shell, texts::kStatusRepeatCharts,
                                   static_cast<int>(analysis.rows.size()));
            QChart* chart = m_chart->chart();
            showGraphData(*chart, data);
            for (QAbstractSeries* series : chart->series()) {
                auto* line = static_cast<QLineSeries*>(series);
                line->setColor(randomColour());
                line->setMarkerSize(kMarkerSize);
                line->setPointsVisible(true);
            }
            shell.stepProgress(static_cast<int>(analysis.rows.size()));
        }
        m_model->show(std::move(analysis));
    });
}

void RepeatsWindow::closeEvent(QCloseEvent* event) {
    m_workspace.shell().guard("%s", [&] {
        IniFile& frm = m_workspace.frm();
        IniFile::Batch batch(frm);
        frm.writeInt(kRepeatsSection, "DrawsLength", m_drawsLength);
        frm.writeInt(kRepeatsSection, "DrawsDeep", m_drawsDeep);
        frm.writeInt(kRepeatsSection, "GraphHeight", m_chartHeight->height());
        saveColumnWidths(*m_view, frm, kRepeatsSection);
        saveWindowPlacement(*this, frm, kRepeatsSection);
    });
    event->accept();
}

}  // namespace pentad
