// SPDX-License-Identifier: GPL-3.0-or-later
// The combination list: a virtual table over the workspace's combination
// set. Row i shows i + 1, the five digits and their sum; when the view
// option asks for it, digits take the colour of their channel.
#pragma once

#include <QAbstractTableModel>

namespace pentad {

class Workspace;

class CombsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Columns: "№", the digits of positions 1..5, "S".
    enum Column { NumberColumn = 0, FirstDigitColumn = 1, SumColumn = 6 };
    static constexpr int kColumnCount = 7;

    explicit CombsModel(const Workspace& workspace, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Takes the set's new content (the selection is cleared).
    void reload();
    // Redraws every cell (colouring changed).
    void repaint();

private:
    const Workspace& m_workspace;
    int m_rows = 0;
};

// The applied-filters list: caption, value and the combinations left.
class AppliedFiltersModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumnCount = 3;

    explicit AppliedFiltersModel(const Workspace& workspace, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void reload();

private:
    const Workspace& m_workspace;
    int m_rows = 0;
};

}  // namespace pentad
