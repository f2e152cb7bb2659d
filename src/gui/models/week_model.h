// SPDX-License-Identifier: GPL-3.0-or-later
// The weekday table: a row per day (Monday first, the day names as the row
// headers), a column per digit; an empty cell for a zero count, shaded from
// white to red by the count.
#pragma once

#include <QAbstractTableModel>

#include "views/week_view.h"

namespace pentad {

class WeekModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit WeekModel(const WeekTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The short name of a day, Monday = 0.
    static QString dayCaption(int day);

    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The table's counts changed.
    void reload();

private:
    const WeekTable& m_table;
};

}  // namespace pentad
