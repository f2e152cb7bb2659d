// SPDX-License-Identifier: GPL-3.0-or-later
// The draw list: a virtual table over the workspace's draw archive, newest
// draw first. Cells are formatted on request; the row at the analysis offset
// is highlighted and, when the view option asks for it, digits take the
// colour of their channel.
#pragma once

#include <QAbstractTableModel>

namespace pentad {

class Workspace;

class DrawsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Columns: "Тираж", the digits of positions 1..5, "S", "Дата тиража".
    enum Column { NumberColumn = 0, FirstDigitColumn = 1, SumColumn = 6, DateColumn = 7 };
    static constexpr int kColumnCount = 8;

    explicit DrawsModel(const Workspace& workspace, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Takes the archive's new row count (rows were added or removed).
    void reload();
    // Redraws every cell (offset or colouring changed).
    void repaint();

private:
    const Workspace& m_workspace;
    // The row count the view knows; the archive may change under a running
    // command before the view is told.
    int m_rows = 0;
};

}  // namespace pentad
