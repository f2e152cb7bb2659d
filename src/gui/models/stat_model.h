// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics table: a virtual table over the statistics page with its 20
// columns. Cells come from the page on request, real numbers with the
// locale's decimal separator; sorting a column sorts the page itself.
#pragma once

#include <QAbstractTableModel>
#include <QString>

namespace pentad {

class StatPage;

class StatModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit StatModel(StatPage& page, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // Sorts the page by the column; the page's row selection is dropped.
    void sort(int column, Qt::SortOrder order) override;

    // True while the view shows what the page holds.
    bool isCurrent() const;
    // Takes the page's rows anew (computation, sort or choosers changed).
    void reload();
    // The page changed only its selection, which the view itself made.
    void acceptVersion();

private:
    StatPage& m_page;
    int m_rows = 0;
    unsigned m_version = 0;
    QString m_decimalPoint;
};

}  // namespace pentad
