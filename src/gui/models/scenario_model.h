// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario list: a table over the workspace's current scenario, one row
// per line. A row shows the line's comment, its options caption and its seven
// filter items in their normalised text form; separator lines are empty rows.
#pragma once

#include <QAbstractTableModel>

namespace pentad {

class Workspace;

class ScenarioModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Columns: "Комментарии", "Опции", "Фильтр 1" .. "Фильтр 7".
    enum Column { CommentColumn = 0, OptionsColumn = 1, FirstFilterColumn = 2 };
    static constexpr int kColumnCount = 9;

    explicit ScenarioModel(const Workspace& workspace, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Takes the scenario's new line count (lines were added or removed).
    void reload();
    // Redraws every cell (lines were edited or moved).
    void repaint();

private:
    QString cellText(int row, int column) const;

    const Workspace& m_workspace;
    // The row count the view knows; the scenario may change before it is told.
    int m_rows = 0;
};

}  // namespace pentad
