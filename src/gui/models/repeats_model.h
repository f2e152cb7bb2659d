// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the repeats analysis: "Тираж", "Совпадений", "Кол-во
// повторов", "Список тиражей".
#pragma once

#include <QAbstractTableModel>

#include "views/repeats.h"

namespace pentad {

class RepeatsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RepeatsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void show(RepeatsAnalysis analysis);
    const RepeatsAnalysis& analysis() const { return m_analysis; }

private:
    RepeatsAnalysis m_analysis;
};

}  // namespace pentad
