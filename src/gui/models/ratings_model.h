// SPDX-License-Identifier: GPL-3.0-or-later
// The ratings list: a virtual table over the workspace's ratings with 18
// columns, the efficiency columns in the window's current mode. Sorting a
// column is handed to the window, which sorts (and saves) the ratings.
#pragma once

#include <functional>

#include <QAbstractTableModel>
#include <QString>

namespace pentad {

class Workspace;

class RatingsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumnCount = 18;

    explicit RatingsModel(Workspace& workspace, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // Runs the sorter given to setSorter (a header click).
    void sort(int column, Qt::SortOrder order) override;

    // Receives the column and whether the order is descending.
    void setSorter(std::function<void(int, bool)> sorter) { m_sorter = std::move(sorter); }

    // Takes the ratings anew (rows added, removed or reordered).
    void reload();
    // Redraws every cell (efficiency mode changed).
    void repaint();

private:
    Workspace& m_workspace;
    int m_rows = 0;
    QString m_decimalPoint;
    std::function<void(int, bool)> m_sorter;
};

}  // namespace pentad
