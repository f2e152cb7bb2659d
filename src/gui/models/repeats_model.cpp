// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/repeats_model.h"

#include "qt_text.h"
#include "views/view_texts.h"

namespace pentad {

RepeatsModel::RepeatsModel(QObject* parent) : QAbstractTableModel(parent) {}

int RepeatsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_analysis.rows.size());
}

int RepeatsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QVariant RepeatsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const RepeatRow& row = m_analysis.rows[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
            case 0:
                return row.draw;
            case 1:
                return row.matches;
            case 2:
                return row.count;
            default:
                return toQString(row.earlierText());
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() < 3) {
        return QVariant(Qt::AlignCenter);
    }
    return {};
}

QVariant RepeatsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 3) {
        return {};
    }
    return uiText(texts::kRepeatsColumns[section]);
}

void RepeatsModel::show(RepeatsAnalysis analysis) {
    beginResetModel();
    m_analysis = std::move(analysis);
    endResetModel();
}

}  // namespace pentad
