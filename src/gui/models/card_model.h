// SPDX-License-Identifier: GPL-3.0-or-later
// The draw card as a virtual table: a row per draw (newest first), the draw
// number in column 0 and the digits 0..9 in columns 1..10, each cell's text
// and colour made from the card when the view asks for it, so that an
// archive of any length scrolls smoothly.
#pragma once

#include <QAbstractTableModel>

#include "views/draw_card.h"

namespace pentad {

class CardModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumnCount = 11;

    CardModel(const DrawCard& card, const CardOptions& options, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Takes the card as rebuilt.
    void reload();
    // Redraws the colours (an option changed).
    void repaint();

private:
    const DrawCard& m_card;
    const CardOptions& m_options;
    int m_rows = 0;
};

}  // namespace pentad
