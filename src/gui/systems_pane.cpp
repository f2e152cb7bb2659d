// SPDX-License-Identifier: GPL-3.0-or-later
// The systems tab: the list over the local system files.
#include "systems_pane.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QVBoxLayout>

#include "list_view.h"
#include "models/systems_model.h"

namespace pentad {
namespace {

// Designed widths of the columns.
constexpr int kColumnWidths[SystemsModel::kColumnCount] = {150, 50, 45,  80,  100, 180,
                                                           130, 70, 130, 120, 80};

}  // namespace

SystemsPane::SystemsPane(const std::string& folder, QWidget* parent) : QWidget(parent) {
    m_model = new SystemsModel(folder, this);
    m_view = makeListView("lvSystems", m_model, QAbstractItemView::SingleSelection, this);
    for (int c = 0; c < SystemsModel::kColumnCount; ++c) {
        m_view->setColumnWidth(c, kColumnWidths[c]);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_view);

    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SystemsPane::selectionChanged);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &SystemsPane::selectionChanged);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &SystemsPane::rowActivated);
}

void SystemsPane::bindCommands(const QList<QAction*>& contextMenu) {
    m_view->addActions(contextMenu);
}

int SystemsPane::currentRow() const {
    const QModelIndex current = m_view->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void SystemsPane::focusRow(int row) {
    if (row >= 0 && row < m_model->rowCount()) {
        const QModelIndex index = m_model->index(row, 0);
        m_view->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_view->scrollTo(index);
    }
    emit selectionChanged();
}

std::vector<int> SystemsPane::selectedRows() const {
    return pentad::selectedRows(*m_view);
}

void SystemsPane::reload(const std::string& fileName) {
    m_model->reload();
    const int row = fileName.empty() ? -1 : m_model->rowOfFile(fileName);
    if (row >= 0) {
        const QModelIndex index = m_model->index(row, 0);
        m_view->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_view->scrollTo(index);
    }
    emit selectionChanged();
}

void SystemsPane::clear() {
    m_model->clear();
    emit selectionChanged();
}

}  // namespace pentad
