// SPDX-License-Identifier: GPL-3.0-or-later
// The regular stakes list: a virtual table over the workspace's rules with
// the comment, the start combination, the step, the current combination and
// the number of stakes made.
#pragma once

#include <QAbstractTableModel>

namespace pentad {

class Workspace;

class TablesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumnCount = 5;

    explicit TablesModel(Workspace& workspace, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Takes the rules anew; the selection is kept when their number did not
    // change (a rule advanced in place).
    void reload();

private:
    Workspace& m_workspace;
    int m_rows = 0;
};

}  // namespace pentad
