// SPDX-License-Identifier: GPL-3.0-or-later
// The ledger list: a virtual table over the stake ledger file, one row per
// record read on request (an empty ledger shows one empty row). Rows are
// tinted by stake kind; the money columns of a scored stake are green for a
// win and red otherwise, and the digit columns tell which positions matched.
#pragma once

#include <QAbstractTableModel>
#include <QString>

namespace pentad {

class Workspace;

class StakesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumnCount = 9;
    enum Column { StakeColumn = 2, ResultColumn = 4, MatchesColumn = 5, ProfitColumn = 7 };
    // For the stake and result columns of a scored stake: the bits of the
    // positions (bit 0 = position 1) where stake and draw agree.
    static constexpr int MatchMaskRole = Qt::UserRole + 1;

    explicit StakesModel(Workspace& workspace, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Number of ledger records the rows stand for.
    int recordCount() const { return m_records; }
    // Takes the ledger's new length (the selection is kept when it did not
    // change); true when rows were added.
    bool reload();

private:
    Workspace& m_workspace;
    int m_records = 0;
    QString m_decimalPoint;
};

}  // namespace pentad
