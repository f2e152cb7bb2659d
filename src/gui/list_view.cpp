// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_view.h"

#include <algorithm>

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

namespace pentad {
namespace {

constexpr int kRowPadding = 4;
constexpr int kMinimumColumnWidth = 16;

}  // namespace

QTableView* makeListView(const char* name, QAbstractItemModel* model,
                         QAbstractItemView::SelectionMode selection, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromUtf8(name));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(selection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + kRowPadding);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setMinimumSectionSize(kMinimumColumnWidth);
    return view;
}

std::vector<int> selectedRows(const QTableView& view) {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : view.selectionModel()->selection()) {
        for (int r = range.top(); r <= range.bottom(); ++r) {
            rows.push_back(r);
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

}  // namespace pentad
