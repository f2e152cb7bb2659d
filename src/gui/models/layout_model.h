// SPDX-License-Identifier: GPL-3.0-or-later
// The layout grid and the comparison lists of the layout tab as tables: the
// grid's counts and draw numbers are its headers; a comparison list has the
// columns "Кол-во" and the window, and sorts by either.
#pragma once

#include <utility>
#include <vector>

#include <QAbstractTableModel>
#include <QString>

#include "views/layout_view.h"

namespace pentad {

class LayoutModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // `gradient` is read on every paint.
    LayoutModel(const LayoutGrid& grid, const bool& gradient, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void reload();
    void repaint();

private:
    const LayoutGrid& m_grid;
    const bool& m_gradient;
    int m_rows = 0;
    int m_columns = 0;
};

class CompareModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit CompareModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Shows `list` in the current sort order.
    void show(const CompareList& list);

private:
    void applySort();

    QString m_caption;
    std::vector<std::pair<int32_t, QString>> m_rows;
    int m_sortColumn = 0;
    Qt::SortOrder m_order = Qt::DescendingOrder;
};

}  // namespace pentad
