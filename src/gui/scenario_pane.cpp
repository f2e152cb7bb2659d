// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario tab: the line list over the current scenario and the five
// panels of the scenario status bar.
#include "scenario_pane.h"

#include <algorithm>

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "list_view.h"
#include "models/scenario_model.h"
#include "qt_text.h"
#include "scenarios/scenario_texts.h"
#include "shell/error.h"
#include "app/workspace.h"

namespace pentad {
namespace {

// Designed widths of the comment and options columns; the filters share the
// rest at their own width.
constexpr int kCommentWidth = 150;
constexpr int kOptionsWidth = 360;
constexpr int kFilterWidth = 220;
// Minimum widths of the status panels; the free text takes the rest.
constexpr std::array<int, 4> kPanelWidths = {90, 80, 90, 100};

}  // namespace

ScenarioPane::ScenarioPane(Workspace& workspace, QWidget* parent)
    : QWidget(parent), m_workspace(workspace) {
    m_model = new ScenarioModel(workspace, this);
    m_view = makeListView("lvScript", m_model, QAbstractItemView::ExtendedSelection, this);
    m_view->setColumnWidth(ScenarioModel::CommentColumn, kCommentWidth);
    m_view->setColumnWidth(ScenarioModel::OptionsColumn, kOptionsWidth);
    for (int c = ScenarioModel::FirstFilterColumn; c < ScenarioModel::kColumnCount; ++c) {
        m_view->setColumnWidth(c, kFilterWidth);
    }

    auto* statusRow = new QHBoxLayout;
    statusRow->setSpacing(2);
    for (size_t i = 0; i < m_panels.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("sbScript%1").arg(i + 1));
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
        if (i < kPanelWidths.size()) {
            panel->setMinimumWidth(kPanelWidths[i]);
            statusRow->addWidget(panel);
        } else {
            // A long variant text must not widen the window.
            panel->setMinimumWidth(1);
            panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            statusRow->addWidget(panel, 1);
        }
        m_panels[i] = panel;
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_split = new QSplitter(Qt::Vertical, this);
    m_split->setChildrenCollapsible(false);
    m_split->addWidget(m_view);
    layout->addWidget(m_split, 1);
    layout->addLayout(statusRow);

    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ScenarioPane::selectionChanged);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ScenarioPane::selectionChanged);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &ScenarioPane::rowActivated);
    showStatus();
}

void ScenarioPane::addLowerPanel(QWidget* panel, int height) {
    m_split->addWidget(panel);
    m_split->setStretchFactor(0, 1);
    m_split->setSizes({std::max(1, m_split->height() - height), height});
}

void ScenarioPane::bindCommands(const QList<QAction*>& contextMenu) {
    m_view->addActions(contextMenu);
}

int ScenarioPane::currentRow() const {
    const QModelIndex current = m_view->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

std::vector<int> ScenarioPane::selectedRows() const {
    return pentad::selectedRows(*m_view);
}

void ScenarioPane::selectRow(int row) {
    if (row < 0 || row >= m_model->rowCount()) {
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    m_view->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_view->scrollTo(index);
}

void ScenarioPane::refresh() {
    if (m_model->rowCount() != m_workspace.scenario().count()) {
        m_model->reload();
    } else {
        m_model->repaint();
    }
    showStatus();
}

void ScenarioPane::showStatus() {
    const ScenarioRunner& runner = m_workspace.runner();
    const ScenarioStatus& status = runner.status();
    const int lines = runner.running() ? status.lines : m_workspace.scenario().count();
    m_panels[0]->setText(uiText(format(texts::kPanelLines, lines)));
    m_panels[1]->setText(uiText(format(texts::kPanelCycle, status.cycle)));
    m_panels[2]->setText(uiText(format(texts::kPanelLine, status.line)));
    m_panels[3]->setText(uiText(format(texts::kPanelRunStakes, status.stakes)));
    m_panels[4]->setText(toQString(status.text));
    m_panels[4]->setToolTip(toQString(status.text));
}

void ScenarioPane::setRunning(bool running) {
    m_view->setEnabled(!running);
}

}  // namespace pentad
