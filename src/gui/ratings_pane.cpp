// SPDX-License-Identifier: GPL-3.0-or-later
// The ratings tab: the list over the ratings with the sort mark of the
// column they are sorted by.
#include "ratings_pane.h"

#include <algorithm>

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include "list_view.h"
#include "models/ratings_model.h"
#include "app/workspace.h"

namespace pentad {

RatingsPane::RatingsPane(Workspace& workspace, QWidget* parent) : QWidget(parent) {
    m_model = new RatingsModel(workspace, this);
    m_view = makeListView("lvRatings", m_model, QAbstractItemView::ExtendedSelection, this);
    QHeaderView* header = m_view->horizontalHeader();
    const StakeBook& book = workspace.stakes();
    header->setSortIndicator(book.ratingsSortColumn,
                             book.ratingsDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
    m_view->setSortingEnabled(true);
    const QFontMetrics metrics = header->fontMetrics();
    m_view->setColumnWidth(0, 300);
    for (int c = 1; c < RatingsModel::kColumnCount; ++c) {
        const QString caption = m_model->headerData(c, Qt::Horizontal).toString();
        const int sample = metrics.horizontalAdvance(c >= 12 ? QStringLiteral("-000.000%")
                                                             : QStringLiteral("000000"));
        m_view->setColumnWidth(c, std::max(metrics.horizontalAdvance(caption), sample) + 20);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_view);

    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RatingsPane::selectionChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &RatingsPane::selectionChanged);
    connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) {
            emit rowActivated();
        }
    });
}

void RatingsPane::bindCommands(const QList<QAction*>& contextMenu) {
    m_view->addActions(contextMenu);
}

std::vector<int> RatingsPane::selectedRows() const {
    return pentad::selectedRows(*m_view);
}

bool RatingsPane::hasSelection() const {
    return m_view->selectionModel()->hasSelection();
}

void RatingsPane::refresh(bool rowsChanged, int sortColumn, bool descending) {
    if (rowsChanged) {
        m_model->reload();
    }
    QHeaderView* header = m_view->horizontalHeader();
    QSignalBlocker block(header);
    header->setSortIndicator(sortColumn, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void RatingsPane::repaint() {
    m_model->repaint();
}

}  // namespace pentad
