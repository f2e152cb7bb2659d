// SPDX-License-Identifier: GPL-3.0-or-later
// The regular stakes tab: the list over the rules.
#include "tables_pane.h"

#include <algorithm>

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QVBoxLayout>

#include "list_view.h"
#include "models/tables_model.h"
#include "window_placement.h"

namespace pentad {

TablesPane::TablesPane(Workspace& workspace, QWidget* parent) : QWidget(parent) {
    m_model = new TablesModel(workspace, this);
    m_view = makeListView("lvTables", m_model, QAbstractItemView::ExtendedSelection, this);
    // The comment takes most of the room; the other columns fit their captions.
    const QFontMetrics metrics = m_view->horizontalHeader()->fontMetrics();
    std::vector<int> widths = {300};
    for (int c = 1; c < TablesModel::kColumnCount; ++c) {
        const QString caption = m_model->headerData(c, Qt::Horizontal).toString();
        widths.push_back(std::max(50, metrics.horizontalAdvance(caption) + 20));
    }
    setColumnWidths(*m_view, widths);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_view);

    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TablesPane::selectionChanged);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TablesPane::selectionChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &TablesPane::selectionChanged);
}

void TablesPane::bindCommands(const QList<QAction*>& contextMenu) {
    m_view->addActions(contextMenu);
}

int TablesPane::currentRow() const {
    const QModelIndex current = m_view->selectionModel()->currentIndex();
    return current.isValid() && current.row() < m_model->rowCount() ? current.row() : -1;
}

std::vector<int> TablesPane::selectedRows() const {
    return pentad::selectedRows(*m_view);
}

void TablesPane::refresh() {
    m_model->reload();
}

}  // namespace pentad
