// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/card_model.h"

#include <QBrush>
#include <QColor>

namespace pentad {

CardModel::CardModel(const DrawCard& card, const CardOptions& options, QObject* parent)
    : QAbstractTableModel(parent), m_card(card), m_options(options), m_rows(card.rowCount()) {}

int CardModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int CardModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CardModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    const int column = index.column();
    if (!index.isValid() || row >= m_card.rowCount()) {
        return {};
    }
    const int digit = column - 1;
    switch (role) {
        case Qt::DisplayRole:
            if (column == 0) {
                return m_card.number(row);
            }
            return m_card.has(row, digit) ? QVariant(digit) : QVariant();
        case Qt::TextAlignmentRole:
            return QVariant(Qt::AlignHCenter | Qt::AlignTop);
        case Qt::BackgroundRole:
            if (column > 0) {
                if (std::optional<uint32_t> rgb = m_card.cellColor(row, digit, m_options)) {
                    return QBrush(QColor(QRgb(*rgb)));
                }
            }
            return {};
        case Qt::ForegroundRole:
            // Coloured cells are light whatever the desktop's scheme.
            if (column > 0 && (m_options.channels || m_options.sequences)) {
                return QBrush(Qt::black);
            }
            return {};
        default:
            return {};
    }
}

QVariant CardModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return section == 0 ? QVariant(QString()) : QVariant(section - 1);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant(Qt::AlignCenter);
    }
    return {};
}

void CardModel::reload() {
    beginResetModel();
    m_rows = m_card.rowCount();
    endResetModel();
}

void CardModel::repaint() {
    if (m_rows > 0) {
        emit dataChanged(index(0, 1), index(m_rows - 1, kColumnCount - 1),
                         {Qt::BackgroundRole, Qt::ForegroundRole});
    }
}

}  // namespace pentad
